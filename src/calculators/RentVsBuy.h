#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"

namespace kelvarin::calculators {

// The rent versus buy page: renting on and investing the cash for a down payment, against
// buying the home whose loan payment equals today's rent, over the years before a move.
class RentVsBuy {
public:
    explicit RentVsBuy(CalculatorContext context);

    // Run on leaving any field of the page. No guard of its own: a calculation error ends it
    // at the failing step, leaving the fields written before it.
    void CalcRVB();
    // Writes the zero or sample set chosen by ValueSet (the sample results are stored figures,
    // not recalculated); the focus goes to the monthly rent when the page is shown, unless
    // moveFocus is false.
    void ResetRentVsBuy(bool moveFocus = true);

    void registerHandlers(HandlerTable& table);

private:
    CalculatorContext m_ctx;
};

} // namespace kelvarin::calculators
