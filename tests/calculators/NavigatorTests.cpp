#include "calculators/Session.h"
#include "support/RecordingUi.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace kelvarin::calculators {
namespace {

struct Entering {
    const char* title;
    int start;
    bool printing;
    const char* focus; // "" unchanged
};

// The entering table, written out here independently of the program's page table.
const std::map<std::string, Entering> kEntering = {
    {"pgMenu", {"Main Menu", 111, false, ""}},
    {"pgQuickCalculators", {"Quick Calculators", 173, false, "nbkMain"}},
    {"pgMortgageQualifier", {"Mortgage Qualifier", 179, true, "edtIncome1"}},
    {"pgRefinancingCalculator", {"Refinancing Calculator", 220, true, "edtOldLoan"}},
    {"pgRentVsBuyCalculator", {"Rent vs. Buy Calculator", 226, true, "edtRVBMonthlyRent"}},
    {"pgBiweeklyPaymentCalculator", {"Bi-weekly Payments", 195, true, "edtMortgageAmount"}},
    {"pgPrepaymentCalculator", {"Prepayment Calculator", 220, true, "edtPPCAmountBorrowed"}},
    {"pgHomesellersProceedsCalculator", {"Home Seller's Proceeds", 229, true, "edtHSPHouseSalesPrice"}},
};

// The four command sets, in Calculators-menu order, written out independently too.
struct Commands {
    const char* page;
    std::vector<const char*> commands; // page button (none for the main menu), then the three menus
};
const std::vector<Commands> kCommands = {
    {"pgMenu", {"mnuCalculatorsMain", "mnuPopMain", "mnuPopCalcsMain"}},
    {"pgQuickCalculators", {"btnQC", "MnuCalculatorsQC", "mnuPopQC", "mnuPopCalcsQC"}},
    {"pgMortgageQualifier", {"btnMQ", "MnuCalculatorsMQ", "mnuPopMQ", "mnuPopCalcsMQ"}},
    {"pgLoanSpreadCalculator", {"btnLSC", "mnuCalculatorsLSC", "mnuPopLSC", "mnuPopCalcsLSC"}},
    {"pgAmortizationSchedules", {"btnAmort", "MnuCalculatorsAmort", "mnuPopAmort", "mnuPopCalcsAmort"}},
    {"pgEstimatedClosingCosts", {"btnECC", "MnuCalculatorsECC", "mnuPopECC", "mnuPopCalcsECC"}},
    {"pgRefinancingCalculator", {"btnRC", "MnuCalculatorsRC", "mnuPopRC", "mnuPopCalcsRC"}},
    {"pgRentVsBuyCalculator", {"btnRVB", "mnuCalculatorsRVB", "mnuPopRVB", "mnuPopCalcsRVB"}},
    {"pgBiweeklyPaymentCalculator", {"btnBW", "MnuCalculatorsBW", "mnuPopBW", "mnuPopCalcsBW"}},
    {"pgPrepaymentCalculator", {"btnPPC", "mnuCalculatorsPPC", "mnuPopPPC", "mnuPopCalcsPPC"}},
    {"pgHomesellersProceedsCalculator", {"btnHSP", "mnuCalculatorsHSP", "mnuPopHSP", "mnuPopCalcsHSP"}},
};

class NavigatorTest : public ::testing::Test {
protected:
    testing::RecordingUi ui;
    Session session{workspace::RegionalSettings::unitedStates(), ui};
    workspace::Workspace& ws = session.workspace();

    // The three menu entries of a page (its commands without the page button).
    static std::vector<const char*> entriesOf(const Commands& row) {
        return {row.commands.end() - 3, row.commands.end()};
    }
};

TEST_F(NavigatorTest, StartsOnTheMainMenu) {
    EXPECT_EQ(ws.shownPage(), "pgMenu");
    EXPECT_EQ(ws.control("lblCalculatorName").caption(), "Main Menu");
    EXPECT_EQ(ws.control("lblCalculatorName").top(), 111);
    EXPECT_FALSE(ws.control("btnReset").enabled());
    for (const Commands& row : kCommands)
        for (const char* entry : entriesOf(row))
            EXPECT_EQ(ws.control(entry).enabled(), std::string(row.page) != "pgMenu") << entry;
}

TEST_F(NavigatorTest, EveryCommandLeadsToItsTargetAndSetsWhatEnteringSets) {
    for (const Commands& row : kCommands) {
        for (const char* command : row.commands) {
            SCOPED_TRACE(command);
            ui = {};
            session.navigator().gotoChosenCalculator(command);
            EXPECT_EQ(ws.shownPage(), row.page);
            for (const Commands& other : kCommands)
                for (const char* entry : entriesOf(other))
                    EXPECT_EQ(ws.control(entry).enabled(), other.page != row.page) << entry;
            EXPECT_EQ(ws.control("btnReset").enabled(), std::string(row.page) != "pgMenu");
            const auto expected = kEntering.find(row.page);
            if (expected == kEntering.end())
                continue; // pages with entry steps of their own are tested with their module
            EXPECT_EQ(ws.control("lblCalculatorName").caption(), expected->second.title);
            EXPECT_EQ(ws.control("lblCalculatorName").top(), expected->second.start);
            ASSERT_FALSE(ui.printingChanges.empty());
            EXPECT_EQ(ui.printingChanges.back(), expected->second.printing);
            EXPECT_EQ(ui.focused, expected->second.focus);
        }
    }
}

TEST_F(NavigatorTest, ACommandOfNoRowOnlyRunsTheStepsBeforeNavigation) {
    session.navigator().gotoChosenCalculator("btnMQ");
    ui = {};
    for (const char* command : {"", "mnuPrefMQ", "mnuPrefMM", "pgMortgageQualifier", "btnNothing"})
        session.navigator().gotoChosenCalculator(command);
    EXPECT_EQ(ws.shownPage(), "pgMortgageQualifier");
    EXPECT_TRUE(ui.printingChanges.empty());
    EXPECT_TRUE(ui.focusMoves.empty());
}

TEST_F(NavigatorTest, ReturningToTheMainMenuDisablesResetAndPrinting) {
    session.navigator().gotoChosenCalculator("btnMQ");
    session.navigator().gotoChosenCalculator("mnuPopMain");
    EXPECT_EQ(ws.shownPage(), "pgMenu");
    EXPECT_FALSE(ws.control("btnReset").enabled());
    EXPECT_FALSE(ui.printing);
    EXPECT_EQ(ui.focused, "edtIncome1"); // the focus is left where it was
}

// A page module's own entry steps replace the default focus move; the steps before navigation
// run for every command, whatever its target.
TEST(NavigatorEntrySteps, APagesOwnStepsRunInsteadOfTheDefaultFocus) {
    testing::RecordingUi ui;
    workspace::Workspace ws;
    workspace::HeldValues held;
    HandlerTable handlers;
    std::vector<std::string> steps;
    handlers.addEntry("pgMortgageQualifier",
                      [&] { steps.push_back("enter " + std::string(ws.shownPage())); });
    handlers.addBeforeNavigation([&] { steps.push_back("before"); });
    Navigator navigator({ws, ui, held}, handlers);

    navigator.gotoChosenCalculator("mnuPopMQ");
    navigator.gotoChosenCalculator("nowhere");
    navigator.gotoChosenCalculator("btnQC");
    EXPECT_EQ(steps, (std::vector<std::string>{"before", "enter pgMortgageQualifier", "before", "before"}));
    EXPECT_EQ(ui.focusMoves, std::vector<std::string>{"nbkMain"});
}

} // namespace
} // namespace kelvarin::calculators
