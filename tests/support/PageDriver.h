#pragma once

#include "calculators/HandlerTable.h"
#include "workspace/FieldEntry.h"
#include "workspace/Workspace.h"

#include <string>
#include <string_view>

namespace kelvarin::testing {

inline std::u32string toU32(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

inline std::string trimmed(const workspace::ValueField& field) {
    std::string text = field.textUtf8();
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// Types a text into a field as a user would and leaves it: validation, reformatting, then
// the field's exit handler, whatever the outcome.
inline workspace::LeaveOutcome typeAndLeave(workspace::Workspace& ws, const calculators::HandlerTable& handlers,
                                            std::string_view field, std::string_view text) {
    workspace::ValueField& f = ws.field(field);
    f.setTypedText(toU32(text));
    workspace::LeaveOutcome outcome = workspace::leaveField(f);
    if (!f.design().exitHandler.empty())
        handlers.runExit(f.design().exitHandler, f);
    return outcome;
}

}  // namespace kelvarin::testing
