#pragma once

#include <span>
#include <string_view>

namespace kelvarin::workspace {

// The eleven pages of nbkMain. calculatorId is the page position (never stored);
// defaultCalculatorNumber follows the Calculators menu and is the only number stored.
struct PageInfo {
    int calculatorId;
    std::string_view name;   // "pgQuickCalculators"
    std::string_view title;  // text of the vertical title strip
    int helpContext;         // 0: none
    int defaultCalculatorNumber;
};

std::span<const PageInfo> pages();  // in calculatorId order
const PageInfo* findPage(std::string_view name);
const PageInfo* pageByDefaultCalculatorNumber(int number);

}  // namespace kelvarin::workspace
