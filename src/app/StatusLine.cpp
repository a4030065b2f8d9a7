#include "StatusLine.h"

#include "AppInfo.h"
#include "widgets/Hints.h"

#include <QApplication>
#include <QMouseEvent>

namespace kelvarin::app {

StatusLine::StatusLine(QWidget* window, QWidget* parent) : QLabel(parent), m_window(window) {
    setObjectName(QStringLiteral("StatusBar1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setIndent(2);
    setText(QString::fromLatin1(kWelcome));
    // Mouse moves over controls without mouse tracking still pass the application's filters.
    qApp->installEventFilter(this);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* move = static_cast<QMouseEvent*>(event);
        if (widget && move->buttons() == Qt::NoButton && widget->window() == m_window) {
            // A move passed on to a parent names the same point: take the deepest control there.
            QWidget* under = widget->childAt(move->position().toPoint());
            const QString hint = longHintAt(under ? under : widget);
            if (hint != text())
                setText(hint);
        }
    }
    return false;
}

}  // namespace kelvarin::app
