#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"

namespace kelvarin::calculators {

// Which variable "Calculate" computes on the Missing Loan Variables tab.
enum class QuickCalcTarget { None, LA, IR, PMT, N };

// The quick calculators page: monthly payment (tab 0) and missing loan variables (tab 1).
class QuickCalculators {
public:
    explicit QuickCalculators(CalculatorContext context);

    // Tab 0, run on leaving any of its fields: down payment, loan amount and payment.
    void CalcMPI(const workspace::ValueField& sender);
    // Tab 1 variable buttons: choose the target, empty all four fields, move the focus.
    void btnCalcLAClick();
    void btnCalcIRClick();
    void btnCalcPMTClick();
    void btnCalcNClick();
    // Computes the chosen variable; guards its own run and reports a failure itself.
    void btnCalcQuickCalcClick();
    void nbkQuickCalcTabClick(int tabIndex);
    // Writes the zero or sample set chosen by ValueSet; "Calculate" disabled, normal looks;
    // the focus goes to the tab set (even from another page) unless moveFocus is false.
    void ResetQuickCalculators(bool moveFocus = true);

    QuickCalcTarget target() const { return m_target; }
    void registerHandlers(HandlerTable& table);

    static constexpr const char* kCannotCompleteMessage =
        "This calculation cannot be completed\n\rusing the values you entered.\n\r\n\rPlease try again.";

private:
    void chooseTarget(QuickCalcTarget target, const char* targetField, const char* focusField);
    void computeTarget();
    void setNormalLooks();

    CalculatorContext m_ctx;
    QuickCalcTarget m_target = QuickCalcTarget::None;
};

}  // namespace kelvarin::calculators
