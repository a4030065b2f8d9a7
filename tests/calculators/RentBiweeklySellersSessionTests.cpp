#include "calculators/Session.h"
#include "support/PageDriver.h"
#include "support/RecordingUi.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kelvarin::calculators {
namespace {

using testing::trimmed;

// The rent versus buy, biweekly and seller's proceeds pages inside the whole program state:
// start-up, the reset commands and the value set that the biweekly guard falls back on.
class RentBiweeklySellersSession : public ::testing::Test {
protected:
    RentBiweeklySellersSession() {
        session.start(workspace::DefaultsFile(std::filesystem::temp_directory_path() /
                                              "kelvarin-no-such-folder" / "ZELK.INI"),
                      {2026, 10});
    }
    workspace::Workspace& ws() { return session.workspace(); }
    void type(std::string_view field, std::string_view text) {
        testing::typeAndLeave(ws(), session.calculators().handlers(), field, text);
    }
    std::string shown(std::string_view field) { return trimmed(ws().field(field)); }

    testing::RecordingUi ui;
    Session session{workspace::RegionalSettings::unitedStates(), ui};
};

TEST_F(RentBiweeklySellersSession, StartUpPutsTheCurrentMonthIntoTheClosingMonthBox) {
    EXPECT_EQ(ws().choice("cbHSPClosingMonth").text, "October");
    EXPECT_EQ(shown("edtRVBGain"), "$0.00");
    EXPECT_EQ(shown("edtMortgageAmount"), "$0.00");
}

TEST_F(RentBiweeklySellersSession, ThisResetTouchesOnlyTheShownPage) {
    ws().showPage("pgRentVsBuyCalculator");
    session.calculators().ResetThisCalculator(1);
    EXPECT_EQ(shown("edtRVBGain"), "$68,743.51");
    EXPECT_EQ(ui.focused, "edtRVBMonthlyRent");
    EXPECT_EQ(shown("edtMortgageAmount"), "$0.00");
    EXPECT_EQ(shown("edtHSPHouseSalesPrice"), "$0.00");

    ws().showPage("pgHomesellersProceedsCalculator");
    session.calculators().ResetThisCalculator(1);
    EXPECT_EQ(shown("edtHSPNetGain"), "$91,911.67");
    EXPECT_EQ(ui.focused, "edtHSPHouseSalesPrice");

    ws().showPage("pgRentVsBuyCalculator");
    session.calculators().ResetThisCalculator(0);
    EXPECT_EQ(shown("edtRVBGain"), "$0.00");
    EXPECT_EQ(shown("edtHSPNetGain"), "$91,911.67");
}

TEST_F(RentBiweeklySellersSession, BiweeklyGuardFallsBackOnTheSetLastChosen) {
    ws().showPage("pgQuickCalculators");
    session.calculators().ResetThisCalculator(1); // samples chosen on another page
    ws().showPage("pgBiweeklyPaymentCalculator");
    type("edtMortgageInterest", "999.9999");
    type("edtMortgagePeriods", "-1200");
    EXPECT_EQ(shown("edtMortgageAmount"), "$100,000.00");
    EXPECT_EQ(shown("edtMortgageTotalPaid"), "$283,212.00");

    session.calculators().ResetAllToZero();
    type("edtMortgageInterest", "999.9999");
    type("edtMortgagePeriods", "-1200");
    EXPECT_EQ(shown("edtMortgageInterest"), "0.0000%");
    EXPECT_EQ(shown("edtMortgagePeriods"), "0");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RentBiweeklySellersSession, AllZeroResetEmptiesTheThreePagesWithoutMovingTheFocus) {
    for (const char* page :
         {"pgRentVsBuyCalculator", "pgBiweeklyPaymentCalculator", "pgHomesellersProceedsCalculator"}) {
        ws().showPage(page);
        session.calculators().ResetThisCalculator(1);
    }
    ui.focused.clear();
    ws().choice("cbHSPClosingMonth").text = "May";
    session.calculators().ResetAllToZero();
    for (const char* page :
         {"pgRentVsBuyCalculator", "pgBiweeklyPaymentCalculator", "pgHomesellersProceedsCalculator"})
        for (const workspace::ValueField* field : ws().pageFields(page))
            EXPECT_EQ(field->readFloat(), 0) << field->design().name;
    EXPECT_EQ(ws().choice("cbHSPClosingMonth").text, "October");
    EXPECT_EQ(ui.focused, "");
}

} // namespace
} // namespace kelvarin::calculators
