#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> rentVsBuy() {
    // The sample results are stored figures; the page reset does not recalculate them.
    static constexpr std::array<ValueSetEntry, 20> table{{
        {"edtRVBMonthlyRent", 0, 950},
        {"edtRVBRentIncrease", 0, 3.5},
        {"edtRVBTerm", 0, 5},
        {"edtRVBRentSpent", 0, 61132.11},
        {"edtRVBDownPayment", 0, 5000},
        {"edtRVBEstimatedReturn", 0, 4.5},
        {"edtRVBInvestmentValue", 0, 6258.98},
        {"edtRVBInterestRate", 0, 7},
        {"edtRVBLoanTerm", 0, 30},
        {"edtRVBHousePrice", 0, 147793},
        {"edtRVBIncomeTax", 0, 33},
        {"edtRVBPropertyTax", 0, 1.2},
        {"edtRVBTaxDeductions", 0, 20304.28},
        {"edtRVBPropertyAppreciation", 0, 7},
        {"edtRVBAppreciation", 0, 57481.24},
        {"edtRVBAnnualMaintenance", 0, 500},
        {"edtRVBSellingCostPercent", 0, 7},
        {"edtRVBValueOfPurchase", 0, 8870.38},
        {"edtRVBValueOfRenting", 0, -59873.13},
        {"edtRVBGain", 0, 68743.51},
    }};
    return table;
}

} // namespace kelvarin::workspace::valuesets
