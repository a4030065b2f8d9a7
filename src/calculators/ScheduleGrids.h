#pragma once

#include "loanmath/Mortgage.h"
#include "workspace/CurrencyText.h"
#include "workspace/RegionalSettings.h"
#include "workspace/TextGrid.h"

#include <string>
#include <string_view>

namespace kelvarin::calculators {

// The texts of the amortization page's two grids. Their cells are the page's output: documents store
// the monthly rows, reports print the cells as they stand, and the annual grid is summed from the
// monthly texts. Amounts are in the user's currency format with no-break spaces for blanks, so that a
// cell never holds a plain blank and reads back to the same amount under any regional settings.

// Row 0 of each grid: titles, and the column widths in pixels.
void writeMonthlyTitles(workspace::TextGrid& monthly);
void writeAnnualTitles(workspace::TextGrid& annual);

// The monthly grid of a schedule: titles, then one row per payment ("1", "Jan 2000", principal,
// interest, total principal, total interest, prepayment, balance) until the loan is paid off (a row
// with principal and balance 0 is not listed); rows from the first negative balance on are cut off.
// With no row to list, row 1 holds a single blank in each cell (the empty-schedule marker).
// Runs any rebuild the schedule has pending, so it may throw CalcError.
void fillMonthlyGrid(workspace::TextGrid& monthly, const loanmath::TMortgage& schedule,
                     const workspace::RegionalSettings& regional);

// The calendar-year summary of the monthly grid's texts: per year the principal, the interest and their
// total, in the user's currency format after rounding to 10 significant digits. The grid keeps its row
// count with empty cells when the monthly grid holds no schedule (row 1 empty or the marker).
// Throws workspace::ConversionError for a text that is not an amount or a year.
void fillAnnualGrid(workspace::TextGrid& annual, const workspace::TextGrid& monthly,
                    const workspace::RegionalSettings& regional);

// "Jan" to "Dec" for months 1 to 12, "Jan" for any other number.
std::string_view monthName(int month);
// The month number 1..12 of "Jan" .. "Dec" exactly (letter case counts), 0 for any other text.
int monthNumber(std::string_view name);

// The year part of a month cell ("Jan 2000" gives "2000"): the text without its first 4 characters.
std::string ParseYear(std::string_view monthCell);
// The month part of a month cell ("Jan 2000" gives "Jan"): its first 3 characters.
std::string ParseMonth(std::string_view monthCell);

// A grid currency text as a number. A text in the user's currency format reads back exactly; any other
// text is read after its first character (taken for the currency sign), at most 20 characters, without
// thousands separators. Throws workspace::ConversionError when that is not a number.
double ChangeCurrencyStringToFloat(std::string_view text, const workspace::RegionalSettings& regional);
// The same with the user's currency format prepared once (for many texts).
double ChangeCurrencyStringToFloat(std::string_view text, const workspace::RegionalSettings& regional,
                                   const workspace::CurrencyFormat& format);

// A prepayment amount text, exact to 4 decimals: from the first of "$", "+", "-", digits and the two
// regional separators, the characters while they are allowed (a sign only first, no separator after the
// decimal separator), without thousands separators. Throws workspace::ConversionError
// "<text> is not a valid currency value!" when no such character exists or the taken text is no number.
double TextToCurrency(std::string_view text, const workspace::RegionalSettings& regional);

} // namespace kelvarin::calculators
