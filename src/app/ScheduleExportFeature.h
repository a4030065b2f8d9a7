#pragma once

#include "Hooks.h"

#include <QString>
#include <functional>

class QWidget;

namespace kelvarin::calculators {
class Session;
}

namespace kelvarin::app {

// Asks for the file to write; an empty answer cancels.
using ChooseExportFile = std::function<QString()>;

// "Export Schedule as CSV ...": the amortization grid on screen (monthly or annual) written as CSV
// into the file the user chooses, atomically; a failure is shown in an error box. Without
// chooseFile the save dialog asks.
void installScheduleExport(FileHooks& hooks, calculators::Session& session, QWidget* parent,
                           ChooseExportFile chooseFile = {});

} // namespace kelvarin::app
