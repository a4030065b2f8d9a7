#include "GridFormats.h"

#include "workspace/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace kelvarin::calculators {

using workspace::RegionalSettings;

namespace {

constexpr int kSignificantDigits = 18;
// Digits enough for the exact decimal expansion of any double.
constexpr int kExactPrecision = 800;

// |value| = 0.d1 d2 … dn × 10^point: `digits` has no leading or trailing zeros (empty for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

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

void trimTrailingZeros(Decimal& d) {
    const auto last = d.digits.find_last_not_of('0');
    d.digits.erase(last == std::string::npos ? 0 : last + 1);
}

// Keeps the first `keep` digits, rounding half away from zero on the digit after them.
void roundToDigits(Decimal& d, int keep) {
    if (keep < 0 || d.digits.empty()) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size())
        return;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up && increment(d.digits)) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.point;
    }
    trimTrailingZeros(d);
}

// Scientific digits of |value| with `precision` digits after the first, and its exponent.
std::string scientificDigits(double magnitude, int precision, int& exponent) {
    std::array<char, kExactPrecision + 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, precision);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e))
        if (c != '.')
            digits += c;
    const char* from = text.data() + e + 1;
    if (*from == '+')
        ++from;
    std::from_chars(from, text.data() + text.size(), exponent);
    return digits;
}

// The value rounded half away from zero to 18 significant digits, then to `precision`.
Decimal significant(double value, int precision) {
    Decimal d;
    d.negative = value < 0;
    if (value == 0)
        return d;
    const double magnitude = std::fabs(value);
    // 25 correctly rounded digits decide the 18-digit rounding, unless they end on an exact half.
    int exponent = 0;
    std::string digits = scientificDigits(magnitude, 24, exponent);
    if (digits.compare(kSignificantDigits, std::string::npos, "5000000") == 0)
        digits = scientificDigits(magnitude, kExactPrecision, exponent);
    d.digits = std::move(digits);
    d.point = exponent + 1;
    roundToDigits(d, kSignificantDigits);
    roundToDigits(d, std::max(precision, 1));
    if (d.digits.empty())
        d.negative = false;
    return d;
}

void roundToDecimals(Decimal& d, int decimals) {
    roundToDigits(d, d.point + decimals);
    if (d.digits.empty())
        d.negative = false;
}

char digitAt(const Decimal& d, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < d.digits.size()
               ? d.digits[static_cast<std::size_t>(index)]
               : '0';
}

std::u32string integerPart(const Decimal& d, char32_t grouping) {
    if (d.point <= 0)
        return U"0";
    std::u32string out;
    for (int i = 0; i < d.point; ++i) {
        if (grouping != 0 && i > 0 && (d.point - i) % 3 == 0)
            out += grouping;
        out += char32_t(digitAt(d, i));
    }
    return out;
}

// The unsigned number: integer part, then `decimals` decimals (-1: as many as the digits need).
std::u32string plainNumber(const Decimal& d, int decimals, char32_t grouping, const RegionalSettings& r) {
    std::u32string out = integerPart(d, grouping);
    if (decimals < 0)
        decimals = std::max(0, static_cast<int>(d.digits.size()) - d.point);
    if (decimals > 0) {
        out += r.decimalSeparator;
        for (int i = 0; i < decimals; ++i)
            out += char32_t(digitAt(d, d.point + i));
    }
    return out;
}

std::string scientific(const Decimal& d, int precision, const RegionalSettings& r) {
    std::u32string out = d.negative ? U"-" : U"";
    out += char32_t(d.digits.front());
    if (d.digits.size() > 1) {
        out += r.decimalSeparator;
        for (std::size_t i = 1; i < d.digits.size(); ++i)
            out += char32_t(d.digits[i]);
    }
    out += U'E';
    const int exponent = d.point - 1;
    if (exponent < 0)
        out += U'-';
    std::string number = std::to_string(std::abs(exponent));
    if (static_cast<int>(number.size()) < exponentDigits(precision))
        number.insert(0, static_cast<std::size_t>(exponentDigits(precision)) - number.size(), '0');
    out.append(number.begin(), number.end());
    return workspace::toUtf8(out);
}

// The settings as given, or normalised into `scratch` when they lack a sign or separator.
const RegionalSettings& usable(const RegionalSettings& regional, std::optional<RegionalSettings>& scratch) {
    const bool complete = !regional.currencySign.empty() && regional.decimalSeparator != 0 &&
                          regional.thousandsSeparator != 0 &&
                          regional.decimalSeparator != regional.thousandsSeparator;
    if (complete)
        return regional;
    scratch = regional.normalised();
    return *scratch;
}

std::string nonFinite(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// The classic regional negative currency patterns 0 to 15; any other number is taken as 1.
std::u32string negativeCurrency(const std::u32string& n, const std::u32string& s, int pattern) {
    switch (pattern) {
    case 0:
        return U"(" + s + n + U")";
    case 2:
        return s + U"-" + n;
    case 3:
        return s + n + U"-";
    case 4:
        return U"(" + n + s + U")";
    case 5:
        return U"-" + n + s;
    case 6:
        return n + U"-" + s;
    case 7:
        return n + s + U"-";
    case 8:
        return U"-" + n + U" " + s;
    case 9:
        return U"-" + s + U" " + n;
    case 10:
        return n + U" " + s + U"-";
    case 11:
        return s + U" " + n + U"-";
    case 12:
        return s + U" -" + n;
    case 13:
        return n + U"- " + s;
    case 14:
        return U"(" + s + U" " + n + U")";
    case 15:
        return U"(" + n + U" " + s + U")";
    default:
        return U"-" + s + n;
    }
}

} // namespace

int exponentDigits(int precision) {
    if (precision <= 3)
        return 1;
    return precision <= 5 ? 2 : 3;
}

std::string currencyText(double value, int precision, int decimals, const RegionalSettings& regional) {
    if (!std::isfinite(value))
        return nonFinite(value);
    std::optional<RegionalSettings> scratch;
    const RegionalSettings& r = usable(regional, scratch);
    Decimal d = significant(value, precision);
    if (d.point > precision && !d.digits.empty())
        return scientific(d, precision, r);
    roundToDecimals(d, decimals);
    const std::u32string number = plainNumber(d, std::max(decimals, 0), r.thousandsSeparator, r);
    const std::u32string blank = r.currencyBlank ? U" " : U"";
    std::u32string out;
    if (d.negative)
        out = negativeCurrency(number, r.currencySign, r.negativeCurrencyPattern);
    else if (r.currencyAfterNumber)
        out = number + blank + r.currencySign;
    else
        out = r.currencySign + blank + number;
    return workspace::toUtf8(out);
}

std::string generalText(double value, int precision, const RegionalSettings& regional) {
    if (!std::isfinite(value))
        return nonFinite(value);
    std::optional<RegionalSettings> scratch;
    const RegionalSettings& r = usable(regional, scratch);
    const Decimal d = significant(value, precision);
    if (d.digits.empty())
        return "0";
    // 0.d × 10^point is below 0.00001 when point < -4.
    if (d.point > precision || d.point < -4)
        return scientific(d, precision, r);
    std::u32string out = d.negative ? U"-" : U"";
    out += plainNumber(d, -1, 0, r);
    return workspace::toUtf8(out);
}

std::string fixedText(double value, int precision, int decimals, const RegionalSettings& regional) {
    if (!std::isfinite(value))
        return nonFinite(value);
    std::optional<RegionalSettings> scratch;
    const RegionalSettings& r = usable(regional, scratch);
    Decimal d = significant(value, precision);
    if (d.point > precision && !d.digits.empty())
        return scientific(d, precision, r);
    roundToDecimals(d, decimals);
    std::u32string out = d.negative ? U"-" : U"";
    out += plainNumber(d, std::max(decimals, 0), 0, r);
    return workspace::toUtf8(out);
}

} // namespace kelvarin::calculators
