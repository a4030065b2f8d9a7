#pragma once

#include "Page.h"

namespace kelvarin::app {

// pgBiweeklyPaymentCalculator: the introduction, the loan (amount, rate, term) and three rows
// of results: standard payments, biweekly payments, and the time and money saved. Leaving an
// input recalculates the page (its exit handler "CalcBW").
class BiweeklyPaymentsPage : public Page {
    Q_OBJECT
public:
    BiweeklyPaymentsPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);
};

} // namespace kelvarin::app
