#pragma once

#include "Hooks.h"

namespace kelvarin::app {

class MainWindow;

// Print (the preview of the shown page's report) and the printer setup. The report templates and
// the chosen printer live as long as the window.
void installPrinting(FileHooks& hooks, MainWindow& window);

} // namespace kelvarin::app
