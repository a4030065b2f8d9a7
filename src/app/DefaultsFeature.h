#pragma once

namespace kelvarin::app {

class MainWindow;

// Start-up load of ZELK.INI: the program folder's file when that folder is writable, else
// the user's own copy under the configuration folder (seeded from the program folder's).
void installDefaults(MainWindow& window);

}  // namespace kelvarin::app
