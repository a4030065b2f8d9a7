#pragma once

#include <QWidget>

namespace kelvarin::app {

// The strip along the window's left edge: the shown page's title in bold 14-point text,
// turned to read upwards, starting startPosition pixels from the strip's top.
class TitleStrip : public QWidget {
    Q_OBJECT
public:
    explicit TitleStrip(QWidget* parent = nullptr);

    void setTitle(const QString& title, int startPosition);
    QString title() const { return m_title; }
    int startPosition() const { return m_start; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    int m_start = 0;
};

}  // namespace kelvarin::app
