#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> quickCalculators() {
    static constexpr std::array<ValueSetEntry, 11> table{{
        {"edtLA", 0, 100000},
        {"edtIR", 0, 8.75},
        {"edtPMT", 0, 786.7},
        {"edtN", 0, 360},
        {"edtMPISalesPrice", 0, 125000},
        {"edtMPIDownPaymentSum", 0, 25000},
        {"edtMPIDownPaymentPercent", 0, 20},
        {"edtMPILoanAmount", 0, 100000},
        {"edtMPIInterestRate", 0, 8.75},
        {"edtMPITermInMonths", 0, 360},
        {"edtMPIPayment", 0, 786.7},
    }};
    return table;
}

}  // namespace kelvarin::workspace::valuesets
