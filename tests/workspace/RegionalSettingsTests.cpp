#include "workspace/RegionalSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvarin::workspace {
namespace {

struct NormaliseRow {
    std::string name;
    std::u32string sign;
    char32_t decimal;
    char32_t thousands;
    std::u32string expectedSign;
    char32_t expectedDecimal;
    char32_t expectedThousands;
};

class Normalise : public testing::TestWithParam<NormaliseRow> {};

std::string normaliseName(const testing::TestParamInfo<NormaliseRow>& param) {
    return param.param.name;
}

TEST_P(Normalise, FillsDefaults) {
    const auto& row = GetParam();
    RegionalSettings r;
    r.currencySign = row.sign;
    r.decimalSeparator = row.decimal;
    r.thousandsSeparator = row.thousands;
    const auto n = r.normalised();
    EXPECT_EQ(n.currencySign, row.expectedSign);
    EXPECT_EQ(n.decimalSeparator, row.expectedDecimal);
    EXPECT_EQ(n.thousandsSeparator, row.expectedThousands);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Normalise,
    testing::Values(
        NormaliseRow{"kept_as_given", U"€", U',', U'.', U"€", U',', U'.'},
        NormaliseRow{"empty_sign_is_dollar", U"", U',', U'.', U"$", U',', U'.'},
        NormaliseRow{"missing_decimal", U"$", 0, U'.', U"$", U'.', U','},
        NormaliseRow{"missing_thousands", U"$", U'.', 0, U"$", U'.', U','},
        NormaliseRow{"nothing_given", U"", 0, 0, U"$", U'.', U','},
        NormaliseRow{"equal_separators_take_both_defaults", U"kr", U',', U',', U"kr", U'.', U','},
        NormaliseRow{"equal_point_separators", U"$", U'.', U'.', U"$", U'.', U','},
        NormaliseRow{"digit_separator_unusable", U"$", U'0', U',', U"$", U'.', U','},
        NormaliseRow{"minus_separator_unusable", U"$", U'.', U'-', U"$", U'.', U','},
        NormaliseRow{"blank_thousands_kept", U"kr", U',', U' ', U"kr", U',', U' '}),
    normaliseName);

TEST(RegionalSettings, EmptySignAlsoResetsPlacement) {
    auto r = RegionalSettings::germanStyle();
    r.currencySign.clear();
    const auto n = r.normalised();
    EXPECT_EQ(n.currencySign, U"$");
    EXPECT_FALSE(n.currencyAfterNumber);
    EXPECT_FALSE(n.currencyBlank);
    EXPECT_EQ(n.decimalSeparator, U',') << "valid separators stay";
}

TEST(RegionalSettings, UnitedStates) {
    const auto r = RegionalSettings::unitedStates();
    EXPECT_EQ(r.currencySign, U"$");
    EXPECT_FALSE(r.currencyAfterNumber);
    EXPECT_FALSE(r.currencyBlank);
    EXPECT_EQ(r.decimalSeparator, U'.');
    EXPECT_EQ(r.thousandsSeparator, U',');
    EXPECT_EQ(r.shortMonthNames[11], "Dec");
    EXPECT_EQ(r.longMonthNames[11], "December");
}

TEST(RegionalSettings, GermanStyle) {
    const auto r = RegionalSettings::germanStyle();
    EXPECT_EQ(r.currencySign, U"\u20AC");
    EXPECT_TRUE(r.currencyAfterNumber);
    EXPECT_TRUE(r.currencyBlank);
    EXPECT_EQ(r.decimalSeparator, U',');
    EXPECT_EQ(r.thousandsSeparator, U'.');
    EXPECT_EQ(r.shortMonthNames[11], "Dez");
    EXPECT_EQ(r.longMonthNames[2], "M\u00E4rz");
    EXPECT_EQ(r.longMonthNames[11], "Dezember");
    const auto n = r.normalised();
    EXPECT_EQ(n.currencySign, r.currencySign);
    EXPECT_EQ(n.decimalSeparator, r.decimalSeparator);
    EXPECT_EQ(n.thousandsSeparator, r.thousandsSeparator);
}

}  // namespace
}  // namespace kelvarin::workspace
