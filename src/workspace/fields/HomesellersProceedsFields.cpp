#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

// The closing-month box stands between the other loans and the property taxes.
constexpr FieldGroup kPage{"pgHomesellersProceedsCalculator", "", "CalcHSP"};

constexpr FieldDesign kFields[] = {
    kPage.in("edtHSPHouseSalesPrice", Money17, "House Sales Price"),
    kPage.in("edtHSPFirstLoanBalance", Money17, "First Loan Balance"),
    kPage.in("edtHSPSecondLoanBalance", Money17, "Second Loan Balance"),
    kPage.in("edtHSPOtherLoans", Money17, "Other Loans"),
    kPage.in("edtHSPPropertyTaxes", Money17, "Annual Property Taxes"),
    kPage.out("edtHSPPropertyTaxesPaid", Money17, "Property Taxes Paid"),
    kPage.in("edtHSPTransferTaxPercent", Percent, "Transfer Taxes (%)"),
    kPage.out("edtHSPTransferTaxesPaid", Money17, "Transfer Taxes Paid"),
    kPage.in("edtHSPPrepaymentPenalty", Money17, "Mortgage Prepayment Penalty"),
    kPage.in("edtHSPSalesCommission", Money17, "Sales Commission"),
    kPage.in("edtHSPOtherSalesCommission", Money17, "Other Sales Commission"),
    kPage.in("edtHSPOtherFees", Money17, "Other Fees"),
    kPage.out("edtHSPCosts", Money17, "Costs"),
    kPage.out("edtHSPNetGain", Money17, "Seller's Proceeds at Closing"),
};

}  // namespace

std::span<const FieldDesign> homesellersProceedsFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
