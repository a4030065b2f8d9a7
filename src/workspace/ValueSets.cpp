#include "ValueSets.h"

#include "Workspace.h"
#include "valuesets/ValueSetTables.h"

#include <cmath>
#include <cstdint>

namespace kelvarin::workspace {

std::span<const ValueSetEntry> valueSetOf(std::string_view pageName) {
    if (pageName == "pgQuickCalculators")
        return valuesets::quickCalculators();
    if (pageName == "pgMortgageQualifier")
        return valuesets::mortgageQualifier();
    if (pageName == "pgEstimatedClosingCosts")
        return valuesets::estimatedClosingCosts();
    if (pageName == "pgRentVsBuyCalculator")
        return valuesets::rentVsBuy();
    if (pageName == "pgBiweeklyPaymentCalculator")
        return valuesets::biweeklyPayments();
    if (pageName == "pgHomesellersProceedsCalculator")
        return valuesets::homeSellersProceeds();
    if (pageName == "pgRefinancingCalculator")
        return valuesets::refinancing();
    if (pageName == "pgLoanSpreadCalculator")
        return valuesets::loanSpread();
    if (pageName == "pgAmortizationSchedules")
        return valuesets::amortizationSchedules();
    if (pageName == "pgPrepaymentCalculator")
        return valuesets::prepaymentCalculator();
    return {};
}

void writeValueSet(Workspace& ws, std::string_view pageName, int valueSet) {
    for (const ValueSetEntry& entry : valueSetOf(pageName)) {
        ValueField& field = ws.field(entry.field);
        const double value = valueSet == 0 ? entry.zero : entry.sample;
        if (field.mask().dataType == DataType::Whole)
            field.writeWhole(static_cast<std::int32_t>(std::lround(value)));
        else
            field.writeFloat(value);
    }
}

}  // namespace kelvarin::workspace
