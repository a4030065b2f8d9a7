#include "calculators/Session.h"
#include "support/RecordingUi.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace kelvarin::calculators {
namespace {

namespace fs = std::filesystem;

class SessionTest : public ::testing::Test {
protected:
    SessionTest() {
        folder = fs::temp_directory_path() / ("kelvarin-session-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    ~SessionTest() override { fs::remove_all(folder); }

    void writeDefaults(const std::string& content) {
        std::ofstream(folder / "zelk.ini", std::ios::binary) << content;
    }

    fs::path folder;
    testing::RecordingUi ui;
};

TEST_F(SessionTest, StartsWithZeroValuesAndTheFilesRatios) {
    writeDefaults("[GeneralValues]\r\nDefaultValueSet=1\r\nLoan=250000\r\n[Ratios]\r\nHRatio=33.5\r\n");
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    session.start(workspace::DefaultsFile(workspace::findDefaultsFile(folder)), {2026, 12});

    const auto& state = session.workspace().state();
    EXPECT_EQ(state.ValueSet, 0);
    EXPECT_EQ(state.CurrentMonthShort, "Dec");
    EXPECT_EQ(state.CurrentMonthLong, "December");
    EXPECT_EQ(state.CurrentYear, 2026);
    EXPECT_EQ(state.ScheduleStartMonth, 1);
    EXPECT_EQ(state.ScheduleStartYear, 2026);
    EXPECT_EQ(session.held().HRatio, 33.5);
    EXPECT_EQ(session.held().DRatio, 36);
    EXPECT_EQ(session.held().Loan, 0); // general values are cleared by the all-zero reset
    EXPECT_EQ(session.workspace().field("edtMPIPayment").readFloat(), 0);
    EXPECT_FALSE(session.workspace().control("btnCalcQuickCalc").enabled());
    EXPECT_EQ(session.workspace().shownPage(), "pgMenu");
    EXPECT_TRUE(ui.focused.empty()); // the start-up reset moves no focus
}

TEST_F(SessionTest, MissingDefaultsFileGivesDefaults) {
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    session.start(workspace::DefaultsFile(folder / "ZELK.INI"), {2027, 1});
    EXPECT_EQ(session.held().HRatio, 28);
    EXPECT_EQ(session.held().AppraisalFee, 300);
    EXPECT_EQ(session.workspace().state().CurrentMonthShort, "Jan");
}

TEST_F(SessionTest, ResetThisCalculatorResetsOnlyTheShownPage) {
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    session.start(workspace::DefaultsFile(folder / "ZELK.INI"), {2026, 6});
    auto& ws = session.workspace();

    session.calculators().ResetThisCalculator(1); // the main menu: no page reset
    EXPECT_EQ(ws.state().ValueSet, 1);
    EXPECT_EQ(ws.field("edtLA").readFloat(), 0);

    ws.showPage("pgQuickCalculators");
    session.calculators().ResetThisCalculator(1);
    EXPECT_EQ(ws.field("edtLA").readFloat(), 100000);
    EXPECT_EQ(ws.field("edtIncome1").readFloat(), 0); // the qualifier keeps its zeros

    ws.field("edtMPISalesPrice").writeFloat(5);
    session.calculators().ResetThisCalculator(0);
    EXPECT_EQ(ws.state().ValueSet, 0);
    EXPECT_EQ(ws.field("edtLA").readFloat(), 0);
    EXPECT_EQ(ws.field("edtMPISalesPrice").readFloat(), 0);
}

TEST_F(SessionTest, AFailingStartStepDoesNotStopTheOthers) {
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    session.workspace().field("edtLA").writeFloat(5);
    session.start(workspace::DefaultsFile(folder / "ZELK.INI"), {2026, 13}); // no month 13
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, ErrorHandler::unidentifiedMessage());
    EXPECT_EQ(session.workspace().field("edtLA").readFloat(), 0); // the resets still ran
    EXPECT_EQ(session.held().HRatio, 28);
}

TEST_F(SessionTest, TheClockIsLocalTime) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const LocalDate today = LocalDate::today();
    EXPECT_EQ(today.year, local.tm_year + 1900);
    EXPECT_EQ(today.month, local.tm_mon + 1);
}

TEST_F(SessionTest, EveryNameOfTheBuiltPagesResolves) {
    Session session(workspace::RegionalSettings::unitedStates(), ui);
    EXPECT_NO_THROW(session.verifyNames());
}

} // namespace
} // namespace kelvarin::calculators
