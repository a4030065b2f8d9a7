#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

constexpr FieldGroup kPage{"pgLoanSpreadCalculator", "", "ChooseLoanSpreadCalculator"};

// The page starts looking as in mode 0 (payment computed), but the payment only becomes
// read-only on the first change of mode.
constexpr FieldDesign startComputed(FieldDesign design) {
    design.tabStop = false;
    design.resultLook = true;
    return design;
}

constexpr FieldDesign kFields[] = {
    kPage.in("edtLoan", Money17, "Loan", "Enter Loan Amount"),
    kPage.in("edtInterest", Percent, "Rate", "Enter Interest Rate"),
    kPage.in("edtTerm", Count, "Months", "Enter Term in Months"),
    startComputed(kPage.in("edtPayment", Money13, "Payment", "Calculated Monthly Payment")),
    kPage.out("edtTotalPaid", Money13, "Total Amount Paid"),
    kPage.out("edtInterestPaid", Money13, "Interest Paid"),
};

}  // namespace

std::span<const FieldDesign> loanSpreadFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
