#include "RunCalc.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using kelvarin::testing::RunCalc;

// The amortization page's 70-payment schedule: 100,000 at 8.75 % from January 2000, 5,000 extra on
// each of the first twelve payments.
std::vector<std::string> rangeOfTwelve(std::vector<std::string> before, std::vector<std::string> after = {}) {
    std::vector<std::string> args{"page", "pgAmortizationSchedules", "--grids"};
    args.insert(args.end(), before.begin(), before.end());
    for (const char* step : {"edtMortAmt=100000", "edtNumPmts=360", "text:cbMonth=jan", "edtYear=2000",
                             "click:btnCalculate", "click:btnAddExtra", "choose:rgAddTo=1",
                             "edtExtraAmount=5000", "edtFromPmt=1", "edtToPmt=12", "click:btnRecalcExtra"})
        args.emplace_back(step);
    args.insert(args.end(), after.begin(), after.end());
    return args;
}

struct PageCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> lines;  // each a whole line of standard output
    std::vector<std::string> absent; // none of these starts a line
};

class SchedulePagesTest : public testing::TestWithParam<PageCase> {};

TEST_P(SchedulePagesTest, ShowsTheFiguresAUserSees) {
    const PageCase& c = GetParam();
    const auto outcome = RunCalc(c.args);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    const std::string out = "\n" + outcome.out;
    for (const std::string& line : c.lines)
        EXPECT_NE(out.find("\n" + line + "\n"), std::string::npos) << line;
    for (const std::string& start : c.absent)
        EXPECT_EQ(out.find("\n" + start), std::string::npos) << start;
}

const std::string euro = "\u00A0\u20AC"; // a no-break space, then the sign

INSTANTIATE_TEST_SUITE_P(
    Pages, SchedulePagesTest,
    testing::Values(
        PageCase{"range_of_twelve_pays_off_in_october_2005",
                 rangeOfTwelve({"edtIRate=8.75"}),
                 {"edtAmortPayment=786.7", "grdAmortization.0.0=PMT", "grdAmortization.1.1=Jan 2000",
                  "grdAmortization.1.2=$5,057.53", "grdAmortization.1.6=$5,000.00",
                  "grdAmortization.1.7=$94,942.47", "grdAmortization.70.0=70",
                  "grdAmortization.70.1=Oct 2005", "grdAmortization.70.2=$351.73",
                  "grdAmortization.70.3=$2.56", "grdAmortization.70.4=$100,000.00",
                  "grdAmortization.70.5=$14,636.59", "grdAmortization.70.7=$0.00",
                  "grdAnnualAmortization.1.1=Jan - Dec 2000", "grdAnnualAmortization.1.2=$63,184.48",
                  "grdAnnualAmortization.1.3=$6,255.92", "grdAnnualAmortization.1.4=$69,440.40",
                  "grdAnnualAmortization.6.0=6", "grdAnnualAmortization.6.1=Jan - Oct 2005"},
                 {"grdAmortization.71.", "grdAnnualAmortization.7."}},
        PageCase{
            "refresh_keeps_the_schedule_german",
            {rangeOfTwelve({"--locale", "de", "edtIRate=8,75"}, {"click:btnCancel", "click:btnCalculate"})},
            {"grdAmortization.1.2=5.057,53" + euro, "grdAmortization.1.6=5.000,00" + euro,
             "grdAmortization.70.1=Oct 2005", "grdAmortization.70.5=14.636,59" + euro,
             "grdAnnualAmortization.1.2=63.184,48" + euro},
            {"grdAmortization.71."}},
        PageCase{"annual_chart_and_back",
                 rangeOfTwelve({"edtIRate=8.75"}, {"click:btnCancel", "click:btnAnnualMonthly"}),
                 {"grdAnnualAmortization.6.4=$7,434.59"},
                 {}},
        PageCase{"prepayment_calculator_sample",
                 {"page", "pgPrepaymentCalculator", "edtPPCAmountBorrowed=100000", "edtPPCInterest=8.75",
                  "edtPPCTerm=360", "edtPPCPropertyTaxes=1200", "edtPPCInsurance=580", "edtPPCPMI=600",
                  "edtPPCExtraAmount=100"},
                 {"edtPPCPayment=786.7", "edtPPCTotalPayment=985.03", "edtPPCTotalInterest=183212.97",
                  "edtPPCTotalPrincipalAndInterest=283212.97", "edtPPCNewPayment=886.7",
                  "edtPPCNewTotalPayment=1085.03", "edtPPCTotalInterestWithPrepayments=110882.68",
                  "edtPPCTotalInterestAndPrincipalWithPrepayments=210882.68", "edtPPCNewTerm=238",
                  "edtPPCSavings=72330.29"},
                 {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SchedulePages, PrepaymentOutsideTheScheduleShowsTheEngineMessage) {
    const auto outcome =
        RunCalc({"page", "pgAmortizationSchedules", "edtMortAmt=1000", "edtIRate=12", "edtNumPmts=12",
                 "click:btnCalculate", "click:btnAddExtra", "choose:rgAddTo=0", "edtExtraAmount=10",
                 "edtFromPmt=13", "click:btnRecalcExtra"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "Cannot calculate results of extra payments without new figures.\n\n"
                           "Please use the edit boxes and radio buttons to\n"
                           "indicate the amount of your extra payments.\n");
}

} // namespace
