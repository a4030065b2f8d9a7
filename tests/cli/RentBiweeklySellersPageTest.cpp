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

class RentBiweeklySellersPage : public testing::TestWithParam<PageCase> {};

TEST_P(RentBiweeklySellersPage, ReproducesTheFigures) {
    const PageCase& c = GetParam();
    const auto outcome = RunCalc(c.args);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    for (const std::string& line : c.lines)
        EXPECT_NE(("\n" + outcome.out).find("\n" + line + "\n"), std::string::npos) << line << "\n"
                                                                                    << outcome.out;
}

const std::vector<std::string> kRentVsBuySample{"page",
                                                "pgRentVsBuyCalculator",
                                                "edtRVBMonthlyRent=950",
                                                "edtRVBRentIncrease=3.5",
                                                "edtRVBTerm=5",
                                                "edtRVBDownPayment=5000",
                                                "edtRVBEstimatedReturn=4.5",
                                                "edtRVBInterestRate=7",
                                                "edtRVBLoanTerm=30",
                                                "edtRVBIncomeTax=33",
                                                "edtRVBPropertyTax=1.2",
                                                "edtRVBPropertyAppreciation=7",
                                                "edtRVBAnnualMaintenance=500",
                                                "edtRVBSellingCostPercent=7"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Sales price 100,000, taxes 580, transfer tax 2 %, commission 5,000, fees 750; the month is
// chosen first because the page starts with the current month.
std::vector<std::string> sellersSample(const std::string& monthStep) {
    return {"page",
            "pgHomesellersProceedsCalculator",
            monthStep,
            "edtHSPHouseSalesPrice=100000",
            "edtHSPPropertyTaxes=580",
            "edtHSPTransferTaxPercent=2",
            "edtHSPSalesCommission=5000",
            "edtHSPOtherFees=750"};
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RentBiweeklySellersPage,
    testing::Values(
        PageCase{"rent_vs_buy_worked_example",
                 kRentVsBuySample,
                 {"edtRVBRentSpent=61132.11", "edtRVBInvestmentValue=6258.98", "edtRVBHousePrice=147793",
                  "edtRVBTaxDeductions=20304.28", "edtRVBAppreciation=57481.24",
                  "edtRVBValueOfPurchase=8870.38", "edtRVBValueOfRenting=-59873.13", "edtRVBGain=68743.51"}},
        PageCase{"rent_vs_buy_no_years",
                 with(kRentVsBuySample, {"edtRVBTerm=0"}),
                 {"edtRVBRentSpent=11400", "edtRVBInvestmentValue=5000", "edtRVBValueOfRenting=-11400",
                  "edtRVBGain=10166.55"}},
        PageCase{"rent_vs_buy_loan_rate_zero",
                 with(kRentVsBuySample, {"edtRVBInterestRate=0"}),
                 {"edtRVBHousePrice=347000", "edtRVBTaxDeductions=8299.68", "edtRVBGain=153749.99"}},
        PageCase{"rent_vs_buy_as_shown_text",
                 with(kRentVsBuySample, {"--texts"}),
                 {"edtRVBValueOfRenting=\"  -$59,873.13\"", "edtRVBTerm=\"     5\""}},
        PageCase{"biweekly_thirty_years",
                 {"page", "pgBiweeklyPaymentCalculator", "edtMortgageAmount=100000",
                  "edtMortgageInterest=8.75", "edtMortgagePeriods=360"},
                 {"edtMortgagePayments=786.7", "edtMortgageTotalPaid=283212.15",
                  "edtMortgageCostOfLoan=183212.15", "edtMortgageHalfPayments=393.35",
                  "edtMortgageHalfTotalPaid=226540.48", "edtMortgageHalfCostOfLoan=126540.48",
                  "edtTimeSavedMonths=94.19", "edtTimeSavedYears=7.85", "edtInterestSaved=56671.66"}},
        PageCase{"biweekly_negative_rate",
                 {"page", "pgBiweeklyPaymentCalculator", "edtMortgageAmount=100000", "edtMortgagePeriods=360",
                  "edtMortgageInterest=-5"},
                 {"edtMortgageInterest=0", "edtMortgagePayments=277.78", "edtMortgageHalfPayments=138.89",
                  "edtMortgageTotalPaid=100000", "edtInterestSaved=0"}},
        PageCase{"biweekly_term_zero",
                 {"page", "pgBiweeklyPaymentCalculator", "edtMortgageAmount=100000",
                  "edtMortgageInterest=8.75", "edtMortgagePeriods=0"},
                 {"edtMortgagePayments=0", "edtMortgageTotalPaid=0", "edtMortgageCostOfLoan=-100000",
                  "edtMortgageHalfCostOfLoan=-100000", "edtTimeSavedMonths=0", "edtInterestSaved=0"}},
        // An overflow resets the page to the zero set, quietly.
        PageCase{"biweekly_error_resets_the_page",
                 {"page", "pgBiweeklyPaymentCalculator", "edtMortgageAmount=100000",
                  "edtMortgageInterest=999.9999", "edtMortgagePeriods=-1200"},
                 {"edtMortgageAmount=0", "edtMortgageInterest=0", "edtMortgagePeriods=0"}},
        PageCase{"sellers_july",
                 sellersSample("choose:cbHSPClosingMonth=6"),
                 {"edtHSPPropertyTaxesPaid=338.33", "edtHSPTransferTaxesPaid=2000", "edtHSPCosts=8088.33",
                  "edtHSPNetGain=91911.67"}},
        PageCase{"sellers_january",
                 sellersSample("choose:cbHSPClosingMonth=0"),
                 {"edtHSPPropertyTaxesPaid=48.33", "edtHSPCosts=7798.33", "edtHSPNetGain=92201.67"}},
        PageCase{"sellers_december",
                 sellersSample("choose:cbHSPClosingMonth=11"),
                 {"edtHSPPropertyTaxesPaid=580", "edtHSPCosts=8330", "edtHSPNetGain=91670"}},
        PageCase{
            "sellers_loans_above_the_price",
            with(sellersSample("choose:cbHSPClosingMonth=6"),
                 {"edtHSPFirstLoanBalance=80000", "edtHSPSecondLoanBalance=20000", "edtHSPOtherLoans=10000"}),
            {"edtHSPCosts=118088.33", "edtHSPNetGain=-18088.33"}},
        PageCase{"sellers_typed_month_name",
                 sellersSample("text:cbHSPClosingMonth=September"),
                 {"edtHSPPropertyTaxesPaid=435", "edtHSPNetGain=91815"}},
        // Any other typed text puts the box to January at once.
        PageCase{"sellers_typed_other_text",
                 sellersSample("text:cbHSPClosingMonth=Sep"),
                 {"edtHSPPropertyTaxesPaid=48.33", "edtHSPNetGain=92201.67"}}),
    [](const auto& row) { return std::string(row.param.name); });

// 300 years of 999.9999 % appreciation overflow: the error handler reports it, the fields
// written before the failing step keep their new values, and the run ends with status 3.
TEST(RentBiweeklySellersPageErrors, RentVsBuyOverflowIsReported) {
    const auto outcome = RunCalc(with(
        kRentVsBuySample, {"edtRVBRentIncrease=0", "edtRVBPropertyAppreciation=999.9999", "edtRVBTerm=300"}));
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(
        outcome.err.rfind("Valid results cannot be calculated using\nthe variables you have entered.", 0), 0u)
        << outcome.err;
    EXPECT_NE(outcome.out.find("\nedtRVBRentSpent=3420000\n"), std::string::npos) << outcome.out;
}

} // namespace
