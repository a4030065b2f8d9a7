#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace kelvarin::workspace {

// The eleven pages of nbkMain and how navigation reaches each. calculatorId is the page
// position (never stored); defaultCalculatorNumber follows the Calculators menu and is the
// only number stored.
struct PageInfo {
    int calculatorId;
    std::string_view name;  // "pgQuickCalculators"
    std::string_view title; // text of the vertical title strip
    int helpContext;        // 0: none
    int defaultCalculatorNumber;

    // The commands that lead here: the main menu page's button ("" for the main menu itself),
    // and the entries of the Calculators menu, the right-click menu and the Calculator List menu.
    std::string_view pageButton;
    std::string_view buttonCaption;
    std::string_view calculatorName; // "Go to " + this is the page button's hint
    std::string_view calculatorsMenu;
    std::string_view menuCaption; // the same caption in all three menus
    std::string_view popupMenu;
    std::string_view listMenu;
    std::string_view preferenceEntry; // hidden, no effect
    std::string_view preferenceCaption;

    // Entering: where the turned title text starts (pixels from the strip's top), whether
    // printing is on afterwards, and the control given the focus ("" unchanged) unless the
    // page's own entry steps say otherwise.
    int titleStart;
    bool printing;
    std::string_view focus;
};

std::span<const PageInfo> pages(); // in calculatorId order
// The main menu first, then the calculators in Calculators-menu order.
const std::vector<const PageInfo*>& pagesInMenuOrder();
const PageInfo* findPage(std::string_view name);
const PageInfo* pageByDefaultCalculatorNumber(int number);
// The page whose row holds the navigation command; hidden preference entries lead nowhere.
const PageInfo* pageOfCommand(std::string_view command);

} // namespace kelvarin::workspace
