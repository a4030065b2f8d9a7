#include "Navigation.h"

#include "Menus.h"
#include "PageSet.h"
#include "widgets/TitleStrip.h"

#include "workspace/Pages.h"
#include "workspace/UiPort.h"

#include <QAction>
#include <QToolButton>

namespace kelvarin::app {

namespace {
constexpr std::string_view kMainMenu = "pgMenu";
}

Navigation::Navigation(PageSet& pages, Menus& menus, TitleStrip& title, QToolButton& resetButton,
                       workspace::UiPort& ui)
    : m_pages(pages), m_menus(menus), m_title(title), m_reset(resetButton), m_ui(ui) {
    if (const auto* start = targetOfPage(kMainMenu))
        setTitle(*start);
}

void Navigation::gotoChosenCalculator(std::string_view command) {
    for (Page* page : m_pages.pages())
        page->beforeNavigation();
    const NavigationTarget* target = targetOfCommand(command);
    if (!target)
        return;

    if (target->page == kMainMenu) {
        setTitle(*target);
        m_pages.showPage(kMainMenu);
        CloseCalculators();
        m_ui.setPrintingAvailable(false);
        setEntries(*target, false);
        m_reset.setEnabled(false);
        return;
    }

    setTitle(*target);
    EnableMnuCalcItems();
    setEntries(*target, false);
    m_pages.showPage(target->page);
    m_ui.setPrintingAvailable(target->printing);
    m_reset.setEnabled(true);
    m_pages.page(target->page)->enter(target->focus);
}

void Navigation::EnableMnuCalcItems() {
    for (const auto& target : navigationTargets())
        setEntries(target, true);
}

void Navigation::CloseCalculators() {
    m_pages.showPage(kMainMenu);
    for (const auto& target : navigationTargets())
        if (target.page != kMainMenu)
            setEntries(target, true);
    m_ui.setPrintingAvailable(false);
}

void Navigation::setEntries(const NavigationTarget& target, bool enabled) {
    for (QAction* entry : m_menus.entriesOf(target))
        if (entry)
            entry->setEnabled(enabled);
}

void Navigation::setTitle(const NavigationTarget& target) {
    const auto* info = workspace::findPage(target.page);
    const std::string_view title = info ? info->title : std::string_view{};
    m_title.setTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())), target.titleStart);
}

}  // namespace kelvarin::app
