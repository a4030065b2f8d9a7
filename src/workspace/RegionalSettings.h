#pragma once

#include <array>
#include <string>

namespace kelvarin::workspace {

// The user's regional number, currency and date settings. Built once at start-up by the
// application from the system and passed in; the core never reads the system itself.
struct RegionalSettings {
    std::u32string currencySign = U"$";
    // Where the user's currency format puts the sign: "1.234,50 €" rather than "$1,234.50". Only
    // grids and reports follow it (formatCurrency); value fields always float the sign in front.
    bool currencyAfterNumber = false;
    // A blank between sign and number; value fields keep it after their leading sign ("€ 5,00").
    bool currencyBlank = false;
    char32_t decimalSeparator = U'.';
    char32_t thousandsSeparator = U',';
    // Negative currency pattern, numbered as the classic regional settings do
    // (0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", ..., 8 "-1 $"); the value fields place the
    // minus sign themselves and keep this only for grids and reports.
    int negativeCurrencyPattern = 1;
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",
                                               "May",     "June",     "July",      "August",
                                               "September", "October", "November", "December"};

    // Empty sign or separators take "$", "." and ","; equal separators take "." and "," both.
    [[nodiscard]] RegionalSettings normalised() const;

    static RegionalSettings unitedStates();
    // "," decimal, "." thousands, "€" after the number with a blank, German month names.
    static RegionalSettings germanStyle();
};

}  // namespace kelvarin::workspace
