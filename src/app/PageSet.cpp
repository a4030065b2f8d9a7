#include "PageSet.h"

#include "pages/PageRegistry.h"

namespace kelvarin::app {

PageSet::PageSet(PageContext& context, QWidget* parent)
    : QStackedWidget(parent), m_workspace(context.session.workspace()) {
    setObjectName(QStringLiteral("nbkMain"));
    for (const auto& info : workspace::pages()) {
        Page* page = createPage(info, context, this);
        m_pages.push_back(page);
        addWidget(page);
    }
    follow(m_workspace.shownPage());
    m_observer = m_workspace.addPageObserver([this](std::string_view name) { follow(name); });
}

PageSet::~PageSet() {
    m_workspace.removePageObserver(m_observer);
}

Page* PageSet::page(std::string_view name) const {
    for (Page* page : m_pages)
        if (page->name() == name)
            return page;
    return nullptr;
}

Page* PageSet::shownPage() const {
    return static_cast<Page*>(currentWidget());
}

void PageSet::follow(std::string_view name) {
    if (Page* target = page(name))
        setCurrentWidget(target);
}

} // namespace kelvarin::app
