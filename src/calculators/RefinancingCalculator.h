#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"

namespace kelvarin::calculators {

// The refinancing page: the current loan against a new loan over the months until the owner
// sells (payment saved, payments saved in total, equity built, net of the new loan's closing
// costs), and the panel pnlClosingCosts that itemizes those closing costs.
class RefinancingCalculator {
public:
    static constexpr const char* kPage = "pgRefinancingCalculator";

    explicit RefinancingCalculator(CalculatorContext context);

    // Run on leaving any page field, the panel's total, and when the panel closes. No guard of
    // its own: a calculation error ends it at the failing step, leaving the fields written before.
    void CalcRefi();
    // Run on leaving any of the twelve items: their total into edtClosingFees and
    // edtRefiClosingCosts; after the last item the focus goes to the panel's "OK".
    void CalcClosingCosts(const workspace::ValueField& sender);
    void btnCalcFeesClick();
    void btnClearClosingCostsClick();
    void btnCloseClosingCostsClick();
    // Zero or sample set by ValueSet (stored results; no calculation); the focus goes to
    // edtOldLoan when the page is shown. lblSell keeps its text.
    void ResetRefinancing();

    void registerHandlers(HandlerTable& table);

private:
    CalculatorContext m_ctx;
};

} // namespace kelvarin::calculators
