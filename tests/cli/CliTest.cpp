#include "RunCalc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>


namespace {

using kelvarin::testing::Outcome;
using kelvarin::testing::RunCalc;

struct RunCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;      // exact standard output
    std::string errStart; // standard error begins with this
};

struct CaseName {
    std::string operator()(const testing::TestParamInfo<RunCase>& param) const { return param.param.name; }
};

class CliRunTest : public testing::TestWithParam<RunCase> {};

TEST_P(CliRunTest, PrintsAndExitsAsExpected) {
    const RunCase& c = GetParam();
    const Outcome outcome = RunCalc(c.args);
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.err.substr(0, c.errStart.size()), c.errStart) << outcome.err;
    if (c.status != 0) {
        EXPECT_FALSE(outcome.err.empty());
    } else {
        EXPECT_EQ(outcome.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliRunTest,
    testing::Values(
        RunCase{"Payment", {"payment", "360", "8.75", "100000"}, 0, "786.7004056133717\n", ""},
        RunCase{"PaymentAtZeroRate", {"payment", "4", "0", "1000"}, 0, "250\n", ""},
        RunCase{"Principal", {"principal", "360", "786.70", "8.75"}, 0, "99999.94844118954\n", ""},
        RunCase{"RateKeepsTheIteration", {"rate", "360", "786.70", "100000"}, 0, "8.750218231445292\n", ""},
        RunCase{"RateOfExactRepaymentIsZero", {"rate", "2", "50000", "100000"}, 0, "0\n", ""},
        RunCase{"Term", {"term", "100000", "800", "0"}, 0, "125\n", ""},
        RunCase{"RentPaid", {"rent-paid", "1000", "5", "3"}, 0, "37830\n", ""},
        RunCase{"CompoundGain", {"compound-gain", "100000", "4", "2"}, 0, "8160\n", ""},
        RunCase{
            "PrincipalRepaidOfNoMonths", {"principal-repaid", "0", "100000", "8.75", "786.70"}, 0, "0\n", ""},
        RunCase{"FutureValueAnnually",
                {"future-value", "Annually", "0", "10", "24", "100"},
                0,
                "2520.0000000000023\n",
                ""},
        RunCase{"LoanFromZeroPayment", {"loan-from-payment", "0", "8.75", "30"}, 0, "0\n", ""},
        RunCase{"ExponentNotation", {"payment", "4", "0", "1e3"}, 0, "250\n", ""},
        RunCase{"NoArguments", {}, 2, "", "kelvarin-calc: missing command"},
        RunCase{"UnknownCommand", {"mortgage", "1"}, 2, "", "kelvarin-calc: unknown command 'mortgage'"},
        RunCase{"TooFewArguments", {"payment", "360", "8.75"}, 2, "", "kelvarin-calc: payment takes 3"},
        RunCase{
            "TooManyArguments", {"rent-paid", "1", "2", "3", "4"}, 2, "", "kelvarin-calc: rent-paid takes 3"},
        RunCase{"CommaDecimalIsNotANumber",
                {"payment", "360", "8,75", "100000"},
                2,
                "",
                "kelvarin-calc: RATE is not a number"},
        RunCase{"TrailingTextIsNotANumber",
                {"payment", "360", "8.75x", "100000"},
                2,
                "",
                "kelvarin-calc: RATE is not a number"},
        RunCase{"NanIsNotANumber",
                {"payment", "360", "nan", "100000"},
                2,
                "",
                "kelvarin-calc: RATE is not a number"},
        RunCase{"FractionalCount",
                {"payment", "360.5", "8.75", "100000"},
                2,
                "",
                "kelvarin-calc: N is not a whole number"},
        RunCase{"CountBeyond32Bits",
                {"payment", "4294967296", "8.75", "100000"},
                2,
                "",
                "kelvarin-calc: N must lie between"},
        RunCase{
            "DivisionByZero", {"payment", "360", "1e-18", "100000"}, 3, "", "calculation error: LoanPayment"},
        RunCase{"ZeroRateFutureValue",
                {"future-value", "Monthly", "1000", "0", "12", "0"},
                3,
                "",
                "calculation error: "},
        RunCase{"PartYears", {"rent-paid", "1000", "5", "2.5"}, 3, "", "calculation error: "},
        RunCase{"ScheduleOfNoPayments", {"schedule", "100000", "8.75", "0"}, 0, "payment\t0\n", ""},
        RunCase{"ScheduleOfNegativePayments",
                {"schedule", "100000", "8.75", "-12"},
                0,
                "payment\t-8004.38\n",
                ""},
        RunCase{"ScheduleStartingInDecember",
                {"schedule", "1000", "12", "2", "--start", "12/2000"},
                0,
                "payment\t507.51\n"
                "1\t12\t2000\t497.51\t10.00\t497.51\t10.00\t0.00\t502.49\n"
                "2\t1\t2001\t502.49\t5.02\t1000.00\t15.02\t0.00\t0.00\n",
                ""},
        RunCase{
            "ScheduleWithPrepaymentsInOrder",
            {"schedule", "1000", "12", "3", "--extra-range", "1-3:100", "--remove-extra", "--extra", "2:50"},
            0,
            "payment\t340.02\n"
            "1\t1\t0\t330.02\t10.00\t330.02\t10.00\t0.00\t669.98\n"
            "2\t2\t0\t383.32\t6.70\t713.34\t16.70\t50.00\t286.66\n"
            "3\t3\t0\t286.66\t2.87\t1000.00\t19.57\t0.00\t0.00\n",
            ""},
        RunCase{"ScheduleExtraFromClearsThePayoffRow",
                {"schedule", "1000", "12", "3", "--extra-from", "1:100"},
                0,
                "payment\t340.02\n"
                "1\t1\t0\t430.02\t10.00\t430.02\t10.00\t100.00\t569.98\n"
                "2\t2\t0\t434.32\t5.70\t864.34\t15.70\t100.00\t135.66\n"
                "3\t3\t0\t135.66\t1.36\t1000.00\t17.06\t0.00\t0.00\n",
                ""},
        RunCase{"SchedulePrepaymentOutsideTheSchedule",
                {"schedule", "1000", "12", "3", "--extra", "4:100"},
                4,
                "",
                "Cannot calculate results of extra payments without new figures.\n\n"
                "Please use the edit boxes and radio buttons to\n"
                "indicate the amount of your extra payments.\n"},
        RunCase{"ScheduleRangeRunningPastTheEnd",
                {"schedule", "1000", "12", "3", "--extra-range", "2-4:100"},
                4,
                "",
                "Cannot calculate results"},
        RunCase{"ScheduleExtraFromOutsideTheSchedule",
                {"schedule", "1000", "12", "3", "--extra-from", "4:100"},
                2,
                "",
                "kelvarin-calc: prepayment from payment 4"},
        RunCase{"ScheduleExtraWithoutAmount",
                {"schedule", "1000", "12", "3", "--extra", "2"},
                2,
                "",
                "kelvarin-calc: --extra needs TARGET:AMOUNT"},
        RunCase{"ScheduleOptionWithoutValue",
                {"schedule", "1000", "12", "3", "--extra"},
                2,
                "",
                "kelvarin-calc: schedule: --extra needs a value"},
        RunCase{"ScheduleUnknownOption",
                {"schedule", "1000", "12", "3", "--biweekly"},
                2,
                "",
                "kelvarin-calc: schedule: unknown option --biweekly"},
        RunCase{"ScheduleStartMonthOutOfRange",
                {"schedule", "1000", "12", "3", "--start", "13/2000"},
                2,
                "",
                "kelvarin-calc: --start month must lie between 1 and 12"},
        RunCase{"ScheduleTooLong",
                {"schedule", "1000", "12", "2000000000"},
                2,
                "",
                "kelvarin-calc: N must lie between"},
        RunCase{
            "ScheduleTotalsOverflow", {"schedule", "1e308", "8.75", "360"}, 3, "", "calculation error: "}),
    CaseName());

TEST(Cli, HelpListsEveryCommand) {
    const Outcome outcome = RunCalc({"--help"});
    EXPECT_EQ(outcome.status, 0);
    for (const char* command : {"payment", "principal", "rate", "term", "principal-repaid", "rent-paid",
                                "compound-gain", "future-value", "loan-from-payment", "schedule"})
        EXPECT_NE(outcome.out.find(std::string("  ") + command + ' '), std::string::npos) << command;
}

TEST(Cli, ScheduleReproducesTheThirtyYearLoan) {
    const Outcome outcome = RunCalc({"schedule", "100000", "8.75", "360", "--start", "1/2000"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    std::vector<std::string> lines;
    std::istringstream in(outcome.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 361u);
    EXPECT_EQ(lines[0], "payment\t786.7");
    EXPECT_EQ(lines[1], "1\t1\t2000\t57.53\t729.17\t57.53\t729.17\t0.00\t99942.47");
    EXPECT_EQ(lines[360], "360\t12\t2029\t781.00\t5.70\t99999.03\t183212.97\t0.00\t0.97");
}

// The schedule as the amortization page lists it, cut at the payoff, in plain numbers.
TEST(Cli, ScheduleAsCsv) {
    const Outcome outcome =
        RunCalc({"schedule", "100000", "8.75", "360", "--start", "1/2000", "--extra-range", "1-12:5000", "--csv"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    std::vector<std::string> lines;
    std::istringstream in(outcome.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 71u);
    EXPECT_EQ(lines[0], "PMT,Month,Principal,Interest,Total Principal,Total Interest,Prepayment,Balance\r");
    EXPECT_EQ(lines[1], "1,2000-01,5057.53,729.17,5057.53,729.17,5000.00,94942.47\r");
    EXPECT_EQ(lines[70], "70,2005-10,351.73,2.56,100000.00,14636.59,0.00,0.00\r");

    const Outcome empty = RunCalc({"schedule", "0", "8.75", "12", "--csv"});
    EXPECT_EQ(empty.out, "PMT,Month,Principal,Interest,Total Principal,Total Interest,Prepayment,Balance\r\n");
}

} // namespace
