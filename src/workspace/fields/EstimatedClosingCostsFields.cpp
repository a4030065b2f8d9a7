#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

// CalcECC runs on leaving any field of the page or of its two line-item panels.
constexpr FieldGroup kPage{"pgEstimatedClosingCosts", "", "CalcECC"};
constexpr FieldGroup kClosing{"pgEstimatedClosingCosts", "pnlClosing", "CalcECC"};
constexpr FieldGroup kEscrow{"pgEstimatedClosingCosts", "pnlEscrow", "CalcECC"};

constexpr FieldDesign kFields[] = {
    kPage.in("edtECCIncome", Money17, "Monthly Income"),
    kPage.in("edtECCDebt", Money17, "Monthly Debt"),
    kPage.in("edtEccInterest", Percent, "Interest Rate"),
    kPage.in("edtEccOriginationPoints", Points8, "Origination Points"),
    kPage.in("edtEccDiscountPoints", Points8, "Discount Points"),
    kPage.in("edtEccTerm", Count, "Term (Years)"),
    kPage.in("edtEccDownPaymentPercent", Percent, "Down Payment Percent"),
    kPage.in("edtECCTax", Money17, "Real Estate Taxes\n(Annual Estimate)"),
    kPage.in("edtECCInsurance", Money17, "Homeowner's Insurance\n(Annual Estimate)"),
    kPage.in("edtECCAssociationFee", Money17, "Association Fee\n(MonthlyEstimate)"),
    kPage.in("edtEccHousingRatio", Ratio, "Housing"),
    kPage.in("edtEccDebtRatio", Ratio, "Debt"),

    // The first three start locked (computed); unlocking one makes it a typed input.
    kPage.out("edtEccCPurchasePrice", Money17, "Purchase Price"),
    kPage.out("edtEccCDownPayment", Money17, "Down Payment Amount"),
    kPage.out("edtEccCLoanAmount", Money17, "Loan Amount"),
    kPage.out("edtEccCPandI", Money17, "Principal && Interest"),
    kPage.out("edtEccCMonthlyTax", Money17, "Real Estate Taxes"),
    kPage.out("edtEccCMonthlyInsurance", Money17, "Homeowner's Insurance"),
    kPage.out("edtEccCpmi", Money17, "Private Mortgage Insurance"),
    kPage.out("edtEccCMonthlyPayment", Money17, "Total Monthly Payment"),
    // These two stand beside the buttons that open their panels, not beside a label.
    kPage.out("edtEccCClosingCosts", Money17, ""),
    kPage.out("edtEccCEscrows", Money17, ""),
    kPage.out("edtEccCHousingRatio", Ratio, "Your Actual Housing Ratio"),
    kPage.out("edtEccCDebtRatio", Ratio, "Your Actual Debt Ratio"),
    kPage.out("edtEccCCashRequiredToClose", Money17, "Cash Required at Closing"),

    kClosing.out("edtOriginationFee", Money10, "Loan Origination Fee"),
    kClosing.out("edtLOF", Money10, "Discount Points"),
    kClosing.in("edtAF", Money11, "Appraisal Fee"),
    kClosing.in("edtCR", Money11, "Credit Report"),
    kClosing.in("edtTSF", Money11, "Tax-related Service Fee"),
    kClosing.in("edtLPF", Money11, "Lender's Inspection Fee"),
    kClosing.in("edtTIF", Money11, "Title Insurance"),
    kClosing.in("edtTS", Money11, "Title Search"),
    kClosing.in("edtSTT", Money11, "Escrow Closing Fee"),
    kClosing.in("edtRF", Money11, "Recording Fee"),
    kClosing.out("edtClosingPMI", Money10, "PMI"),
    kClosing.in("edtOF", Money11, "Other Fees"),
    kClosing.in("edtSellerPaid", Money11, "Seller Paid Costs"),

    // Tab order: the visible counts, then the amounts each count drives.
    kEscrow.in("edtIIDays", Count, "Days"),
    kEscrow.in("edtPTIMonths", Count, "Months"),
    kEscrow.in("edtHOIPMonths", Count, "Months"),
    kEscrow.in("edtHOIIMonths", Count, "Months"),
    // Months of PMI reserve: set only by resets and documents.
    hidden(kEscrow.in("edtPMIIMonths", Count, "")),
    kEscrow.out("edtII", Money10, "Prepaid Interest"),
    kEscrow.out("edtPTI", Money10, "Real Estate Taxes"),
    kEscrow.out("edtHOIP", Money10, "Homeowner's Insurance (First Year)"),
    kEscrow.out("edtHOII", Money10, "Homeowner's Insurance (Renewal)"),
    kEscrow.out("edtPMII", Money10, "PMI"),
    kEscrow.out("edtPMIPercent", Percent, "PMI Premium Rate"),

    // Never shown and never stored; no calculation reads or writes them.
    hidden(kPage.in("edtHiddenDiscountPoints", Points12, "")),
    hidden(kPage.in("edtHiddenOriginationPoints", Points12, "")),
    hidden(kPage.in("edtIP", Percent, "")),
};

}  // namespace

std::span<const FieldDesign> estimatedClosingCostsFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
