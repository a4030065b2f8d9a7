#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

// The sample results are stored figures: the reset does not run the calculation.
std::span<const ValueSetEntry> refinancing() {
    static constexpr std::array<ValueSetEntry, 18> table{{
        {"edtOldLoan", 0, 100000},
        {"edtOldTerm", 0, 360},
        {"edtOldInterestRate", 0, 8.75},
        {"edtOldPaymentsMade", 0, 0},
        {"edtOldPaymentsRemaining", 0, 360},
        {"edtOldPayment", 0, 786.7},
        {"edtNewLoan", 0, 100000},
        {"edtNewTerm", 0, 240},
        {"edtNewInterestRate", 0, 7.25},
        {"edtRefiClosingCosts", 0, 0},
        {"edtMonthsUntilSell", 0, 240},
        {"edtNewPayment", 0, 790.38},
        {"edtPaymentSaved", 0, -3.68},
        {"edtTotalPaymentSaved", 0, -882.14},
        {"edtOldEquity", 0, 37228.05},
        {"edtNewEquity", 0, 100000},
        {"edtEquitySavings", 0, 62771.95},
        {"edtTotalSaved", 0, 61889.81},
    }};
    return table;
}

} // namespace kelvarin::workspace::valuesets
