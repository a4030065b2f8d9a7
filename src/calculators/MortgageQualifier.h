#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"

namespace kelvarin::calculators {

// The mortgage qualifier page: the largest payment two qualifying ratios allow, and the
// loan and purchase price it buys in three rate/term scenarios.
class MortgageQualifier {
public:
    explicit MortgageQualifier(CalculatorContext context);

    // Run on leaving any field of the page. No guard of its own: a calculation error ends it
    // at the failing step, leaving the fields written before it.
    void CalcMQ();
    // The two lower scenarios follow the first rate a quarter and a half point lower.
    void edtMQir1Change();
    void ResetMortgageQualifier();

    void registerHandlers(HandlerTable& table);

private:
    CalculatorContext m_ctx;
};

}  // namespace kelvarin::calculators
