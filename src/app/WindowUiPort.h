#pragma once

#include "MessageBox.h"
#include "workspace/UiPort.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace kelvarin::app {

// The UI port over the main window: focus by object name, message boxes through an
// exchangeable function (tests record there), printing through the window's switch.
class WindowUiPort : public workspace::UiPort {
public:
    explicit WindowUiPort(QWidget* window = nullptr);
    ~WindowUiPort() override;

    // The window the port acts on (message boxes over it, focus among its children).
    void setWindow(QWidget* window) { m_window = window; }
    void setMessageFunction(MessageFunction function) { m_message = std::move(function); }
    void setPrintingSwitch(std::function<void(bool)> printingSwitch) {
        m_printing = std::move(printingSwitch);
    }

    // A control that does not exist (a page not built yet) or cannot take the focus is skipped.
    void focus(std::string_view controlName) override;
    workspace::MessageAnswer message(std::string_view text, workspace::MessageIcon icon,
                                     workspace::MessageButtons buttons,
                                     std::string_view caption = {}) override;
    void setPrintingAvailable(bool available) override;
    void setBusy(bool busy) override;
    void refresh() override;

private:
    QPointer<QWidget> m_window;
    MessageFunction m_message;
    std::function<void(bool)> m_printing;
    int m_busyDepth = 0;
};

} // namespace kelvarin::app
