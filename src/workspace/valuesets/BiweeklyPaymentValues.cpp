#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> biweeklyPayments() {
    // The stored sample results come from a payment rounded to 786.70 (283,212.00 paid in all);
    // the first recalculation replaces them with the unrounded figures (283,212.15).
    static constexpr std::array<ValueSetEntry, 12> table{{
        {"edtMortgageAmount", 0, 100000},
        {"edtMortgageInterest", 0, 8.75},
        {"edtMortgagePeriods", 0, 360},
        {"edtMortgagePayments", 0, 786.7},
        {"edtMortgageTotalPaid", 0, 283212},
        {"edtMortgageCostOfLoan", 0, 183212},
        {"edtMortgageHalfPayments", 0, 393.35},
        {"edtMortgageHalfTotalPaid", 0, 226540.72},
        {"edtMortgageHalfCostOfLoan", 0, 126540.72},
        {"edtTimeSavedMonths", 0, 94.19},
        {"edtTimeSavedYears", 0, 7.85},
        {"edtInterestSaved", 0, 56671.28},
    }};
    return table;
}

} // namespace kelvarin::workspace::valuesets
