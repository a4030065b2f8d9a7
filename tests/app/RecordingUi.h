#pragma once

#include "app/MessageBox.h"

#include "workspace/UiPort.h"

#include <functional>
#include <utility>
#include <string>
#include <vector>

namespace kelvarin::app::test {

// A UI port that records every request. While a message "is open" (during message()),
// whileOpen runs, so a test can act as the nested event loop of a real box would.
class RecordingUi : public workspace::UiPort {
public:
    std::vector<MessageRequest> messages;
    std::vector<std::string> focused;
    std::vector<bool> printing;
    workspace::MessageAnswer answer = workspace::MessageAnswer::Ok;
    std::function<void()> whileOpen;
    int overlapping = 0;  // messages asked for while another was open

    void focus(std::string_view name) override { focused.emplace_back(name); }
    workspace::MessageAnswer message(std::string_view text, workspace::MessageIcon icon,
                                     workspace::MessageButtons buttons, std::string_view caption = {}) override {
        return record(MessageRequest{std::string(text), icon, buttons, std::string(caption)});
    }
    void setPrintingAvailable(bool on) override { printing.push_back(on); }
    void setBusy(bool) override {}
    void refresh() override {}

    workspace::MessageAnswer record(const MessageRequest& request) {
        if (m_open)
            ++overlapping;
        messages.push_back(request);
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

    // For the window's own port: route its message boxes here.
    MessageFunction asMessageFunction() {
        return [this](const MessageRequest& request) { return record(request); };
    }

private:
    bool m_open = false;
};

}  // namespace kelvarin::app::test
