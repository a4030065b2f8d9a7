#pragma once

#include "Page.h"

namespace kelvarin::app {

// pgMortgageQualifier: the introduction, the borrower and co-borrower incomes and debts, the
// qualifying ratios with the resulting ratios, taxes, insurance and cash, and the three
// rate/term scenarios with the payment, loan and purchase price each allows. Leaving any
// field recalculates the page (its exit handler "CalcMQ").
class MortgageQualifierPage : public Page {
    Q_OBJECT
public:
    MortgageQualifierPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);
};

}  // namespace kelvarin::app
