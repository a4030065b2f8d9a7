#pragma once

#include "Page.h"

class QTabWidget;

namespace kelvarin::app {

// pgQuickCalculators: the introduction and the tab set nbkQuickCalc with the monthly payment
// tab (recalculated on leaving any of its fields) and the missing loan variables tab (four
// variable buttons, their fields and "Calculate"). A click on a tab runs the choice handler
// "nbkQuickCalc", which moves the focus into the tab now shown.
class QuickCalculatorsPage : public Page {
    Q_OBJECT
public:
    QuickCalculatorsPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);

private:
    QWidget* buildMonthlyPaymentTab();
    QWidget* buildMissingVariablesTab();

    QTabWidget* m_tabs = nullptr;
};

}  // namespace kelvarin::app
