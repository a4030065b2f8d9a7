#include "ScheduleGrids.h"

#include "loanmath/Numeric.h"
#include "workspace/CurrencyText.h"
#include "workspace/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace kelvarin::calculators {

using workspace::ConversionError;
using workspace::CurrencyBlank;
using workspace::RegionalSettings;
using workspace::TextGrid;

namespace {

constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 8> kMonthlyTitles{
    "PMT", "Month", "Principal", "Interest", "Total Principal", "Total Interest", "Prepayment", "Balance"};
constexpr std::array<int, 8> kMonthlyWidths{39, 55, 65, 65, 90, 90, 80, 90};
constexpr std::array<std::string_view, 5> kAnnualTitles{"Year", "Period", "Total Annual Principal",
                                                        "Total Annual Interest", "Total Annual Payment"};
constexpr std::array<int, 5> kAnnualWidths{39, 116, 140, 140, 140};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// An amount text of the engine ("   -12.30") as its number.
double engineNumber(std::string_view text) {
    text = trimmed(text);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

template <std::size_t N>
void writeTitles(TextGrid& grid, const std::array<std::string_view, N>& titles,
                 const std::array<int, N>& widths) {
    if (grid.rowCount() < 1 || grid.colCount() != static_cast<int>(N))
        grid.resize(std::max(grid.rowCount(), 1), static_cast<int>(N));
    for (std::size_t col = 0; col < N; ++col)
        grid.cell(static_cast<int>(col), 0) = titles[col];
    grid.colWidths.assign(widths.begin(), widths.end());
}

// The first n characters (not bytes) of a UTF-8 text, or what follows them.
std::size_t byteOffsetOfCharacter(std::string_view text, std::size_t n) {
    std::size_t at = 0;
    for (std::size_t count = 0; count < n && at < text.size(); ++count) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
    return at;
}

// Months of the first calendar year by its first month: "Jan" 12 ... "Dec" 1. A text that is no
// month name counts as "Jan", as a month cell shows any other month number.
int monthsOfFirstYear(std::string_view month) {
    const int number = monthNumber(month);
    return 13 - (number == 0 ? 1 : number);
}

long long wholeYear(const std::string& text) {
    int value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end || begin == end)
        throw ConversionError("'" + text + "' is not a valid integer value");
    return value;
}

} // namespace

std::string_view monthName(int month) {
    return month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : kMonths[0];
}

int monthNumber(std::string_view name) {
    const auto it = std::ranges::find(kMonths, name);
    return it == kMonths.end() ? 0 : static_cast<int>(it - kMonths.begin()) + 1;
}

std::string ParseYear(std::string_view monthCell) {
    return std::string(monthCell.substr(byteOffsetOfCharacter(monthCell, 4)));
}

std::string ParseMonth(std::string_view monthCell) {
    return std::string(monthCell.substr(0, byteOffsetOfCharacter(monthCell, 3)));
}

void writeMonthlyTitles(TextGrid& monthly) {
    writeTitles(monthly, kMonthlyTitles, kMonthlyWidths);
}

void writeAnnualTitles(TextGrid& annual) {
    writeTitles(annual, kAnnualTitles, kAnnualWidths);
}

void fillMonthlyGrid(TextGrid& monthly, const loanmath::TMortgage& schedule,
                     const RegionalSettings& regional) {
    const auto rows = schedule.Rows();
    const int n = static_cast<int>(rows.size());
    monthly.resize(n + 1, static_cast<int>(kMonthlyTitles.size()));
    writeMonthlyTitles(monthly);

    const workspace::CurrencyFormat format(regional, CurrencyBlank::NoBreak);
    int shown = 1;
    bool negative = false;
    for (int k = 1; k <= n; ++k) {
        const auto texts = loanmath::TMortgage::PaymentToStrings(rows[static_cast<std::size_t>(k - 1)]);
        const double balance = engineNumber(texts[8]);
        if (balance < 0)
            negative = true;
        if (engineNumber(texts[3]) == 0 && balance == 0)
            break; // paid off: no further row is listed
        std::vector<std::string>& cells = monthly.cells[static_cast<std::size_t>(k)];
        cells[0] = texts[0];
        cells[1].assign(monthName(rows[static_cast<std::size_t>(k - 1)].Month));
        cells[1] += ' ';
        cells[1] += texts[2];
        for (std::size_t col = 2; col < 8; ++col) {
            auto text = format.engineAmount(texts[col + 1]);
            cells[col] = text ? *std::move(text) : std::string(trimmed(texts[col + 1]));
        }
        if (!negative)
            ++shown;
    }
    if (shown == 1) {
        if (monthly.rowCount() < 2)
            monthly.resize(2, static_cast<int>(kMonthlyTitles.size()));
        for (std::string& cell : monthly.cells[1])
            cell = " ";
        shown = 2;
    }
    monthly.resize(shown, static_cast<int>(kMonthlyTitles.size()));
    monthly.visible = true;
}

double ChangeCurrencyStringToFloat(std::string_view text, const RegionalSettings& regional) {
    return ChangeCurrencyStringToFloat(text, regional,
                                       workspace::CurrencyFormat(regional, CurrencyBlank::NoBreak));
}

double ChangeCurrencyStringToFloat(std::string_view text, const RegionalSettings& regional,
                                   const workspace::CurrencyFormat& format) {
    if (const auto value = format.parse(text))
        return *value;
    // Not a text of the user's format: after the first character, at most 20 characters, without
    // thousands separators, as a plain number with the regional decimal separator.
    const std::u32string wide = workspace::fromUtf8(text);
    std::string plain;
    for (std::size_t i = 1; i < wide.size() && i <= 20; ++i) {
        const char32_t c = wide[i];
        if (c == regional.thousandsSeparator)
            continue;
        if (c == regional.decimalSeparator)
            plain += '.';
        else if (c < 0x80)
            plain += static_cast<char>(c);
        else
            plain += '?';
    }
    std::string_view number = trimmed(plain);
    if (number.starts_with('+'))
        number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        !std::isfinite(value))
        throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

double TextToCurrency(std::string_view text, const RegionalSettings& regional) {
    const std::u32string wide = workspace::fromUtf8(text);
    const char32_t decimal = regional.decimalSeparator;
    const char32_t thousands = regional.thousandsSeparator;
    const auto isDigit = [](char32_t c) { return c >= U'0' && c <= U'9'; };
    const auto allowed = [&](char32_t c, bool signs, bool separators) {
        return c == U'$' || isDigit(c) || (signs && (c == U'+' || c == U'-')) ||
               (separators && (c == decimal || c == thousands));
    };
    const auto failed = [&text] {
        return ConversionError(std::string(text) + " is not a valid currency value!");
    };

    std::size_t at = 0;
    while (at < wide.size() && !allowed(wide[at], true, true))
        ++at;
    if (at == wide.size())
        throw failed();
    std::string taken;
    bool separators = true;
    for (bool first = true; at < wide.size() && allowed(wide[at], first, separators); ++at, first = false) {
        const char32_t c = wide[at];
        if (c == thousands && separators)
            continue; // removed before the conversion
        if (c == decimal) {
            separators = false;
            taken += '.';
        } else {
            taken += static_cast<char>(c);
        }
    }

    // [sign] digits [. digits], rounded half away from zero to 4 decimals.
    std::string_view number = taken;
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    const auto point = number.find('.');
    std::string integer(number.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view() : number.substr(point + 1));
    const auto digitsOnly = [](const std::string& s) {
        return s.find_first_not_of("0123456789") == std::string::npos;
    };
    if ((integer.empty() && fraction.empty()) || !digitsOnly(integer) || !digitsOnly(fraction))
        throw failed();
    if (integer.empty())
        integer = "0";
    if (fraction.size() > 4) {
        const bool up = fraction[4] >= '5';
        fraction.resize(4);
        if (up) {
            std::string digits = integer + fraction;
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9')
                digits[--i] = '0';
            if (i == 0)
                digits.insert(digits.begin(), '1');
            else
                ++digits[i - 1];
            integer = digits.substr(0, digits.size() - 4);
            fraction = digits.substr(digits.size() - 4);
        }
    }
    const std::string decimalText = integer + "." + fraction;
    double value = 0;
    const auto [end, error] =
        std::from_chars(decimalText.data(), decimalText.data() + decimalText.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        throw failed();
    return negative ? -value : value;
}

void fillAnnualGrid(TextGrid& annual, const TextGrid& monthly, const RegionalSettings& regional) {
    annual.clearTexts();
    writeAnnualTitles(annual);

    const auto monthlyCell = [&monthly](int col, int row) -> const std::string& {
        static const std::string none;
        return row < monthly.rowCount() && col < monthly.colCount() ? monthly.cell(col, row) : none;
    };
    const std::string& firstNumber = monthlyCell(0, 1);
    if (firstNumber.empty() || firstNumber == " ")
        return;

    const std::string firstYear = ParseYear(monthlyCell(1, 1));
    const std::string firstMonth = ParseMonth(monthlyCell(1, 1));
    const std::string firstPeriod =
        firstMonth == "Dec" ? "Dec " + firstYear : firstMonth + " - Dec " + firstYear;
    long long year = wholeYear(firstYear);

    const int m = monthly.rowCount() - 1;
    const int a = std::min(monthsOfFirstYear(firstMonth), m);
    const int q = (m - a) / 12;
    const int c = (m - a) % 12;
    const int d = c == 0 ? q + 1 : q + 2;
    annual.resize(d + 1, static_cast<int>(kAnnualTitles.size()));

    const workspace::CurrencyFormat format(regional, CurrencyBlank::NoBreak);
    int next = 1; // the next monthly row to sum
    const auto sumRow = [&](int row, int months, std::string yearNumber, std::string period) {
        double principal = 0;
        double interest = 0;
        for (int k = 0; k < months; ++k, ++next) {
            principal =
                loanmath::Held(static_cast<loanmath::Extended>(principal) +
                                   ChangeCurrencyStringToFloat(monthlyCell(2, next), regional, format),
                               "annual principal");
            interest = loanmath::Held(static_cast<loanmath::Extended>(interest) +
                                          ChangeCurrencyStringToFloat(monthlyCell(3, next), regional, format),
                                      "annual interest");
        }
        const double total =
            loanmath::Held(static_cast<loanmath::Extended>(principal) + interest, "annual payment");
        annual.cell(0, row) = std::move(yearNumber);
        annual.cell(1, row) = std::move(period);
        annual.cell(2, row) = format.text(principal, 10);
        annual.cell(3, row) = format.text(interest, 10);
        annual.cell(4, row) = format.text(total, 10);
    };

    sumRow(1, a, "1", firstPeriod);
    for (int row = 2; row <= q + 1; ++row) {
        ++year;
        sumRow(row, 12, std::to_string(row), "Jan - Dec " + std::to_string(year));
    }
    if (c > 0) {
        const std::string& lastMonthCell = monthlyCell(1, m);
        const std::string period =
            c == 1 ? "Jan " + ParseYear(lastMonthCell)
                   : "Jan - " + ParseMonth(lastMonthCell) + " " + ParseYear(lastMonthCell);
        sumRow(d, c, std::to_string(d), period);
    }
}

} // namespace kelvarin::calculators
