#include "calculators/ScheduleGrids.h"
#include "workspace/CurrencyText.h"

#include <gtest/gtest.h>
#include <optional>

namespace kelvarin::calculators {
namespace {

using workspace::ConversionError;
using workspace::RegionalSettings;

struct AmountCase {
    const char* name;
    RegionalSettings regional;
    const char* text;
    std::optional<double> value; // none: the conversion error
};

class TextToCurrencyTest : public ::testing::TestWithParam<AmountCase> {};

TEST_P(TextToCurrencyTest, ReadsTheAmount) {
    const AmountCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(TextToCurrency(c.text, c.regional), *c.value);
        return;
    }
    try {
        TextToCurrency(c.text, c.regional);
        FAIL() << "no conversion error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), std::string(c.text) + " is not a valid currency value!");
    }
}

const RegionalSettings us = RegionalSettings::unitedStates();
const RegionalSettings de = RegionalSettings::germanStyle();

INSTANTIATE_TEST_SUITE_P(
    Schedule, TextToCurrencyTest,
    ::testing::Values(
        AmountCase{"Grouped", us, "5,000.00", 5000}, AmountCase{"Negative", us, "-1,234.5", -1234.5},
        AmountCase{"PlusSign", us, "+12.5", 12.5},
        // Four decimals, the fifth rounds half away from zero.
        AmountCase{"FourDecimals", us, "12.34565", 12.3457},
        AmountCase{"StartsAtTheFirstAllowedCharacter", us, "abc 42.10 xyz", 42.1},
        // No separator after the decimal separator: the second point ends the amount.
        AmountCase{"SecondPointEnds", us, "12.34.56", 12.34}, AmountCase{"SignOnlyFirst", us, "5-3", 5},
        AmountCase{"LeadingSeparator", us, ",000.00", 0}, AmountCase{"German", de, "5.000,25", 5000.25},
        AmountCase{"NoAllowedCharacter", us, "abc", std::nullopt}, AmountCase{"Empty", us, "", std::nullopt},
        // "$" is allowed but is no number: callers drop the currency sign first.
        AmountCase{"DollarSign", us, "$5.00", std::nullopt}, AmountCase{"SignAlone", us, "-", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ScheduleGrids, ChangeCurrencyStringToFloatReadsGridTexts) {
    RegionalSettings parentheses = us;
    parentheses.negativeCurrencyPattern = 0;
    EXPECT_EQ(ChangeCurrencyStringToFloat("$5,057.53", us), 5057.53);
    EXPECT_EQ(ChangeCurrencyStringToFloat("-$57.53", us), -57.53);
    EXPECT_EQ(ChangeCurrencyStringToFloat("($57.53)", parentheses), -57.53);
    EXPECT_EQ(ChangeCurrencyStringToFloat("63.184,48\u00A0\u20AC", de), 63184.48);
    // Other texts: the first character dropped, at most 20 more, no thousands separators.
    EXPECT_EQ(ChangeCurrencyStringToFloat("X1,234.5", us), 1234.5);
    EXPECT_EQ(ChangeCurrencyStringToFloat("X1,234.5000000000000000009", us), 1234.5);
    EXPECT_THROW(ChangeCurrencyStringToFloat("$abc", us), ConversionError);
    EXPECT_THROW(ChangeCurrencyStringToFloat("", us), ConversionError);
}

TEST(ScheduleGrids, ParseYearAndMonth) {
    EXPECT_EQ(ParseYear("Jan 2000"), "2000");
    EXPECT_EQ(ParseMonth("Jan 2000"), "Jan");
    EXPECT_EQ(ParseYear("Oct 10000"), "10000");
    EXPECT_EQ(ParseYear("Jan"), "");
    EXPECT_EQ(ParseMonth("Ja"), "Ja");
}

TEST(ScheduleGrids, MonthNames) {
    EXPECT_EQ(monthName(1), "Jan");
    EXPECT_EQ(monthName(12), "Dec");
    EXPECT_EQ(monthName(0), "Jan");
    EXPECT_EQ(monthName(13), "Jan");
    EXPECT_EQ(monthNumber("Oct"), 10);
    EXPECT_EQ(monthNumber("oct"), 0);
}

TEST(ScheduleGrids, AnnualGridKeepsItsRowsWhenTheMonthlyGridIsEmpty) {
    workspace::TextGrid monthly;
    monthly.resize(2, 8);
    workspace::TextGrid annual;
    annual.resize(5, 5);
    annual.cell(2, 3) = "old";
    fillAnnualGrid(annual, monthly, us);
    EXPECT_EQ(annual.rowCount(), 5);
    EXPECT_EQ(annual.cell(0, 0), "Year");
    EXPECT_EQ(annual.cell(2, 3), "");
    EXPECT_EQ(annual.colWidths, (std::vector<int>{39, 116, 140, 140, 140}));
}

TEST(ScheduleGrids, AnnualGridReportsAMonthlyTextThatIsNoAmount) {
    workspace::TextGrid monthly;
    monthly.resize(3, 8);
    monthly.cells[1] = {"1", "Jan 2000", "$10.00", "$1.00", "", "", "$0.00", "$90.00"};
    monthly.cells[2] = {"2", "Feb 2000", "(9.00)", "$1.00", "", "", "$0.00", "$81.00"};
    workspace::TextGrid annual;
    EXPECT_THROW(fillAnnualGrid(annual, monthly, us), ConversionError);
}

} // namespace
} // namespace kelvarin::calculators
