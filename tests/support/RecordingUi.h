#pragma once

#include "workspace/UiPort.h"

#include <string>
#include <vector>

namespace kelvarin::testing {

// A UI port that records what a calculator asked of the user interface and answers every
// question with a preset answer.
class RecordingUi : public workspace::UiPort {
public:
    struct Message {
        std::string text;
        workspace::MessageIcon icon;
        workspace::MessageButtons buttons;
    };

    void focus(std::string_view controlName) override { focused = std::string(controlName); }
    workspace::MessageAnswer message(std::string_view text, workspace::MessageIcon icon,
                                     workspace::MessageButtons buttons, std::string_view) override {
        messages.push_back({std::string(text), icon, buttons});
        return answer;
    }
    void setPrintingAvailable(bool available) override { printing = available; }
    void setBusy(bool) override {}
    void refresh() override { ++refreshes; }

    std::string focused;
    std::vector<Message> messages;
    bool printing = false;
    int refreshes = 0;
    workspace::MessageAnswer answer = workspace::MessageAnswer::No;
};

}  // namespace kelvarin::testing
