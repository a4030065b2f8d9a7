#include "FieldTables.h"
#include "workspace/Workspace.h"

#include <vector>

namespace kelvarin::workspace {

std::span<const FieldSpec> allFieldSpecs() {
    // Page (calculator id) order: the workspace's field vector follows it.
    static const std::vector<FieldSpec> all = [] {
        std::vector<FieldSpec> specs;
        for (auto page :
             {fields::quickCalculatorsFields, fields::estimatedClosingCostsFields,
              fields::mortgageQualifierFields, fields::biweeklyPaymentFields, fields::refinancingFields,
              fields::loanSpreadFields, fields::amortizationSchedulesFields, fields::rentVsBuyFields,
              fields::prepaymentFields, fields::homesellersProceedsFields}) {
            const std::span<const FieldSpec> rows = page();
            specs.insert(specs.end(), rows.begin(), rows.end());
        }
        return specs;
    }();
    return all;
}

}  // namespace kelvarin::workspace
