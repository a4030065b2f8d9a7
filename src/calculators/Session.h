#pragma once

#include "CalculatorSet.h"
#include "Documents.h"
#include "ErrorHandler.h"
#include "Navigator.h"
#include "workspace/DefaultsFile.h"
#include "workspace/HeldValues.h"
#include "workspace/Workspace.h"

#include <optional>

namespace kelvarin::calculators {

// A calendar month of the local clock.
struct LocalDate {
    int year;
    int month; // 1..12

    static LocalDate today();
};

// The whole program state without a window: the workspace, the values held from the defaults
// file, the defaults file itself, every calculator, navigation and the error handler. The main
// window owns one, and so does kelvarin-calc page: both start and run the program through it.
class Session {
public:
    Session(workspace::RegionalSettings regional, workspace::UiPort& ui);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The core part of start-up, in order: take the defaults file and load its held values,
    // build the prepayment list, read the clock, then the amortization, prepayment and all-zero
    // resets. A step that fails goes to the error handler and the next one runs. The main menu
    // page is shown.
    void start(workspace::DefaultsFile defaults, LocalDate today);

    // Every name that links the layers resolves: each field's exit handler is in the handler
    // table, each page's focus target and the navigation controls exist. Throws
    // std::logic_error naming every name that does not.
    void verifyNames() const;

    workspace::Workspace& workspace() { return m_ws; }
    const workspace::Workspace& workspace() const { return m_ws; }
    workspace::HeldValues& held() { return m_held; }
    CalculatorSet& calculators() { return m_calculators; }
    const HandlerTable& handlers() const { return m_calculators.handlers(); }
    Navigator& navigator() { return m_navigator; }
    ErrorHandler& errors() { return m_errors; }
    Documents& documents() { return m_documents; }
    workspace::UiPort& ui() { return m_ui; }
    // ZELK.INI, once start-up has taken it (empty before).
    std::optional<workspace::DefaultsFile>& defaultsFile() { return m_defaults; }

private:
    workspace::UiPort& m_ui;
    workspace::Workspace m_ws;
    workspace::HeldValues m_held;
    std::optional<workspace::DefaultsFile> m_defaults;
    CalculatorSet m_calculators;
    Navigator m_navigator;
    ErrorHandler m_errors;
    Documents m_documents;
};

} // namespace kelvarin::calculators
