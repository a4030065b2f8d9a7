#pragma once

#include "workspace/RegionalSettings.h"

#include <string>

namespace kelvarin::calculators {

// Number texts of computed grids (and of reports), in the user's number and currency format.
//
// Every format first rounds the value to at most `precision` significant digits, half away from
// zero on its 18-digit decimal form. When the whole part of the rounded value has more digits
// than `precision`, the text is the scientific form instead: the significant digits without
// trailing zeros, the decimal separator after the first, "E", a minus sign for a negative
// exponent and the exponent with at least exponentDigits(precision) digits (1234 at precision 3
// gives "1.23E3"; with a minus sign in front for a negative value).
// A non-finite value gives "NAN", "INF" or "-INF". A value that rounds to zero has no minus sign.

// Currency text with `decimals` decimals (rounded again, half away from zero): thousands
// separators, the regional currency sign and its placement, and the regional pattern for
// negative amounts. 95000 (10, 0) gives "$95,000", 1234.56 (5, 2) gives "$1,234.60".
std::string currencyText(double value, int precision, int decimals,
                         const workspace::RegionalSettings& regional);

// Shortest decimal text: no thousands separators, no trailing zeros, no decimal separator for a
// whole number: 8.75, 8, 10.125. A non-zero value below 0.00001 also takes the scientific form.
std::string generalText(double value, int precision, const workspace::RegionalSettings& regional);

// `decimals` decimals, no thousands separators: 8.7502 (5, 3) gives "8.750", 360.0009 (5, 2) "360.00".
std::string fixedText(double value, int precision, int decimals, const workspace::RegionalSettings& regional);

// Least number of exponent digits of the scientific form: 1 up to precision 3, 2 for precision 4
// and 5, 3 above.
int exponentDigits(int precision);

} // namespace kelvarin::calculators
