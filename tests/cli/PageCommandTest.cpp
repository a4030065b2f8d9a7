#include "RunCalc.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using kelvarin::testing::RunCalc;

struct PageCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> lines; // each must appear as a whole line of standard output
};

class PageCommandTest : public testing::TestWithParam<PageCase> {};

TEST_P(PageCommandTest, DrivesThePageLikeAUser) {
    const PageCase& c = GetParam();
    const auto outcome = RunCalc(c.args);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    for (const std::string& line : c.lines)
        EXPECT_NE(("\n" + outcome.out).find("\n" + line + "\n"), std::string::npos) << line << "\n"
                                                                                    << outcome.out;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageCommandTest,
    testing::Values(
        PageCase{"monthly_payment_from_percent_down",
                 {"page", "pgQuickCalculators", "edtMPISalesPrice=200000", "edtMPIDownPaymentPercent=10",
                  "edtMPIInterestRate=7.5", "edtMPITermInMonths=360"},
                 {"edtMPISalesPrice=200000", "edtMPIDownPaymentSum=20000", "edtMPILoanAmount=180000",
                  "edtMPIPayment=1258.59"}},
        PageCase{"missing_rate_as_shown_text",
                 {"page", "pgQuickCalculators", "--texts", "click:btnCalcIR", "edtLA=100000", "edtPMT=786.70",
                  "edtN=360", "click:btnCalcQuickCalc"},
                 {"edtIR=\"  8.7502%\"", "edtLA=\"      $100,000.00\""}},
        PageCase{"tab_choice_runs_its_handler",
                 {"page", "pgQuickCalculators", "choose:nbkQuickCalc=1", "click:btnCalcN", "edtLA=100000",
                  "edtIR=8.75", "edtPMT=786.70", "click:btnCalcQuickCalc"},
                 {"edtN=360"}},
        PageCase{"qualifier_with_german_separators",
                 {"page", "pgMortgageQualifier", "--locale", "de", "--texts", "edtIncome1=4000",
                  "edtOIncome1=1000", "edtCards1=350", "edtAuto1=450", "edtNotes1=50", "edtHousingRatio=28",
                  "edtDebtRatio=36", "edtMQDownPayment=20000", "edtMQir1=7.5", "edtMQTerm1=30",
                  "edtMQTerm2=20", "edtMQTerm3=15"},
                 {"edtMQir2=\"  7,2500%\"", "edtMQLoan1=\"     € 135.866,75\"",
                  "edtMQLoan2=\"     € 120.195,96\"", "edtMQLoan3=\"     € 105.693,16\"",
                  "edtMQPurchasePrice3=\"     € 125.693,16\"", "edtCalculatedHousingRatio=\"19\"",
                  "edtCalculatedDebtRatio=\"36\""}},
        PageCase{"german_negative_amount_keeps_sign_in_front",
                 {"page", "pgQuickCalculators", "--locale", "de", "--texts", "edtMPISalesPrice=-1234,5"},
                 {"edtMPISalesPrice=\"      -€ 1.234,50\""}},
        PageCase{"loan_spread_payments",
                 {"page", "pgLoanSpreadCalculator", "--grids", "edtLoan=100000", "edtInterest=8.75",
                  "edtTerm=360"},
                 {"edtPayment=786.7", "edtTotalPaid=283212.15", "edtInterestPaid=183212.15",
                  "grdLS.0.0= Loan / Rate", "grdLS.0.1=  7.25%", "grdLS.0.7=  10.25%", "grdLS.1.0= $95,000",
                  "grdLS.11.0= $105,000", "grdLS.6.4= $786.70", "grdLS.1.1= $648.07", "grdLS.11.7= $940.91"}},
        PageCase{"loan_spread_rates_stop_at_the_iteration",
                 {"page", "pgLoanSpreadCalculator", "--grids", "choose:rgCalculate=2", "edtLoan=100000",
                  "edtTerm=360", "edtPayment=786.70"},
                 {"edtInterest=8.7502", "edtTotalPaid=283212", "edtInterestPaid=183212",
                  "grdLS.0.0= Loan / Pmt", "grdLS.0.4=  $786.70", "grdLS.6.4= 8.750%"}},
        PageCase{"loan_spread_terms_below_the_interest_read_zero",
                 {"page", "pgLoanSpreadCalculator", "--grids", "choose:rgCalculate=3", "edtLoan=100000",
                  "edtInterest=8.75", "edtPayment=786.70"},
                 {"edtTerm=360", "edtTotalPaid=283212.71", "grdLS.6.4= 360.00", "grdLS.0.1=  $561.70",
                  "grdLS.1.1= 0.00", "grdLS.11.1= 0.00"}},
        PageCase{"loan_spread_loan_amounts_by_payment_step",
                 {"page", "pgLoanSpreadCalculator", "--grids", "choose:rgCalculate=1", "choose:rgPayments=0",
                  "edtInterest=8.75", "edtTerm=360", "edtPayment=786.70", "cell:grdLS=2,3"},
                 {"edtLoan=99999.95", "grdLS.0.0= Pmt / Rate", "grdLS.1.0= $736.70", "grdLS.6.4= $100,000"}},
        PageCase{"refinancing_sample",
                 {"page", "pgRefinancingCalculator", "edtOldLoan=100000", "edtOldTerm=360",
                  "edtOldInterestRate=8.75", "edtOldPaymentsMade=0", "edtNewLoan=100000", "edtNewTerm=240",
                  "edtNewInterestRate=7.25", "edtRefiClosingCosts=0", "edtMonthsUntilSell=240"},
                 {"edtOldPaymentsRemaining=360", "edtOldPayment=786.7", "edtNewPayment=790.38",
                  "edtPaymentSaved=-3.68", "edtTotalPaymentSaved=-882.14", "edtOldEquity=37228.05",
                  "edtNewEquity=100000", "edtEquitySavings=62771.95", "edtTotalSaved=61889.81"}},
        PageCase{"refinancing_itemized_closing_costs",
                 {"page", "pgRefinancingCalculator", "edtOldLoan=100000", "edtOldTerm=360",
                  "edtOldInterestRate=8.75", "edtNewLoan=100000", "edtNewTerm=240", "edtNewInterestRate=7.25",
                  "edtMonthsUntilSell=240", "click:btnCalcFees", "edtDiscountPoints=1000",
                  "edtAppraisalFee=300", "edtPrepaymentPenalty=200", "click:btnCloseClosingCosts"},
                 {"edtClosingFees=1500", "edtRefiClosingCosts=1500", "edtTotalSaved=60389.81"}}),
    [](const auto& row) { return std::string(row.param.name); });

struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string errStart;
};

class PageCommandFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(PageCommandFailure, ReportsOnStandardError) {
    const FailureCase& c = GetParam();
    const auto outcome = RunCalc(c.args);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.err.substr(0, c.errStart.size()), c.errStart) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, PageCommandFailure,
    testing::Values(
        FailureCase{"unknown_page", {"page", "pgNowhere"}, 2, "kelvarin-calc: unknown page 'pgNowhere'"},
        FailureCase{"field_of_another_page",
                    {"page", "pgQuickCalculators", "edtIncome1=5"},
                    2,
                    "kelvarin-calc: no field 'edtIncome1' on pgQuickCalculators"},
        FailureCase{"read_only_field",
                    {"page", "pgQuickCalculators", "edtMPIPayment=5"},
                    2,
                    "kelvarin-calc: field 'edtMPIPayment' cannot be typed into"},
        FailureCase{"unknown_button",
                    {"page", "pgQuickCalculators", "click:btnNothing"},
                    2,
                    "kelvarin-calc: no button 'btnNothing'"},
        FailureCase{"choice_out_of_range",
                    {"page", "pgQuickCalculators", "choose:nbkQuickCalc=2"},
                    2,
                    "kelvarin-calc: choice index must lie between 0 and 1: '2' (see kelvarin-calc --help)\n"},
        FailureCase{"typing_into_a_fixed_choice",
                    {"page", "pgQuickCalculators", "text:nbkQuickCalc=Payment"},
                    2,
                    "kelvarin-calc: choice 'nbkQuickCalc' cannot be typed into"},
        FailureCase{"grid_of_another_page",
                    {"page", "pgQuickCalculators", "cell:grdLS=1,1"},
                    2,
                    "kelvarin-calc: no grid 'grdLS' on pgQuickCalculators"},
        FailureCase{
            "malformed_step", {"page", "pgQuickCalculators", "edtLA"}, 2, "kelvarin-calc: malformed step"},
        FailureCase{"unknown_locale",
                    {"page", "pgQuickCalculators", "--locale", "fr"},
                    2,
                    "kelvarin-calc: --locale needs us or de"},
        FailureCase{"out_of_range_entry_is_reported_and_reads_zero",
                    {"page", "pgQuickCalculators", "edtMPITermInMonths=99999"},
                    0,
                    "Value is not within required range"},
        FailureCase{
            "guarded_calculate_shows_its_message",
            {"page", "pgQuickCalculators", "click:btnCalcN", "edtLA=100000", "edtIR=0", "edtPMT=0",
             "click:btnCalcQuickCalc"},
            0,
            "This calculation cannot be completed\nusing the values you entered.\n\nPlease try again.\n"},
        FailureCase{"unguarded_calculation_error_is_reported_and_exits_3",
                    {"page", "pgMortgageQualifier", "edtIncome1=5000", "edtHousingRatio=28",
                     "edtDebtRatio=36", "edtMQTerm1=30"},
                    3,
                    "Valid results cannot be calculated using\nthe variables you have entered.\n\n"
                    "Please try again with reasonable values.\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// As in the window: the failed step ends, the error handler reports it, the remaining steps run
// and the fields are printed; the exit status says that a step failed.
TEST(PageCommandCalculationError, TheRunGoesOnAfterAFailedStep) {
    const auto outcome = RunCalc({"page", "pgMortgageQualifier", "edtIncome1=5000", "edtHousingRatio=28",
                                  "edtDebtRatio=36", "edtMQTerm1=30", "edtMQir1=7.5"});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_NE(outcome.out.find("\nedtMQPayment1=1400\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("\nedtMQLoan1=200224.68\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.err.find("calculation error: "), std::string::npos) << outcome.err;
}

// The loan spread page gets its four values back and its grid rebuilt.
TEST(PageCommandCalculationError, TheLoanSpreadPageIsRepaired) {
    const auto outcome = RunCalc(
        {"page", "pgLoanSpreadCalculator", "--grids", "edtInterest=-999", "edtTerm=1000", "edtLoan=90000"});
    EXPECT_EQ(outcome.status, 3);
    for (const char* line : {"\nedtLoan=90000\n", "\nedtInterest=8.75\n", "\nedtTerm=360\n",
                             "\nedtPayment=708.03\n", "\ngrdLS.6.4= $708.03\n"})
        EXPECT_NE(("\n" + outcome.out).find(line), std::string::npos) << line << outcome.out;
}

// Entering the page runs the navigation's steps first: the quick calculators' zero reset is
// in place and a second command leads to the main menu and back.
TEST(PageCommandNavigation, GotoStepsNavigateLikeTheMenus) {
    const auto outcome = RunCalc({"page", "pgQuickCalculators", "edtMPISalesPrice=1000", "goto:mnuPopMain",
                                  "goto:btnQC", "edtMPIDownPaymentPercent=10"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("edtMPIDownPaymentSum=100\n"), std::string::npos) << outcome.out;
}

TEST(PageCommandGrids, GridsPrintEveryCellWithItsPlace) {
    const auto outcome = RunCalc({"page", "pgLoanSpreadCalculator", "--grids"});
    EXPECT_NE(outcome.out.find("\ngrdLS.0.0="), std::string::npos) << outcome.out;
}

} // namespace
