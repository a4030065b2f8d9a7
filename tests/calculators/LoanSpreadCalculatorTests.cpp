#include "calculators/CalculatorSet.h"
#include "calculators/ErrorHandler.h"
#include "loanmath/Numeric.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;
using workspace::Look;
using workspace::TextGrid;

constexpr const char* kPage = "pgLoanSpreadCalculator";

class LoanSpreadTest : public ::testing::Test {
protected:
    LoanSpreadTest() { ws.showPage(kPage); }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, handlers(), field, text);
    }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    const HandlerTable& handlers() { return set.handlers(); }
    LoanSpreadCalculator& page() { return set.loanSpread(); }
    TextGrid& grid() { return ws.grid("grdLS"); }
    std::string cell(int col, int row) { return grid().cell(col, row); }
    std::vector<std::string> column(int col) {
        std::vector<std::string> texts;
        for (int row = 0; row < grid().rowCount(); ++row)
            texts.push_back(cell(col, row));
        return texts;
    }
    std::vector<std::string> row(int r) {
        std::vector<std::string> texts;
        for (int col = 0; col < grid().colCount(); ++col)
            texts.push_back(cell(col, r));
        return texts;
    }
    // The sample loan in mode 0: 100,000 at 8.75 % over 360 months.
    void typeSample() {
        type("edtLoan", "100000");
        type("edtInterest", "8.75");
        type("edtTerm", "360");
    }
    void expectCentreMarked() {
        EXPECT_EQ(grid().selectedCol, 4);
        EXPECT_EQ(grid().selectedRow, 6);
        EXPECT_EQ(grid().colColours.at(4), TextGrid::kYellow);
        EXPECT_EQ(grid().rowColours.at(6), TextGrid::kYellow);
    }

    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    testing::RecordingUi ui;
    workspace::HeldValues held;
    CalculatorSet set{{ws, ui, held}};
    ErrorHandler errors{ws, ui, set};
};

TEST_F(LoanSpreadTest, SampleLoanInPaymentMode) {
    typeSample();
    EXPECT_EQ(column(0), (std::vector<std::string>{" Loan / Rate", " $95,000", " $96,000", " $97,000",
                                                   " $98,000", " $99,000", " $100,000", " $101,000",
                                                   " $102,000", " $103,000", " $104,000", " $105,000"}));
    EXPECT_EQ(row(0), (std::vector<std::string>{" Loan / Rate", "  7.25%", "  7.75%", "  8.25%", "  8.75%",
                                                "  9.25%", "  9.75%", "  10.25%"}));
    EXPECT_EQ(cell(4, 6), " $786.70");
    EXPECT_EQ(cell(1, 1), " $648.07");
    EXPECT_EQ(cell(7, 11), " $940.91");
    EXPECT_EQ(shown("edtPayment"), "$786.70");
    EXPECT_EQ(shown("edtTotalPaid"), "$283,212.15");
    EXPECT_EQ(shown("edtInterestPaid"), "$183,212.15");
    EXPECT_EQ(page().LSCMode(), 0);
    EXPECT_EQ(page().LoanIncrementText(), "$1000");
    EXPECT_EQ(page().RateIncrementText(), "1/2%");
    expectCentreMarked();
    EXPECT_TRUE(ui.printing);
}

// One row per mode: the inputs typed after choosing the mode, and what the centre and the result
// fields show.
struct ModeCase {
    const char* name;
    int mode;
    std::vector<std::pair<const char*, const char*>> inputs;
    const char* corner;
    const char* centre;
    const char* computedField;
    const char* computed;
    const char* totalPaid;
    const char* interestPaid;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << c.name;
}

class LoanSpreadModes : public LoanSpreadTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(LoanSpreadModes, CentreAndResultFields) {
    const ModeCase& c = GetParam();
    handlers().choose("rgCalculate", c.mode);
    for (auto [field, text] : c.inputs)
        type(field, text);
    EXPECT_EQ(cell(0, 0), c.corner);
    EXPECT_EQ(cell(4, 6), c.centre);
    EXPECT_EQ(shown(c.computedField), c.computed);
    EXPECT_EQ(shown("edtTotalPaid"), c.totalPaid);
    EXPECT_EQ(shown("edtInterestPaid"), c.interestPaid);
    EXPECT_EQ(page().LSCMode(), c.mode);
    expectCentreMarked();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoanSpreadModes,
    ::testing::Values(
        ModeCase{"payment",
                 0,
                 {{"edtLoan", "100000"}, {"edtInterest", "8.75"}, {"edtTerm", "360"}},
                 " Loan / Rate",
                 " $786.70",
                 "edtPayment",
                 "$786.70",
                 "$283,212.15",
                 "$183,212.15"},
        // The loan amount field shows the unrounded 99,999.948…; the cell rounds to whole dollars.
        ModeCase{"loan_amount",
                 1,
                 {{"edtInterest", "8.75"}, {"edtTerm", "360"}, {"edtPayment", "786.70"}},
                 " Pmt / Rate",
                 " $100,000",
                 "edtLoan",
                 "$99,999.95",
                 "$283,212.00",
                 "$183,212.05"},
        // The iteration stops at 8.7502 %; the cell shows three decimals of five significant digits.
        ModeCase{"rate",
                 2,
                 {{"edtLoan", "100000"}, {"edtTerm", "360"}, {"edtPayment", "786.70"}},
                 " Loan / Pmt",
                 " 8.750%",
                 "edtInterest",
                 "8.7502%",
                 "$283,212.00",
                 "$183,212.00"},
        // 360.0009 months: the field truncates, the totals use the unrounded term.
        ModeCase{"term",
                 3,
                 {{"edtLoan", "100000"}, {"edtInterest", "8.75"}, {"edtPayment", "786.70"}},
                 " Loan / Pmt",
                 " 360.00",
                 "edtTerm",
                 "360",
                 "$283,212.71",
                 "$183,212.71"},
        ModeCase{"term_payment_below_interest",
                 3,
                 {{"edtLoan", "100000"}, {"edtInterest", "8.75"}, {"edtPayment", "700"}},
                 " Loan / Pmt",
                 " 0.00",
                 "edtTerm",
                 "0",
                 "$0.00",
                 "-$100,000.00"},
        ModeCase{"term_truncates_not_rounds",
                 3,
                 {{"edtLoan", "100000"}, {"edtInterest", "8.75"}, {"edtPayment", "800"}},
                 " Loan / Pmt",
                 " 333.68",
                 "edtTerm",
                 "333",
                 "$266,946.91",
                 "$166,946.91"},
        ModeCase{"all_zero",
                 0,
                 {{"edtLoan", "0"}, {"edtInterest", "0"}, {"edtTerm", "0"}},
                 " Loan / Rate",
                 " $0.00",
                 "edtPayment",
                 "$0.00",
                 "$0.00",
                 "$0.00"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(LoanSpreadTest, AllInputsZeroGiveZeroPaymentsEverywhere) {
    type("edtLoan", "0");
    for (int col = 1; col < 8; ++col)
        for (int row = 1; row < 12; ++row)
            EXPECT_EQ(cell(col, row), " $0.00") << col << "," << row;
    EXPECT_EQ(cell(0, 1), " -$5,000");
    EXPECT_EQ(cell(1, 0), "  -1.5%");
}

TEST_F(LoanSpreadTest, RateModeLabelsPaymentsWithFiveSignificantDigits) {
    handlers().choose("rgCalculate", 2);
    type("edtLoan", "100000");
    type("edtTerm", "360");
    type("edtPayment", "1234.56");
    EXPECT_EQ(cell(4, 0), "  $1,234.60");
    EXPECT_EQ(cell(1, 0), "  $1,009.60");
    EXPECT_EQ(cell(0, 6), " $100,000");
    EXPECT_EQ(page().PaymentIncrementText(), "$75");
    EXPECT_EQ(page().LoanIncrementText(), "$1000");
}

TEST_F(LoanSpreadTest, TermModePaymentsBelowTheInterestReadZero) {
    handlers().choose("rgCalculate", 3);
    type("edtLoan", "100000");
    type("edtInterest", "8.75");
    type("edtPayment", "786.70");
    EXPECT_EQ(cell(1, 0), "  $561.70");
    for (int row = 1; row < 12; ++row)
        EXPECT_EQ(cell(1, row), " 0.00") << row;
}

struct SetupCase {
    const char* name;
    int mode;
    const char* computed;
    const char* computedHint;
    std::vector<std::pair<const char*, const char*>> entered; // field, hint
    const char* left;
    const char* right;
    const char* hidden;
    const char* leftCaption;
    const char* rightCaption;
    const char* focus;
    const char* gridHint;
};

void PrintTo(const SetupCase& c, std::ostream* os) {
    *os << c.name;
}

class LoanSpreadSetup : public LoanSpreadTest, public ::testing::WithParamInterface<SetupCase> {};

TEST_P(LoanSpreadSetup, ComputedFieldGroupsAndFocus) {
    const SetupCase& c = GetParam();
    handlers().choose("rgCalculate", 3 - c.mode); // from another mode
    handlers().choose("rgCalculate", c.mode);

    const auto& computed = ws.field(c.computed);
    EXPECT_EQ(computed.look(), Look::Result);
    EXPECT_TRUE(computed.readOnly());
    EXPECT_FALSE(computed.tabStop());
    EXPECT_EQ(computed.hint(), c.computedHint);
    for (auto [name, hint] : c.entered) {
        const auto& field = ws.field(name);
        EXPECT_EQ(field.look(), Look::Normal) << name;
        EXPECT_FALSE(field.readOnly()) << name;
        EXPECT_TRUE(field.tabStop()) << name;
        EXPECT_EQ(field.hint(), hint) << name;
    }
    for (const char* result : {"edtTotalPaid", "edtInterestPaid"})
        EXPECT_TRUE(ws.field(result).readOnly()) << result;
    EXPECT_STREQ(page().leftGroup(), c.left);
    EXPECT_STREQ(page().rightGroup(), c.right);
    EXPECT_TRUE(ws.choice(c.left).visible);
    EXPECT_TRUE(ws.choice(c.right).visible);
    EXPECT_FALSE(ws.choice(c.hidden).visible);
    EXPECT_EQ(ws.control("lblLeft").caption(), c.leftCaption);
    EXPECT_EQ(ws.control("lblRight").caption(), c.rightCaption);
    EXPECT_EQ(ui.focused, c.focus);
    page().grdLSMouseMove();
    EXPECT_EQ(grid().hint, c.gridHint);
}

INSTANTIATE_TEST_SUITE_P(Modes, LoanSpreadSetup,
                         ::testing::Values(SetupCase{"payment",
                                                     0,
                                                     "edtPayment",
                                                     "Calculated Monthly Payment",
                                                     {{"edtLoan", "Enter Loan Amount"},
                                                      {"edtTerm", "Enter Term in Months"},
                                                      {"edtInterest", "Enter Interest Rate"}},
                                                     "rgLoan",
                                                     "rgInterest",
                                                     "rgPayments",
                                                     "Increment Loan Amounts By",
                                                     "Increment Interest Rates By",
                                                     "edtLoan",
                                                     " Grid is displaying Payment Amounts"},
                                           SetupCase{"loan_amount",
                                                     1,
                                                     "edtLoan",
                                                     "Calculated Loan Amount",
                                                     {{"edtPayment", "Enter Monthly Payment"},
                                                      {"edtTerm", "Enter Term in Months"},
                                                      {"edtInterest", "Enter Interest Rate"}},
                                                     "rgPayments",
                                                     "rgInterest",
                                                     "rgLoan",
                                                     "Increment Payments By",
                                                     "Increment Interest Rates By",
                                                     "edtInterest",
                                                     " Grid is displaying Loan Amounts"},
                                           SetupCase{"rate",
                                                     2,
                                                     "edtInterest",
                                                     "Calculated Interest Rate",
                                                     {{"edtPayment", "Enter Monthly Payment"},
                                                      {"edtLoan", "Enter Loan Amount"},
                                                      {"edtTerm", "Enter Term in Months"}},
                                                     "rgLoan",
                                                     "rgPayments",
                                                     "rgInterest",
                                                     "Increment Loan Amounts By",
                                                     "Increment Payments By",
                                                     "edtLoan",
                                                     " Grid is displaying Interest Rates"},
                                           SetupCase{"term",
                                                     3,
                                                     "edtTerm",
                                                     "Calculated Term in Months",
                                                     {{"edtPayment", "Enter Monthly Payment"},
                                                      {"edtLoan", "Enter Loan Amount"},
                                                      {"edtInterest", "Enter Interest Rate"}},
                                                     "rgLoan",
                                                     "rgPayments",
                                                     "rgInterest",
                                                     "Increment Loan Amounts By",
                                                     "Increment Payments By",
                                                     "edtLoan",
                                                     " Grid is displaying Term in Months"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(LoanSpreadTest, StartsLookingLikePaymentModeWithPaymentStillEditable) {
    set.ResetAllToZero(); // as at start-up: rgCalculate is already on its first item
    const auto& payment = ws.field("edtPayment");
    EXPECT_EQ(payment.look(), Look::Result);
    EXPECT_FALSE(payment.tabStop());
    EXPECT_FALSE(payment.readOnly());
    EXPECT_FALSE(ws.choice("rgPayments").visible);
    EXPECT_EQ(ws.control("lblLeft").caption(), "Loan Amount Increment:");
    EXPECT_EQ(ws.control("lblRight").caption(), "Interest Rate Increment:");

    // A typed payment lasts until the fill it triggers.
    typeSample();
    type("edtPayment", "500");
    EXPECT_EQ(shown("edtPayment"), "$786.70");
    handlers().choose("rgCalculate", 0);
    EXPECT_TRUE(payment.readOnly());
}

struct CleanCase {
    const char* name;
    int mode;
    const char* corner;
    const char* firstRow;
    const char* lastRow;
    const char* firstCol;
    const char* lastCol;
};

void PrintTo(const CleanCase& c, std::ostream* os) {
    *os << c.name;
}

class CleanGridLabels : public LoanSpreadTest, public ::testing::WithParamInterface<CleanCase> {};

TEST_P(CleanGridLabels, CornerAndProvisionalAxes) {
    const CleanCase& c = GetParam();
    page().selectCalculate(c.mode);
    grid().textColours[{2, 2}] = TextGrid::kRed;
    page().CleanGrid();
    EXPECT_EQ(grid().rowCount(), 12);
    EXPECT_EQ(grid().colWidths, (std::vector<int>{69, 73, 73, 73, 73, 73, 73, 73}));
    EXPECT_EQ(cell(0, 0), c.corner);
    EXPECT_EQ(cell(0, 1), c.firstRow);
    EXPECT_EQ(cell(0, 11), c.lastRow);
    EXPECT_EQ(cell(1, 0), c.firstCol);
    EXPECT_EQ(cell(7, 0), c.lastCol);
    for (int col = 1; col < 8; ++col)
        for (int row = 1; row < 12; ++row)
            EXPECT_EQ(cell(col, row), "");
    EXPECT_TRUE(grid().textColours.empty());
    expectCentreMarked();
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CleanGridLabels,
    ::testing::Values(CleanCase{"payment", 0, " Loan / Rate", " $95,000", " $105,000", "5.50%", "8.50%"},
                      // The last rate label has no leading blank.
                      CleanCase{"loan_amount", 1, " Pmt / Rate", " 4.50%", "9.50%", "$650.00", "$950.00"},
                      CleanCase{"rate", 2, " Loan / Pmt", " $95,000", " $105,000", "$650.00", "$950.00"},
                      CleanCase{"term", 3, " Loan / Pmt", " $95,000", " $105,000", "$650.00", "$950.00"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(LoanSpreadTest, OnlyThePaymentBuilderWritesTheCorner) {
    handlers().choose("rgCalculate", 2);
    page().selectCalculate(1); // no CleanGrid: the rate grid's corner stays
    ws.field("edtTerm").writeWhole(360);
    ws.field("edtInterest").writeFloat(8.75);
    ws.field("edtPayment").writeFloat(786.7);
    page().ChooseLoanSpreadCalculator();
    EXPECT_EQ(cell(0, 0), " Loan / Pmt");
    EXPECT_EQ(cell(0, 6), " $786.70");
}

TEST_F(LoanSpreadTest, StepChangeRecomputesAtOnce) {
    typeSample();
    ui.focused.clear();
    handlers().choose("rgLoan", 0);
    EXPECT_EQ(cell(0, 1), " $99,500");
    EXPECT_EQ(cell(0, 11), " $100,500");
    EXPECT_EQ(cell(4, 6), " $786.70");
    EXPECT_EQ(page().LoanIncrementText(), "$100");
    EXPECT_EQ(ui.focused, "edtLoan");

    handlers().choose("rgInterest", 0);
    EXPECT_EQ(cell(1, 0), "  8.375%");
    EXPECT_EQ(page().RateIncrementText(), "1/8%");
    handlers().choose("rgInterest", 7);
    EXPECT_EQ(page().RateIncrementText(), "1%");
    EXPECT_EQ(cell(1, 0), "  5.75%");
}

TEST_F(LoanSpreadTest, ClickMarksTheCellRedAndKeepsTheCentreSelected) {
    typeSample();
    handlers().clickCell("grdLS", 2, 3);
    EXPECT_EQ(grid().textColour(2, 3), TextGrid::kRed);
    expectCentreMarked();
    // The axis labels cannot be selected.
    handlers().clickCell("grdLS", 0, 3);
    handlers().clickCell("grdLS", 3, 0);
    EXPECT_EQ(grid().textColours.size(), 1u);
    expectCentreMarked();
    // A refill keeps the mark; a new mode clears it.
    type("edtLoan", "90000");
    EXPECT_EQ(grid().textColour(2, 3), TextGrid::kRed);
    handlers().choose("rgCalculate", 1);
    EXPECT_TRUE(grid().textColours.empty());
}

TEST_F(LoanSpreadTest, EnteringThePageFillsThenFocuses) {
    ws.field("edtLoan").writeFloat(100000);
    ws.field("edtInterest").writeFloat(8.75);
    ws.field("edtTerm").writeWhole(360);
    EXPECT_TRUE(handlers().enter(kPage));
    EXPECT_EQ(cell(4, 6), " $786.70");
    EXPECT_EQ(ui.focused, "edtLoan");

    handlers().choose("rgCalculate", 1);
    ui.focused.clear();
    EXPECT_TRUE(handlers().enter(kPage));
    EXPECT_EQ(ui.focused, "edtPayment");
}

struct ResetCase {
    const char* name;
    int valueSet;
    const char* loan;
    const char* payment;
    const char* centre;
    const char* corner;
};

void PrintTo(const ResetCase& c, std::ostream* os) {
    *os << c.name;
}

class LoanSpreadReset : public LoanSpreadTest, public ::testing::WithParamInterface<ResetCase> {};

// From the rate mode, the reset goes back to the payment mode: fields, looks and grid agree.
TEST_P(LoanSpreadReset, BackToPaymentMode) {
    const ResetCase& c = GetParam();
    handlers().choose("rgCalculate", 2);
    type("edtLoan", "100000");
    type("edtTerm", "360");
    type("edtPayment", "786.70");
    ui.focused.clear();

    set.ResetThisCalculator(c.valueSet);
    EXPECT_EQ(ws.choice("rgCalculate").index, 0);
    EXPECT_EQ(page().LSCMode(), 0);
    EXPECT_EQ(shown("edtLoan"), c.loan);
    EXPECT_EQ(shown("edtPayment"), c.payment);
    EXPECT_EQ(cell(4, 6), c.centre);
    EXPECT_EQ(cell(0, 0), c.corner);
    EXPECT_TRUE(ws.field("edtPayment").readOnly());
    EXPECT_FALSE(ws.field("edtInterest").readOnly());
    EXPECT_EQ(ws.field("edtInterest").look(), Look::Normal);
    EXPECT_TRUE(ws.choice("rgInterest").visible);
    EXPECT_FALSE(ws.choice("rgPayments").visible);
    EXPECT_EQ(ui.focused, "edtLoan");
}

INSTANTIATE_TEST_SUITE_P(Sets, LoanSpreadReset,
                         ::testing::Values(ResetCase{"zero", 0, "$0.00", "$0.00", " $0.00", " Loan / Rate"},
                                           ResetCase{"sample", 1, "$100,000.00", "$786.70", " $786.70",
                                                     " Loan / Rate"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(LoanSpreadTest, AllZeroResetRefillsOnlyWhenShown) {
    typeSample();
    set.ResetAllToZero();
    EXPECT_EQ(cell(4, 6), " $0.00");
    EXPECT_EQ(shown("edtLoan"), "$0.00");

    typeSample();
    handlers().choose("rgCalculate", 2);
    ws.showPage("pgMenu");
    ui.focused.clear();
    set.ResetAllToZero();
    EXPECT_EQ(shown("edtLoan"), "$0.00");
    EXPECT_EQ(ws.choice("rgCalculate").index, 0);
    EXPECT_TRUE(ws.field("edtPayment").readOnly());
    EXPECT_EQ(cell(0, 0), " Loan / Pmt"); // the grid waits for the next fill
    EXPECT_TRUE(ui.focused.empty());
}

TEST_F(LoanSpreadTest, CalculationErrorLeavesEarlierTextsAndTheRepairRebuilds) {
    typeSample();
    type("edtInterest", "-999"); // 0 months still: every payment is 0
    // A periodic rate near -100 % over 1000 months: (1 + r)^-n is beyond the double range.
    EXPECT_THROW(type("edtTerm", "1000"), loanmath::CalcError);
    EXPECT_EQ(cell(1, 0), "  -1000.5%"); // axis labels come before the cells
    EXPECT_EQ(cell(1, 1), " $0.00");     // the cells of the last good fill
    EXPECT_EQ(shown("edtPayment"), "$0.00");

    ui.focused.clear();
    EXPECT_FALSE(errors.dispatch([&] { type("edtTerm", "1000"); }));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(shown("edtLoan"), "$100,000.00");
    EXPECT_EQ(shown("edtInterest"), "8.7500%");
    EXPECT_EQ(shown("edtTerm"), "360");
    EXPECT_EQ(ui.focused, "edtLoan");
    EXPECT_EQ(cell(4, 6), " $786.70");
    EXPECT_EQ(cell(0, 0), " Loan / Rate");
}

// On another page the grid is rebuilt from the loan spread fields as they are; a rebuild that
// fails in turn is dropped and shows no second message.
TEST_F(LoanSpreadTest, RepairFromAnotherPageRebuildsTheGridAsItIs) {
    typeSample();
    handlers().choose("rgCalculate", 2);
    ws.showPage("pgMortgageQualifier");
    ws.field("edtPayment").writeFloat(786.7);
    ui.focused.clear();
    EXPECT_FALSE(errors.dispatch([] { loanmath::Div(1, 0, "test"); }));
    EXPECT_EQ(cell(0, 0), " Loan / Pmt");
    EXPECT_EQ(cell(4, 6), " 8.750%");
    EXPECT_TRUE(ui.focused.empty());

    handlers().choose("rgCalculate", 0);
    ws.field("edtInterest").writeFloat(-999);
    ws.field("edtTerm").writeWhole(1000);
    EXPECT_FALSE(errors.dispatch([] { loanmath::Div(1, 0, "test"); }));
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(shown("edtInterest"), "-999.0000%"); // only the loan spread page gets its values back
    EXPECT_EQ(cell(1, 1), "");                     // cleaned, then the fill stopped at its first cell
}

TEST_F(LoanSpreadTest, GermanStyleGridTexts) {
    workspace::Workspace german{workspace::RegionalSettings::germanStyle()};
    CalculatorSet calculators{{german, ui, held}};
    testing::typeAndLeave(german, calculators.handlers(), "edtLoan", "100000");
    testing::typeAndLeave(german, calculators.handlers(), "edtInterest", "8,75");
    testing::typeAndLeave(german, calculators.handlers(), "edtTerm", "360");
    const auto& g = german.grid("grdLS");
    EXPECT_EQ(g.cell(4, 6), " 786,70 \u20AC");
    EXPECT_EQ(g.cell(0, 6), " 100.000 \u20AC");
    EXPECT_EQ(g.cell(4, 0), "  8,75%");
}

} // namespace
} // namespace kelvarin::calculators
