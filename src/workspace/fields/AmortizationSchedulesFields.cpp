#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

// Nothing recalculates on leaving a field: the schedule is rebuilt by its buttons.
constexpr FieldGroup kPage{"pgAmortizationSchedules", "", ""};
// The add-prepayment panel, hidden until "Add Prepayments"; "Range of Payments" is selected
// at start, so both payment numbers are enabled.
constexpr FieldGroup kAddExtra{"pgAmortizationSchedules", "pnlAddExtra", ""};

constexpr FieldDesign kFields[] = {
    kPage.in("edtMortAmt", Money13, "Loan Amount"),
    kPage.in("edtIRate", Percent, "Interest Rate"),
    kPage.in("edtNumPmts", Count, "Term in Months"),
    kPage.out("edtAmortPayment", Money13, "Monthly Payment"),
    kPage.in("edtYear", Count, ""),  // beside the first-payment month box

    kAddExtra.in("edtExtraAmount", Money17, "Amount"),
    kAddExtra.in("edtFromPmt", Count, "From Payment #"),
    kAddExtra.in("edtToPmt", Count, "To Payment #"),
};

}  // namespace

std::span<const FieldDesign> amortizationSchedulesFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
