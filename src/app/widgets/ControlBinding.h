#pragma once

#include "workspace/ControlState.h"

class QWidget;

namespace kelvarin::app {

// Makes a widget follow a control state the calculators change: enabled, visible, hint and,
// for a button or label, its caption. The binding ends with the widget.
void bindControl(QWidget* widget, workspace::ControlState& state);

}  // namespace kelvarin::app
