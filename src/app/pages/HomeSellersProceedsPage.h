#pragma once

#include "Page.h"

namespace kelvarin::app {

// pgHomesellersProceedsCalculator: the introduction, the price, the loans, the closing month
// and the taxes on the left; penalty, commissions, fees and the results on the right. Leaving
// any field, and any change of the closing month, recalculates the page ("CalcHSP").
class HomeSellersProceedsPage : public Page {
    Q_OBJECT
public:
    HomeSellersProceedsPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);
};

} // namespace kelvarin::app
