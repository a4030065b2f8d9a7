#pragma once

#include "Hooks.h"

#include "workspace/UiPort.h"
#include "workspace/Workspace.h"

#include <exception>
#include <functional>
#include <string_view>

namespace kelvarin::app {

// The application-wide error handler and the one wrapper every event handler runs through,
// so that no exception ever crosses Qt's event loop.
class ErrorHandler {
public:
    static constexpr std::string_view kCalculationMessage =
        "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
        "Please try again with reasonable values.";
    static const std::string& unidentifiedMessage();

    ErrorHandler(workspace::Workspace& ws, workspace::UiPort& ui, const Hooks& hooks);

    // Runs one event handler. An exception ends it at the failing step (what it wrote stays)
    // and goes to appOnException. Returns false when that happened.
    bool dispatch(const std::function<void()>& handler) noexcept;

    // A calculation error shows its message and repairs the loan spread and amortization
    // pages; anything else shows the "unidentified error" message and nothing more.
    void appOnException(std::exception_ptr error) noexcept;

private:
    void repairPages() noexcept;

    workspace::Workspace& m_ws;
    workspace::UiPort& m_ui;
    const Hooks& m_hooks;
};

}  // namespace kelvarin::app
