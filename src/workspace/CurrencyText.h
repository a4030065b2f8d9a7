#pragma once

#include "RegionalSettings.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvarin::workspace {

// Blanks in currency texts: as the format puts them, or no-break spaces. A grid cell never holds a
// plain blank, because stored schedule rows are split at blanks.
enum class CurrencyBlank { Plain, NoBreak };

// An amount in the user's currency format (UTF-8): the sign's placement and blank for positive
// amounts, the negative pattern (0 "($1)" ... 15 "(1 $)"; any other number reads as 1 "-$1"),
// thousands separators every three digits and the regional decimal separator.
// `integer` holds the whole digits without leading zeros ("0" for none); `fraction` the decimals.
std::string currencyText(const RegionalSettings& regional, bool negative, std::string_view integer,
                         std::string_view fraction, CurrencyBlank blank = CurrencyBlank::Plain);

// The value with 2 decimals after rounding to at most `precision` significant digits: one rounding,
// half away from zero on the value's first 18 significant digits, where the first of the two limits
// bites (2.675, held as 2.67499999999999982, gives 2.67), in the user's currency format: with United
// States settings 1234.5 gives "$1,234.50". A value that rounds to 0 is not negative. Throws
// std::invalid_argument for a value that is not finite.
std::string currencyText(const RegionalSettings& regional, double value, int precision,
                         CurrencyBlank blank = CurrencyBlank::Plain);

// An amount as the engine writes it ("     5057.53", "-12.30", at most 15 characters, "." as decimal
// point) in the user's currency format with 2 decimals. Such a text has at most 15 significant digits,
// so no rounding is needed. Returns nullopt when the text is not such an amount.
std::optional<std::string> currencyTextOfEngineAmount(const RegionalSettings& regional,
                                                      std::string_view amount,
                                                      CurrencyBlank blank = CurrencyBlank::Plain);

// Reads back a text that currencyText wrote under the same settings, with plain or no-break blanks:
// the nearest double to its decimal amount. nullopt when the text is not in that format (a missing or
// misplaced currency sign, stray characters, no digits).
std::optional<double> parseCurrencyText(const RegionalSettings& regional, std::string_view text);

// The user's currency format prepared once for many texts (a grid fill formats and reads thousands);
// the free functions above build one per call.
class CurrencyFormat {
public:
    CurrencyFormat(const RegionalSettings& regional, CurrencyBlank blank);

    std::string text(bool negative, std::string_view integer, std::string_view fraction) const;
    std::string text(double value, int precision) const;
    std::optional<std::string> engineAmount(std::string_view amount) const;
    // Reads plain and no-break blanks alike.
    std::optional<double> parse(std::string_view text) const;

private:
    struct Pattern {
        std::string prefix, suffix;         // as written, UTF-8
        std::string readPrefix, readSuffix; // every blank as a plain one
    };
    Pattern m_positive, m_negative;
    std::string m_thousands, m_decimal; // as written
    std::string m_readThousands;        // a blank as a plain one
};

// A text that should hold a number but does not; what() is the message for the user.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kelvarin::workspace
