#pragma once

#include "pages/Page.h"

#include <QStackedWidget>
#include <string_view>
#include <vector>

namespace kelvarin::app {

// nbkMain: the eleven pages in CalculatorId order, one shown at a time: always the workspace's
// shown page, which navigation sets in the core.
class PageSet : public QStackedWidget {
    Q_OBJECT
public:
    PageSet(PageContext& context, QWidget* parent = nullptr);
    ~PageSet() override;

    Page* page(std::string_view name) const;
    Page* shownPage() const;
    const std::vector<Page*>& pages() const { return m_pages; }

private:
    void follow(std::string_view name);

    workspace::Workspace& m_workspace;
    std::vector<Page*> m_pages;
    int m_observer = 0;
};

} // namespace kelvarin::app
