#include "RegionalSettings.h"

namespace kelvarin::workspace {

namespace {

bool isDigitOrMinus(char32_t c) { return (c >= U'0' && c <= U'9') || c == U'-'; }

}  // namespace

RegionalSettings RegionalSettings::normalised() const {
    RegionalSettings r = *this;
    if (r.currencySign.empty()) {
        r.currencySign = U"$";
        r.currencyAfterNumber = false;
        r.currencyBlank = false;
    }
    // A separator that is missing, a digit, a minus or a blank would make number texts ambiguous.
    if (r.decimalSeparator == 0 || isDigitOrMinus(r.decimalSeparator) || r.decimalSeparator == U' ')
        r.decimalSeparator = U'.';
    if (r.thousandsSeparator == 0 || isDigitOrMinus(r.thousandsSeparator))
        r.thousandsSeparator = U',';
    if (r.thousandsSeparator == r.decimalSeparator) {
        r.decimalSeparator = U'.';
        r.thousandsSeparator = U',';
    }
    return r;
}

RegionalSettings RegionalSettings::unitedStates() { return RegionalSettings{}; }

RegionalSettings RegionalSettings::germanStyle() {
    RegionalSettings r;
    r.currencySign = U"\u20AC";
    r.currencyAfterNumber = true;
    r.currencyBlank = true;
    r.decimalSeparator = U',';
    r.thousandsSeparator = U'.';
    r.negativeCurrencyPattern = 8;  // "-1 €"
    r.shortMonthNames = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                         "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    r.longMonthNames = {"Januar", "Februar", "M\u00E4rz",  "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    return r;
}

}  // namespace kelvarin::workspace
