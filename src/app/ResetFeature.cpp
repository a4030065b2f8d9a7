#include "ResetFeature.h"

#include "MainWindow.h"

namespace kelvarin::app {

void installResets(MainWindow& window) {
    auto& reset = window.hooks().reset;
    reset.thisZeroClick = [&window] { window.calculators().ResetThisCalculator(0); };
    reset.thisSamplesClick = [&window] { window.calculators().ResetThisCalculator(1); };
    reset.allZeroClick = [&window] { window.calculators().ResetAllToZero(); };
    reset.resetAllToZero = [&window] { window.calculators().ResetAllToZero(); };
}

}  // namespace kelvarin::app
