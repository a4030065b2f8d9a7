#include "ResetFeature.h"

#include "calculators/CalculatorSet.h"

namespace kelvarin::app {

void installResets(ResetHooks& hooks, calculators::CalculatorSet& calculators) {
    hooks.thisZeroClick = [&calculators] { calculators.ResetThisCalculator(0); };
    hooks.thisSamplesClick = [&calculators] { calculators.ResetThisCalculator(1); };
    hooks.allZeroClick = [&calculators] { calculators.ResetAllToZero(); };
    hooks.allSamplesClick = [&calculators] { calculators.ResetAllToSamples(); };
}

} // namespace kelvarin::app
