#pragma once

namespace kelvarin::app {

class MainWindow;

// Zero and sample values: the reset menu's "THIS" commands, the all-zero reset of start-up.
void installResets(MainWindow& window);

}  // namespace kelvarin::app
