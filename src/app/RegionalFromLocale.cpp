#include "RegionalFromLocale.h"

namespace kelvarin::app {

namespace {

char32_t firstChar(const QString& text) {
    const auto ucs4 = text.toUcs4();
    return ucs4.isEmpty() ? U'\0' : static_cast<char32_t>(ucs4.front());
}

std::u32string toU32(const QString& text) {
    const auto ucs4 = text.toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

}  // namespace

workspace::RegionalSettings regionalFromLocale(const QLocale& locale) {
    workspace::RegionalSettings r;
    r.currencySign = toU32(locale.currencySymbol(QLocale::CurrencySymbol));
    r.decimalSeparator = firstChar(locale.decimalPoint());
    r.thousandsSeparator = firstChar(locale.groupSeparator());

    // Where the sign stands and whether a blank parts it from the number, read off a sample.
    const QString sample = locale.toCurrencyString(1.0);
    const QString sign = locale.currencySymbol(QLocale::CurrencySymbol);
    const auto at = sign.isEmpty() ? -1 : sample.indexOf(sign);
    if (at >= 0) {
        r.currencyAfterNumber = at > 0 && !sample.at(0).isSpace() && sample.at(0) != QLatin1Char('-');
        const auto next = r.currencyAfterNumber ? at - 1 : at + sign.size();
        r.currencyBlank = next >= 0 && next < sample.size() && sample.at(next).isSpace();
    }
    const QString negative = locale.toCurrencyString(-1.0);
    if (negative.startsWith(QLatin1Char('(')))
        r.negativeCurrencyPattern = r.currencyAfterNumber ? 4 : 0;
    else if (negative.startsWith(QLatin1Char('-')))
        r.negativeCurrencyPattern = r.currencyAfterNumber ? (r.currencyBlank ? 8 : 5) : 1;
    else if (negative.endsWith(QLatin1Char('-')))
        r.negativeCurrencyPattern = r.currencyAfterNumber ? 7 : 3;
    else
        r.negativeCurrencyPattern = r.currencyAfterNumber ? 6 : 2;

    for (int month = 1; month <= 12; ++month) {
        r.shortMonthNames[month - 1] = locale.monthName(month, QLocale::ShortFormat).toStdString();
        r.longMonthNames[month - 1] = locale.monthName(month, QLocale::LongFormat).toStdString();
    }
    return r.normalised();
}

}  // namespace kelvarin::app
