#pragma once

#include "NavigationTable.h"

#include <string_view>

class QToolButton;

namespace kelvarin::workspace {
class UiPort;
}

namespace kelvarin::app {

class Menus;
class PageSet;
class TitleStrip;

// Moving between the main menu and the calculator pages. Every navigation command of the
// four sets (page buttons, Calculators menu, right-click menu, Calculator List menu) ends here.
class Navigation {
public:
    Navigation(PageSet& pages, Menus& menus, TitleStrip& title, QToolButton& resetButton, workspace::UiPort& ui);

    // Shows the command's target page: title, menu entries (the target's own three disabled,
    // all others enabled), printing, the reset button, then the page's own entry steps.
    // A command that leads nowhere does nothing beyond the pages' beforeNavigation.
    void gotoChosenCalculator(std::string_view command);
    // Enables the "Main Menu" entry and the ten calculator entries of all three menus.
    void EnableMnuCalcItems();
    // Shows the main menu page, enables the ten calculator entries and disables printing.
    void CloseCalculators();

private:
    void setEntries(const NavigationTarget& target, bool enabled);
    void setTitle(const NavigationTarget& target);

    PageSet& m_pages;
    Menus& m_menus;
    TitleStrip& m_title;
    QToolButton& m_reset;
    workspace::UiPort& m_ui;
};

}  // namespace kelvarin::app
