#include "HoverButton.h"

namespace kelvarin::app {

HoverButton::HoverButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setCaptionColour(Qt::black);
}

void HoverButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    setCaptionColour(Qt::red);
    QPushButton::enterEvent(event);
}

void HoverButton::leaveEvent(QEvent* event) {
    m_hovered = false;
    setCaptionColour(Qt::black);
    QPushButton::leaveEvent(event);
}

void HoverButton::setCaptionColour(const QColor& colour) {
    setStyleSheet(QStringLiteral("QPushButton { border: none; text-align: left; background: transparent; color: %1; }")
                      .arg(colour.name()));
}

}  // namespace kelvarin::app
