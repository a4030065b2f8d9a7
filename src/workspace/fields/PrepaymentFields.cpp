#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

constexpr FieldGroup kPage{"pgPrepaymentCalculator", "", "CalcPPC"};

// The single and range prepayment modes are never shown: "All Payments" is the mode in use,
// in which both payment numbers are disabled.
constexpr FieldDesign unusedPaymentNumber(FieldDesign design) {
    return hidden(disabled(leftJustified(design)));
}

constexpr FieldDesign kFields[] = {
    kPage.in("edtPPCAmountBorrowed", Money17, "Amount Borrowed"),
    kPage.in("edtPPCInterest", Percent, "Interest Rate"),
    kPage.in("edtPPCTerm", Count, "Term in Months"),
    kPage.in("edtPPCPropertyTaxes", Money17, "Annual Property Taxes"),
    kPage.in("edtPPCInsurance", Money17, "Annual Insurance"),
    kPage.in("edtPPCPMI", Money17, "Annual PMI Payments"),
    kPage.in("edtPPCExtraAmount", Money17, "Amount of Monthly Prepayment"),
    unusedPaymentNumber(kPage.in("edtPPCFromPmt", Count, "From Payment #")),
    unusedPaymentNumber(kPage.in("edtPPCToPmt", Count, "To Payment #")),

    kPage.out("edtPPCPayment", Money17, "Monthly Payment ( P&&I )"),
    kPage.out("edtPPCTotalPayment", Money17, "Regular Payment Amount w/ Taxes and Insurance"),
    kPage.out("edtPPCTotalInterest", Money17, "Total Interest Over Term"),
    kPage.out("edtPPCTotalPrincipalAndInterest", Money17, "Total Interest and Principal"),
    kPage.out("edtPPCNewPayment", Money17, "New Monthly Payment ( P&&I )"),
    kPage.out("edtPPCNewTotalPayment", Money17, "New Payment Amount w/ Taxes and Insurance"),
    kPage.out("edtPPCTotalInterestWithPrepayments", Money17, "New Interest Over Term"),
    kPage.out("edtPPCTotalInterestAndPrincipalWithPrepayments", Money17, "Total Interest and Principal"),
    withExitHandler(kPage.out("edtPPCNewTerm", Count, "New Term in Months"), ""),
    kPage.out("edtPPCSavings", Money17, "Amount Saved by Prepaying"),
};

}  // namespace

std::span<const FieldDesign> prepaymentFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
