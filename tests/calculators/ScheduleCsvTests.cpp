#include "calculators/ScheduleCsv.h"
#include "calculators/ScheduleGrids.h"
#include "workspace/AtomicFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kelvarin::calculators {
namespace {

using workspace::RegionalSettings;
using workspace::TextGrid;

TextGrid monthlyOf(const loanmath::TMortgage& schedule, const RegionalSettings& regional) {
    TextGrid grid;
    fillMonthlyGrid(grid, schedule, regional);
    return grid;
}

TEST(ScheduleCsv, MonthlyGridInPlainNumbers) {
    loanmath::TMortgage schedule(3, 1000, 0.12, 12, 12, 2000);
    schedule.SetExtraPayment(1, -20); // a negative amount
    const std::string expected =
        "PMT,Month,Principal,Interest,Total Principal,Total Interest,Prepayment,Balance\r\n"
        "1,2000-12,310.02,10.00,310.02,10.00,-20.00,689.98\r\n"
        "2,2001-01,333.12,6.90,643.14,16.90,0.00,356.86\r\n"
        "3,2001-02,336.45,3.57,979.59,20.47,0.00,20.41\r\n"; // no final adjustment
    // The same file whatever the user's currency format.
    for (RegionalSettings regional : {RegionalSettings::unitedStates(), RegionalSettings::germanStyle()}) {
        regional.negativeCurrencyPattern = 0;
        EXPECT_EQ(scheduleCsv(monthlyOf(schedule, regional), regional), expected);
    }
}

TEST(ScheduleCsv, AnnualGridQuotesWhatNeedsIt) {
    TextGrid annual;
    annual.resize(3, 5);
    annual.cells[0] = {"Year", "Period", "Total Annual Principal", "Total Annual Interest",
                       "Total Annual Payment"};
    annual.cells[1] = {"1", "Dec 2000", "$1,234.50", "$10.00", "$1,244.50"};
    annual.cells[2] = {"2", "a \"b\", c", "$0.00", "oops", ""};
    EXPECT_EQ(scheduleCsv(annual, RegionalSettings::unitedStates()),
              "Year,Period,Total Annual Principal,Total Annual Interest,Total Annual Payment\r\n"
              "1,Dec 2000,1234.50,10.00,1244.50\r\n"
              "2,\"a \"\"b\"\", c\",0.00,oops,\r\n");
}

TEST(ScheduleCsv, EmptyScheduleGivesTheHeaderAlone) {
    const TextGrid grid =
        monthlyOf(loanmath::TMortgage(12, 0, 0.0875, 12, 1, 2000), RegionalSettings::unitedStates());
    EXPECT_EQ(scheduleCsv(grid, RegionalSettings::unitedStates()),
              "PMT,Month,Principal,Interest,Total Principal,Total Interest,Prepayment,Balance\r\n");
}

TEST(ScheduleCsv, YearsOutsideFourDigits) {
    TextGrid grid;
    grid.resize(4, 2);
    grid.cells = {{"PMT", "Month"}, {"1", "Jan 0"}, {"2", "Feb -5"}, {"3", "Mar 10000"}};
    EXPECT_EQ(scheduleCsv(grid, RegionalSettings::unitedStates()),
              "PMT,Month\r\n1,0000-01\r\n2,-0005-02\r\n3,10000-03\r\n");
}

TEST(ScheduleCsv, ExportWritesTheFile) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("kelvarin-csv-" + workspace::randomSuffix());
    std::filesystem::create_directories(folder);
    const TextGrid grid =
        monthlyOf(loanmath::TMortgage(2, 1000, 0.12, 12, 1, 2000), RegionalSettings::unitedStates());
    ASSERT_TRUE(exportScheduleCsv(folder / "schedule.csv", grid, RegionalSettings::unitedStates()));
    std::string bytes, reason;
    ASSERT_EQ(workspace::readFileBytes(folder / "schedule.csv", bytes, reason), workspace::ReadStatus::Ok);
    EXPECT_EQ(bytes, scheduleCsv(grid, RegionalSettings::unitedStates()));
    EXPECT_FALSE(
        exportScheduleCsv(folder / "missing" / "schedule.csv", grid, RegionalSettings::unitedStates()));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace kelvarin::calculators
