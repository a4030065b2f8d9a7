#include "WindowUiPort.h"

#include <QApplication>

namespace kelvarin::app {

WindowUiPort::WindowUiPort(QWidget* window)
    : m_window(window),
      m_message([this](const MessageRequest& request) { return showMessageBox(m_window, request); }) {}

WindowUiPort::~WindowUiPort() {
    while (m_busyDepth-- > 0)
        QApplication::restoreOverrideCursor();
}

void WindowUiPort::focus(std::string_view controlName) {
    if (!m_window)
        return;
    const QString name = QString::fromUtf8(controlName.data(), static_cast<qsizetype>(controlName.size()));
    QWidget* target = m_window->objectName() == name ? m_window.data() : m_window->findChild<QWidget*>(name);
    if (target && target->isEnabled())
        target->setFocus(Qt::OtherFocusReason);
}

workspace::MessageAnswer WindowUiPort::message(std::string_view text, workspace::MessageIcon icon,
                                               workspace::MessageButtons buttons, std::string_view caption) {
    return m_message(MessageRequest{std::string(text), icon, buttons, std::string(caption)});
}

void WindowUiPort::setPrintingAvailable(bool available) {
    if (m_printing)
        m_printing(available);
}

void WindowUiPort::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_busyDepth;
    } else if (m_busyDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_busyDepth;
    }
}

void WindowUiPort::refresh() {
    if (m_window)
        m_window->repaint();
}

} // namespace kelvarin::app
