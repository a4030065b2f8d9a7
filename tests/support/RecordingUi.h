#pragma once

#include "workspace/UiPort.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvarin::testing {

// A UI port that records what the program asked of the user interface and answers every
// question with a preset answer. While a message "is open" (during message()), whileOpen runs
// once, so a test can act as the nested event loop of a real box would.
class RecordingUi : public workspace::UiPort {
public:
    struct Message {
        std::string text;
        workspace::MessageIcon icon;
        workspace::MessageButtons buttons;
        std::string caption;
    };

    void focus(std::string_view controlName) override {
        focused = std::string(controlName);
        focusMoves.push_back(focused);
    }
    workspace::MessageAnswer message(std::string_view text, workspace::MessageIcon icon,
                                     workspace::MessageButtons buttons,
                                     std::string_view caption = {}) override {
        if (m_open)
            ++overlapping;
        messages.push_back({std::string(text), icon, buttons, std::string(caption)});
        m_open = true;
        if (auto action = std::exchange(whileOpen, nullptr)) {
            try {
                action();
            } catch (...) {
                m_open = false;
                throw;
            }
        }
        m_open = false;
        return answer;
    }
    void setPrintingAvailable(bool available) override {
        printing = available;
        printingChanges.push_back(available);
    }
    void setBusy(bool) override {}
    void refresh() override { ++refreshes; }

    std::string focused;                 // the last focus target
    std::vector<std::string> focusMoves; // every focus target, in order
    std::vector<Message> messages;
    bool printing = false;
    std::vector<bool> printingChanges;
    int refreshes = 0;
    int overlapping = 0; // messages asked for while another was open
    workspace::MessageAnswer answer = workspace::MessageAnswer::No;
    std::function<void()> whileOpen;

private:
    bool m_open = false;
};

} // namespace kelvarin::testing
