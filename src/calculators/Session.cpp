#include "Session.h"

#include <ctime>
#include <stdexcept>
#include <string>
#include <utility>

namespace kelvarin::calculators {

LocalDate LocalDate::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1};
}

Session::Session(workspace::RegionalSettings regional, workspace::UiPort& ui)
    : m_ui(ui), m_ws(std::move(regional)), m_calculators({m_ws, ui, m_held}),
      m_navigator(m_calculators.context(), m_calculators.handlers()), m_errors(m_ws, ui, m_calculators) {}

void Session::start(workspace::DefaultsFile defaults, LocalDate today) {
    // Each step through the error handler: one that fails does not keep the others from running.
    m_defaults.emplace(std::move(defaults));
    m_calculators.estimatedClosingCosts().setDefaultsFile(&*m_defaults);
    m_errors.dispatch([this] { m_held = workspace::loadDefaults(*m_defaults, m_ws.state()); });
    m_errors.dispatch([this] { m_calculators.CreatePrepaymentList(); });
    m_errors.dispatch([this, today] { m_ws.setStartDate(today.year, today.month); });
    m_errors.dispatch([this] { m_calculators.ResetAmortizationSchedules(); });
    m_errors.dispatch([this] { m_calculators.ResetPrepaymentCalculator(); });
    m_errors.dispatch([this] { m_calculators.ResetAllToZero(); });
}

void Session::verifyNames() const {
    std::string missing;
    const auto note = [&missing](std::string_view what, std::string_view name) {
        missing += missing.empty() ? "" : ", ";
        missing += std::string(what) + " '" + std::string(name) + "'";
    };
    const HandlerTable& table = m_calculators.handlers();
    for (const auto& field : m_ws.fields())
        if (const auto handler = field.design().exitHandler;
            m_calculators.isBuilt(field.design().page) && !handler.empty() && !table.hasExit(handler))
            note("exit handler", handler);
    for (const auto& page : workspace::pages()) {
        if (!page.focus.empty() && !m_ws.findField(page.focus) && !m_ws.findControl(page.focus) &&
            !m_ws.findChoice(page.focus))
            note("focus target", page.focus);
        for (std::string_view entry : {page.calculatorsMenu, page.popupMenu, page.listMenu})
            if (!m_ws.findControl(entry))
                note("menu entry", entry);
    }
    if (!missing.empty())
        throw std::logic_error("names that resolve to nothing: " + missing);
}

} // namespace kelvarin::calculators
