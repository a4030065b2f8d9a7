#include "reports/ValueFormats.h"
#include "workspace/Workspace.h"

#include <functional>
#include <gtest/gtest.h>

namespace kelvarin::reports {
namespace {

using workspace::RegionalSettings;

struct FormatCase {
    const char* name;
    std::function<std::string(const RegionalSettings&)> format;
    RegionalSettings regional;
    const char* expected;
};

RegionalSettings withNegativePattern(int pattern) {
    RegionalSettings r = RegionalSettings::unitedStates();
    r.negativeCurrencyPattern = pattern;
    return r;
}

class ValueFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ValueFormat, Text) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(c.format(c.regional), c.expected);
}

auto currency(double v, int p) {
    return [=](const RegionalSettings& r) { return currencyText(v, p, r); };
}
auto general(double v, int p = kGeneralPrecision) {
    return [=](const RegionalSettings& r) { return generalText(v, p, r); };
}
auto number3(double v) {
    return [=](const RegionalSettings& r) { return number3Text(v, r); };
}

const RegionalSettings us = RegionalSettings::unitedStates();
const RegionalSettings de = RegionalSettings::germanStyle();

INSTANTIATE_TEST_SUITE_P(
    Reports, ValueFormat,
    ::testing::Values(
        FormatCase{"CurrencyUnitedStates", currency(1234.5, 10), us, "$1,234.50"},
        FormatCase{"CurrencyGermanStyle", currency(1234.5, 15), de, "1.234,50 €"},
        FormatCase{"CurrencyRoundsHalfAwayFromZero", currency(0.125, 15), us, "$0.13"},
        FormatCase{"CurrencyTenDigitsRoundFirst", currency(123456789.126, 10), us, "$123,456,789.10"},
        FormatCase{"CurrencyFifteenDigitsKeepCents", currency(123456789.126, 15), us, "$123,456,789.13"},
        FormatCase{"CurrencyNegativeMinusFirst", currency(-1234.5, 10), us, "-$1,234.50"},
        FormatCase{"CurrencyNegativeParentheses", currency(-1234.5, 10), withNegativePattern(0),
                   "($1,234.50)"},
        FormatCase{"CurrencyNegativeGermanStyle", currency(-1234.5, 10), de, "-1.234,50 €"},
        FormatCase{"CurrencyZeroHasNoMinus", currency(-0.001, 10), us, "$0.00"},
        FormatCase{"Number3PadsDecimals", number3(7.25), us, "7.250"},
        FormatCase{"Number3ThousandsSeparators", number3(1234567.8916), us, "1,234,567.892"},
        FormatCase{"Number3GermanStyle", number3(1234.5), de, "1.234,500"},
        FormatCase{"Number3Negative", number3(-0.5), us, "-0.500"},
        FormatCase{"GeneralWholeNumber", general(28), us, "28"},
        FormatCase{"GeneralKeepsAllDigits", general(7.125), us, "7.125"},
        FormatCase{"GeneralShortestOfSum", general(0.1 + 0.2), us, "0.3"},
        FormatCase{"GeneralNoThousandsSeparator", general(250000), us, "250000"},
        FormatCase{"GeneralGermanDecimalComma", general(8.75), de, "8,75"},
        FormatCase{"General3RoundsRate", general(7.125, 3), us, "7.13"},
        FormatCase{"General3KeepsShortValue", general(12.5, 3), us, "12.5"},
        FormatCase{"General3DownPaymentPercent", general(12.75, 3), us, "12.8"},
        FormatCase{"General3WholePercent", general(20, 3), us, "20"},
        FormatCase{"General3Scientific", general(1234, 3), us, "1.23E3"},
        FormatCase{"General4MonthsSaved", general(58.333, 4), us, "58.33"},
        FormatCase{"General4ScientificTwoExponentDigits", general(12345, 4), us, "1.235E04"},
        FormatCase{"General5TinyValueScientific", general(0.000001234, 5), us, "1.234E-06"},
        FormatCase{"General10ThreeExponentDigits", general(12345678901.0, 10), us, "1.23456789E010"}),
    [](const auto& row) { return std::string(row.param.name); });

struct FieldCase {
    const char* name;
    const char* field;
    double value;
    const char* integer;
    const char* shown;
};

class FieldFormat : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldFormat, IntegerAndAsShown) {
    workspace::Workspace ws;
    workspace::ValueField& field = ws.field(GetParam().field);
    if (field.mask().dataType == workspace::DataType::Whole)
        field.writeWhole(static_cast<std::int32_t>(GetParam().value));
    else
        field.writeFloat(GetParam().value);
    EXPECT_EQ(integerText(field), GetParam().integer);
    EXPECT_EQ(asShown(field), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, FieldFormat,
    ::testing::Values(FieldCase{"CountField", "edtPPCTerm", 360, "360", "360"},
                      FieldCase{"NegativeCount", "edtMonthsUntilSell", -12, "-12", "-12"},
                      FieldCase{"FloatingRatioField", "edtHousingRatio", 28, "28", "28"},
                      FieldCase{"MoneyWithoutItsPadding", "edtMortAmt", 100000, "100000", "$100,000.00"},
                      FieldCase{"PercentWithoutItsPadding", "edtIRate", 8.75, "9", "8.7500%"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace kelvarin::reports
