#include "Session.h"

#include <utility>

namespace kelvarin::calculators {

Session::Session(workspace::RegionalSettings regional, workspace::UiPort& ui)
    : m_ws(std::move(regional)), m_calculators({m_ws, ui, m_held}) {}

void Session::start(const workspace::DefaultsFile& defaults, int month, int year) {
    auto& state = m_ws.state();
    m_held = workspace::loadDefaults(defaults, state);
    m_ws.setStartDate(year, month);
    m_calculators.ResetAllToZero();
}

}  // namespace kelvarin::calculators
