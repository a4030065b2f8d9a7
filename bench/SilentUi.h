#pragma once

#include "workspace/UiPort.h"

namespace kelvarin::bench {

// A UI port that shows nothing and answers every question with OK, so a benchmark measures
// the calculation alone.
class SilentUi : public workspace::UiPort {
public:
    void focus(std::string_view) override {}
    workspace::MessageAnswer message(std::string_view, workspace::MessageIcon, workspace::MessageButtons,
                                     std::string_view) override {
        return workspace::MessageAnswer::Ok;
    }
    void setPrintingAvailable(bool) override {}
    void setBusy(bool) override {}
    void refresh() override {}
};

}  // namespace kelvarin::bench
