#pragma once

#include "workspace/ValueField.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace kelvarin::calculators {

// The named handlers of all pages, so that any front end (the window, kelvarin-calc page)
// drives the same code: exit handlers by the name a field's design gives ("CalcMPI"),
// clicks by control name ("btnCalcIR"), choices by group name ("nbkQuickCalc").
class HandlerTable {
public:
    using ExitHandler = std::function<void(workspace::ValueField& sender)>;
    using ClickHandler = std::function<void()>;
    using ChoiceHandler = std::function<void(int index)>;

    void addExit(std::string name, ExitHandler handler) { m_exit[std::move(name)] = std::move(handler); }
    void addClick(std::string control, ClickHandler handler) { m_click[std::move(control)] = std::move(handler); }
    void addChoice(std::string group, ChoiceHandler handler) { m_choice[std::move(group)] = std::move(handler); }

    // Each returns false when no handler has that name.
    bool runExit(std::string_view name, workspace::ValueField& sender) const;
    bool click(std::string_view control) const;
    bool choose(std::string_view group, int index) const;

    bool hasExit(std::string_view name) const { return m_exit.find(name) != m_exit.end(); }
    bool hasClick(std::string_view control) const { return m_click.find(control) != m_click.end(); }
    bool hasChoice(std::string_view group) const { return m_choice.find(group) != m_choice.end(); }

private:
    std::map<std::string, ExitHandler, std::less<>> m_exit;
    std::map<std::string, ClickHandler, std::less<>> m_click;
    std::map<std::string, ChoiceHandler, std::less<>> m_choice;
};

}  // namespace kelvarin::calculators
