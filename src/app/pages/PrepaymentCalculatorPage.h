#pragma once

#include "Page.h"

namespace kelvarin::app {

// pgPrepaymentCalculator: "Loan Information" (the inputs) on the left and "Prepayment Results" on the
// right. Leaving any input recalculates the page (its exit handler "CalcPPC"). The single-payment and
// range modes, their payment numbers and the Clear button exist but are never shown.
class PrepaymentCalculatorPage : public Page {
    Q_OBJECT
public:
    PrepaymentCalculatorPage(const workspace::PageInfo& info, PageContext& context,
                             QWidget* parent = nullptr);
};

} // namespace kelvarin::app
