#pragma once

#include "Mask.h"
#include "RegionalSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvarin::workspace {

// A finite double as fixed-point decimal digits: its exact value is rounded half away from
// zero to 18 significant digits, and that to `decimals` places, again half away from zero.
// 2.675 (held as 2.67499999999999982…) gives 2.67; 0.125 gives 0.13. A value that rounds to
// zero is not negative. Throws std::invalid_argument for a non-finite value.
struct FixedDigits {
    bool negative = false;
    std::string integer;   // no leading zeros; "0" when the integer part is zero
    std::string fraction;  // exactly `decimals` digits
};
FixedDigits roundFixed(double value, int decimals);

// The text a field with this mask shows for `value`.
// Masks with a '.': decimals after the point, integer digits right to left before it with
// thousands separators between digits, then in the first free positions the currency sign
// (money masks; always in front, with the regional blank after it where that fits) and the
// minus sign, then blanks. Masks without '.': the ratio rounds to a whole number, the decimal
// field to 2 decimals without trailing zeros, placed right-justified (left-justified when asked).
// The text is exactly as wide as the mask unless the number needs more room (see ValueField.h).
// A non-finite value shows "NAN", "INF" or "-INF".
std::u32string formatFloating(const MaskInfo& mask, const RegionalSettings& regional, double value,
                              bool leftJustified = false);
// Count fields: the plain whole number. Other masks format it as formatFloating does.
std::u32string formatWhole(const MaskInfo& mask, const RegionalSettings& regional,
                           std::int64_t value, bool leftJustified = false);

// An amount in the user's own currency format, for grids and reports (value fields always put
// the sign in front, see formatFloating): integer digits grouped by three, the decimals as given,
// the sign before or after the number with or without a blank, and a negative amount in the
// regional negative currency pattern (0 "($1.1)", 1 "-$1.1", 2 "$-1.1", 3 "$1.1-", 4 "(1.1$)",
// 5 "-1.1$", 6 "1.1-$", 7 "1.1$-", 8 "-1.1 $", 9 "-$ 1.1", 10 "1.1 $-", 11 "$ 1.1-",
// 12 "$ -1.1", 13 "1.1- $", 14 "($ 1.1)", 15 "(1.1 $)"; any other: a minus before the positive
// form). The second form rounds as roundFixed does; a non-finite value shows "NAN", "INF", "-INF".
std::u32string formatCurrency(const FixedDigits& digits, const RegionalSettings& regional);
std::u32string formatCurrency(double value, int decimals, const RegionalSettings& regional);

// Result of reading a field's text.
struct ParsedText {
    enum class Status { Valid, NotNumber, OutOfRange };
    Status status = Status::Valid;
    // The number when the text is one, also when it lies outside the mask's range (empty when it
    // is too large for a double or for a 64-bit count).
    std::optional<double> value;
};
// Drops the mask's literal characters, the first currency sign (and the blank after it where the
// regional format has one), all thousands separators and the blanks at both ends; the regional
// decimal separator reads as the point. Empty text is 0; "5." is 5; ".5" and "-.5" get a 0 before
// the point. The rest must be [-]digits[.digits] (count fields: [-]digits) and lie within the
// mask's range.
ParsedText parseFieldText(const MaskInfo& mask, const RegionalSettings& regional,
                          std::u32string_view text);

std::string toUtf8(std::u32string_view text);
std::u32string fromUtf8(std::string_view text);  // a malformed sequence gives U+FFFD

}  // namespace kelvarin::workspace
