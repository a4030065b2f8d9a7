#pragma once

#include "workspace/ValueField.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kelvarin::calculators {

// The named handlers of all pages, so that any front end (the window, kelvarin-calc page)
// drives the same code: exit handlers by the name a field's design gives ("CalcMPI"),
// clicks by control name ("btnCalcIR"), choices by group name ("nbkQuickCalc"), grid cell
// clicks by grid name ("grdLS"), and each page's entry steps by page name.
class HandlerTable {
public:
    using ExitHandler = std::function<void(workspace::ValueField& sender)>;
    using ClickHandler = std::function<void()>;
    // index: the chosen item; an editable drop-down whose typed text matches no item gets -1
    // (the text is in the choice's text).
    using ChoiceHandler = std::function<void(int index)>;
    using CellHandler = std::function<void(int col, int row)>;
    using StepHandler = std::function<void()>;

    void addExit(std::string name, ExitHandler handler) { m_exit[std::move(name)] = std::move(handler); }
    void addClick(std::string control, ClickHandler handler) { m_click[std::move(control)] = std::move(handler); }
    void addChoice(std::string group, ChoiceHandler handler) { m_choice[std::move(group)] = std::move(handler); }
    void addCellClick(std::string grid, CellHandler handler) { m_cell[std::move(grid)] = std::move(handler); }
    // The page-specific steps of entering a page, run after navigation has shown it and set its
    // title, menu entries, printing and reset button. A page without one gets the default: the
    // focus moves to the navigation table's focus target.
    void addEntry(std::string page, StepHandler handler) { m_entry[std::move(page)] = std::move(handler); }
    // Run before every navigation command, whatever its target (the amortization page closes
    // its prepayment panel).
    void addBeforeNavigation(StepHandler handler) { m_beforeNavigation.push_back(std::move(handler)); }

    // Each returns false when no handler has that name.
    bool runExit(std::string_view name, workspace::ValueField& sender) const;
    bool click(std::string_view control) const;
    bool choose(std::string_view group, int index) const;
    bool clickCell(std::string_view grid, int col, int row) const;
    bool enter(std::string_view page) const;
    void beforeNavigation() const;

    bool hasExit(std::string_view name) const { return m_exit.find(name) != m_exit.end(); }
    bool hasClick(std::string_view control) const { return m_click.find(control) != m_click.end(); }
    bool hasChoice(std::string_view group) const { return m_choice.find(group) != m_choice.end(); }
    bool hasCellClick(std::string_view grid) const { return m_cell.find(grid) != m_cell.end(); }
    bool hasEntry(std::string_view page) const { return m_entry.find(page) != m_entry.end(); }

private:
    std::map<std::string, ExitHandler, std::less<>> m_exit;
    std::map<std::string, ClickHandler, std::less<>> m_click;
    std::map<std::string, ChoiceHandler, std::less<>> m_choice;
    std::map<std::string, CellHandler, std::less<>> m_cell;
    std::map<std::string, StepHandler, std::less<>> m_entry;
    std::vector<StepHandler> m_beforeNavigation;
};

}  // namespace kelvarin::calculators
