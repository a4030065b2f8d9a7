#pragma once

namespace kelvarin::app {

class MainWindow;

// Fills the window's hooks with the commands of the program's modules (documents, defaults,
// resets, printing, help, recent files, update check). Runs before FormCreate.
void installFeatures(MainWindow& window);

}  // namespace kelvarin::app
