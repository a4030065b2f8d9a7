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

// Every kind of blank as a plain one.
std::string plainBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\u00A0") == 0) {
            out += ' ';
            i += 1;
        } else if (text.compare(i, 3, "\u202F") == 0) {
            out += ' ';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

CurrencyFormat::CurrencyFormat(const RegionalSettings& regional, CurrencyBlank blank) {
    const RegionalSettings r = usable(regional);
    const std::string blankText = blank == CurrencyBlank::NoBreak ? "\u00A0" : " ";
    const std::string sign = toUtf8(r.currencySign);
    const auto build = [&](std::u32string_view pattern) {
        Pattern p;
        bool afterNumber = false;
        for (char32_t c : pattern) {
            std::string& part = afterNumber ? p.suffix : p.prefix;
            if (c == U'1')
                afterNumber = true;
            else if (c == U'$')
                part += sign;
            else if (c == U' ')
                part += blankText;
            else
                part += static_cast<char>(c);
        }
        p.readPrefix = plainBlanks(p.prefix);
        p.readSuffix = plainBlanks(p.suffix);
        return p;
    };
    m_positive = build(positivePattern(r));
    m_negative = build(negativePattern(r));
    const bool blankThousands = isBlank(r.thousandsSeparator);
    m_thousands = blankThousands && blank == CurrencyBlank::NoBreak
                      ? std::string("\u00A0")
                      : toUtf8(std::u32string(1, r.thousandsSeparator));
    m_readThousands = blankThousands ? std::string(" ") : m_thousands;
    m_decimal = toUtf8(std::u32string(1, r.decimalSeparator));
}

std::string CurrencyFormat::text(bool negative, std::string_view integer, std::string_view fraction) const {
    const Pattern& p = negative ? m_negative : m_positive;
    std::string out;
    out.reserve(p.prefix.size() + p.suffix.size() + integer.size() * 2 + fraction.size() + 4);
    out += p.prefix;
    const std::size_t n = integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += m_thousands;
        out += integer[i];
    }
    if (!fraction.empty()) {
        out += m_decimal;
        out += fraction;
    }
    out += p.suffix;
    return out;
}

std::string CurrencyFormat::text(double value, int precision) const {
    // The value's digits after rounding half away from zero to 18 significant digits, then at least
    // 40 decimals.
    std::string digits;
    std::size_t integerLength = 0;
    bool negativeValue = false;
    if (const double magnitude = std::fabs(value); magnitude >= 1e-6 && magnitude < 0x1p53) {
        // Quick path: below 2^53 and from 10^-6 on, 80 decimals hold the exact expansion.
        char buffer[160];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, 80).ptr;
        const std::string_view exact(buffer, static_cast<std::size_t>(end - buffer));
        const auto point = exact.find('.');
        digits.assign(exact.substr(0, point));
        digits.append(exact.substr(point + 1));
        integerLength = point;
        const std::size_t first = digits.find_first_not_of('0');
        if (digits.size() - first > 18) {
            const bool up = digits[first + 18] >= '5';
            std::fill(digits.begin() + static_cast<std::ptrdiff_t>(first + 18), digits.end(), '0');
            std::string head = digits.substr(0, first + 18);
            if (up && increment(head)) {
                head.insert(head.begin(), '1');
                ++integerLength;
                digits.pop_back();
            }
            digits.replace(0, first + 18, head);
        }
        negativeValue = value < 0;
    } else {
        const FixedDigits d = roundFixed(value, 40);
        digits = d.integer + d.fraction;
        integerLength = d.integer.size();
        negativeValue = d.negative;
    }

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
    const bool negative = negativeValue && kept.find_first_not_of('0') != std::string::npos;
    return text(negative, integer, fraction);
}

std::optional<std::string> CurrencyFormat::engineAmount(std::string_view amount) const {
    const auto start = amount.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    amount.remove_prefix(start);
    const bool negative = amount.front() == '-';
    if (negative)
        amount.remove_prefix(1);
    const auto point = amount.find('.');
    std::string_view integer = amount.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : amount.substr(point + 1);
    const auto allDigits = [](std::string_view s) { return std::ranges::all_of(s, isDigit); };
    if (integer.empty() || !allDigits(integer) || !allDigits(fraction) || fraction.size() > 2)
        return std::nullopt;
    const auto nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string_view::npos ? std::string_view("0") : integer.substr(nonZero);
    char decimals[2] = {'0', '0'};
    for (std::size_t i = 0; i < fraction.size(); ++i)
        decimals[i] = fraction[i];
    const bool isZero = integer == "0" && decimals[0] == '0' && decimals[1] == '0';
    return text(negative && !isZero, integer, std::string_view(decimals, 2));
}

std::optional<double> CurrencyFormat::parse(std::string_view text) const {
    const std::string plain = plainBlanks(text);
    // Digits with thousands separators between them, then the decimal separator and digits.
    const auto number = [this](std::string_view middle) -> std::optional<double> {
        char ascii[64];
        std::size_t length = 0;
        bool afterPoint = false;
        for (std::size_t i = 0; i < middle.size();) {
            if (length + 1 >= sizeof ascii)
                return std::nullopt;
            const std::string_view rest = middle.substr(i);
            if (isDigit(middle[i])) {
                ascii[length++] = middle[i++];
            } else if (!afterPoint && length > 0 && rest.starts_with(m_decimal)) {
                afterPoint = true;
                ascii[length++] = '.';
                i += m_decimal.size();
            } else if (!afterPoint && length > 0 && rest.starts_with(m_readThousands) &&
                       rest.size() > m_readThousands.size() && isDigit(rest[m_readThousands.size()])) {
                i += m_readThousands.size();
            } else {
                return std::nullopt;
            }
        }
        if (length == 0)
            return std::nullopt;
        double value = 0;
        const auto [end, error] = std::from_chars(ascii, ascii + length, value);
        if (error != std::errc() || end != ascii + length || !std::isfinite(value))
            return std::nullopt;
        return value;
    };
    const std::string_view t = plain;
    for (const Pattern* p : {&m_positive, &m_negative}) {
        if (t.size() < p->readPrefix.size() + p->readSuffix.size() || !t.starts_with(p->readPrefix) ||
            !t.ends_with(p->readSuffix))
            continue;
        const auto value =
            number(t.substr(p->readPrefix.size(), t.size() - p->readPrefix.size() - p->readSuffix.size()));
        if (value)
            return p == &m_negative ? -*value : *value;
    }
    return std::nullopt;
}

std::string currencyText(const RegionalSettings& regional, bool negative, std::string_view integer,
                         std::string_view fraction, CurrencyBlank blank) {
    return CurrencyFormat(regional, blank).text(negative, integer, fraction);
}

std::string currencyText(const RegionalSettings& regional, double value, int precision, CurrencyBlank blank) {
    return CurrencyFormat(regional, blank).text(value, precision);
}

std::optional<std::string> currencyTextOfEngineAmount(const RegionalSettings& regional,
                                                      std::string_view amount, CurrencyBlank blank) {
    return CurrencyFormat(regional, blank).engineAmount(amount);
}

std::optional<double> parseCurrencyText(const RegionalSettings& regional, std::string_view text) {
    return CurrencyFormat(regional, CurrencyBlank::Plain).parse(text);
}

} // namespace kelvarin::workspace
