#pragma once

#include <span>
#include <string_view>

namespace kelvarin::app {

// One navigation target: the commands that lead to it and what entering it sets.
struct NavigationTarget {
    std::string_view page;
    std::string_view pageButton;     // main menu page button, "" for the main menu
    std::string_view buttonCaption;
    std::string_view calculatorName; // "Go to " + this is the button's hint
    std::string_view calculatorsMenu;
    std::string_view menuCaption;    // the same caption in all three menus
    std::string_view popupMenu;      // right-click menu entry
    std::string_view listMenu;       // Calculator List menu entry
    std::string_view preferenceEntry;  // hidden, no effect
    std::string_view preferenceCaption;
    int titleStart;                  // pixels from the title strip's top
    bool printing;                   // print button and menu entry on after entering
    std::string_view focus;          // control given the focus on entering, "" unchanged
};

// The main menu first, then the calculators in Calculators-menu order.
std::span<const NavigationTarget> navigationTargets();
const NavigationTarget* targetOfPage(std::string_view page);
// The target whose row holds the command (hidden preference entries lead nowhere).
const NavigationTarget* targetOfCommand(std::string_view command);

}  // namespace kelvarin::app
