#include "LeaveErrorReporter.h"

#include <QTimer>

namespace kelvarin::app {

void LeaveErrorReporter::report(std::string message) {
    if (m_busy)
        return;
    m_busy = true;
    QTimer::singleShot(0, &m_context, [this, message = std::move(message)] {
        try {
            m_ui.message(message, workspace::MessageIcon::Error, workspace::MessageButtons::Ok);
        } catch (...) {
        }
        m_busy = false;
    });
}

}  // namespace kelvarin::app
