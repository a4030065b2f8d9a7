#pragma once

#include "Hooks.h"

namespace kelvarin::calculators {
class CalculatorSet;
}

namespace kelvarin::app {

// The reset menu's commands, run by the calculators.
void installResets(ResetHooks& hooks, calculators::CalculatorSet& calculators);

} // namespace kelvarin::app
