#pragma once

#include <string>

namespace kelvarin::workspace {

// State of a plain control (button, label, panel) that a calculator changes: the view
// observes it. Controls are registered by the page that owns them.
struct ControlState {
    std::string name;
    std::string caption;
    std::string hint;
    bool enabled = true;
    bool visible = true;
};

}  // namespace kelvarin::workspace
