#pragma once

#include <QLabel>

namespace kelvarin::app {

// StatusBar1: one line along the bottom of the window. It starts with the welcome text;
// from the first mouse movement on it shows the long hint of the control under the mouse
// (its own or its nearest parent's; empty where none has one).
class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* window, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};

}  // namespace kelvarin::app
