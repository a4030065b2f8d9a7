#include "Features.h"

#include "DefaultsFeature.h"
#include "MainWindow.h"
#include "ResetFeature.h"

namespace kelvarin::app {

// One line per module, each setting its own hooks.
void installFeatures(MainWindow& window) {
    installDefaults(window);
    installResets(window);
}

}  // namespace kelvarin::app
