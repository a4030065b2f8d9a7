#pragma once

#include <QWidget>

namespace kelvarin::app {

// The start-up window: borderless, above all others, 313 by 178, centred; the product
// picture and the version. Its own 5-second timer closes and destroys it.
class Splash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLifetimeMs = 5000;

    explicit Splash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kelvarin::app
