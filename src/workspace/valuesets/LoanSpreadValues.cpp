#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

// The grid is rebuilt from these by the page reset; no field has a change handler, so the
// writing order does not show.
std::span<const ValueSetEntry> loanSpread() {
    static constexpr std::array<ValueSetEntry, 4> table{{
        {"edtLoan", 0, 100000},
        {"edtInterest", 0, 8.75},
        {"edtTerm", 0, 360},
        {"edtPayment", 0, 786.7},
    }};
    return table;
}

} // namespace kelvarin::workspace::valuesets
