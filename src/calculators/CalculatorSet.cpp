#include "CalculatorSet.h"

#include "workspace/HeldValues.h"

namespace kelvarin::calculators {

CalculatorSet::CalculatorSet(CalculatorContext context)
    : m_ctx(context), m_quick(context), m_qualifier(context), m_closingCosts(context) {
    m_quick.registerHandlers(m_handlers);
    m_qualifier.registerHandlers(m_handlers);
    m_closingCosts.registerHandlers(m_handlers);
    // The reset button's menu.
    m_handlers.addClick("mnuResetThisZero", [this] { ResetThisCalculator(0); });
    m_handlers.addClick("mnuResetAllZero", [this] { ResetAllToZero(); });
    m_handlers.addClick("mnuResetSamples", [this] { ResetThisCalculator(1); });
    m_handlers.addClick("mnuResetAllSamples", [this] { ResetAllToSamples(); });
}

bool CalculatorSet::isBuilt(std::string_view pageName) const {
    return pageName == "pgQuickCalculators" || pageName == "pgMortgageQualifier" ||
           pageName == "pgEstimatedClosingCosts";
}

bool CalculatorSet::resetPage(std::string_view pageName) {
    if (pageName == "pgQuickCalculators")
        m_quick.ResetQuickCalculators();
    else if (pageName == "pgMortgageQualifier")
        m_qualifier.ResetMortgageQualifier();
    else if (pageName == "pgEstimatedClosingCosts")
        m_closingCosts.ResetEstimatedClosingCosts();
    else
        return false;
    return true;
}

void CalculatorSet::ResetThisCalculator(int valueSet) {
    m_ctx.ws.state().ValueSet = valueSet;
    resetPage(m_ctx.ws.shownPage());
}

void CalculatorSet::ResetAllToZero() {
    auto& state = m_ctx.ws.state();
    auto& held = m_ctx.held;
    state.ValueSet = 0;
    held.Loan = held.Interest = held.AmortPayment = held.Federal = held.State = held.Downpayment = 0;
    held.Term = 0;
    state.DefaultCalculator = 0;
    state.ScheduleStartMonth = 1;
    state.ScheduleStartYear = state.CurrentYear;
    m_quick.ResetQuickCalculators(false);
    m_closingCosts.resetForAllZero();
    m_qualifier.ResetMortgageQualifier();
}

void CalculatorSet::ResetAllToSamples() {
    auto& state = m_ctx.ws.state();
    const int chosen = state.ValueSet;
    state.ValueSet = 1;
    const bool quickShown = m_ctx.ws.shownPage() == "pgQuickCalculators";
    m_quick.ResetQuickCalculators(quickShown);
    m_closingCosts.resetForAllSamples();
    m_qualifier.ResetMortgageQualifier();
    state.ValueSet = chosen;
}

// The pages join here as their modules come.
void CalculatorSet::afterDocumentRead() {
    m_closingCosts.lockAllAmounts();
}
void CalculatorSet::CalcAmortization() {}
void CalculatorSet::CreatePrepaymentList() {}
void CalculatorSet::ResetAmortizationSchedules() {}
void CalculatorSet::ResetPrepaymentCalculator() {}
void CalculatorSet::rebuildLoanSpread() {}

} // namespace kelvarin::calculators
