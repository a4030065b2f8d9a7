#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"

namespace kelvarin::calculators {

// The biweekly payments page: half the monthly payment every two weeks (26 a year) against
// monthly payments, in time and in interest.
class BiweeklyPayments {
public:
    explicit BiweeklyPayments(CalculatorContext context);

    // Run on leaving a field of the page. Guards its own run: a calculation error resets the
    // page (zero or sample set, as ValueSet says) without a message.
    void CalcBW();
    // Writes the zero or sample set chosen by ValueSet; the focus goes to the loan amount when
    // the page is shown, unless moveFocus is false.
    void ResetBiweeklyPayments(bool moveFocus = true);

    void registerHandlers(HandlerTable& table);

private:
    void calculate();

    CalculatorContext m_ctx;
};

} // namespace kelvarin::calculators
