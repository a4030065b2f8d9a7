#pragma once

#include "pages/Page.h"

#include <QStackedWidget>

#include <string_view>
#include <vector>

namespace kelvarin::app {

// nbkMain: the eleven pages in CalculatorId order, one shown at a time. Showing a page also
// tells the workspace, where calculators ask which page is shown.
class PageSet : public QStackedWidget {
    Q_OBJECT
public:
    PageSet(PageContext& context, QWidget* parent = nullptr);

    Page* page(std::string_view name) const;
    Page* shownPage() const;
    const std::vector<Page*>& pages() const { return m_pages; }
    void showPage(std::string_view name);

private:
    workspace::Workspace& m_workspace;
    std::vector<Page*> m_pages;
};

}  // namespace kelvarin::app
