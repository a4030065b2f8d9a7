#include "CalculatorSet.h"

#include "workspace/HeldValues.h"

namespace kelvarin::calculators {

CalculatorSet::CalculatorSet(CalculatorContext context)
    : m_ctx(context), m_quick(context), m_qualifier(context), m_closingCosts(context), m_rentVsBuy(context),
      m_biweekly(context), m_sellersProceeds(context) {
    m_quick.registerHandlers(m_handlers);
    m_qualifier.registerHandlers(m_handlers);
    m_closingCosts.registerHandlers(m_handlers);
    m_rentVsBuy.registerHandlers(m_handlers);
    m_biweekly.registerHandlers(m_handlers);
    m_sellersProceeds.registerHandlers(m_handlers);
}

bool CalculatorSet::isBuilt(std::string_view pageName) const {
    return pageName == "pgQuickCalculators" || pageName == "pgMortgageQualifier" ||
           pageName == "pgEstimatedClosingCosts" || pageName == "pgRentVsBuyCalculator" || pageName == "pgBiweeklyPaymentCalculator" ||
           pageName == "pgHomesellersProceedsCalculator";
}

bool CalculatorSet::resetPage(std::string_view pageName) {
    if (pageName == "pgQuickCalculators")
        m_quick.ResetQuickCalculators();
    else if (pageName == "pgMortgageQualifier")
        m_qualifier.ResetMortgageQualifier();
    else if (pageName == "pgEstimatedClosingCosts")
        m_closingCosts.ResetEstimatedClosingCosts();
    else if (pageName == "pgRentVsBuyCalculator")
        m_rentVsBuy.ResetRentVsBuy();
    else if (pageName == "pgBiweeklyPaymentCalculator")
        m_biweekly.ResetBiweeklyPayments();
    else if (pageName == "pgHomesellersProceedsCalculator")
        m_sellersProceeds.ResetHomeSellersProceeds();
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
    m_rentVsBuy.ResetRentVsBuy(false);
    m_biweekly.ResetBiweeklyPayments(false);
    m_sellersProceeds.ResetHomeSellersProceeds(false);
    m_qualifier.ResetMortgageQualifier();
}

// The schedule pages and the loan spread page join here as their modules come.
void CalculatorSet::CreatePrepaymentList() {}
void CalculatorSet::ResetAmortizationSchedules() {}
void CalculatorSet::ResetPrepaymentCalculator() {}
void CalculatorSet::rebuildLoanSpread() {}

} // namespace kelvarin::calculators
