#include "FieldTables.h"
#include "workspace/Workspace.h"

#include <vector>

namespace kelvarin::workspace {

std::span<const FieldDesign> allFieldDesigns() {
    // Page (calculator id) order: the workspace's field vector follows it.
    static const std::vector<FieldDesign> all = [] {
        std::vector<FieldDesign> designs;
        for (auto page :
             {fields::quickCalculatorsFields, fields::estimatedClosingCostsFields,
              fields::mortgageQualifierFields, fields::biweeklyPaymentFields, fields::refinancingFields,
              fields::loanSpreadFields, fields::amortizationSchedulesFields, fields::rentVsBuyFields,
              fields::prepaymentFields, fields::homesellersProceedsFields}) {
            const std::span<const FieldDesign> rows = page();
            designs.insert(designs.end(), rows.begin(), rows.end());
        }
        return designs;
    }();
    return all;
}

}  // namespace kelvarin::workspace
