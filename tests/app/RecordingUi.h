#pragma once

#include "app/MessageBox.h"
#include "support/RecordingUi.h"

namespace kelvarin::app::test {

using RecordingUi = kelvarin::testing::RecordingUi;

// Routes the window's own message boxes into the recording port.
inline MessageFunction recordInto(RecordingUi& ui) {
    return [&ui](const MessageRequest& request) {
        return ui.message(request.text, request.icon, request.buttons, request.caption);
    };
}

} // namespace kelvarin::app::test
