#include "Navigator.h"

namespace kelvarin::calculators {

using workspace::PageInfo;

namespace {
constexpr std::string_view kMainMenu = "pgMenu";
}

Navigator::Navigator(CalculatorContext context, const HandlerTable& handlers)
    : m_ctx(context), m_handlers(handlers) {
    auto& ws = m_ctx.ws;
    const PageInfo& start = *workspace::findPage(kMainMenu);
    auto& title = ws.addControl({std::string(kTitleStrip), std::string(start.title)});
    title.setTop(start.titleStart);
    ws.addControl({std::string(kResetButton), {}, "Reset values", false});
    ws.addControl({std::string(kPageSet)});
    for (const PageInfo* page : workspace::pagesInMenuOrder())
        for (std::string_view entry : {page->calculatorsMenu, page->popupMenu, page->listMenu})
            ws.addControl({std::string(entry), std::string(page->menuCaption), {}, page->name != kMainMenu});
}

void Navigator::gotoChosenCalculator(std::string_view command) {
    m_handlers.beforeNavigation();
    const PageInfo* target = workspace::pageOfCommand(command);
    if (!target)
        return;
    auto& ws = m_ctx.ws;

    if (target->name == kMainMenu) {
        setTitle(*target);
        ws.showPage(kMainMenu);
        CloseCalculators();
        m_ctx.ui.setPrintingAvailable(false);
        setEntries(*target, false);
        ws.control(kResetButton).setEnabled(false);
        return;
    }

    setTitle(*target);
    EnableMnuCalcItems();
    setEntries(*target, false);
    ws.showPage(target->name);
    m_ctx.ui.setPrintingAvailable(target->printing);
    ws.control(kResetButton).setEnabled(true);
    if (!m_handlers.enter(target->name) && !target->focus.empty())
        m_ctx.ui.focus(target->focus);
}

void Navigator::EnableMnuCalcItems() {
    for (const PageInfo* page : workspace::pagesInMenuOrder())
        setEntries(*page, true);
}

void Navigator::CloseCalculators() {
    m_ctx.ws.showPage(kMainMenu);
    for (const PageInfo* page : workspace::pagesInMenuOrder())
        if (page->name != kMainMenu)
            setEntries(*page, true);
    m_ctx.ui.setPrintingAvailable(false);
}

void Navigator::setEntries(const PageInfo& page, bool enabled) {
    for (std::string_view entry : {page.calculatorsMenu, page.popupMenu, page.listMenu})
        m_ctx.ws.control(entry).setEnabled(enabled);
}

// Blank first, then the start position, then the text: a view never draws the new text at
// the old place.
void Navigator::setTitle(const PageInfo& page) {
    auto& title = m_ctx.ws.control(kTitleStrip);
    title.setCaption({});
    title.setTop(page.titleStart);
    title.setCaption(std::string(page.title));
}

} // namespace kelvarin::calculators
