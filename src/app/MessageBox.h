#pragma once

#include "workspace/UiPort.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace kelvarin::app {

// One message box request, with the text exactly as the caller gave it.
struct MessageRequest {
    std::string text;
    workspace::MessageIcon icon = workspace::MessageIcon::None;
    workspace::MessageButtons buttons = workspace::MessageButtons::Ok;
    std::string caption;  // empty: the application title
};

// Shows a request and returns the answer; tests install a recording one instead.
using MessageFunction = std::function<workspace::MessageAnswer(const MessageRequest&)>;

// The text as a label shows it: each of CR LF, LF CR and a lone CR or LF is one line break.
QString displayText(std::string_view text);

// A modal QMessageBox over parent.
workspace::MessageAnswer showMessageBox(QWidget* parent, const MessageRequest& request);

}  // namespace kelvarin::app
