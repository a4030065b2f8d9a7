#include "FieldTables.h"

namespace kelvarin::workspace::fields {
namespace {

using enum MaskKind;

constexpr FieldGroup kPage{"pgBiweeklyPaymentCalculator", "", "CalcBW"};
// The "Time and Money Saved" row recalculates nothing when left.
constexpr FieldGroup kSaved{"pgBiweeklyPaymentCalculator", "", ""};

constexpr FieldDesign kFields[] = {
    kPage.in("edtMortgageAmount", Money17, "Loan Amount"),
    kPage.in("edtMortgageInterest", Percent, "Interest Rate"),
    kPage.in("edtMortgagePeriods", Count, "Term in Months"),

    kPage.out("edtMortgagePayments", Money17, "Monthly Payment"),
    kPage.out("edtMortgageTotalPaid", Money17, "Total Paid"),
    kPage.out("edtMortgageCostOfLoan", Money17, "Interest Paid"),
    kPage.out("edtMortgageHalfPayments", Money17, "Biweekly Payment"),
    kPage.out("edtMortgageHalfTotalPaid", Money17, "Total Paid"),
    kPage.out("edtMortgageHalfCostOfLoan", Money17, "Interest Paid"),
    kSaved.out("edtTimeSavedMonths", Decimal, "Months Saved"),
    kSaved.out("edtTimeSavedYears", Decimal, "Years Saved"),
    kSaved.out("edtInterestSaved", Money17, "Interest Saved"),
};

}  // namespace

std::span<const FieldDesign> biweeklyPaymentFields() {
    return kFields;
}

}  // namespace kelvarin::workspace::fields
