#pragma once

#include <QString>

class QWidget;

namespace kelvarin::app {

// A hint is "short|long" or one text for both: the short part is the pop-up hint box, the
// long part goes to the status bar.
QString shortHint(const QString& hint);
QString longHint(const QString& hint);

void setHint(QWidget* widget, const QString& hint);
QString hintOf(const QWidget* widget);

// The long hint of the widget or of its nearest parent that has a hint; empty when none has.
QString longHintAt(const QWidget* widget);

}  // namespace kelvarin::app
