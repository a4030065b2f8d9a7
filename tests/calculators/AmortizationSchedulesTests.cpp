#include "calculators/AmortizationSchedules.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"
#include "workspace/CurrencyText.h"
#include "workspace/HeldValues.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;
using workspace::RegionalSettings;
using workspace::TextGrid;

const std::string nbsp = "\u00A0";

// The page as a user drives it: inputs typed, buttons clicked through the handler table.
class AmortizationTest : public ::testing::Test {
public:
    explicit AmortizationTest(RegionalSettings regional = RegionalSettings::unitedStates()) : ws(regional) {
        page.registerHandlers(handlers);
        ws.setStartDate(2024, 6);
    }

    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws, handlers, field, text);
    }
    std::string shown(std::string_view field) { return trimmed(ws.field(field)); }
    void chooseMonth(std::string_view text) {
        workspace::Choice& month = ws.choice("cbMonth");
        month.text = text;
        const auto it = std::find(month.items.begin(), month.items.end(), month.text);
        month.index = it == month.items.end() ? -1 : static_cast<int>(it - month.items.begin());
        handlers.choose("cbMonth", month.index);
    }
    void choose(std::string_view group, int index) {
        ws.choice(group).index = index;
        handlers.choose(group, index);
    }
    // Loan inputs, then "Create or Refresh Schedule".
    void schedule(const char* amount, const char* rate, const char* payments, const char* month,
                  const char* year) {
        type("edtMortAmt", amount);
        type("edtIRate", rate);
        type("edtNumPmts", payments);
        chooseMonth(month);
        type("edtYear", year);
        handlers.click("btnCalculate");
    }
    // "Add Prepayments", a mode, the panel's fields, "Apply Extra".
    void prepay(int mode, const char* amount, const char* from, const char* to = "0") {
        handlers.click("btnAddExtra");
        choose("rgAddTo", mode);
        type("edtExtraAmount", amount);
        if (ws.field("edtFromPmt").enabled())
            type("edtFromPmt", from);
        if (ws.field("edtToPmt").enabled())
            type("edtToPmt", to);
        handlers.click("btnRecalcExtra");
    }
    // The row's cells joined by single blanks: the line form in which documents store a row.
    std::string row(std::string_view grid, int r) {
        std::string line;
        for (const std::string& cell : ws.grid(grid).cells.at(static_cast<std::size_t>(r)))
            line += (line.empty() ? "" : " ") + cell;
        return line;
    }
    const TextGrid& monthly() { return ws.grid("grdAmortization"); }
    const TextGrid& annual() { return ws.grid("grdAnnualAmortization"); }

    workspace::Workspace ws;
    testing::RecordingUi ui;
    workspace::HeldValues held;
    HandlerTable handlers;
    AmortizationSchedules page{{ws, ui, held}};
};

TEST_F(AmortizationTest, TwelvePrepaymentsPayTheLoanOffInOctober2005) {
    schedule("100000", "8.75", "360", "Jan", "2000");
    EXPECT_EQ(shown("edtAmortPayment"), "$786.70");
    EXPECT_EQ(monthly().rowCount(), 361);
    EXPECT_EQ(row("grdAmortization", 360), "360 Dec 2029 $781.00 $5.70 $99,999.03 $183,212.97 $0.00 $0.97");

    prepay(1, "5000", "1", "12");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(row("grdAmortization", 0),
              "PMT Month Principal Interest Total Principal Total Interest Prepayment Balance");
    EXPECT_EQ(row("grdAmortization", 1),
              "1 Jan 2000 $5,057.53 $729.17 $5,057.53 $729.17 $5,000.00 $94,942.47");
    EXPECT_EQ(row("grdAmortization", 2),
              "2 Feb 2000 $5,094.41 $692.29 $10,151.94 $1,421.46 $5,000.00 $89,848.06");
    EXPECT_EQ(row("grdAmortization", 13),
              "13 Jan 2001 $518.25 $268.45 $63,702.73 $6,524.37 $0.00 $36,297.27");
    ASSERT_EQ(monthly().rowCount(), 71);
    EXPECT_EQ(row("grdAmortization", 70), "70 Oct 2005 $351.73 $2.56 $100,000.00 $14,636.59 $0.00 $0.00");

    ASSERT_EQ(annual().rowCount(), 7);
    EXPECT_EQ(row("grdAnnualAmortization", 0),
              "Year Period Total Annual Principal Total Annual Interest Total Annual Payment");
    EXPECT_EQ(row("grdAnnualAmortization", 1), "1 Jan - Dec 2000 $63,184.48 $6,255.92 $69,440.40");
    for (int r = 2; r <= 5; ++r)
        EXPECT_EQ(annual().cell(1, r), "Jan - Dec " + std::to_string(1999 + r)) << r;
    EXPECT_EQ(annual().cell(0, 6), "6");
    EXPECT_EQ(annual().cell(1, 6), "Jan - Oct 2005");
    // The six years add up to the schedule's totals.
    double principal = 0, interest = 0;
    for (int r = 1; r <= 6; ++r) {
        principal += *workspace::parseCurrencyText(ws.regional(), annual().cell(2, r));
        interest += *workspace::parseCurrencyText(ws.regional(), annual().cell(3, r));
    }
    EXPECT_NEAR(principal, 100000.00, 0.001);
    EXPECT_NEAR(interest, 14636.59, 0.001);
}

TEST_F(AmortizationTest, PrepaymentListHoldsEveryPaymentNumberWithItsPrepayment) {
    schedule("100000", "8.75", "360", "Jan", "2000");
    prepay(1, "5000", "1", "12");
    handlers.click("btnCancel");
    page.CreatePrepaymentList();
    const std::string& list = page.prepaymentList();
    EXPECT_TRUE(list.starts_with("1 $5,000.00\r\n2 $5,000.00\r\n"));
    EXPECT_NE(list.find("\r\n13 $0.00\r\n"), std::string::npos);
    EXPECT_NE(list.find("\r\n70 $0.00\r\n"), std::string::npos);
    // Payments the grid does not show (after the payoff) have no number.
    EXPECT_NE(list.find("\r\n $0.00\r\n"), std::string::npos);
    EXPECT_TRUE(list.ends_with(" $0.00\r\n"));
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 360);
}

// "Create or Refresh Schedule" with unchanged inputs gives the same schedule: the prepayments come back
// from the grid's Prepayment column, under any regional settings.
struct RefreshCase {
    const char* name;
    RegionalSettings regional;
    std::function<void(AmortizationTest&)> prepayments;
};

class RefreshTest : public AmortizationTest, public ::testing::WithParamInterface<RefreshCase> {
protected:
    RefreshTest() : AmortizationTest(GetParam().regional) {}
};

TEST_P(RefreshTest, KeepsTheSchedule) {
    schedule("100000", "8.75", "360", "Mar", "2000");
    GetParam().prepayments(*this);
    handlers.click("btnCancel");
    const std::vector<std::vector<std::string>> monthlyBefore = monthly().cells;
    const std::vector<std::vector<std::string>> annualBefore = annual().cells;
    ASSERT_GT(monthlyBefore.size(), 2u);
    for (int refresh = 0; refresh < 2; ++refresh) {
        handlers.click("btnCalculate");
        ASSERT_EQ(monthly().cells, monthlyBefore) << "refresh " << refresh;
        ASSERT_EQ(annual().cells, annualBefore) << "refresh " << refresh;
    }
    EXPECT_TRUE(ui.messages.empty());
    for (std::size_t r = 1; r < monthly().cells.size(); ++r)
        for (std::size_t col = 2; col < 8; ++col)
            EXPECT_EQ(monthly().cells[r][col].find(' '), std::string::npos) << monthly().cells[r][col];
}

RegionalSettings parentheses(RegionalSettings r) {
    r.negativeCurrencyPattern = r.currencyAfterNumber ? 15 : 0;
    return r;
}

const auto kRangeOf5000 = [](AmortizationTest& t) { t.prepay(1, "5000", "1", "12"); };
const auto kMixed = [](AmortizationTest& t) {
    t.prepay(2, "100", "0");
    t.prepay(0, "12345.67", "30");
    t.prepay(0, "-50.25", "31"); // a negative prepayment: that payment repays less
    t.prepay(1, "0.01", "40", "45");
};

INSTANTIATE_TEST_SUITE_P(
    Amortization, RefreshTest,
    ::testing::Values(RefreshCase{"UnitedStatesRange", RegionalSettings::unitedStates(), kRangeOf5000},
                      RefreshCase{"UnitedStatesMixed", RegionalSettings::unitedStates(), kMixed},
                      RefreshCase{"GermanRange", RegionalSettings::germanStyle(), kRangeOf5000},
                      RefreshCase{"GermanMixed", RegionalSettings::germanStyle(), kMixed},
                      RefreshCase{"ParenthesesMixed", parentheses(RegionalSettings::unitedStates()), kMixed},
                      RefreshCase{"GermanParenthesesMixed", parentheses(RegionalSettings::germanStyle()),
                                  kMixed}),
    [](const auto& row) { return std::string(row.param.name); });

class GermanAmortizationTest : public AmortizationTest {
protected:
    GermanAmortizationTest() : AmortizationTest(RegionalSettings::germanStyle()) {}
};

TEST_F(GermanAmortizationTest, CellsUseTheRegionalFormatWithNoBreakSpaces) {
    schedule("100000", "8,75", "360", "Jan", "2000");
    prepay(1, "5000", "1", "12");
    const std::string euro = nbsp + "\u20AC";
    EXPECT_EQ(row("grdAmortization", 1), "1 Jan 2000 5.057,53" + euro + " 729,17" + euro + " 5.057,53" +
                                             euro + " 729,17" + euro + " 5.000,00" + euro + " 94.942,47" +
                                             euro);
    EXPECT_EQ(row("grdAnnualAmortization", 1),
              "1 Jan - Dec 2000 63.184,48" + euro + " 6.255,92" + euro + " 69.440,40" + euro);
    EXPECT_EQ(monthly().rowCount(), 71);
}

TEST_F(AmortizationTest, NegativeAmountsInParenthesesAreSummedYearByYear) {
    RegionalSettings r = RegionalSettings::unitedStates();
    r.negativeCurrencyPattern = 0;
    workspace::Workspace parenthesesWs(r);
    AmortizationSchedules other{{parenthesesWs, ui, held}};
    HandlerTable table;
    other.registerHandlers(table);
    // A payment below the interest: the principal is negative and the balance grows.
    testing::typeAndLeave(parenthesesWs, table, "edtMortAmt", "100000");
    testing::typeAndLeave(parenthesesWs, table, "edtIRate", "12");
    testing::typeAndLeave(parenthesesWs, table, "edtNumPmts", "24");
    testing::typeAndLeave(parenthesesWs, table, "edtYear", "2000");
    table.click("btnCalculate");
    table.click("btnAddExtra");
    parenthesesWs.choice("rgAddTo").index = 2;
    table.choose("rgAddTo", 2);
    testing::typeAndLeave(parenthesesWs, table, "edtExtraAmount", "-5000");
    table.click("btnRecalcExtra");
    const TextGrid& grid = parenthesesWs.grid("grdAmortization");
    EXPECT_EQ(grid.cell(2, 1), "($1,292.65)");
    EXPECT_EQ(grid.cell(6, 1), "($5,000.00)");
    EXPECT_EQ(grid.cell(7, 1), "$101,292.65");
    const TextGrid& years = parenthesesWs.grid("grdAnnualAmortization");
    ASSERT_EQ(years.rowCount(), 3);
    EXPECT_EQ(years.cell(2, 1).front(), '(');
}

TEST_F(AmortizationTest, EmptyScheduleShowsTheMarker) {
    schedule("0", "8.75", "360", "Jan", "2000");
    ASSERT_EQ(monthly().rowCount(), 2);
    for (const std::string& cell : monthly().cells[1])
        EXPECT_EQ(cell, " ");
    EXPECT_EQ(shown("edtAmortPayment"), "$0.00");
    EXPECT_EQ(row("grdAnnualAmortization", 0),
              "Year Period Total Annual Principal Total Annual Interest Total Annual Payment");
    for (int r = 1; r < annual().rowCount(); ++r)
        for (const std::string& cell : annual().cells[static_cast<std::size_t>(r)])
            EXPECT_EQ(cell, "");
}

TEST_F(AmortizationTest, AddPrepaymentsBeforeAnyScheduleDoesNothing) {
    handlers.click("btnAddExtra");
    EXPECT_FALSE(ws.control("pnlAddExtra").visible());
    EXPECT_TRUE(ws.field("edtMortAmt").enabled());
    EXPECT_TRUE(ws.choice("cbMonth").enabled);
}

TEST_F(AmortizationTest, PanelLocksTheLoanInputsUntilReturn) {
    schedule("100000", "8.75", "360", "Jan", "2000");
    handlers.click("btnAddExtra");
    EXPECT_TRUE(ws.control("pnlAddExtra").visible());
    for (const char* name : {"edtMortAmt", "edtIRate", "edtNumPmts", "edtAmortPayment", "edtYear"})
        EXPECT_FALSE(ws.field(name).enabled()) << name;
    EXPECT_FALSE(ws.choice("cbMonth").enabled);
    handlers.click("btnCancel");
    EXPECT_FALSE(ws.control("pnlAddExtra").visible());
    for (const char* name : {"edtMortAmt", "edtIRate", "edtNumPmts", "edtAmortPayment", "edtYear"})
        EXPECT_TRUE(ws.field(name).enabled()) << name;
    EXPECT_TRUE(ws.choice("cbMonth").enabled);
}

TEST_F(AmortizationTest, PrepaymentModeSetsCaptionsAndInputs) {
    struct Mode {
        int mode;
        const char* caption;
        bool from;
        bool to;
    };
    // "All Payments" keeps the caption the mode before it set.
    for (const Mode& m : {Mode{0, "Payment #", true, false}, Mode{2, "Payment #", false, false},
                          Mode{1, "From Payment #", true, true}, Mode{2, "From Payment #", false, false}}) {
        choose("rgAddTo", m.mode);
        EXPECT_EQ(ws.control("lblFromPmt").caption(), m.caption) << m.mode;
        EXPECT_EQ(ws.control("lblFromPmt").enabled(), m.from) << m.mode;
        EXPECT_EQ(ws.field("edtFromPmt").enabled(), m.from) << m.mode;
        EXPECT_EQ(ws.control("lblToPmt").enabled(), m.to) << m.mode;
        EXPECT_EQ(ws.field("edtToPmt").enabled(), m.to) << m.mode;
    }
}

TEST_F(AmortizationTest, PrepaymentOutsideTheScheduleShowsTheEngineMessage) {
    schedule("100000", "8.75", "360", "Jan", "2000");
    prepay(0, "1000", "5");
    const auto before = monthly().cells;
    for (auto [mode, from, to] :
         {std::tuple{0, "361", "0"}, std::tuple{0, "0", "0"}, std::tuple{1, "350", "365"}}) {
        ui.messages.clear();
        prepay(mode, "250", from, to);
        ASSERT_EQ(ui.messages.size(), 1u) << from;
        EXPECT_EQ(ui.messages[0].text,
                  "Cannot calculate results of extra payments without new figures.\n\r\n\r"
                  "Please use the edit boxes and radio buttons to\n\r"
                  "indicate the amount of your extra payments.");
        EXPECT_EQ(ui.messages[0].icon, workspace::MessageIcon::Information);
        EXPECT_EQ(ui.messages[0].buttons, workspace::MessageButtons::Ok);
        EXPECT_EQ(monthly().cells, before) << from;
    }
}

TEST_F(AmortizationTest, AllPaymentsOnAScheduleWithoutPaymentsIsARangeError) {
    schedule("100000", "8.75", "0", "Jan", "2000");
    handlers.click("btnAddExtra"); // the marker is not an empty cell
    ASSERT_TRUE(ws.control("pnlAddExtra").visible());
    choose("rgAddTo", 2);
    type("edtExtraAmount", "100");
    EXPECT_THROW(handlers.click("btnRecalcExtra"), std::out_of_range);
}

TEST_F(AmortizationTest, RemoveExtraClearsThePanelAndEveryPrepayment) {
    schedule("100000", "8.75", "360", "Jan", "2000");
    prepay(1, "5000", "1", "12");
    handlers.click("btnRemove");
    EXPECT_TRUE(ws.control("pnlAddExtra").visible());
    EXPECT_EQ(shown("edtExtraAmount"), "$0.00");
    EXPECT_EQ(shown("edtFromPmt"), "0");
    EXPECT_EQ(shown("edtToPmt"), "0");
    EXPECT_EQ(monthly().rowCount(), 361);
    EXPECT_EQ(row("grdAmortization", 1), "1 Jan 2000 $57.53 $729.17 $57.53 $729.17 $0.00 $99,942.47");
}

TEST_F(AmortizationTest, AnnualMonthlySwitchesGridCaptionAndHint) {
    EXPECT_TRUE(monthly().visible);
    EXPECT_FALSE(annual().visible);
    handlers.click("btnAnnualMonthly");
    EXPECT_EQ(ws.control("btnAnnualMonthly").caption(), "View Monthly Chart");
    EXPECT_EQ(ws.control("btnAnnualMonthly").hint(), "Click for Monthly Amortization Report ...");
    EXPECT_FALSE(monthly().visible);
    EXPECT_TRUE(annual().visible);
    handlers.click("btnAnnualMonthly");
    EXPECT_EQ(ws.control("btnAnnualMonthly").caption(), "View Annual Chart");
    EXPECT_EQ(ws.control("btnAnnualMonthly").hint(), "Click for Annual Amortization Report ...");
    EXPECT_TRUE(monthly().visible);
    EXPECT_FALSE(annual().visible);
}

TEST_F(AmortizationTest, MonthBoxKeepsOnlyMonthNames) {
    for (auto [typed, kept] : {std::pair{"jan", "Jan"}, std::pair{"Mar", "Mar"}, std::pair{"MAR", "Jan"},
                               std::pair{"", "Jan"}, std::pair{"Dec ", "Jan"}}) {
        chooseMonth(typed);
        EXPECT_EQ(ws.choice("cbMonth").text, kept) << typed;
        EXPECT_EQ(ws.choice("cbMonth").items[static_cast<std::size_t>(ws.choice("cbMonth").index)], kept);
    }
}

// Dates of the rows and the annual periods by the first payment.
struct StartCase {
    const char* name;
    const char* month;
    const char* year;
    const char* payments;
    std::vector<std::string> monthCells; // rows 1, 2, ... as far as given
    std::vector<std::string> periods;    // every annual row
};

class StartTest : public AmortizationTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartTest, DatesAndPeriods) {
    const StartCase& c = GetParam();
    schedule("10000", "8.75", c.payments, c.month, c.year);
    for (std::size_t r = 0; r < c.monthCells.size(); ++r)
        EXPECT_EQ(monthly().cell(1, static_cast<int>(r) + 1), c.monthCells[r]);
    ASSERT_EQ(annual().rowCount(), static_cast<int>(c.periods.size()) + 1);
    for (std::size_t r = 0; r < c.periods.size(); ++r) {
        EXPECT_EQ(annual().cell(0, static_cast<int>(r) + 1), std::to_string(r + 1));
        EXPECT_EQ(annual().cell(1, static_cast<int>(r) + 1), c.periods[r]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, StartTest,
    ::testing::Values(
        StartCase{"December",
                  "Dec",
                  "2000",
                  "3",
                  {"Dec 2000", "Jan 2001", "Feb 2001"},
                  {"Dec 2000", "Jan - Feb 2001"}},
        StartCase{
            "MarchThirteenPayments", "Mar", "2000", "13", {"Mar 2000"}, {"Mar - Dec 2000", "Jan - Mar 2001"}},
        // The first period always ends with December, even when the schedule ends earlier.
        StartCase{"MarchFourPayments", "Mar", "2000", "4", {"Mar 2000", "Apr 2000"}, {"Mar - Dec 2000"}},
        StartCase{"EndsInJanuary", "Jan", "2000", "25", {}, {"Jan - Dec 2000", "Jan - Dec 2001", "Jan 2002"}},
        // The last period takes its year from the month cells, which stay at year 0.
        StartCase{"YearZero", "Jan", "0", "14", {"Jan 0", "Feb 0", "Mar 0"}, {"Jan - Dec 0", "Jan - Feb 0"}},
        StartCase{
            "TypedMonthBecomesJanuary", "Mrz", "2000", "2", {"Jan 2000", "Feb 2000"}, {"Jan - Dec 2000"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(AmortizationTest, YearZeroNeverChangesInTheMonthlyGrid) {
    schedule("10000", "8.75", "14", "Nov", "0");
    EXPECT_EQ(monthly().cell(1, 1), "Nov 0");
    EXPECT_EQ(monthly().cell(1, 3), "Jan 0");
    EXPECT_EQ(monthly().cell(1, 14), "Dec 0");
}

// A payment number past 9999 keeps all its digits in the prepayment list, so its prepayment stays on
// its own row.
TEST_F(AmortizationTest, PrepaymentPastPayment9999StaysOnItsRow) {
    schedule("1000000", "1", "12000", "Jan", "2000");
    ASSERT_EQ(monthly().rowCount(), 12001);
    prepay(0, "500", "10001");
    handlers.click("btnCancel");
    handlers.click("btnCalculate");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(monthly().cell(6, 10001), "$500.00");
    EXPECT_EQ(monthly().cell(6, 1000), "$0.00");
    EXPECT_NE(page.prepaymentList().find("\r\n10001 $500.00\r\n"), std::string::npos);
}

TEST_F(AmortizationTest, UnreadablePrepaymentStillRefillsTheAnnualGrid) {
    schedule("100000", "8.75", "24", "Jan", "2000");
    ws.grid("grdAmortization").cell(6, 3) = "abc"; // as a document may bring it
    ws.grid("grdAnnualAmortization").clearTexts();
    try {
        handlers.click("btnCalculate");
        FAIL() << "no conversion error";
    } catch (const workspace::ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "bc is not a valid currency value!");
    }
    EXPECT_EQ(annual().cell(1, 1), "Jan - Dec 2000");
    EXPECT_TRUE(ui.printing);
}

TEST_F(AmortizationTest, EnteringThePageBuildsTheSchedule) {
    type("edtMortAmt", "100000");
    type("edtIRate", "8.75");
    type("edtNumPmts", "360");
    ws.control("btnAddExtra").setEnabled(false);
    ASSERT_TRUE(handlers.enter("pgAmortizationSchedules"));
    EXPECT_TRUE(ws.control("btnAddExtra").enabled());
    EXPECT_EQ(ui.focused, "edtMortAmt");
    EXPECT_TRUE(ui.printing);
    EXPECT_EQ(monthly().rowCount(), 361);
}

TEST_F(AmortizationTest, NavigationClosesThePanel) {
    schedule("100000", "8.75", "360", "Jan", "2000");
    handlers.click("btnAddExtra");
    handlers.beforeNavigation();
    EXPECT_FALSE(ws.control("pnlAddExtra").visible());
    EXPECT_TRUE(ws.field("edtMortAmt").enabled());
}

struct ResetCase {
    const char* name;
    int valueSet;
    bool pageShown;
    const char* amount;
    const char* rate;
    const char* payments;
    const char* payment;
    int rows; // monthly grid rows afterwards
};

class ResetTest : public AmortizationTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ResetTest, WritesTheSetAndEmptiesOrRebuildsTheGrids) {
    const ResetCase& c = GetParam();
    schedule("50000", "6", "24", "Mar", "1999");
    handlers.click("btnAddExtra");
    type("edtExtraAmount", "10");
    if (c.pageShown)
        ws.showPage("pgAmortizationSchedules");
    ws.state().ValueSet = c.valueSet;
    page.ResetAmortizationSchedules();

    EXPECT_FALSE(ws.control("pnlAddExtra").visible());
    EXPECT_TRUE(ws.field("edtMortAmt").enabled());
    EXPECT_EQ(shown("edtExtraAmount"), "$0.00");
    EXPECT_EQ(shown("edtMortAmt"), c.amount);
    EXPECT_EQ(shown("edtIRate"), c.rate);
    EXPECT_EQ(shown("edtNumPmts"), c.payments);
    EXPECT_EQ(shown("edtAmortPayment"), c.payment);
    EXPECT_EQ(ws.choice("cbMonth").text, "Jun");
    EXPECT_EQ(shown("edtYear"), "2024");
    EXPECT_EQ(monthly().rowCount(), c.rows);
    EXPECT_EQ(row("grdAmortization", 0),
              "PMT Month Principal Interest Total Principal Total Interest Prepayment Balance");
    EXPECT_EQ(monthly().cell(0, 1), c.pageShown ? "1" : "");
    EXPECT_EQ(ui.focused, c.pageShown ? "edtMortAmt" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, ResetTest,
    ::testing::Values(ResetCase{"ZeroHidden", 0, false, "$0.00", "0.0000%", "0", "$0.00", 25},
                      ResetCase{"SampleHidden", 1, false, "$100,000.00", "8.7500%", "360", "$786.70", 25},
                      ResetCase{"SampleShown", 1, true, "$100,000.00", "8.7500%", "360", "$786.70", 361}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(AmortizationTest, ResetKeepsHeldValues) {
    ws.state().ValueSet = 1;
    page.ResetAmortizationSchedules();
    EXPECT_EQ(page.AmortLoanAmount, 100000);
    EXPECT_EQ(page.AmortRate, 0.0875);
    EXPECT_EQ(page.AmortNumPayments, 360);
    EXPECT_EQ(held.AmortPayment, 786.7);
    // The list has a line per payment, none with a number: the grid was emptied.
    EXPECT_EQ(std::count(page.prepaymentList().begin(), page.prepaymentList().end(), '\n'), 360);
    EXPECT_TRUE(page.prepaymentList().starts_with(" $0.00\r\n"));
}

TEST_F(AmortizationTest, ErrorRepairResetsWithTheChosenSet) {
    schedule("50000", "6", "24", "Mar", "1999");
    ws.showPage("pgAmortizationSchedules");
    ws.state().ValueSet = 1;
    page.repairAfterCalculationError();
    EXPECT_EQ(shown("edtMortAmt"), "$100,000.00");
    EXPECT_EQ(monthly().rowCount(), 361);
}

} // namespace
} // namespace kelvarin::calculators

namespace kelvarin::calculators {
namespace {

// Every action that changes a grid or the month box tells their views (the window's grid models).
TEST_F(AmortizationTest, ViewsAreToldOfEveryChange) {
    int monthlyTold = 0, annualTold = 0, monthTold = 0, modeTold = 0;
    ws.grid("grdAmortization").addObserver([&](const TextGrid&) { ++monthlyTold; });
    ws.grid("grdAnnualAmortization").addObserver([&](const TextGrid&) { ++annualTold; });
    ws.choice("cbMonth").addObserver([&](const workspace::Choice&) { ++monthTold; });
    ws.choice("rgAddTo").addObserver([&](const workspace::Choice&) { ++modeTold; });
    schedule("100000", "8.75", "24", "jan", "2000");
    struct Step {
        const char* name;
        std::function<void()> action;
        bool monthly, annual, month, mode;
    };
    const Step steps[] = {
        {"refresh", [&] { handlers.click("btnCalculate"); }, true, true, false, false},
        {"panel", [&] { handlers.click("btnAddExtra"); }, false, false, true, false},
        {"mode", [&] { choose("rgAddTo", 0); }, false, false, false, true},
        {"apply", [&] { handlers.click("btnRecalcExtra"); }, true, true, false, false},
        {"remove", [&] { handlers.click("btnRemove"); }, true, true, false, false},
        {"return", [&] { handlers.click("btnCancel"); }, false, false, true, false},
        {"switch", [&] { handlers.click("btnAnnualMonthly"); }, true, true, false, false},
        {"month", [&] { chooseMonth("x"); }, false, false, true, false},
        {"reset", [&] { page.ResetAmortizationSchedules(); }, true, true, true, false},
    };
    EXPECT_GT(monthlyTold, 0);
    EXPECT_GT(annualTold, 0);
    EXPECT_GT(monthTold, 0);
    for (const Step& step : steps) {
        const int before[] = {monthlyTold, annualTold, monthTold, modeTold};
        step.action();
        EXPECT_EQ(monthlyTold > before[0], step.monthly) << step.name;
        EXPECT_EQ(annualTold > before[1], step.annual) << step.name;
        EXPECT_EQ(monthTold > before[2], step.month) << step.name;
        EXPECT_EQ(modeTold > before[3], step.mode) << step.name;
    }
}

} // namespace
} // namespace kelvarin::calculators

namespace kelvarin::calculators {
namespace {

// "Export Schedule as CSV ..." is available while the page is shown with a schedule.
TEST_F(AmortizationTest, ExportNeedsTheShownPageWithASchedule) {
    const auto available = [this] { return ws.control(AmortizationSchedules::kExportCommand).enabled(); };
    EXPECT_FALSE(available());
    schedule("100000", "8.75", "12", "Jan", "2000");
    EXPECT_FALSE(available()) << "the page is not shown";
    ws.showPage("pgAmortizationSchedules");
    handlers.enter("pgAmortizationSchedules");
    EXPECT_TRUE(available());
    EXPECT_EQ(&page.gridOnScreen(), &monthly());
    handlers.click("btnAnnualMonthly");
    EXPECT_EQ(&page.gridOnScreen(), &annual());
    type("edtMortAmt", "0");
    handlers.click("btnCalculate");
    EXPECT_FALSE(available()) << "the empty-schedule marker";
    type("edtMortAmt", "1000");
    handlers.click("btnCalculate");
    EXPECT_TRUE(available());
    handlers.beforeNavigation();
    EXPECT_FALSE(available());
    handlers.enter("pgAmortizationSchedules");
    page.ResetAmortizationSchedules(); // zero values: the rebuilt schedule is empty
    EXPECT_FALSE(available());
}

} // namespace
} // namespace kelvarin::calculators
