#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> homeSellersProceeds() {
    // The closing month is not a number: the page reset sets the month box itself. The sample
    // results are stored figures for a July closing.
    static constexpr std::array<ValueSetEntry, 14> table{{
        {"edtHSPHouseSalesPrice", 0, 100000},
        {"edtHSPFirstLoanBalance", 0, 0},
        {"edtHSPSecondLoanBalance", 0, 0},
        {"edtHSPOtherLoans", 0, 0},
        {"edtHSPPropertyTaxes", 0, 580},
        {"edtHSPTransferTaxPercent", 0, 2},
        {"edtHSPPrepaymentPenalty", 0, 0},
        {"edtHSPSalesCommission", 0, 5000},
        {"edtHSPOtherSalesCommission", 0, 0},
        {"edtHSPOtherFees", 0, 750},
        {"edtHSPPropertyTaxesPaid", 0, 338.33},
        {"edtHSPTransferTaxesPaid", 0, 2000},
        {"edtHSPCosts", 0, 8088.33},
        {"edtHSPNetGain", 0, 91911.67},
    }};
    return table;
}

} // namespace kelvarin::workspace::valuesets
