#include "PageSet.h"

#include "pages/PageRegistry.h"

#include <stdexcept>

namespace kelvarin::app {

PageSet::PageSet(PageContext& context, QWidget* parent) : QStackedWidget(parent), m_workspace(context.workspace) {
    setObjectName(QStringLiteral("nbkMain"));
    for (const auto& info : workspace::pages()) {
        Page* page = createPage(info, context, this);
        m_pages.push_back(page);
        addWidget(page);
    }
    showPage(m_workspace.shownPage());
}

Page* PageSet::page(std::string_view name) const {
    for (Page* page : m_pages)
        if (page->name() == name)
            return page;
    return nullptr;
}

Page* PageSet::shownPage() const { return static_cast<Page*>(currentWidget()); }

void PageSet::showPage(std::string_view name) {
    Page* target = page(name);
    if (!target)
        throw std::out_of_range("no page named " + std::string(name));
    m_workspace.showPage(name);
    setCurrentWidget(target);
}

}  // namespace kelvarin::app
