#pragma once

#include "workspace/UiPort.h"
#include "workspace/Workspace.h"

namespace kelvarin::workspace {
struct HeldValues;
}

namespace kelvarin::calculators {

// What every calculator module works on: the workspace, the user interface (through the
// port) and the values held from the defaults file.
struct CalculatorContext {
    workspace::Workspace& ws;
    workspace::UiPort& ui;
    workspace::HeldValues& held;
};

}  // namespace kelvarin::calculators
