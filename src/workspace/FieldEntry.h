#pragma once

#include "ValueField.h"

namespace kelvarin::workspace {

// Leaving a field: validates it and, when accepted, reformats its text from the parsed
// number. The front end then shows the error (if any) and runs the page's exit handler,
// whatever the outcome.
LeaveOutcome leaveField(ValueField& field);

}  // namespace kelvarin::workspace
