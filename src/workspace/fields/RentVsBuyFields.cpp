#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

constexpr FieldGroup kPage{"pgRentVsBuyCalculator", "", "CalcRVB"};

// Left column, then right column, top to bottom; outputs stand between the inputs.
constexpr FieldDesign kFields[] = {
    kPage.in("edtRVBMonthlyRent", Money13, "Current Monthly Rent"),
    kPage.in("edtRVBRentIncrease", Percent, "Estimated Annual Rent Increase Percentage"),
    kPage.in("edtRVBTerm", Count, "Years Before You Will Move"),
    kPage.out("edtRVBRentSpent", Money13, "Total You Will Spend on Rent"),
    kPage.in("edtRVBDownPayment", Money13, "Cash Available for Down Payment"),
    kPage.in("edtRVBEstimatedReturn", Percent, "Estimated Annual Return if Invested (%)"),
    kPage.out("edtRVBInvestmentValue", Money13, "Value of Investment ($)"),
    kPage.in("edtRVBInterestRate", Percent, "Interest Rate of Home Loan (%)"),
    kPage.in("edtRVBLoanTerm", Count, "Term of Home Loan in Years"),
    kPage.out("edtRVBHousePrice", Money13, "Price of Home You Can Afford at Your Rent Payment"),

    kPage.in("edtRVBIncomeTax", Percent, "Personal Income Tax Rate (%) (Include Federal + State)"),
    kPage.in("edtRVBPropertyTax", Percent, "Annual Real Estate Tax Rate (%)"),
    kPage.out("edtRVBTaxDeductions", Money13, "Total of Interest Tax Deductions ($)"),
    kPage.in("edtRVBPropertyAppreciation", Percent, "Property Appreciation Rate (%)"),
    kPage.out("edtRVBAppreciation", Money13, "Appreciation of Property ($)"),
    kPage.in("edtRVBAnnualMaintenance", Money13, "Estimated Annual Home Maintenance Expenses ($)"),
    kPage.in("edtRVBSellingCostPercent", Percent, "Estimated Selling Costs as % of House Value"),
    kPage.out("edtRVBValueOfPurchase", Money13, "Effective Gain of Owning"),
    kPage.out("edtRVBValueOfRenting", Money13, "Actual Cost of Renting"),
    kPage.out("edtRVBGain", Money13, "Effective Gain of Owning vs. Renting"),
};

}  // namespace

std::span<const FieldDesign> rentVsBuyFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
