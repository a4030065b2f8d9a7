#pragma once

#include "Page.h"

namespace kelvarin::app {

// pgRefinancingCalculator: the heading line (lblSell and its fixed continuation), the current
// loan, the new loan and the savings in three columns, and the panel pnlClosingCosts over the
// page that itemizes the new loan's closing costs. Leaving a page field recalculates the page
// ("CalcRefi"); leaving an item of the panel updates both closing-cost totals ("CalcClosingCosts").
class RefinancingPage : public Page {
    Q_OBJECT
public:
    RefinancingPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);

private:
    void buildPanel();
};

} // namespace kelvarin::app
