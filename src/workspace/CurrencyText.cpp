#include "CurrencyText.h"

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace kelvarin::workspace {

namespace {

constexpr char32_t kNoBreakSpace = U'\u00A0';
constexpr char32_t kNarrowNoBreakSpace = U'\u202F';

// '$' the currency sign, '1' the number, ' ' a blank.
constexpr std::array<std::u32string_view, 16> kNegativePatterns{
    U"($1)", U"-$1",  U"$-1",  U"$1-",  U"(1$)", U"-1$",  U"1-$",   U"1$-",
    U"-1 $", U"-$ 1", U"1 $-", U"$ 1-", U"$ -1", U"1- $", U"($ 1)", U"(1 $)"};

std::u32string_view positivePattern(const RegionalSettings& r) {
    if (r.currencyAfterNumber)
        return r.currencyBlank ? U"1 $" : U"1$";
    return r.currencyBlank ? U"$ 1" : U"$1";
}

std::u32string_view negativePattern(const RegionalSettings& r) {
    const int n = r.negativeCurrencyPattern;
    return n >= 0 && n < static_cast<int>(kNegativePatterns.size())
               ? kNegativePatterns[static_cast<std::size_t>(n)]
               : kNegativePatterns[1];
}

bool isBlank(char32_t c) {
    return c == U' ' || c == kNoBreakSpace || c == kNarrowNoBreakSpace;
}

// Settings a text can be written with: a sign and two different separators.
RegionalSettings usable(const RegionalSettings& regional) {
    if (regional.currencySign.empty() || regional.decimalSeparator == 0 || regional.thousandsSeparator == 0 ||
        regional.decimalSeparator == regional.thousandsSeparator)
        return regional.normalised();
    return regional;
}

// Adds one unit in the last place; true when it carried out of the first digit.
bool increment(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

} // namespace

std::string currencyText(const RegionalSettings& regional, bool negative, std::string_view integer,
                         std::string_view fraction, CurrencyBlank blank) {
    const RegionalSettings r = usable(regional);
    const char32_t blankChar = blank == CurrencyBlank::NoBreak ? kNoBreakSpace : U' ';
    char32_t thousands = r.thousandsSeparator;
    if (blank == CurrencyBlank::NoBreak && thousands == U' ')
        thousands = kNoBreakSpace;

    std::u32string number;
    const std::size_t n = integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            number += thousands;
        number += static_cast<char32_t>(integer[i]);
    }
    if (!fraction.empty()) {
        number += r.decimalSeparator;
        for (char c : fraction)
            number += static_cast<char32_t>(c);
    }

    std::u32string text;
    for (char32_t p : negative ? negativePattern(r) : positivePattern(r)) {
        if (p == U'$')
            text += r.currencySign;
        else if (p == U'1')
            text += number;
        else if (p == U' ')
            text += blankChar;
        else
            text += p;
    }
    return toUtf8(text);
}

std::string currencyText(const RegionalSettings& regional, double value, int precision, CurrencyBlank blank) {
    // Enough decimals that the 18 significant digits of any value below 1 are all kept.
    constexpr int kDecimals = 40;
    const FixedDigits d = roundFixed(value, kDecimals);
    const std::string digits = d.integer + d.fraction;
    std::size_t integerLength = d.integer.size();

    // One rounding, half away from zero, where the first limit bites: `precision` significant digits
    // or 2 decimals. (Rounding twice would turn 2.67499999999999982 into 2.675 and then 2.68.)
    std::size_t cut = integerLength + 2;
    if (const auto first = digits.find_first_not_of('0'); first != std::string::npos && precision > 0)
        cut = std::min(cut, first + static_cast<std::size_t>(precision));
    std::string kept = digits.substr(0, cut);
    if (digits[cut] >= '5' && increment(kept)) {
        kept.insert(kept.begin(), '1');
        ++integerLength;
    }
    kept.resize(integerLength + 2, '0');
    std::string integer = kept.substr(0, integerLength);
    const auto nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string::npos ? "0" : integer.substr(nonZero);
    const std::string fraction = kept.substr(integerLength);
    const bool negative = d.negative && kept.find_first_not_of('0') != std::string::npos;
    return currencyText(regional, negative, integer, fraction, blank);
}

std::optional<std::string> currencyTextOfEngineAmount(const RegionalSettings& regional,
                                                      std::string_view amount, CurrencyBlank blank) {
    const auto start = amount.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    amount.remove_prefix(start);
    const bool negative = amount.front() == '-';
    if (negative)
        amount.remove_prefix(1);
    const auto point = amount.find('.');
    std::string_view integer = amount.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : amount.substr(point + 1);
    const auto allDigits = [](std::string_view s) {
        return s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (integer.empty() || !allDigits(integer) || !allDigits(fraction) || fraction.size() > 2)
        return std::nullopt;
    const auto nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string_view::npos ? std::string_view("0") : integer.substr(nonZero);
    std::string decimals(fraction);
    decimals.resize(2, '0');
    const bool isZero = integer == "0" && decimals == "00";
    return currencyText(regional, negative && !isZero, integer, decimals, blank);
}

namespace {

// The number between a pattern's prefix and suffix: digits with thousands separators between
// them, then optionally the decimal separator and more digits. Gives the ASCII form "1234.5".
std::optional<std::string> plainNumber(std::u32string_view middle, const RegionalSettings& r) {
    std::string plain;
    bool afterPoint = false;
    char32_t thousands = r.thousandsSeparator;
    if (isBlank(thousands))
        thousands = U' ';
    for (std::size_t i = 0; i < middle.size(); ++i) {
        const char32_t c = middle[i];
        if (c >= U'0' && c <= U'9') {
            plain += static_cast<char>(c);
        } else if (c == r.decimalSeparator && !afterPoint) {
            afterPoint = true;
            plain += '.';
        } else if (c == thousands && !afterPoint && !plain.empty() && i + 1 < middle.size() &&
                   middle[i + 1] >= U'0' && middle[i + 1] <= U'9') {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (plain.find_first_of("0123456789") == std::string::npos || plain.front() == '.')
        return std::nullopt;
    return plain;
}

std::optional<double> matchPattern(std::u32string_view text, std::u32string_view pattern,
                                   const RegionalSettings& r) {
    const auto one = pattern.find(U'1');
    std::u32string prefix, suffix;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (i == one)
            continue;
        std::u32string& part = i < one ? prefix : suffix;
        if (pattern[i] == U'$')
            part += r.currencySign;
        else
            part += pattern[i];
    }
    if (text.size() < prefix.size() + suffix.size() || !text.starts_with(prefix) || !text.ends_with(suffix))
        return std::nullopt;
    const auto plain =
        plainNumber(text.substr(prefix.size(), text.size() - prefix.size() - suffix.size()), r);
    if (!plain)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain->data(), plain->data() + plain->size(), value);
    if (error != std::errc() || end != plain->data() + plain->size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseCurrencyText(const RegionalSettings& regional, std::string_view text) {
    RegionalSettings r = usable(regional);
    // Every kind of blank reads as a plain one, in the text and in the settings alike.
    std::u32string wide = fromUtf8(text);
    for (char32_t& c : wide)
        if (isBlank(c))
            c = U' ';
    for (char32_t& c : r.currencySign)
        if (isBlank(c))
            c = U' ';
    if (const auto value = matchPattern(wide, positivePattern(r), r))
        return *value;
    if (const auto value = matchPattern(wide, negativePattern(r), r))
        return -*value;
    return std::nullopt;
}

} // namespace kelvarin::workspace
