#pragma once

#include <string_view>

namespace kelvarin::workspace {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// What calculators and workspace commands need from the user interface. The main window
// implements it with Qt; tests use a recording fake; kelvarin-calc prints to stderr.
class UiPort {
public:
    virtual ~UiPort() = default;

    // Moves the keyboard focus to a field or control, by name.
    virtual void focus(std::string_view controlName) = 0;
    // Modal message box with the exact text (line breaks kept as given). An empty caption
    // means the application title.
    virtual MessageAnswer message(std::string_view text, MessageIcon icon, MessageButtons buttons,
                                  std::string_view caption = {}) = 0;
    // Print button and Print Preview menu entry, always together.
    virtual void setPrintingAvailable(bool available) = 0;
    virtual void setBusy(bool busy) = 0;
    // Repaint now (long runs that change many fields).
    virtual void refresh() = 0;
};

}  // namespace kelvarin::workspace
