#include "HandlerTable.h"

namespace kelvarin::calculators {

namespace {
template <typename Map, typename... Args> bool run(const Map& map, std::string_view name, Args&&... args) {
    auto it = map.find(name);
    if (it == map.end())
        return false;
    it->second(std::forward<Args>(args)...);
    return true;
}
}  // namespace

bool HandlerTable::runExit(std::string_view name, workspace::ValueField& sender) const {
    return run(m_exit, name, sender);
}
bool HandlerTable::click(std::string_view control) const { return run(m_click, control); }
bool HandlerTable::choose(std::string_view group, int index) const { return run(m_choice, group, index); }
bool HandlerTable::clickCell(std::string_view grid, int col, int row) const { return run(m_cell, grid, col, row); }
bool HandlerTable::enter(std::string_view page) const { return run(m_entry, page); }

void HandlerTable::beforeNavigation() const {
    for (const auto& step : m_beforeNavigation)
        step();
}

}  // namespace kelvarin::calculators
