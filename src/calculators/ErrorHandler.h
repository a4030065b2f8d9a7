#pragma once

#include "workspace/UiPort.h"
#include "workspace/Workspace.h"

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace kelvarin::calculators {

class CalculatorSet;

inline constexpr const char* kSupportMail = "support@larkmoor.example";

// The application-wide error handler and the one wrapper every event handler runs through, so
// that no exception ever crosses an event loop and every front end reacts to a failed step alike.
class ErrorHandler {
public:
    // Line breaks written as line feed, then carriage return.
    static constexpr std::string_view kCalculationMessage =
        "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
        "Please try again with reasonable values.";
    static const std::string& unidentifiedMessage();

    ErrorHandler(workspace::Workspace& ws, workspace::UiPort& ui, CalculatorSet& calculators);

    // Runs one event handler. An exception ends it at the failing step (what it wrote stays)
    // and goes to AppOnException. Returns false when that happened.
    bool dispatch(const std::function<void()>& handler) noexcept;

    // A calculation error shows its message and repairs the amortization page (when shown), the
    // loan spread page (when shown) and the loan spread grid; anything else shows the
    // "unidentified error" message and nothing more. A repair that fails is dropped.
    void AppOnException(std::exception_ptr error) noexcept;

private:
    void repairPages() noexcept;

    workspace::Workspace& m_ws;
    workspace::UiPort& m_ui;
    CalculatorSet& m_calculators;
};

} // namespace kelvarin::calculators
