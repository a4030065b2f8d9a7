#include "Application.h"

#include <QProxyStyle>

namespace kelvarin::app {

namespace {

class HintDelayStyle : public QProxyStyle {
public:
    explicit HintDelayStyle(int delay) : m_delay(delay) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return m_delay;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
    int delay() const { return m_delay; }

private:
    int m_delay;
};

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (m_sink)
            m_sink(std::current_exception());
        return false;
    }
}

void Application::setHintDelay(int milliseconds) {
    if (const auto* current = dynamic_cast<const HintDelayStyle*>(QApplication::style());
        current && current->delay() == milliseconds)
        return;
    QApplication::setStyle(new HintDelayStyle(milliseconds));
}

}  // namespace kelvarin::app
