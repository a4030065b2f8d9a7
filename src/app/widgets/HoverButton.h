#pragma once

#include <QPushButton>

namespace kelvarin::app {

// A borderless text button whose caption turns red while the mouse is over it
// (MenuButtonEnter and MenuButtonLeave).
class HoverButton : public QPushButton {
    Q_OBJECT
public:
    HoverButton(const QString& caption, QWidget* parent = nullptr);

    bool hovered() const { return m_hovered; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setCaptionColour(const QColor& colour);

    bool m_hovered = false;
};

}  // namespace kelvarin::app
