#include "CalculatorSet.h"

#include "workspace/HeldValues.h"
#include "workspace/Pages.h"



namespace kelvarin::calculators {

CalculatorSet::CalculatorSet(CalculatorContext context)
    : m_ctx(context), m_quick(context), m_qualifier(context), m_closingCosts(context), m_rentVsBuy(context),
      m_biweekly(context), m_sellersProceeds(context), m_refinancing(context), m_loanSpread(context),
      m_amortization(context), m_prepayment(context) {
    m_quick.registerHandlers(m_handlers);
    m_qualifier.registerHandlers(m_handlers);
    m_closingCosts.registerHandlers(m_handlers);
    m_rentVsBuy.registerHandlers(m_handlers);
    m_biweekly.registerHandlers(m_handlers);
    m_sellersProceeds.registerHandlers(m_handlers);
    m_refinancing.registerHandlers(m_handlers);
    m_loanSpread.registerHandlers(m_handlers);
    m_amortization.registerHandlers(m_handlers);
    m_prepayment.registerHandlers(m_handlers);
}

// Every calculator page has its module now; the main menu has none.
bool CalculatorSet::isBuilt(std::string_view pageName) const {
    return pageName != "pgMenu" && workspace::findPage(pageName) != nullptr;
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
    m_closingCosts.resetForAllZero();
    m_rentVsBuy.ResetRentVsBuy(false);
    m_refinancing.ResetRefinancing();
    m_biweekly.ResetBiweeklyPayments(false);
    m_loanSpread.ResetToZeroFields();
    m_prepayment.ResetForAllToZero();
    m_sellersProceeds.ResetHomeSellersProceeds(false);
    m_qualifier.ResetMortgageQualifier();
    m_amortization.ResetForAllToZero();
    if (m_ctx.ws.shownPage() == LoanSpreadCalculator::kPage)
        m_loanSpread.ChooseLoanSpreadCalculator();
}

void CalculatorSet::CreatePrepaymentList() { m_amortization.CreatePrepaymentList(); }
void CalculatorSet::ResetAmortizationSchedules() { m_amortization.ResetAmortizationSchedules(); }
void CalculatorSet::ResetPrepaymentCalculator() { m_prepayment.ResetPrepaymentCalculator(); }

void CalculatorSet::rebuildLoanSpread() {
    m_loanSpread.CleanGrid();
    m_loanSpread.ChooseLoanSpreadCalculator();
}

} // namespace kelvarin::calculators
