#pragma once

#include "Page.h"

namespace kelvarin::app {

// pgRentVsBuyCalculator: two columns of ten rows, the rent, the investment and the home loan
// on the left, taxes, appreciation and the comparison on the right. Leaving any field
// recalculates the page (its exit handler "CalcRVB").
class RentVsBuyPage : public Page {
    Q_OBJECT
public:
    RentVsBuyPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);
};

} // namespace kelvarin::app
