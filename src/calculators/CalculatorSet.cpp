#include "CalculatorSet.h"

namespace kelvarin::calculators {

CalculatorSet::CalculatorSet(CalculatorContext context) : m_ctx(context), m_quick(context), m_qualifier(context) {
    m_quick.registerHandlers(m_handlers);
    m_qualifier.registerHandlers(m_handlers);
}

bool CalculatorSet::resetPage(std::string_view pageName) {
    if (pageName == "pgQuickCalculators")
        m_quick.ResetQuickCalculators();
    else if (pageName == "pgMortgageQualifier")
        m_qualifier.ResetMortgageQualifier();
    else
        return false;
    return true;
}

}  // namespace kelvarin::calculators
