#include "calculators/PrepaymentCalculator.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"
#include "workspace/ValueSets.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;

class PrepaymentCalculatorTest : public ::testing::Test {
protected:
    PrepaymentCalculatorTest() { page.registerHandlers(handlers); }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, handlers, field, text);
    }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    // The sample loan: 100,000 at 8.75 % over 360 months with 2,380 a year of taxes and insurance.
    void typeSampleLoan(const char* prepayment) {
        for (auto [field, text] :
             {std::pair{"edtPPCAmountBorrowed", "100000"}, std::pair{"edtPPCInterest", "8.75"},
              std::pair{"edtPPCTerm", "360"}, std::pair{"edtPPCPropertyTaxes", "1200"},
              std::pair{"edtPPCInsurance", "580"}, std::pair{"edtPPCPMI", "600"}})
            type(field, text);
        type("edtPPCExtraAmount", prepayment);
    }
    void expectShown(const std::map<std::string, std::string>& expected) {
        for (const auto& [field, text] : expected)
            EXPECT_EQ(shown(field), text) << field;
    }

    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    testing::RecordingUi ui;
    workspace::HeldValues held;
    HandlerTable handlers;
    PrepaymentCalculator page{{ws, ui, held}};
};

TEST_F(PrepaymentCalculatorTest, SampleLoanWithHundredOnEveryPayment) {
    typeSampleLoan("100");
    expectShown({{"edtPPCPayment", "$786.70"},
                 {"edtPPCTotalPayment", "$985.03"},
                 {"edtPPCTotalInterest", "$183,212.97"},
                 {"edtPPCTotalPrincipalAndInterest", "$283,212.97"},
                 {"edtPPCNewPayment", "$886.70"},
                 {"edtPPCNewTotalPayment", "$1,085.03"},
                 {"edtPPCTotalInterestWithPrepayments", "$110,882.68"},
                 {"edtPPCTotalInterestAndPrincipalWithPrepayments", "$210,882.68"},
                 {"edtPPCNewTerm", "238"},
                 {"edtPPCSavings", "$72,330.29"}});
    EXPECT_TRUE(page.newTermFound());
    EXPECT_TRUE(ui.printing);
    EXPECT_TRUE(ui.messages.empty());
}

// The calculation of the sample inputs gives what the sample set stores.
TEST_F(PrepaymentCalculatorTest, SampleSetHoldsTheCalculatedFigures) {
    typeSampleLoan("100");
    for (const workspace::ValueSetEntry& entry : workspace::valueSetOf("pgPrepaymentCalculator"))
        EXPECT_EQ(ws.field(entry.field).readFloat(), entry.sample) << entry.field;
}

TEST_F(PrepaymentCalculatorTest, NoPrepaymentKeepsTermAndInterest) {
    typeSampleLoan("0");
    // The schedule ends with a balance of 0.97: no payment pays the loan off.
    expectShown({{"edtPPCNewTerm", "360"},
                 {"edtPPCTotalInterestWithPrepayments", "$183,212.97"},
                 {"edtPPCSavings", "$0.00"},
                 {"edtPPCNewPayment", "$786.70"}});
    EXPECT_FALSE(page.newTermFound());
}

TEST_F(PrepaymentCalculatorTest, PrepaymentAboveTheLoanPaysItOffAtOnce) {
    typeSampleLoan("200000");
    expectShown({{"edtPPCNewTerm", "1"}, {"edtPPCTotalInterestWithPrepayments", "$729.17"}});
}

TEST_F(PrepaymentCalculatorTest, ZeroTermGivesTheEscrowAndLeavesTheRest) {
    typeSampleLoan("100");
    type("edtPPCTerm", "0");
    expectShown({{"edtPPCPayment", "$0.00"},
                 {"edtPPCTotalPayment", "$198.33"},
                 {"edtPPCNewTerm", "238"},
                 {"edtPPCTotalInterest", "$183,212.97"}});
}

// The hidden single and range modes: the new term is the payment that pays the loan off.
struct ModeCase {
    const char* name;
    int mode;
    const char* from;
    const char* to;
    const char* amount;
    const char* newTerm;
    const char* newInterest;
};

class ModeTest : public PrepaymentCalculatorTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTest, NewTermAndInterest) {
    const ModeCase& c = GetParam();
    typeSampleLoan("0");
    ws.choice("rgPPCPrepayments").index = c.mode;
    handlers.choose("rgPPCPrepayments", c.mode);
    EXPECT_EQ(ui.focused, "edtPPCFromPmt");
    ws.field("edtPPCFromPmt").setTypedText(testing::toU32(c.from));
    ws.field("edtPPCToPmt").setTypedText(testing::toU32(c.to));
    type("edtPPCExtraAmount", c.amount);
    expectShown({{"edtPPCNewTerm", c.newTerm}, {"edtPPCTotalInterestWithPrepayments", c.newInterest}});
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Prepayment, ModeTest,
    ::testing::Values(ModeCase{"RangeOfTwelve", 1, "1", "12", "5000", "70", "$14,636.59"},
                      ModeCase{"SingleLargeEnough", 0, "1", "0", "99942.47", "1", "$729.17"},
                      // The range is cut to the term.
                      ModeCase{"RangePastTheTerm", 1, "300", "999", "100", "352", "$181,869.78"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(PrepaymentCalculatorTest, SinglePaymentOutsideTheScheduleShowsTheEngineMessage) {
    typeSampleLoan("0");
    ws.choice("rgPPCPrepayments").index = 0;
    handlers.choose("rgPPCPrepayments", 0);
    ws.field("edtPPCFromPmt").setTypedText(testing::toU32("400"));
    type("edtPPCExtraAmount", "100");
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, loanmath::PrepaymentTargetText);
    expectShown({{"edtPPCNewTerm", "360"}, {"edtPPCSavings", "$0.00"}});
}

// A calculation the schedule cannot take resets the page with the chosen set, without a message.
struct GuardCase {
    const char* name;
    int valueSet;
    const char* amountAfter;
};

class GuardTest : public PrepaymentCalculatorTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(GuardTest, ResetsThePageQuietly) {
    ws.state().ValueSet = GetParam().valueSet;
    ws.showPage("pgPrepaymentCalculator");
    typeSampleLoan("100");
    type("edtPPCTerm", "-5"); // no row -5 to read the totals from
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(shown("edtPPCAmountBorrowed"), GetParam().amountAfter);
    EXPECT_EQ(ui.focused, "edtPPCAmountBorrowed");
    EXPECT_EQ(page.schedule().Rows().size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Prepayment, GuardTest,
                         ::testing::Values(GuardCase{"ZeroSet", 0, "$0.00"},
                                           GuardCase{"SampleSet", 1, "$100,000.00"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(PrepaymentCalculatorTest, ResetSelectsAllPayments) {
    handlers.choose("rgPPCPrepayments", 1);
    ui.focused.clear();
    ws.state().ValueSet = 1;
    page.ResetPrepaymentCalculator();
    EXPECT_EQ(ws.choice("rgPPCPrepayments").index, 2);
    EXPECT_FALSE(ws.field("edtPPCFromPmt").enabled());
    EXPECT_FALSE(ws.field("edtPPCToPmt").enabled());
    EXPECT_EQ(shown("edtPPCExtraAmount"), "$100.00");
    EXPECT_EQ(shown("edtPPCNewTerm"), "238");
    EXPECT_EQ(ui.focused, ""); // the page is not shown
}

TEST_F(PrepaymentCalculatorTest, HiddenClearRemovesThePrepayments) {
    typeSampleLoan("100");
    page.btnPPCClearClick();
    expectShown({{"edtPPCExtraAmount", "$0.00"},
                 {"edtPPCNewPayment", "$786.70"},
                 {"edtPPCNewTotalPayment", "$985.03"},
                 {"edtPPCNewTerm", "360"},
                 {"edtPPCSavings", "$0.00"}});
    EXPECT_EQ(ui.focused, "edtPPCAmountBorrowed");
}

} // namespace
} // namespace kelvarin::calculators
