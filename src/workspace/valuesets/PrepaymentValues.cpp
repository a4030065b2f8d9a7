#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> prepaymentCalculator() {
    // The sample results are stored figures of the sample inputs; the reset does not recalculate.
    static constexpr std::array<ValueSetEntry, 17> table{{
        {"edtPPCAmountBorrowed", 0, 100000},
        {"edtPPCInterest", 0, 8.75},
        {"edtPPCTerm", 0, 360},
        {"edtPPCPropertyTaxes", 0, 1200},
        {"edtPPCInsurance", 0, 580},
        {"edtPPCPMI", 0, 600},
        {"edtPPCPayment", 0, 786.7},
        {"edtPPCTotalPayment", 0, 985.03},
        {"edtPPCTotalInterest", 0, 183212.97},
        {"edtPPCTotalPrincipalAndInterest", 0, 283212.97},
        {"edtPPCNewPayment", 0, 886.7},
        {"edtPPCNewTotalPayment", 0, 1085.03},
        {"edtPPCTotalInterestWithPrepayments", 0, 110882.68},
        {"edtPPCTotalInterestAndPrincipalWithPrepayments", 0, 210882.68},
        {"edtPPCNewTerm", 0, 238},
        {"edtPPCSavings", 0, 72330.29},
        {"edtPPCExtraAmount", 0, 100},
    }};
    return table;
}

} // namespace kelvarin::workspace::valuesets
