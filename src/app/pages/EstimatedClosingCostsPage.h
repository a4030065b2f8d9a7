#pragma once

#include "Page.h"

namespace kelvarin::app {

// pgEstimatedClosingCosts: the buyer's inputs on the left, the loan, the monthly payment, the
// totals and the cash to close on the right, with key buttons that unlock the purchase price,
// the down payment and the loan amount for typing. Two line-item panels (pnlClosing,
// pnlEscrow) open over the inputs; Tab cycles inside an open panel. Leaving any field runs
// "CalcECC".
class EstimatedClosingCostsPage : public Page {
    Q_OBJECT
public:
    EstimatedClosingCostsPage(const workspace::PageInfo& info, PageContext& context,
                              QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildInputs();
    void buildResults();
    QWidget* buildClosingPanel();
    QWidget* buildEscrowPanel();
    QWidget* addPanel(const char* name, const QRect& geometry);

    QWidget* m_closingOk = nullptr;
    QWidget* m_escrowOk = nullptr;
};

} // namespace kelvarin::app
