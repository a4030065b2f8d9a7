#include "calculators/RentVsBuy.h"
#include "loanmath/Numeric.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"

#include <array>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;
using Entry = std::pair<const char*, const char*>;

constexpr const char* kPage = "pgRentVsBuyCalculator";

// The worked example: rent 950 rising 3.5 % a year, a move after 5 years, 5,000 cash earning
// 4.5 %, a 30-year loan at 7 %, income tax 33 %, property tax 1.2 %, appreciation 7 %,
// maintenance 500 a year, selling costs 7 %.
const std::vector<Entry> kSampleInputs{{"edtRVBMonthlyRent", "950"},
                                       {"edtRVBRentIncrease", "3.5"},
                                       {"edtRVBTerm", "5"},
                                       {"edtRVBDownPayment", "5000"},
                                       {"edtRVBEstimatedReturn", "4.5"},
                                       {"edtRVBInterestRate", "7"},
                                       {"edtRVBLoanTerm", "30"},
                                       {"edtRVBIncomeTax", "33"},
                                       {"edtRVBPropertyTax", "1.2"},
                                       {"edtRVBPropertyAppreciation", "7"},
                                       {"edtRVBAnnualMaintenance", "500"},
                                       {"edtRVBSellingCostPercent", "7"}};

constexpr std::array<const char*, 8> kResults{
    "edtRVBRentSpent",    "edtRVBInvestmentValue", "edtRVBHousePrice",     "edtRVBTaxDeductions",
    "edtRVBAppreciation", "edtRVBValueOfPurchase", "edtRVBValueOfRenting", "edtRVBGain"};

class RentVsBuyTest : public ::testing::Test {
protected:
    RentVsBuyTest() { page.registerHandlers(handlers); }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, handlers, field, text);
    }
    void typeAll(const std::vector<Entry>& entries) {
        for (auto [field, text] : entries)
            type(field, text);
    }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    std::vector<std::string> results() {
        std::vector<std::string> texts;
        for (const char* field : kResults)
            texts.push_back(shown(field));
        return texts;
    }

    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    testing::RecordingUi ui;
    workspace::HeldValues held;
    HandlerTable handlers;
    RentVsBuy page{{ws, ui, held}};
};

TEST_F(RentVsBuyTest, WorkedExampleReproducesTheStoredSampleResults) {
    typeAll(kSampleInputs);
    EXPECT_EQ(results(), (std::vector<std::string>{"$61,132.11", "$6,258.98", "$147,793.00", "$20,304.28",
                                                   "$57,481.24", "$8,870.38", "-$59,873.13", "$68,743.51"}));
    EXPECT_TRUE(ui.printing);
    EXPECT_GT(ui.refreshes, 0);

    // The sample reset stores the very same figures.
    workspace::Workspace stored{workspace::RegionalSettings::unitedStates()};
    stored.state().ValueSet = 1;
    RentVsBuy storedPage{{stored, ui, held}};
    storedPage.ResetRentVsBuy();
    for (const char* field : kResults)
        EXPECT_EQ(trimmed(stored.field(field)), shown(field)) << field;
}

struct EdgeCase {
    const char* name;
    std::vector<Entry> changes;          // typed after the worked example's inputs
    std::array<const char*, 8> expected; // in the order of kResults
};

class RentVsBuyEdgeTable : public RentVsBuyTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(RentVsBuyEdgeTable, ShowsTheResults) {
    typeAll(kSampleInputs);
    typeAll(GetParam().changes);
    const std::array<const char*, 8>& expected = GetParam().expected;
    EXPECT_EQ(results(), std::vector<std::string>(expected.begin(), expected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RentVsBuyEdgeTable,
    ::testing::Values(
        // One year of rent, 12 months of growth, interest and equity.
        EdgeCase{"one_year",
                 {{"edtRVBTerm", "1"}},
                 {"$11,400.00", "$5,229.70", "$147,793.00", "$3,848.79", "$9,995.45", "-$4,013.90",
                  "-$11,170.30", "$7,156.40"}},
        // Still one year of rent, but no month of anything else: the cash stays as it is, no
        // equity, taxes or appreciation; the selling costs fall on the loan alone.
        EdgeCase{"no_years_still_count_a_year_of_rent",
                 {{"edtRVBTerm", "0"}},
                 {"$11,400.00", "$5,000.00", "$147,793.00", "$3,762.00", "$0.00", "-$1,233.45", "-$11,400.00",
                  "$10,166.55"}},
        // The cash earns nothing, so renting costs exactly the rent spent.
        EdgeCase{"return_zero",
                 {{"edtRVBEstimatedReturn", "0"}},
                 {"$61,132.11", "$5,000.00", "$147,793.00", "$20,304.28", "$57,481.24", "$8,870.38",
                  "-$61,132.11", "$70,002.49"}},
        EdgeCase{"appreciation_zero",
                 {{"edtRVBPropertyAppreciation", "0"}},
                 {"$61,132.11", "$6,258.98", "$147,793.00", "$20,304.28", "$0.00", "-$44,587.18",
                  "-$59,873.13", "$15,285.95"}},
        // The loan is 360 rents, 342,000; Round(342,000.5) goes to the even dollar, 342,000.
        EdgeCase{"loan_rate_zero",
                 {{"edtRVBInterestRate", "0"}},
                 {"$61,132.11", "$6,258.98", "$347,000.00", "$8,299.68", "$137,672.69", "$93,876.86",
                  "-$59,873.13", "$153,749.99"}},
        // A stay longer than the loan: 480 rents count as repaid principal on a loan of 360 rents.
        EdgeCase{"loan_rate_zero_stay_beyond_the_loan",
                 {{"edtRVBInterestRate", "0"}, {"edtRVBTerm", "40"}},
                 {"$963,873.17", "$30,146.58", "$347,000.00", "$236,607.93", "$4,779,264.58", "$4,433,263.44",
                  "-$938,726.59", "$5,371,990.03"}},
        EdgeCase{"all_zero",
                 {{"edtRVBMonthlyRent", "0"},
                  {"edtRVBRentIncrease", "0"},
                  {"edtRVBDownPayment", "0"},
                  {"edtRVBEstimatedReturn", "0"},
                  {"edtRVBInterestRate", "0"},
                  {"edtRVBLoanTerm", "0"},
                  {"edtRVBIncomeTax", "0"},
                  {"edtRVBPropertyTax", "0"},
                  {"edtRVBPropertyAppreciation", "0"},
                  {"edtRVBAnnualMaintenance", "0"},
                  {"edtRVBSellingCostPercent", "0"}},
                 {"$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RentVsBuyTest, HalfDollarLoanRoundsToTheEvenDollar) {
    // Rate 0, one year: the loan is 12 rents. 11,403 + 0.5 rounds up to 11,404; 11,406 + 0.5 stays.
    typeAll({{"edtRVBInterestRate", "0"}, {"edtRVBLoanTerm", "1"}, {"edtRVBMonthlyRent", "950.25"}});
    EXPECT_EQ(shown("edtRVBHousePrice"), "$11,404.00");
    type("edtRVBMonthlyRent", "950.5");
    EXPECT_EQ(shown("edtRVBHousePrice"), "$11,406.00");
}

TEST_F(RentVsBuyTest, CalculationErrorStopsAtTheFailingStep) {
    typeAll(kSampleInputs);
    // 300 years of 999.9999 % appreciation overflow a double; everything before it is written.
    type("edtRVBPropertyAppreciation", "999.9999");
    type("edtRVBRentIncrease", "0");
    ws.field("edtRVBTerm").setTypedText(testing::toU32("300"));
    workspace::leaveField(ws.field("edtRVBTerm"));
    const std::string deductions = shown("edtRVBTaxDeductions");
    const std::string appreciation = shown("edtRVBAppreciation");
    ui.printing = false;
    EXPECT_THROW(page.CalcRVB(), loanmath::CalcError);
    EXPECT_TRUE(ui.printing);
    EXPECT_EQ(shown("edtRVBRentSpent"), "$3,420,000.00");
    EXPECT_NE(shown("edtRVBTaxDeductions"), deductions);
    EXPECT_EQ(shown("edtRVBAppreciation"), appreciation);
}

TEST_F(RentVsBuyTest, ResetWritesTheChosenSetAndFocusesTheRentOnlyWhenShown) {
    typeAll(kSampleInputs);
    ws.state().ValueSet = 0;
    page.ResetRentVsBuy();
    for (const workspace::ValueField* field : ws.pageFields(kPage))
        EXPECT_EQ(field->readFloat(), 0) << field->design().name;
    EXPECT_EQ(ui.focused, "");

    ws.showPage(kPage);
    ws.state().ValueSet = 1;
    page.ResetRentVsBuy();
    EXPECT_EQ(ui.focused, "edtRVBMonthlyRent");
    EXPECT_EQ(shown("edtRVBTerm"), "5");
    EXPECT_EQ(shown("edtRVBPropertyTax"), "1.2000%");
    EXPECT_EQ(shown("edtRVBValueOfRenting"), "-$59,873.13");

    ui.focused.clear();
    page.ResetRentVsBuy(false);
    EXPECT_EQ(ui.focused, "");
}

} // namespace
} // namespace kelvarin::calculators
