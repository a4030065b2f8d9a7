#pragma once

#include "app/Hooks.h"
#include "calculators/Session.h"

#include <functional>
#include <string_view>

namespace kelvarin::app {

class LeaveErrorReporter;

// What a page widget is built with. Every handler a page connects runs through the session's
// error handler.
struct PageContext {
    calculators::Session& session;
    workspace::UiPort& ui;
    LeaveErrorReporter& leaveErrors;
    Hooks& hooks;
    // gotoChosenCalculator with the name of the command used ("btnQC", "mnuPopLSC", ...).
    std::function<void(std::string_view command)> navigate;
};

} // namespace kelvarin::app
