#include "workspace/CurrencyText.h"
#include "workspace/NumberText.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace kelvarin::workspace {
namespace {

const std::string nbsp = "\u00A0";

RegionalSettings withNegativePattern(RegionalSettings r, int pattern) {
    r.negativeCurrencyPattern = pattern;
    return r;
}

RegionalSettings swissStyle() { // sign in front with a blank, apostrophe grouping
    RegionalSettings r;
    r.currencySign = U"CHF";
    r.currencyBlank = true;
    r.thousandsSeparator = U'\'';
    r.negativeCurrencyPattern = 12; // "$ -1"
    return r;
}

RegionalSettings frenchStyle() { // blank grouping, sign after the number
    RegionalSettings r = RegionalSettings::germanStyle();
    r.thousandsSeparator = U' ';
    return r;
}

struct TextCase {
    const char* name;
    RegionalSettings regional;
    double value;
    int precision;
    std::string text; // with no-break blanks
};

class CurrencyTextCase : public ::testing::TestWithParam<TextCase> {};

TEST_P(CurrencyTextCase, WritesAndReadsBack) {
    const TextCase& c = GetParam();
    const std::string text = currencyText(c.regional, c.value, c.precision, CurrencyBlank::NoBreak);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(text.find(' '), std::string::npos) << "a grid cell never holds a plain blank";
    const auto back = parseCurrencyText(c.regional, text);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_EQ(currencyText(c.regional, *back, c.precision, CurrencyBlank::NoBreak), text);
}

INSTANTIATE_TEST_SUITE_P(
    Currency, CurrencyTextCase,
    ::testing::Values(
        TextCase{"UnitedStates", RegionalSettings::unitedStates(), 5057.53, 15, "$5,057.53"},
        TextCase{"UnitedStatesMillions", RegionalSettings::unitedStates(), 100000, 15, "$100,000.00"},
        TextCase{"UnitedStatesNegative", RegionalSettings::unitedStates(), -1234.5, 15, "-$1,234.50"},
        TextCase{"UnitedStatesParentheses", withNegativePattern(RegionalSettings::unitedStates(), 0), -57.53,
                 15, "($57.53)"},
        TextCase{"HalfCentAwayFromZero", RegionalSettings::unitedStates(), 0.125, 15, "$0.13"},
        TextCase{"NegativeHalfCent", RegionalSettings::unitedStates(), -0.125, 15, "-$0.13"},
        TextCase{"HeldBelowTheHalf", RegionalSettings::unitedStates(), 2.675, 15, "$2.67"},
        TextCase{"TinyNegativeIsZero", RegionalSettings::unitedStates(), -0.001, 15, "$0.00"},
        // Ten significant digits first, then two decimals.
        TextCase{"TenDigitsRoundTheCents", RegionalSettings::unitedStates(), 123456789.126, 10,
                 "$123,456,789.10"},
        TextCase{"TenDigitsCarry", RegionalSettings::unitedStates(), 9999999999.6, 10, "$10,000,000,000.00"},
        TextCase{"German", RegionalSettings::germanStyle(), 94942.47, 15, "94.942,47" + nbsp + "\u20AC"},
        TextCase{"GermanNegative", RegionalSettings::germanStyle(), -351.73, 15, "-351,73" + nbsp + "\u20AC"},
        TextCase{"GermanParentheses", withNegativePattern(RegionalSettings::germanStyle(), 15), -1234.5, 15,
                 "(1.234,50" + nbsp + "\u20AC)"},
        TextCase{"SignWithBlankInFront", swissStyle(), -1234567.8, 15, "CHF" + nbsp + "-1'234'567.80"},
        TextCase{"BlankGrouping", frenchStyle(), 1234567.8, 15,
                 "1" + nbsp + "234" + nbsp + "567,80" + nbsp + "\u20AC"},
        TextCase{"BlankGroupingNegativeAfter", withNegativePattern(frenchStyle(), 10), -1000, 15,
                 "1" + nbsp + "000,00" + nbsp + "\u20AC-"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CurrencyText, PlainBlanksWhereTheFormatPutsThem) {
    EXPECT_EQ(currencyText(RegionalSettings::germanStyle(), 1234.5, 15), "1.234,50 \u20AC");
    EXPECT_EQ(parseCurrencyText(RegionalSettings::germanStyle(), "1.234,50 \u20AC"), 1234.5);
}

struct EngineCase {
    const char* amount;
    const char* us;
};

TEST(CurrencyText, EngineAmountsNeedNoRounding) {
    const EngineCase cases[] = {{"     5057.53", "$5,057.53"},
                                {"        0.00", "$0.00"},
                                {"       -5.70", "-$5.70"},
                                {"123456789012.34", "$123,456,789,012.34"},
                                {"123456789012345", "$123,456,789,012,345.00"},
                                {"1234567890123.4", "$1,234,567,890,123.40"}};
    for (const auto& c : cases) {
        EXPECT_EQ(currencyTextOfEngineAmount(RegionalSettings::unitedStates(), c.amount), c.us) << c.amount;
        EXPECT_EQ(currencyTextOfEngineAmount(RegionalSettings::unitedStates(), c.amount),
                  currencyText(RegionalSettings::unitedStates(), std::stod(c.amount), 15))
            << c.amount;
    }
    EXPECT_FALSE(currencyTextOfEngineAmount(RegionalSettings::unitedStates(), "  12x.00"));
    EXPECT_FALSE(currencyTextOfEngineAmount(RegionalSettings::unitedStates(), "      "));
}

TEST(CurrencyText, ReadsOnlyItsOwnFormat) {
    const RegionalSettings us = RegionalSettings::unitedStates();
    for (const char* text :
         {"5,000.00", "$", "$.50", "$5,000.00x", "x$5", "$-5", "5$", "$1,,000", "$1,000,", ""})
        EXPECT_FALSE(parseCurrencyText(us, text)) << text;
    EXPECT_EQ(parseCurrencyText(us, "$5000"), 5000.0);
    EXPECT_EQ(parseCurrencyText(us, "-$0.01"), -0.01);
    EXPECT_FALSE(parseCurrencyText(RegionalSettings::germanStyle(), "$5,000.00"));
}

// Every amount of cents the grids can show reads back to the nearest double of its decimal text.
TEST(CurrencyText, RandomCentsRoundTrip) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long long> cents(-99999999999999LL, 99999999999999LL);
    for (const RegionalSettings& r :
         {RegionalSettings::unitedStates(), RegionalSettings::germanStyle(),
          withNegativePattern(RegionalSettings::unitedStates(), 0), frenchStyle()}) {
        for (int i = 0; i < 2000; ++i) {
            const long long c = cents(random);
            const long long a = c < 0 ? -c : c;
            const std::string ascii =
                (c < 0 ? "-" : "") + std::to_string(a / 100) + "." + std::to_string(a % 100 + 100).substr(1);
            double value = 0;
            std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
            const std::string text = currencyText(r, value, 15, CurrencyBlank::NoBreak);
            ASSERT_EQ(parseCurrencyText(r, text), value) << text;
        }
    }
}

} // namespace
} // namespace kelvarin::workspace

namespace kelvarin::workspace {
namespace {

// Within 15 significant digits the text is the value rounded to cents as the value fields round it.
TEST(CurrencyText, CentsAsTheFieldsRoundThem) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-6, 13);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::vector<double> values{2.675, 0.125, 1.005, 1 + 0x1p-18, 0.0049999999999999999, 999999999999.995,
                               1e-6};
    for (int i = 0; i < 20000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, std::floor(exponent(random))) * (i % 2 ? -1 : 1));
    const RegionalSettings us = RegionalSettings::unitedStates();
    for (double value : values) {
        const FixedDigits d = roundFixed(value, 2);
        EXPECT_EQ(currencyText(us, value, 15), currencyText(us, d.negative, d.integer, d.fraction)) << value;
    }
}

} // namespace
} // namespace kelvarin::workspace
