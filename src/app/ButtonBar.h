#pragma once

#include <QFrame>

#include <string_view>

class QToolButton;

namespace kelvarin::app {

// pnlButtonBar: the picture buttons along the top of the window, 33 pixels high. The
// window connects their commands; btnExit and btnCalculators keep to the right edge.
class ButtonBar : public QFrame {
    Q_OBJECT
public:
    explicit ButtonBar(QWidget* parent = nullptr);

    QToolButton* button(std::string_view name) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* addButton(const char* name, const QIcon& icon, const char* hint, int x, int width = 25);
};

}  // namespace kelvarin::app
