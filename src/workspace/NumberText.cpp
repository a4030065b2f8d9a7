#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace kelvarin::workspace {

namespace {

constexpr int kSignificantDigits = 18;
// Enough digits for the exact decimal expansion of any double (at most 767 significant digits).
constexpr int kExactPrecision = 800;

// Adds one unit in the last place of a string of decimal digits; true when it carried out
// of the first digit ("999" becomes "000").
bool incrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

// Only unusable settings are copied: a copy costs more than the whole parse of a field.
const RegionalSettings& usable(const RegionalSettings& regional, std::optional<RegionalSettings>& scratch) {
    if (regional.currencySign.empty() || regional.decimalSeparator == 0 ||
        regional.thousandsSeparator == 0 ||
        regional.decimalSeparator == regional.thousandsSeparator)
        return scratch.emplace(regional.normalised());
    return regional;
}

std::u32string widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

std::u32string padded(std::u32string text, std::size_t width, bool leftJustified) {
    if (text.size() >= width)
        return text;
    if (leftJustified)
        return text + std::u32string(width - text.size(), U' ');
    return std::u32string(width - text.size(), U' ') + text;
}

std::u32string nonFiniteText(double value) {
    if (std::isnan(value))
        return U"NAN";
    return value < 0 ? U"-INF" : U"INF";
}

// Picture right of the '.': decimals left to right, "0" where they run out, literals kept.
std::u32string fractionArea(std::u32string_view picture, std::size_t point,
                            const std::string& fraction) {
    std::u32string out;
    std::size_t next = 0;
    for (auto m : picture.substr(point + 1)) {
        if (isDigitPosition(m))
            out += next < fraction.size() ? char32_t(fraction[next++]) : U'0';
        else if (isLiteralPosition(m))
            out += m;
        else
            out += U' ';
    }
    return out;
}

// Lays the number into a picture with a '.'. The integer digits go right to left into the
// digit positions, ',' positions show the thousands separator while digits remain, '$' takes
// no digit; every position reached after the digits takes the next of `floating` (placed right
// to left), else a blank. Empty when a digit or a floating character finds no position.
std::optional<std::u32string> layIntoPicture(std::u32string_view picture, std::size_t point,
                                             const FixedDigits& d, std::u32string_view floating,
                                             const RegionalSettings& r) {
    std::u32string out(picture.substr(0, point));
    out += r.decimalSeparator;
    out += fractionArea(picture, point, d.fraction);
    auto digitsLeft = d.integer.size();
    auto floatingLeft = floating.size();
    for (auto i = point; i-- > 0;) {
        const char32_t m = picture[i];
        if (isLiteralPosition(m))
            continue;
        if (digitsLeft > 0) {
            if (isDigitPosition(m))
                out[i] = char32_t(d.integer[--digitsLeft]);
            else if (m == U',')
                out[i] = r.thousandsSeparator;
            else
                out[i] = U' ';
            continue;
        }
        out[i] = floatingLeft > 0 ? floating[--floatingLeft] : U' ';
    }
    if (digitsLeft > 0 || floatingLeft > 0)
        return std::nullopt;
    if (point > 0 && out[point - 1] == U' ' && !isLiteralPosition(picture[point - 1]))
        out[point - 1] = U'0';
    return out;
}

// The number without a picture to hold it: prefix, integer digits (grouped by three when the
// picture has thousands separators), the decimals with the picture's literals.
std::u32string unboundedText(std::u32string_view picture, std::size_t point, const FixedDigits& d,
                             std::u32string_view prefix, const RegionalSettings& r) {
    const bool grouped = picture.substr(0, point).find(U',') != std::u32string_view::npos;
    std::u32string integer;
    const auto n = d.integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (grouped && i > 0 && (n - i) % 3 == 0)
            integer += r.thousandsSeparator;
        integer += char32_t(d.integer[i]);
    }
    std::u32string out(prefix);
    out += integer;
    out += r.decimalSeparator;
    out += fractionArea(picture, point, d.fraction);
    return out;
}

std::u32string formatWithPoint(std::u32string_view picture, std::size_t point, double value,
                               int decimals, const RegionalSettings& r) {
    const FixedDigits d = roundFixed(value, decimals);
    const std::u32string minus = d.negative ? U"-" : U"";
    if (picture.find(U'$') == std::u32string_view::npos) {
        if (auto text = layIntoPicture(picture, point, d, minus, r))
            return *std::move(text);
        return unboundedText(picture, point, d, minus, r);
    }
    // The sign always floats in front of the number ("-$1,234.50", "-€ 1.234,50"), followed by a
    // blank where the regional currency format has one; without the blank when only that fits.
    const std::u32string& bare = r.currencySign;
    const std::u32string full = r.currencyBlank ? bare + U' ' : bare;
    for (const auto& sign : {full, bare}) {
        if (auto text = layIntoPicture(picture, point, d, minus + sign, r))
            return *std::move(text);
    }
    return unboundedText(picture, point, d, minus + bare, r);
}

// Characters of a whole or decimal number, placed right- or left-justified in the positions.
std::u32string formatWithoutPoint(const MaskInfo& mask, double value, bool leftJustified,
                                  const RegionalSettings& r) {
    const FixedDigits d = roundFixed(value, mask.decimalPlaces);
    std::u32string text = d.negative ? U"-" : U"";
    text += widen(d.integer);
    auto fraction = d.fraction;
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) {
        text += r.decimalSeparator;
        text += widen(fraction);
    }
    return padded(std::move(text), mask.picture.size(), leftJustified);
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// [-]digits[.digits]; wholeOnly refuses the point.
bool isPlainNumber(std::string_view s, bool wholeOnly) {
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-')
        ++i;
    const auto intStart = i;
    while (i < s.size() && isAsciiDigit(s[i]))
        ++i;
    if (i == intStart)
        return false;
    if (i == s.size())
        return true;
    if (wholeOnly || s[i] != '.')
        return false;
    const auto fracStart = ++i;
    while (i < s.size() && isAsciiDigit(s[i]))
        ++i;
    return i > fracStart && i == s.size();
}

void eraseFirst(std::u32string& s, std::u32string_view what) {
    if (what.empty())
        return;
    if (auto pos = s.find(what); pos != std::u32string::npos)
        s.erase(pos, what.size());
}

}  // namespace

FixedDigits roundFixed(double value, int decimals) {
    if (!std::isfinite(value))
        throw std::invalid_argument("roundFixed: value is not finite");
    if (decimals < 0)
        decimals = 0;
    FixedDigits out;
    out.integer = "0";
    out.fraction.assign(static_cast<std::size_t>(decimals), '0');
    if (value == 0)
        return out;

    // Exact expansion d.ddd…e±x of |value|.
    std::array<char, kExactPrecision + 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::scientific,
                                      kExactPrecision);
    const std::string_view sci(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto ePos = sci.find('e');
    // Only the first 19 digits decide both roundings; the expansion can run to 767 digits.
    std::string digits;
    for (auto c : sci.substr(0, ePos)) {
        if (isAsciiDigit(c))
            digits += c;
        if (digits.size() > kSignificantDigits)
            break;
    }
    int exponent = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0),
                    sci.data() + sci.size(), exponent);

    // First rounding: 18 significant digits, half away from zero.
    const bool up18 = digits[kSignificantDigits] >= '5';
    digits.resize(kSignificantDigits);
    if (up18 && incrementDigits(digits)) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
    }

    // Fixed-point digits from 10^max(exponent, 0) down to 10^-decimals, then the digit after
    // them; digits[k] stands for 10^(exponent - k).
    const auto digitAt = [&](long k) {
        return (k >= 0 && k < static_cast<long>(digits.size())) ? digits[static_cast<std::size_t>(k)]
                                                                : '0';
    };
    std::string kept;
    for (long power = std::max(exponent, 0); power >= -decimals; --power)
        kept += digitAt(exponent - power);
    const char roundingDigit = digitAt(static_cast<long>(exponent) + decimals + 1);
    // Second rounding: to `decimals` places, half away from zero.
    if (roundingDigit >= '5' && incrementDigits(kept))
        kept.insert(kept.begin(), '1');

    const auto integerLength = kept.size() - static_cast<std::size_t>(decimals);
    std::string integer = kept.substr(0, integerLength);
    const auto firstNonZero = integer.find_first_not_of('0');
    out.integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    out.fraction = kept.substr(integerLength);
    out.negative = value < 0 && kept.find_first_not_of('0') != std::string::npos;
    return out;
}

std::u32string formatFloating(const MaskInfo& mask, const RegionalSettings& regional, double value,
                              bool leftJustified) {
    std::optional<RegionalSettings> scratch;
    const RegionalSettings& r = usable(regional, scratch);
    if (!std::isfinite(value))
        return padded(nonFiniteText(value), mask.picture.size(), leftJustified);
    const auto point = mask.picture.find(U'.');
    if (point == std::u32string_view::npos)
        return formatWithoutPoint(mask, value, leftJustified, r);
    return formatWithPoint(mask.picture, point, value, shownDecimals(mask), r);
}

std::u32string formatWhole(const MaskInfo& mask, const RegionalSettings& regional,
                           std::int64_t value, bool leftJustified) {
    if (mask.dataType != DataType::Whole)
        return formatFloating(mask, regional, static_cast<double>(value), leftJustified);
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return padded(widen({buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())}),
                  mask.picture.size(), leftJustified);
}

std::u32string formatCurrency(const FixedDigits& digits, const RegionalSettings& regional) {
    std::optional<RegionalSettings> scratch;
    const RegionalSettings& r = usable(regional, scratch);
    std::u32string n;
    const auto count = digits.integer.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            n += r.thousandsSeparator;
        n += char32_t(digits.integer[i]);
    }
    if (!digits.fraction.empty()) {
        n += r.decimalSeparator;
        n += widen(digits.fraction);
    }
    const std::u32string& s = r.currencySign;
    const std::u32string blank = r.currencyBlank ? U" " : U"";
    const std::u32string positive = r.currencyAfterNumber ? n + blank + s : s + blank + n;
    if (!digits.negative)
        return positive;
    switch (r.negativeCurrencyPattern) {
    case 0: return U"(" + s + n + U")";
    case 1: return U"-" + s + n;
    case 2: return s + U"-" + n;
    case 3: return s + n + U"-";
    case 4: return U"(" + n + s + U")";
    case 5: return U"-" + n + s;
    case 6: return n + U"-" + s;
    case 7: return n + s + U"-";
    case 8: return U"-" + n + U" " + s;
    case 9: return U"-" + s + U" " + n;
    case 10: return n + U" " + s + U"-";
    case 11: return s + U" " + n + U"-";
    case 12: return s + U" -" + n;
    case 13: return n + U"- " + s;
    case 14: return U"(" + s + U" " + n + U")";
    case 15: return U"(" + n + U" " + s + U")";
    default: return U"-" + positive;
    }
}

std::u32string formatCurrency(double value, int decimals, const RegionalSettings& regional) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    return formatCurrency(roundFixed(value, decimals), regional);
}

ParsedText parseFieldText(const MaskInfo& mask, const RegionalSettings& regional,
                          std::u32string_view text) {
    std::optional<RegionalSettings> scratch;
    const RegionalSettings& r = usable(regional, scratch);
    using Status = ParsedText::Status;

    // Literal characters of the mask are never part of the number.
    std::u32string literals;
    for (auto m : mask.picture)
        if (isLiteralPosition(m))
            literals += m;
    std::u32string s;
    for (auto c : text)
        if (literals.find(c) == std::u32string::npos)
            s += c;
    // The sign with the blank the writer puts after it ("€ 5"), else the bare sign.
    const auto& sign = r.currencySign;
    const std::u32string withBlank = sign + U' ';
    if (r.currencyBlank && s.find(withBlank) != std::u32string::npos)
        eraseFirst(s, withBlank);
    else
        eraseFirst(s, sign);
    std::erase(s, r.thousandsSeparator);
    const auto first = s.find_first_not_of(U' ');
    if (first == std::u32string::npos)
        return {Status::Valid, 0.0};
    s = s.substr(first, s.find_last_not_of(U' ') - first + 1);

    std::string ascii;
    for (auto c : s) {
        if (c == r.decimalSeparator)
            ascii += '.';
        else if (c < 0x80)
            ascii += static_cast<char>(c);
        else
            return {Status::NotNumber, std::nullopt};
    }
    if (ascii.starts_with('.'))
        ascii.insert(0, "0");
    else if (ascii.starts_with("-."))
        ascii.insert(1, "0");
    if (ascii.ends_with('.'))
        ascii.pop_back();

    const bool whole = mask.dataType == DataType::Whole;
    if (!isPlainNumber(ascii, whole))
        return {Status::NotNumber, std::nullopt};

    double value = 0;
    if (whole) {
        std::int64_t n = 0;
        const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), n);
        if (res.ec != std::errc{})
            return {Status::OutOfRange, std::nullopt};
        value = static_cast<double>(n);
    } else {
        const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value,
                                         std::chars_format::fixed);
        if (res.ec == std::errc::result_out_of_range) {
            // Too small for a double reads as 0; too large has no value.
            const auto integerEnd = ascii.find('.');
            const auto integer = std::string_view(ascii).substr(0, integerEnd);
            if (integer.find_first_not_of("-0") != std::string_view::npos)
                return {Status::OutOfRange, std::nullopt};
            value = 0;
        } else if (res.ec != std::errc{}) {
            return {Status::NotNumber, std::nullopt};
        }
    }
    if (value == 0)
        value = 0;  // no negative zero
    if (value < mask.low || value > mask.high)
        return {Status::OutOfRange, value};
    return {Status::Valid, value};
}

std::string toUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u32string fromUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (b < 0x80) {
            length = 1;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            length = 2;
            c = b & 0x1Fu;
            minimum = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3;
            c = b & 0x0Fu;
            minimum = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4;
            c = b & 0x07u;
            minimum = 0x10000;
        }
        bool ok = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; ok && k < length; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            ok = (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3Fu);
        }
        ok = ok && c >= minimum && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        if (!ok) {
            out += char32_t{0xFFFD};
            ++i;
            continue;
        }
        out += c;
        i += static_cast<std::size_t>(length);
    }
    return out;
}

}  // namespace kelvarin::workspace
