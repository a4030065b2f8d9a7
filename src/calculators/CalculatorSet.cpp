#include "CalculatorSet.h"

#include "workspace/HeldValues.h"

namespace kelvarin::calculators {

CalculatorSet::CalculatorSet(CalculatorContext context)
    : m_ctx(context), m_quick(context), m_qualifier(context), m_amortization(context), m_prepayment(context) {
    m_quick.registerHandlers(m_handlers);
    m_qualifier.registerHandlers(m_handlers);
    m_amortization.registerHandlers(m_handlers);
    m_prepayment.registerHandlers(m_handlers);
}

bool CalculatorSet::isBuilt(std::string_view pageName) const {
    return pageName == "pgQuickCalculators" || pageName == "pgMortgageQualifier" ||
           pageName == "pgAmortizationSchedules" || pageName == "pgPrepaymentCalculator";
}

bool CalculatorSet::resetPage(std::string_view pageName) {
    if (pageName == "pgQuickCalculators")
        m_quick.ResetQuickCalculators();
    else if (pageName == "pgMortgageQualifier")
        m_qualifier.ResetMortgageQualifier();
    else if (pageName == "pgAmortizationSchedules")
        m_amortization.ResetAmortizationSchedules();
    else if (pageName == "pgPrepaymentCalculator")
        m_prepayment.ResetPrepaymentCalculator();
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
    m_prepayment.ResetForAllToZero();
    m_qualifier.ResetMortgageQualifier();
    m_amortization.ResetForAllToZero();
}

void CalculatorSet::CreatePrepaymentList() {
    m_amortization.CreatePrepaymentList();
}
void CalculatorSet::ResetAmortizationSchedules() {
    m_amortization.ResetAmortizationSchedules();
}
void CalculatorSet::ResetPrepaymentCalculator() {
    m_prepayment.ResetPrepaymentCalculator();
}
// The loan spread page joins here when its module comes.
void CalculatorSet::rebuildLoanSpread() {}

} // namespace kelvarin::calculators
