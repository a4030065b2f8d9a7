#pragma once

#include "Page.h"

#include <map>
#include <string>

namespace kelvarin::app {

class ChoiceGroup;
class GridView;

// pgLoanSpreadCalculator: the choice of the quantity computed (rgCalculate), the six fields,
// the two step groups shown under lblLeft and lblRight, and the grid grdLS with its yellow
// centre cross. Leaving a field, clicking a radio group, a cell or moving the mouse over the grid
// each run one core handler; the page then shows the groups as the mode placed them.
class LoanSpreadPage : public Page {
    Q_OBJECT
public:
    LoanSpreadPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeGroups();

    std::map<std::string, ChoiceGroup*, std::less<>> m_groups;
    GridView* m_grid = nullptr;
};

} // namespace kelvarin::app
