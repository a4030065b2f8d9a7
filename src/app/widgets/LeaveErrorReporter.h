#pragma once

#include "workspace/UiPort.h"

#include <QObject>

#include <string>

namespace kelvarin::app {

// Shows the error of leaving a value field once the focus change has been processed. Only
// one such box is pending or open at a time; a report made meanwhile is dropped.
class LeaveErrorReporter {
public:
    explicit LeaveErrorReporter(workspace::UiPort& ui) : m_ui(ui) {}

    void report(std::string message);
    bool busy() const { return m_busy; }

private:
    workspace::UiPort& m_ui;
    bool m_busy = false;
    QObject m_context;  // drops a pending box when the reporter goes away
};

}  // namespace kelvarin::app
