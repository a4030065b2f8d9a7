#include "Hints.h"

#include <QVariant>
#include <QWidget>

namespace kelvarin::app {

namespace {
constexpr const char* kHintProperty = "kelvarinHint";
}

QString shortHint(const QString& hint) {
    const auto bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint) {
    const auto bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget* widget, const QString& hint) {
    widget->setProperty(kHintProperty, hint);
    widget->setToolTip(shortHint(hint));
}

QString hintOf(const QWidget* widget) { return widget->property(kHintProperty).toString(); }

QString longHintAt(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString hint = hintOf(w);
        if (!hint.isEmpty())
            return longHint(hint);
        if (w->isWindow())
            break;
    }
    return {};
}

}  // namespace kelvarin::app
