#pragma once

#include "Page.h"

class QLabel;

namespace kelvarin::app {

// pgMenu: the product picture (a click opens the About window), the heading, the two
// paragraphs and the column of ten buttons that go to the calculators.
class MenuPage : public Page {
    Q_OBJECT
public:
    MenuPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_picture = nullptr;
};

}  // namespace kelvarin::app
