#include "calculators/GridFormats.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace kelvarin::calculators {
namespace {

using workspace::RegionalSettings;

struct FormatCase {
    const char* name;
    std::function<std::string(const RegionalSettings&)> format;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class UnitedStatesFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(UnitedStatesFormats, GiveTheText) {
    EXPECT_EQ(GetParam().format(RegionalSettings::unitedStates()), GetParam().expected);
}

FormatCase currency(const char* name, double v, int p, int d, const char* expected) {
    return {name, [=](const RegionalSettings& r) { return currencyText(v, p, d, r); }, expected};
}
FormatCase general(const char* name, double v, int p, const char* expected) {
    return {name, [=](const RegionalSettings& r) { return generalText(v, p, r); }, expected};
}
FormatCase fixed(const char* name, double v, int p, int d, const char* expected) {
    return {name, [=](const RegionalSettings& r) { return fixedText(v, p, d, r); }, expected};
}

INSTANTIATE_TEST_SUITE_P(
    Currency, UnitedStatesFormats,
    ::testing::Values(
        currency("whole_dollars", 95000, 10, 0, "$95,000"),
        currency("payment_to_cents", 786.700405, 10, 2, "$786.70"),
        currency("five_digits_then_cents", 1234.56, 5, 2, "$1,234.60"),
        currency("negative_minus_in_front", -5000, 10, 0, "-$5,000"), currency("zero", 0, 10, 2, "$0.00"),
        currency("negative_rounding_to_zero_has_no_sign", -0.001, 10, 2, "$0.00"),
        currency("half_cent_away_from_zero", 0.125, 10, 2, "$0.13"),
        // Held as 2.67499999999999982…: ten digits give 2.675000000, then the half cent goes up.
        currency("ten_digits_first", 2.675, 10, 2, "$2.68"),
        // Ten digits first: 99,999.994999… is 99,999.99500, then a half cent up.
        currency("ten_digits_then_cents", 99999.995, 10, 2, "$100,000.00"),
        currency("millions_grouped", 1234567.891, 10, 2, "$1,234,567.89"),
        currency("rounding_carries_into_a_new_digit", 999999.996, 10, 2, "$1,000,000.00"),
        currency("wider_than_ten_digits", 12345678901.0, 10, 0, "1.23456789E010"),
        currency("wider_than_five_digits", 123456, 5, 2, "1.2346E05"),
        currency("negative_and_wide", -123456, 5, 2, "-1.2346E05")),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(General, UnitedStatesFormats,
                         ::testing::Values(general("two_decimals", 8.75, 5, "8.75"),
                                           general("whole", 8, 5, "8"),
                                           general("three_decimals", 10.125, 5, "10.125"),
                                           general("zero", 0, 5, "0"), general("negative", -1.5, 5, "-1.5"),
                                           general("sum_error_disappears", 8.3 - 1.5, 5, "6.8"),
                                           general("five_significant_digits", 1234.5678, 5, "1234.6"),
                                           general("five_digit_whole", 12345, 5, "12345"),
                                           general("six_digit_whole_is_scientific", 123456, 5, "1.2346E05"),
                                           general("precision_three", 7.125, 3, "7.13"),
                                           general("precision_three_short", 12.5, 3, "12.5"),
                                           general("precision_three_scientific", 1234, 3, "1.23E3"),
                                           general("smallest_plain", 0.00001, 5, "0.00001"),
                                           general("below_smallest_plain", 0.000001234, 5, "1.234E-06"),
                                           general("below_one", 0.125, 5, "0.125")),
                         [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(Fixed, UnitedStatesFormats,
                         ::testing::Values(fixed("rate_three_decimals", 8.7502, 5, 3, "8.750"),
                                           fixed("term_two_decimals", 360.0009, 5, 2, "360.00"),
                                           fixed("zero", 0, 5, 2, "0.00"),
                                           fixed("negative", -12.345, 5, 2, "-12.35"),
                                           fixed("no_grouping", 1234.567, 5, 2, "1234.60"),
                                           fixed("wider_than_precision", 123456.7, 5, 2, "1.2346E05"),
                                           fixed("negative_rounding_to_zero", -0.0001, 5, 2, "0.00")),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(GridFormats, NonFiniteValuesAreNamed) {
    const auto r = RegionalSettings::unitedStates();
    EXPECT_EQ(currencyText(std::numeric_limits<double>::quiet_NaN(), 10, 2, r), "NAN");
    EXPECT_EQ(generalText(std::numeric_limits<double>::infinity(), 5, r), "INF");
    EXPECT_EQ(fixedText(-std::numeric_limits<double>::infinity(), 5, 2, r), "-INF");
}

TEST(GridFormats, GermanStyleSettings) {
    const auto r = RegionalSettings::germanStyle();
    EXPECT_EQ(currencyText(1234.5, 10, 2, r), "1.234,50 \u20AC");
    EXPECT_EQ(currencyText(-1234.5, 10, 2, r), "-1.234,50 \u20AC");
    EXPECT_EQ(currencyText(95000, 10, 0, r), "95.000 \u20AC");
    EXPECT_EQ(generalText(8.75, 5, r), "8,75");
    EXPECT_EQ(fixedText(8.7502, 5, 3, r), "8,750");
    EXPECT_EQ(generalText(123456, 5, r), "1,2346E05");
}

struct PatternCase {
    int pattern;
    const char* expected;
};

class NegativeCurrencyPattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(NegativeCurrencyPattern, PlacesSignAndMinus) {
    auto r = RegionalSettings::unitedStates();
    r.negativeCurrencyPattern = GetParam().pattern;
    EXPECT_EQ(currencyText(-1234.5, 10, 2, r), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Patterns, NegativeCurrencyPattern,
                         ::testing::Values(PatternCase{0, "($1,234.50)"}, PatternCase{1, "-$1,234.50"},
                                           PatternCase{2, "$-1,234.50"}, PatternCase{3, "$1,234.50-"},
                                           PatternCase{4, "(1,234.50$)"}, PatternCase{5, "-1,234.50$"},
                                           PatternCase{6, "1,234.50-$"}, PatternCase{7, "1,234.50$-"},
                                           PatternCase{8, "-1,234.50 $"}, PatternCase{9, "-$ 1,234.50"},
                                           PatternCase{10, "1,234.50 $-"}, PatternCase{11, "$ 1,234.50-"},
                                           PatternCase{12, "$ -1,234.50"}, PatternCase{13, "1,234.50- $"},
                                           PatternCase{14, "($ 1,234.50)"}, PatternCase{15, "(1,234.50 $)"},
                                           PatternCase{99, "-$1,234.50"}));

TEST(GridFormats, CurrencyAfterTheNumberWithoutBlank) {
    auto r = RegionalSettings::unitedStates();
    r.currencySign = U"kr";
    r.currencyAfterNumber = true;
    EXPECT_EQ(currencyText(1234.5, 10, 2, r), "1,234.50kr");
}

} // namespace
} // namespace kelvarin::calculators
