#include "calculators/CalculatorSet.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;

constexpr const char* kPage = "pgRefinancingCalculator";

constexpr const char* kItems[] = {"edtDiscountPoints",    "edtOriginationPoints", "edtCreditCheck",
                                  "edtAttyFeeY",          "edtAttyFeeL",          "edtTitleSearchFee",
                                  "edtTitleInsuranceFee", "edtAppraisalFee",      "edtInspections",
                                  "edtLocalFees",         "edtOtherFees",         "edtPrepaymentPenalty"};

class RefinancingTest : public ::testing::Test {
protected:
    RefinancingTest() { ws.showPage(kPage); }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, set.handlers(), field, text);
    }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    // Old loan 100,000 over 360 months at 8.75 %, none paid; new loan 100,000 over 240 months at
    // 7.25 %; no closing costs; the last field typed is the sale month count.
    void typeScenario(const char* paymentsMade, const char* monthsUntilSale) {
        type("edtOldLoan", "100000");
        type("edtOldTerm", "360");
        type("edtOldInterestRate", "8.75");
        type("edtOldPaymentsMade", paymentsMade);
        type("edtNewLoan", "100000");
        type("edtNewTerm", "240");
        type("edtNewInterestRate", "7.25");
        type("edtRefiClosingCosts", "0");
        type("edtMonthsUntilSell", monthsUntilSale);
    }
    std::string heading() { return ws.control("lblSell").caption(); }

    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    testing::RecordingUi ui;
    workspace::HeldValues held;
    CalculatorSet set{{ws, ui, held}};
};

struct RefiCase {
    const char* name;
    const char* paymentsMade;
    const char* monthsUntilSale;
    std::vector<std::pair<const char*, const char*>> expected;
    const char* heading;
};

void PrintTo(const RefiCase& c, std::ostream* os) {
    *os << c.name;
}

class CalcRefiTable : public RefinancingTest, public ::testing::WithParamInterface<RefiCase> {};

TEST_P(CalcRefiTable, ComparesTheTwoLoans) {
    const RefiCase& c = GetParam();
    typeScenario(c.paymentsMade, c.monthsUntilSale);
    for (auto [field, text] : c.expected)
        EXPECT_EQ(shown(field), text) << field;
    EXPECT_EQ(heading(), c.heading);
    EXPECT_TRUE(ui.printing);
    EXPECT_GT(ui.refreshes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcRefiTable,
    ::testing::Values(
        RefiCase{"sample",
                 "0",
                 "240",
                 {{"edtOldPaymentsRemaining", "360"},
                  {"edtOldPayment", "$786.70"},
                  {"edtNewPayment", "$790.38"},
                  {"edtPaymentSaved", "-$3.68"},
                  {"edtTotalPaymentSaved", "-$882.14"},
                  {"edtOldEquity", "$37,228.05"},
                  {"edtNewEquity", "$100,000.00"},
                  {"edtEquitySavings", "$62,771.95"},
                  {"edtTotalSaved", "$61,889.81"}},
                 "If you sell in 240 months,"},
        // The new loan ends before the sale: its term is the months compared.
        RefiCase{"sale_after_new_loan_ends",
                 "0",
                 "300",
                 {{"edtNewEquity", "$100,000.00"},
                  {"edtOldEquity", "$37,228.05"},
                  {"edtTotalPaymentSaved", "-$882.14"}},
                 "If you sell in 240 months,"},
        // The old loan ends before the sale: 100 payments remain to compare.
        RefiCase{"old_loan_ends_first",
                 "260",
                 "240",
                 {{"edtOldPaymentsRemaining", "100"},
                  {"edtOldPayment", "$1,411.99"},
                  {"edtPaymentSaved", "$621.61"},
                  {"edtTotalPaymentSaved", "$62,161.15"},
                  {"edtOldEquity", "$100,000.00"}},
                 "If you sell in 240 months,"},
        // More payments made than the term: the old payment comes from a negative count, no
        // month adds old equity, and the payment saving is that negative count times the difference.
        RefiCase{"more_payments_made_than_the_term",
                 "400",
                 "240",
                 {{"edtOldPaymentsRemaining", "-40"},
                  {"edtOldPayment", "-$2,162.15"},
                  {"edtPaymentSaved", "-$2,952.53"},
                  {"edtTotalPaymentSaved", "$118,101.20"},
                  {"edtOldEquity", "$0.00"},
                  {"edtTotalSaved", "$218,101.20"}},
                 "If you sell in 240 months,"},
        RefiCase{"sale_now",
                 "0",
                 "0",
                 {{"edtOldEquity", "$0.00"}, {"edtNewEquity", "$0.00"}, {"edtTotalPaymentSaved", "$0.00"}},
                 "If you sell in 0 months,"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RefinancingTest, EmptyPageGivesZerosWithoutError) {
    type("edtOldLoan", "0");
    for (const char* field :
         {"edtOldPayment", "edtNewPayment", "edtOldEquity", "edtNewEquity", "edtTotalSaved"})
        EXPECT_EQ(shown(field), "$0.00") << field;
    EXPECT_EQ(heading(), "If you sell in 0 months,");
}

TEST_F(RefinancingTest, ClosingCostsComeOffTheTotal) {
    typeScenario("0", "240");
    type("edtRefiClosingCosts", "2500");
    EXPECT_EQ(shown("edtTotalSaved"), "$59,389.81");
}

TEST_F(RefinancingTest, PanelOpensTotalsItemsAndCloses) {
    typeScenario("0", "240");
    EXPECT_FALSE(ws.control("pnlClosingCosts").visible());
    EXPECT_EQ(ws.control("pnlClosingCosts").caption(), "Itemized Closing Costs");

    set.handlers().click("btnCalcFees");
    EXPECT_TRUE(ws.control("pnlClosingCosts").visible());
    EXPECT_FALSE(ws.control("btnCalcFees").enabled());
    EXPECT_EQ(ui.focused, "edtDiscountPoints");

    type("edtDiscountPoints", "1000");
    type("edtAppraisalFee", "300.5");
    EXPECT_EQ(shown("edtClosingFees"), "$1,300.50");
    EXPECT_EQ(shown("edtRefiClosingCosts"), "$1,300.50");
    EXPECT_EQ(shown("edtTotalSaved"), "$61,889.81"); // the savings wait for the panel to close
    EXPECT_EQ(ui.focused, "edtDiscountPoints");
    type("edtPrepaymentPenalty", "200");
    EXPECT_EQ(shown("edtRefiClosingCosts"), "$1,500.50");
    EXPECT_EQ(ui.focused, "btnCloseClosingCosts");

    set.handlers().click("btnCloseClosingCosts");
    EXPECT_FALSE(ws.control("pnlClosingCosts").visible());
    EXPECT_TRUE(ws.control("btnCalcFees").enabled());
    EXPECT_EQ(shown("edtTotalSaved"), "$60,389.31");
    EXPECT_EQ(ui.focused, "edtMonthsUntilSell");
    // Hidden, the items keep their values.
    EXPECT_EQ(shown("edtDiscountPoints"), "$1,000.00");
}

TEST_F(RefinancingTest, ClearingZeroesThePanelAndThePageFollowsOnTheNextItem) {
    set.handlers().click("btnCalcFees");
    for (const char* item : kItems)
        type(item, "10");
    EXPECT_EQ(shown("edtClosingFees"), "$120.00");

    set.handlers().click("btnClearClosingCosts");
    for (const char* item : kItems)
        EXPECT_EQ(shown(item), "$0.00") << item;
    EXPECT_EQ(shown("edtClosingFees"), "$0.00");
    EXPECT_EQ(shown("edtRefiClosingCosts"), "$120.00");
    EXPECT_EQ(ui.focused, "edtDiscountPoints");
    type("edtDiscountPoints", "0");
    EXPECT_EQ(shown("edtRefiClosingCosts"), "$0.00");
}

TEST_F(RefinancingTest, TypedTotalLastsUntilAnItemIsLeft) {
    type("edtRefiClosingCosts", "3000");
    set.handlers().click("btnCalcFees");
    EXPECT_EQ(shown("edtRefiClosingCosts"), "$3,000.00");
    type("edtCreditCheck", "45");
    EXPECT_EQ(shown("edtRefiClosingCosts"), "$45.00");
}

TEST_F(RefinancingTest, DisabledOpeningButtonDoesNothing) {
    set.handlers().click("btnCalcFees");
    ui.focused.clear();
    set.handlers().click("btnCalcFees");
    EXPECT_TRUE(ui.focused.empty());
}

TEST_F(RefinancingTest, ResetWritesStoredFiguresAndKeepsTheHeading) {
    ws.field("edtLoan").writeFloat(5);
    typeScenario("0", "300");
    ui.focused.clear();
    set.ResetThisCalculator(1);
    EXPECT_EQ(shown("edtOldPayment"), "$786.70");
    EXPECT_EQ(shown("edtTotalSaved"), "$61,889.81");
    EXPECT_EQ(shown("edtMonthsUntilSell"), "240");
    EXPECT_EQ(ws.field("edtOldPaymentsMade").textUtf8(), "0     "); // digits from the first position
    EXPECT_EQ(heading(), "If you sell in 240 months,");
    EXPECT_EQ(ui.focused, "edtOldLoan");

    type("edtMonthsUntilSell", "120");
    set.ResetThisCalculator(0);
    EXPECT_EQ(shown("edtOldLoan"), "$0.00");
    EXPECT_EQ(shown("edtTotalSaved"), "$0.00");
    EXPECT_EQ(heading(), "If you sell in 120 months,");
    EXPECT_EQ(shown("edtLoan"), "$5.00"); // other pages keep theirs
}

TEST_F(RefinancingTest, ResetFromAnotherPageLeavesTheFocus) {
    ws.showPage("pgMenu");
    set.refinancing().ResetRefinancing();
    EXPECT_TRUE(ui.focused.empty());
}

} // namespace
} // namespace kelvarin::calculators
