#pragma once

#include "workspace/ControlState.h"

class QAction;
class QWidget;

namespace kelvarin::app {

// Makes a widget follow a control state the calculators change: enabled, visible, hint and,
// for a button or label, its caption. The binding ends with the widget.
void bindControl(QWidget* widget, workspace::ControlState& state);
// A menu entry follows the state's enabled flag; its caption stays the menu's own.
void bindAction(QAction* action, workspace::ControlState& state);

} // namespace kelvarin::app
