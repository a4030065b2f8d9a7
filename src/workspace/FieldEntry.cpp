#include "FieldEntry.h"

namespace kelvarin::workspace {

LeaveOutcome leaveField(ValueField& field) {
    LeaveOutcome outcome = validateLeave(field);
    if (outcome.accepted() && field.visible() && field.enabled() && outcome.text != field.text())
        field.setTypedText(outcome.text);
    return outcome;
}

}  // namespace kelvarin::workspace
