#include "ControlBinding.h"

#include "Hints.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

namespace kelvarin::app {

namespace {

void follow(QWidget* widget, const workspace::ControlState& state) {
    widget->setEnabled(state.enabled());
    if (widget->isHidden() == state.visible())
        widget->setVisible(state.visible());
    const QString hint = QString::fromStdString(state.hint());
    if (hint != hintOf(widget))
        setHint(widget, hint);
    const QString caption = QString::fromStdString(state.caption());
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !caption.isEmpty())
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(widget); label && !caption.isEmpty())
        label->setText(caption);
}

} // namespace

void bindControl(QWidget* widget, workspace::ControlState& state) {
    follow(widget, state);
    const int id = state.addObserver([widget](const workspace::ControlState& s) { follow(widget, s); });
    QObject::connect(widget, &QObject::destroyed, [&state, id] { state.removeObserver(id); });
}

void bindAction(QAction* action, workspace::ControlState& state) {
    action->setEnabled(state.enabled());
    const int id =
        state.addObserver([action](const workspace::ControlState& s) { action->setEnabled(s.enabled()); });
    QObject::connect(action, &QObject::destroyed, [&state, id] { state.removeObserver(id); });
}

} // namespace kelvarin::app
