#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

// Tab 0 (Page2) recalculates on leaving any field, its outputs included; tab 1 (Page1)
// computes only when "Calculate" is pressed.
constexpr FieldGroup kMonthlyPayment{"pgQuickCalculators", "Page2", "CalcMPI"};
constexpr FieldGroup kMissingVariable{"pgQuickCalculators", "Page1", ""};

constexpr FieldDesign kFields[] = {
    kMonthlyPayment.in("edtMPISalesPrice", Money17, "Sales Price"),
    kMonthlyPayment.in("edtMPIDownPaymentSum", Money17, "Down Payment  $"),
    kMonthlyPayment.in("edtMPIDownPaymentPercent", Percent, "or  %"),
    kMonthlyPayment.out("edtMPILoanAmount", Money17, "Loan Amount"),
    kMonthlyPayment.in("edtMPIInterestRate", Percent, "Interest Rate"),
    kMonthlyPayment.in("edtMPITermInMonths", Count, "Term in Months"),
    kMonthlyPayment.out("edtMPIPayment", Money17, "Monthly Payment (P&&I)"),

    // Each field stands beside the button that chooses it as the variable to compute.
    kMissingVariable.in("edtLA", Money17, ""),
    kMissingVariable.in("edtIR", Percent, ""),
    kMissingVariable.in("edtPMT", Money17, ""),
    kMissingVariable.in("edtN", Count, ""),
};

}  // namespace

std::span<const FieldDesign> quickCalculatorsFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
