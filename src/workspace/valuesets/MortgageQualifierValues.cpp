#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> mortgageQualifier() {
    // edtMQir1 comes before the two lower rates: its change handler rewrites them.
    static constexpr std::array<ValueSetEntry, 32> table{{
        {"edtIncome1", 0, 4000},
        {"edtOIncome1", 0, 1000},
        {"edtNotes1", 0, 50},
        {"edtAuto1", 0, 450},
        {"edtCards1", 0, 350},
        {"edtIncome2", 0, 0},
        {"edtOIncome2", 0, 0},
        {"edtNotes2", 0, 0},
        {"edtAuto2", 0, 0},
        {"edtCards2", 0, 0},
        {"edtMQPropertyTaxes", 0, 0},
        {"edtMQHomeownersInsurance", 0, 0},
        {"edtMQDownPayment", 0, 20000},
        {"edtHousingRatio", 0, 28},
        {"edtCalculatedHousingRatio", 0, 19},
        {"edtDebtRatio", 0, 36},
        {"edtCalculatedDebtRatio", 0, 36},
        {"edtMQir1", 0, 7.5},
        {"edtMQir2", 0, 7.25},
        {"edtMQir3", 0, 7},
        {"edtMQTerm1", 0, 30},
        {"edtMQTerm2", 0, 20},
        {"edtMQTerm3", 0, 15},
        {"edtMQPayment1", 0, 950},
        {"edtMQPayment2", 0, 950},
        {"edtMQPayment3", 0, 950},
        {"edtMQLoan1", 0, 135866.75},
        {"edtMQLoan2", 0, 120195.96},
        {"edtMQLoan3", 0, 105693.16},
        {"edtMQPurchasePrice1", 0, 155866.75},
        {"edtMQPurchasePrice2", 0, 140195.96},
        {"edtMQPurchasePrice3", 0, 125693.16},
    }};
    return table;
}

}  // namespace kelvarin::workspace::valuesets
