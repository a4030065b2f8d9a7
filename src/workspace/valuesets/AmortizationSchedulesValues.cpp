#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> amortizationSchedules() {
    // The page reset also keeps these as the page's held values (the rate as a fraction, 0.0875).
    static constexpr std::array<ValueSetEntry, 4> table{{
        {"edtMortAmt", 0, 100000},
        {"edtIRate", 0, 8.75},
        {"edtNumPmts", 0, 360},
        {"edtAmortPayment", 0, 786.7},
    }};
    return table;
}

} // namespace kelvarin::workspace::valuesets
