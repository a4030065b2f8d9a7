#include "Features.h"

#include "MainWindow.h"

namespace kelvarin::app {

// One line per module, each setting its own hooks, e.g.
//   installDocumentCommands(window);  // window.hooks().file.open = ...
void installFeatures(MainWindow& window) { (void)window; }

}  // namespace kelvarin::app
