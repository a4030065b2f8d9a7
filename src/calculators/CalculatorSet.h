#pragma once

#include "BiweeklyPayments.h"
#include "AmortizationSchedules.h"
#include "CalculatorContext.h"
#include "EstimatedClosingCosts.h"
#include "HandlerTable.h"
#include "HomeSellersProceeds.h"
#include "MortgageQualifier.h"
#include "PrepaymentCalculator.h"
#include "QuickCalculators.h"
#include "RentVsBuy.h"
#include "LoanSpreadCalculator.h"
#include "RefinancingCalculator.h"

#include <string_view>

namespace kelvarin::calculators {

// All calculator modules of the workspace and their named handlers. The window and the
// headless page driver both run the program through one of these (inside a Session).
class CalculatorSet {
public:
    explicit CalculatorSet(CalculatorContext context);
    CalculatorSet(const CalculatorSet&) = delete;
    CalculatorSet& operator=(const CalculatorSet&) = delete;

    const HandlerTable& handlers() const { return m_handlers; }
    CalculatorContext& context() { return m_ctx; }

    QuickCalculators& quickCalculators() { return m_quick; }
    MortgageQualifier& mortgageQualifier() { return m_qualifier; }
    EstimatedClosingCosts& estimatedClosingCosts() { return m_closingCosts; }
    RentVsBuy& rentVsBuy() { return m_rentVsBuy; }
    BiweeklyPayments& biweeklyPayments() { return m_biweekly; }
    HomeSellersProceeds& homeSellersProceeds() { return m_sellersProceeds; }
    RefinancingCalculator& refinancing() { return m_refinancing; }
    LoanSpreadCalculator& loanSpread() { return m_loanSpread; }
    AmortizationSchedules& amortizationSchedules() { return m_amortization; }
    PrepaymentCalculator& prepaymentCalculator() { return m_prepayment; }

    // Whether a calculator module runs the page (the main menu has none).
    bool isBuilt(std::string_view pageName) const;
    // Runs the page reset of a page with the set chosen by ValueSet; false when the page
    // has none.
    bool resetPage(std::string_view pageName);
    // The reset menu's "THIS" commands: ValueSet := valueSet (0 zero, 1 samples), then the page
    // reset of the shown page (none on the main menu).
    void ResetThisCalculator(int valueSet);
    // Zero values everywhere, as at start-up and when a document closes: ValueSet and the
    // held general values to 0, the schedule start to January of the current year, then
    // every page's zero set without moving the focus.
    void ResetAllToZero();

    // Start-up steps of the schedule pages and the error handler's rebuild of the loan spread
    // grid (CleanGrid, then ChooseLoanSpreadCalculator).
    void CreatePrepaymentList();
    void ResetAmortizationSchedules();
    void ResetPrepaymentCalculator();
    void rebuildLoanSpread();

private:
    CalculatorContext m_ctx;
    HandlerTable m_handlers;
    QuickCalculators m_quick;
    MortgageQualifier m_qualifier;
    EstimatedClosingCosts m_closingCosts;
    RentVsBuy m_rentVsBuy;
    BiweeklyPayments m_biweekly;
    HomeSellersProceeds m_sellersProceeds;
    RefinancingCalculator m_refinancing;
    LoanSpreadCalculator m_loanSpread;
    AmortizationSchedules m_amortization;
    PrepaymentCalculator m_prepayment;
};

} // namespace kelvarin::calculators
