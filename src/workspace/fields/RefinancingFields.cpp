#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

// Labels are the captions under the column headings "Current Loan", "New Loan" and "Savings".
constexpr FieldGroup kPage{"pgRefinancingCalculator", "", "CalcRefi"};
// The itemized closing costs of the new loan: leaving an item updates both closing-cost totals.
constexpr FieldGroup kItems{"pgRefinancingCalculator", "pnlClosingCosts", "CalcClosingCosts"};
constexpr FieldGroup kItemsTotal{"pgRefinancingCalculator", "pnlClosingCosts", "CalcRefi"};

constexpr FieldDesign kFields[] = {
    kPage.in("edtOldLoan", Money17, "Current Balance"),
    kPage.in("edtOldTerm", Count, "Term in Months"),
    kPage.in("edtOldInterestRate", Percent, "Interest Rate"),
    leftJustified(kPage.in("edtOldPaymentsMade", Count, "Payments Made")),
    kPage.in("edtNewLoan", Money17, "New Balance"),
    kPage.in("edtNewTerm", Count, "Term in Months"),
    kPage.in("edtNewInterestRate", Percent, "Interest Rate"),
    kPage.in("edtRefiClosingCosts", Money17, "Closing Costs"),
    kPage.in("edtMonthsUntilSell", Count, "Months Until You Will Sell"),

    kPage.out("edtOldPaymentsRemaining", Count, "Payments Remaining"),
    kPage.out("edtOldPayment", Money17, "Payment"),
    kPage.out("edtNewPayment", Money17, "Payment"),
    kPage.out("edtPaymentSaved", Money17, "Monthly Payment Savings"),
    kPage.out("edtTotalPaymentSaved", Money17, "Total Monthly Payment Savings"),
    kPage.out("edtOldEquity", Money17, "Equity in Old Loan"),
    kPage.out("edtNewEquity", Money17, "Equity in New Loan"),
    kPage.out("edtEquitySavings", Money17, "Total Equity Savings"),
    kPage.out("edtTotalSaved", Money17, "Total Saved"),

    kItems.in("edtDiscountPoints", Money13, "Discount Fee"),
    kItems.in("edtOriginationPoints", Money13, "Origination Fee"),
    kItems.in("edtCreditCheck", Money13, "Credit Check"),
    kItems.in("edtAttyFeeY", Money13, "Attorney Fee (yours)"),
    kItems.in("edtAttyFeeL", Money13, "Attorney Fee (lender's)"),
    kItems.in("edtTitleSearchFee", Money13, "Title Search Fee"),
    kItems.in("edtTitleInsuranceFee", Money13, "Title Insurance Fee"),
    kItems.in("edtAppraisalFee", Money13, "Appraisal Fee"),
    kItems.in("edtInspections", Money13, "Inspections (Insects, etc.)"),
    kItems.in("edtLocalFees", Money13, "Local Fees (Taxes, etc.)"),
    kItems.in("edtOtherFees", Money13, "Other Fees"),
    kItems.in("edtPrepaymentPenalty", Money13, "Prepayment Penalty"),
    kItemsTotal.out("edtClosingFees", Money10, "Closing Costs"),
    // Never shown and never stored; no calculation reads or writes it.
    hidden(kItemsTotal.in("edtClosingPercent", Percent, "")),
};

}  // namespace

std::span<const FieldDesign> refinancingFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
