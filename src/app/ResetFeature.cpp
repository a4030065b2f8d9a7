#include "ResetFeature.h"

#include "MainWindow.h"

namespace kelvarin::app {

namespace {

void resetShownPage(MainWindow& window, int valueSet) {
    window.workspace().state().ValueSet = valueSet;
    window.calculators().resetPage(window.workspace().shownPage());
}

}  // namespace

void installResets(MainWindow& window) {
    auto& reset = window.hooks().reset;
    reset.thisZeroClick = [&window] { resetShownPage(window, 0); };
    reset.thisSamplesClick = [&window] { resetShownPage(window, 1); };
    reset.allZeroClick = [&window] { window.calculators().ResetAllToZero(); };
    reset.resetAllToZero = [&window] { window.calculators().ResetAllToZero(); };
}

}  // namespace kelvarin::app
