#include "CalculatorSet.h"

#include "workspace/HeldValues.h"

#include <algorithm>
#include <iterator>

namespace kelvarin::calculators {

CalculatorSet::CalculatorSet(CalculatorContext context)
    : m_ctx(context), m_quick(context), m_qualifier(context), m_closingCosts(context), m_rentVsBuy(context),
      m_biweekly(context), m_sellersProceeds(context), m_refinancing(context), m_loanSpread(context) {
    m_quick.registerHandlers(m_handlers);
    m_qualifier.registerHandlers(m_handlers);
    m_closingCosts.registerHandlers(m_handlers);
    m_rentVsBuy.registerHandlers(m_handlers);
    m_biweekly.registerHandlers(m_handlers);
    m_sellersProceeds.registerHandlers(m_handlers);
    m_refinancing.registerHandlers(m_handlers);
    m_loanSpread.registerHandlers(m_handlers);
}

bool CalculatorSet::isBuilt(std::string_view pageName) const {
    constexpr std::string_view built[] = {
        "pgQuickCalculators",    "pgMortgageQualifier",         "pgEstimatedClosingCosts",
        "pgRentVsBuyCalculator", "pgBiweeklyPaymentCalculator", "pgHomesellersProceedsCalculator",
        "pgRefinancingCalculator", "pgLoanSpreadCalculator",
    };
    return std::ranges::find(built, pageName) != std::end(built);
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
    else if (pageName == "pgRefinancingCalculator")
        m_refinancing.ResetRefinancing();
    else if (pageName == "pgLoanSpreadCalculator")
        m_loanSpread.ResetLoanSpread();
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
    m_refinancing.ResetRefinancing();
    m_loanSpread.ResetToZeroFields();
    m_qualifier.ResetMortgageQualifier();
    if (m_ctx.ws.shownPage() == LoanSpreadCalculator::kPage)
        m_loanSpread.ChooseLoanSpreadCalculator();
}

// The schedule pages join here as their modules come.
void CalculatorSet::CreatePrepaymentList() {}
void CalculatorSet::ResetAmortizationSchedules() {}
void CalculatorSet::ResetPrepaymentCalculator() {}

void CalculatorSet::rebuildLoanSpread() {
    m_loanSpread.CleanGrid();
    m_loanSpread.ChooseLoanSpreadCalculator();
}

} // namespace kelvarin::calculators
