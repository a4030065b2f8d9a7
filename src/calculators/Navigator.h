#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"
#include "workspace/Pages.h"

#include <string_view>

namespace kelvarin::calculators {

// Moving between the main menu and the calculator pages. Every navigation command of the four
// sets (page buttons, Calculators menu, right-click menu, Calculator List menu) ends here. What
// it decides lands in the workspace (shown page, control states of the title strip, the menu
// entries and the reset button) and the UI port (printing, focus); a window only reflects it.
class Navigator {
public:
    static constexpr std::string_view kTitleStrip = "lblCalculatorName";
    static constexpr std::string_view kResetButton = "btnReset";
    static constexpr std::string_view kPageSet = "nbkMain"; // a focus target

    // Registers the title strip, the reset button and the three menu entries of every page
    // in their start states: the main menu shown, its entries and the reset button disabled.
    Navigator(CalculatorContext context, const HandlerTable& handlers);

    // Shows the command's target page: title, menu entries (the target's own three disabled, all
    // others enabled), printing, the reset button, then the page's entry steps (its own, or the
    // focus moved to the page table's focus target). The steps run before any navigation come
    // first; a command that leads nowhere does nothing more.
    void gotoChosenCalculator(std::string_view command);
    // Enables the "Main Menu" entry and the ten calculator entries of all three menus.
    void EnableMnuCalcItems();
    // Shows the main menu page, enables the ten calculator entries and disables printing.
    void CloseCalculators();

private:
    void setEntries(const workspace::PageInfo& page, bool enabled);
    void setTitle(const workspace::PageInfo& page);

    CalculatorContext m_ctx;
    const HandlerTable& m_handlers;
};

} // namespace kelvarin::calculators
