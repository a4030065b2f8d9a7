#include "calculators/QuickCalculators.h"

#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"

#include <gtest/gtest.h>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;
using workspace::Look;

class QuickCalculatorsTest : public ::testing::Test {
protected:
    QuickCalculatorsTest() { page.registerHandlers(handlers); }

    void type(std::string_view field, std::string_view text) { testing::typeAndLeave(ws, handlers, field, text); }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    // A variable button, then the three known values typed (the target field is skipped).
    void chooseAndType(const char* button, std::string_view target, const char* la, const char* ir,
                       const char* pmt, const char* n) {
        handlers.click(button);
        const std::pair<const char*, const char*> inputs[] = {{"edtLA", la}, {"edtIR", ir}, {"edtPMT", pmt}, {"edtN", n}};
        for (auto [field, text] : inputs)
            if (field != target)
                type(field, text);
    }

    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    testing::RecordingUi ui;
    workspace::HeldValues held;
    HandlerTable handlers;
    QuickCalculators page{{ws, ui, held}};
};

TEST_F(QuickCalculatorsTest, DownPaymentPercentGivesLoanAndPayment) {
    type("edtMPISalesPrice", "200000");
    type("edtMPIDownPaymentPercent", "10");
    EXPECT_EQ(shown("edtMPIDownPaymentPercent"), "10.0000%");
    EXPECT_EQ(shown("edtMPIDownPaymentSum"), "$20,000.00");
    EXPECT_EQ(shown("edtMPILoanAmount"), "$180,000.00");
    type("edtMPIInterestRate", "7.5");
    type("edtMPITermInMonths", "360");
    EXPECT_EQ(shown("edtMPIPayment"), "$1,258.59");
    EXPECT_DOUBLE_EQ(ws.field("edtMPIPayment").readFloat(), 1258.59);
}

struct MpiCase {
    const char* name;
    const char* salesPrice;
    const char* downPaymentField;  // the down payment field typed last, before rate and term
    const char* downPayment;
    const char* rate;
    const char* term;
    const char* sum;
    const char* percent;
    const char* loan;
    const char* payment;
};

class CalcMpiTable : public QuickCalculatorsTest, public ::testing::WithParamInterface<MpiCase> {};

TEST_P(CalcMpiTable, ShowsTheDerivedFields) {
    const MpiCase& c = GetParam();
    type("edtMPISalesPrice", c.salesPrice);
    type(c.downPaymentField, c.downPayment);
    type("edtMPIInterestRate", c.rate);
    type("edtMPITermInMonths", c.term);
    EXPECT_EQ(shown("edtMPIDownPaymentSum"), c.sum);
    EXPECT_EQ(shown("edtMPIDownPaymentPercent"), c.percent);
    EXPECT_EQ(shown("edtMPILoanAmount"), c.loan);
    EXPECT_EQ(shown("edtMPIPayment"), c.payment);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcMpiTable,
    ::testing::Values(
        MpiCase{"rate_zero_divides_evenly", "200000", "edtMPIDownPaymentPercent", "10", "0", "360", "$20,000.00",
                "10.0000%", "$180,000.00", "$500.00"},
        MpiCase{"dollar_down_payment_gives_percent", "250000", "edtMPIDownPaymentSum", "50000", "8.75", "360",
                "$50,000.00", "20.0000%", "$200,000.00", "$1,573.40"},
        MpiCase{"term_zero_still_writes_loan", "200000", "edtMPIDownPaymentSum", "20000", "7.5", "0", "$20,000.00",
                "10.0000%", "$180,000.00", "$0.00"},
        MpiCase{"down_payment_above_price_goes_negative", "100000", "edtMPIDownPaymentSum", "150000", "0", "100",
                "$150,000.00", "150.0000%", "-$50,000.00", "-$500.00"},
        MpiCase{"sales_price_zero_clears_everything", "0", "edtMPIDownPaymentSum", "20000", "7.5", "360", "$0.00",
                "0.0000%", "$0.00", "$0.00"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(QuickCalculatorsTest, NewSalesPriceKeepsDollarDownPaymentAndStalePercent) {
    type("edtMPISalesPrice", "200000");
    type("edtMPIDownPaymentPercent", "10");
    type("edtMPISalesPrice", "300000");
    EXPECT_EQ(shown("edtMPIDownPaymentSum"), "$20,000.00");
    EXPECT_EQ(shown("edtMPIDownPaymentPercent"), "10.0000%");
    EXPECT_EQ(shown("edtMPILoanAmount"), "$280,000.00");
}

struct MissingCase {
    const char* name;
    const char* button;
    const char* la;
    const char* ir;
    const char* pmt;
    const char* n;
    const char* target;
    const char* expected;
};

class CalculateTable : public QuickCalculatorsTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(CalculateTable, ComputesTheChosenVariable) {
    const MissingCase& c = GetParam();
    chooseAndType(c.button, c.target, c.la, c.ir, c.pmt, c.n);
    handlers.click("btnCalcQuickCalc");
    EXPECT_EQ(shown(c.target), c.expected);
    EXPECT_EQ(ws.field(c.target).look(), Look::Result);
    EXPECT_TRUE(ws.field(c.target).enabled());
    EXPECT_TRUE(ws.control("btnCalcQuickCalc").enabled());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.focused, "nbkQuickCalc");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculateTable,
    ::testing::Values(
        MissingCase{"sample_loan_amount", "btnCalcLA", "", "8.75", "786.70", "360", "edtLA", "$100,000.00"},
        MissingCase{"sample_term", "btnCalcN", "100000", "8.75", "786.70", "", "edtN", "360"},
        MissingCase{"sample_payment", "btnCalcPMT", "100000", "8.75", "", "360", "edtPMT", "$786.70"},
        MissingCase{"sample_rate_stops_at_solver_result", "btnCalcIR", "100000", "", "786.70", "360", "edtIR",
                    "8.7502%"},
        MissingCase{"zero_rate_loan_half_rounds_to_even", "btnCalcLA", "", "0", "500", "360", "edtLA",
                    "$180,000.00"},
        MissingCase{"zero_rate_loan_adds_half_then_rounds", "btnCalcLA", "", "0", "500.01", "360", "edtLA",
                    "$180,004.00"},
        MissingCase{"zero_rate_payment", "btnCalcPMT", "120000", "0", "", "360", "edtPMT", "$333.33"},
        MissingCase{"zero_rate_term", "btnCalcN", "100000", "0", "300", "", "edtN", "333"},
        MissingCase{"payment_below_interest_gives_zero_term", "btnCalcN", "100000", "8.75", "500", "", "edtN",
                    "0"}),
    [](const auto& row) { return std::string(row.param.name); });

// 100,000 at 0 % paid back at 2 a month takes 50,000 payments: more than a count field holds.
// The field shows the true number, but, as leaving it would report, it is not a valid count and
// reads 0, so a document saved now stores 0.
TEST_F(QuickCalculatorsTest, TermBeyondCountRangeIsShownButReadsZero) {
    chooseAndType("btnCalcN", "edtN", "100000", "0", "2", "");
    handlers.click("btnCalcQuickCalc");
    EXPECT_EQ(shown("edtN"), "50000");
    EXPECT_EQ(ws.field("edtN").readWhole(), 0);
    EXPECT_EQ(ws.field("edtN").look(), Look::Result);
    EXPECT_TRUE(ui.messages.empty());
}

struct FailureCase {
    const char* name;
    const char* button;
    const char* target;
    QuickCalcTarget chosen;
    const char* la;
    const char* ir;
    const char* pmt;
    const char* n;
};

class CalculateFailure : public QuickCalculatorsTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CalculateFailure, ShowsMessageAndClearsAllFour) {
    const FailureCase& c = GetParam();
    chooseAndType(c.button, c.target, c.la, c.ir, c.pmt, c.n);
    handlers.click("btnCalcQuickCalc");

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "This calculation cannot be completed\n\rusing the values you entered.\n\r\n\rPlease try again.");
    EXPECT_EQ(ui.messages[0].icon, workspace::MessageIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, workspace::MessageButtons::Ok);
    for (const char* field : {"edtLA", "edtIR", "edtPMT", "edtN"}) {
        EXPECT_EQ(ws.field(field).readFloat(), 0) << field;
        EXPECT_EQ(ws.field(field).look(), Look::Normal) << field;
        EXPECT_TRUE(ws.field(field).enabled()) << field;
    }
    EXPECT_FALSE(ws.control("btnCalcQuickCalc").enabled());
    EXPECT_EQ(page.target(), c.chosen);  // only a variable button enables Calculate again
    EXPECT_EQ(ui.focused, "nbkQuickCalc");
}

INSTANTIATE_TEST_SUITE_P(Cases, CalculateFailure,
                         ::testing::Values(FailureCase{"term_with_zero_rate_and_payment", "btnCalcN", "edtN", QuickCalcTarget::N, "100000", "0", "0", ""},
                                           FailureCase{"payment_with_zero_rate_and_count", "btnCalcPMT", "edtPMT", QuickCalcTarget::PMT, "100000", "0", "", "0"},
                                           FailureCase{"zero_over_zero_term", "btnCalcN", "edtN", QuickCalcTarget::N, "0", "0", "0", ""}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(QuickCalculatorsTest, CalculateStartsDisabledAndDoesNothingWithoutTarget) {
    EXPECT_FALSE(ws.control("btnCalcQuickCalc").enabled());
    EXPECT_EQ(page.target(), QuickCalcTarget::None);
    page.btnCalcQuickCalcClick();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.focused, "nbkQuickCalc");
}

TEST_F(QuickCalculatorsTest, VariableButtonEmptiesAllFourAndMarksTarget) {
    handlers.click("btnCalcLA");
    type("edtIR", "8.75");
    type("edtPMT", "786.70");
    type("edtN", "360");
    handlers.click("btnCalcQuickCalc");

    handlers.click("btnCalcIR");
    EXPECT_EQ(page.target(), QuickCalcTarget::IR);
    for (const char* field : {"edtLA", "edtIR", "edtPMT", "edtN"})
        EXPECT_EQ(ws.field(field).readFloat(), 0) << field;
    EXPECT_EQ(ws.field("edtIR").look(), Look::Target);
    EXPECT_FALSE(ws.field("edtIR").enabled());
    EXPECT_EQ(ws.field("edtLA").look(), Look::Normal);
    EXPECT_TRUE(ws.field("edtLA").enabled());
    EXPECT_EQ(ui.focused, "edtLA");

    handlers.click("btnCalcLA");
    EXPECT_EQ(ui.focused, "edtIR");
    EXPECT_TRUE(ws.field("edtIR").enabled());
}

TEST_F(QuickCalculatorsTest, TabClickMovesFocus) {
    handlers.choose("nbkQuickCalc", 1);
    EXPECT_EQ(ui.focused, "btnCalcLA");
    handlers.choose("nbkQuickCalc", 0);
    EXPECT_EQ(ui.focused, "edtMPISalesPrice");
}

TEST_F(QuickCalculatorsTest, ResetWritesTheChosenSetAndDisablesCalculate) {
    handlers.click("btnCalcN");
    ws.state().ValueSet = 1;
    page.ResetQuickCalculators();
    EXPECT_EQ(shown("edtLA"), "$100,000.00");
    EXPECT_EQ(shown("edtIR"), "8.7500%");
    EXPECT_EQ(shown("edtPMT"), "$786.70");
    EXPECT_EQ(shown("edtN"), "360");
    EXPECT_EQ(shown("edtMPISalesPrice"), "$125,000.00");
    EXPECT_EQ(shown("edtMPIPayment"), "$786.70");
    EXPECT_EQ(ws.field("edtN").look(), Look::Normal);
    EXPECT_TRUE(ws.field("edtN").enabled());
    EXPECT_FALSE(ws.control("btnCalcQuickCalc").enabled());
    EXPECT_EQ(page.target(), QuickCalcTarget::N);
    EXPECT_EQ(ui.focused, "nbkQuickCalc");

    ws.state().ValueSet = 0;
    page.ResetQuickCalculators();
    EXPECT_EQ(shown("edtMPISalesPrice"), "$0.00");
    EXPECT_EQ(shown("edtN"), "0");
}

}  // namespace
}  // namespace kelvarin::calculators
