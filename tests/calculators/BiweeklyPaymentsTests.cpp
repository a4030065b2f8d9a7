#include "calculators/BiweeklyPayments.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;

constexpr const char* kPage = "pgBiweeklyPaymentCalculator";

constexpr std::array<const char*, 9> kResults{
    "edtMortgagePayments",     "edtMortgageTotalPaid",     "edtMortgageCostOfLoan",
    "edtMortgageHalfPayments", "edtMortgageHalfTotalPaid", "edtMortgageHalfCostOfLoan",
    "edtTimeSavedMonths",      "edtTimeSavedYears",        "edtInterestSaved"};

class BiweeklyPaymentsTest : public ::testing::Test {
protected:
    BiweeklyPaymentsTest() { page.registerHandlers(handlers); }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, handlers, field, text);
    }
    void typeLoan(std::string_view amount, std::string_view rate, std::string_view months) {
        type("edtMortgageAmount", amount);
        type("edtMortgageInterest", rate);
        type("edtMortgagePeriods", months);
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
    BiweeklyPayments page{{ws, ui, held}};
};

struct LoanCase {
    const char* name;
    const char* amount;
    const char* rate;
    const char* months;
    const char* rateShown;
    std::array<const char*, 9> expected; // in the order of kResults
};

class BiweeklyTable : public BiweeklyPaymentsTest, public ::testing::WithParamInterface<LoanCase> {};

TEST_P(BiweeklyTable, ShowsTheResults) {
    const LoanCase& c = GetParam();
    typeLoan(c.amount, c.rate, c.months);
    EXPECT_EQ(shown("edtMortgageInterest"), c.rateShown);
    EXPECT_EQ(results(), std::vector<std::string>(c.expected.begin(), c.expected.end()));
    EXPECT_TRUE(ui.printing);
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BiweeklyTable,
    ::testing::Values(
        // N = 575.93 half payments; the payment is not rounded to cents before it is multiplied,
        // and the years follow the months as shown (94.19 / 12).
        LoanCase{"thirty_years_at_8_75",
                 "100000",
                 "8.75",
                 "360",
                 "8.7500%",
                 {"$786.70", "$283,212.15", "$183,212.15", "$393.35", "$226,540.48", "$126,540.48", "94.19",
                  "7.85", "$56,671.66"}},
        LoanCase{"rate_zero_divides_the_loan",
                 "100000",
                 "0",
                 "360",
                 "0.0000%",
                 {"$277.78", "$100,000.00", "$0.00", "$138.89", "$100,000.00", "$0.00", "0", "0", "$0.00"}},
        LoanCase{"negative_rate_is_overwritten_with_zero",
                 "100000",
                 "-5",
                 "360",
                 "0.0000%",
                 {"$277.78", "$100,000.00", "$0.00", "$138.89", "$100,000.00", "$0.00", "0", "0", "$0.00"}},
        // No payment at all: both totals 0, both interest figures -L, N = 0.
        LoanCase{"term_zero_with_rate",
                 "100000",
                 "8.75",
                 "0",
                 "8.7500%",
                 {"$0.00", "$0.00", "-$100,000.00", "$0.00", "$0.00", "-$100,000.00", "0", "0", "$0.00"}},
        LoanCase{"term_zero_without_rate",
                 "100000",
                 "0",
                 "0",
                 "0.0000%",
                 {"$0.00", "$100,000.00", "$0.00", "$0.00", "$100,000.00", "$0.00", "0", "0", "$0.00"}},
        // No payment means no half payments (N = 0), so the whole term counts as saved.
        LoanCase{"no_loan_counts_the_whole_term_as_saved",
                 "0",
                 "8.75",
                 "360",
                 "8.7500%",
                 {"$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "360", "30", "$0.00"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(BiweeklyPaymentsTest, StoredSampleFiguresStayUntilTheFirstRecalculation) {
    ws.state().ValueSet = 1;
    page.ResetBiweeklyPayments();
    EXPECT_EQ(results(),
              (std::vector<std::string>{"$786.70", "$283,212.00", "$183,212.00", "$393.35", "$226,540.72",
                                        "$126,540.72", "94.19", "7.85", "$56,671.28"}));
    type("edtMortgagePeriods", "360");
    EXPECT_EQ(shown("edtMortgageTotalPaid"), "$283,212.15");
    EXPECT_EQ(shown("edtMortgageHalfTotalPaid"), "$226,540.48");
    EXPECT_EQ(shown("edtInterestSaved"), "$56,671.66");
}

struct GuardCase {
    const char* name;
    int valueSet;
    const char* amountAfter;
    const char* rateAfter;
    const char* monthsAfter;
    const char* savedAfter;
};

class BiweeklyGuard : public BiweeklyPaymentsTest, public ::testing::WithParamInterface<GuardCase> {};

// 1,200 months back in time at 999.9999 % overflow the payment formula: the page quietly
// resets to the set last chosen and the focus goes to the loan amount.
TEST_P(BiweeklyGuard, CalculationErrorResetsThePageWithoutAMessage) {
    const GuardCase& c = GetParam();
    ws.showPage(kPage);
    ws.state().ValueSet = c.valueSet;
    typeLoan("250000", "999.9999", "-1200");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.printing);
    EXPECT_EQ(ui.focused, "edtMortgageAmount");
    EXPECT_EQ(shown("edtMortgageAmount"), c.amountAfter);
    EXPECT_EQ(shown("edtMortgageInterest"), c.rateAfter);
    EXPECT_EQ(shown("edtMortgagePeriods"), c.monthsAfter);
    EXPECT_EQ(shown("edtInterestSaved"), c.savedAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, BiweeklyGuard,
                         ::testing::Values(GuardCase{"zero_set", 0, "$0.00", "0.0000%", "0", "$0.00"},
                                           GuardCase{"sample_set", 1, "$100,000.00", "8.7500%", "360",
                                                     "$56,671.28"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(BiweeklyPaymentsTest, ResetFocusesTheLoanAmountOnlyWhenShown) {
    ws.state().ValueSet = 1;
    page.ResetBiweeklyPayments();
    EXPECT_EQ(ui.focused, "");
    ws.showPage(kPage);
    page.ResetBiweeklyPayments(false);
    EXPECT_EQ(ui.focused, "");
    ws.state().ValueSet = 0;
    page.ResetBiweeklyPayments();
    EXPECT_EQ(ui.focused, "edtMortgageAmount");
    for (const workspace::ValueField* field : ws.pageFields(kPage))
        EXPECT_EQ(field->readFloat(), 0) << field->design().name;
}

} // namespace
} // namespace kelvarin::calculators
