#pragma once

#include "app/Hooks.h"

#include "calculators/CalculatorSet.h"
#include "workspace/UiPort.h"
#include "workspace/Workspace.h"

#include <functional>
#include <string_view>

namespace kelvarin::app {

class ErrorHandler;
class LeaveErrorReporter;

// What a page widget is built with. Every handler a page connects runs through errors.
struct PageContext {
    workspace::Workspace& workspace;
    workspace::UiPort& ui;
    calculators::CalculatorSet& calculators;
    ErrorHandler& errors;
    LeaveErrorReporter& leaveErrors;
    Hooks& hooks;
    // gotoChosenCalculator with the name of the command used ("btnQC", "mnuPopLSC", ...).
    std::function<void(std::string_view command)> navigate;
};

}  // namespace kelvarin::app
