#pragma once

#include "workspace/ValueSets.h"

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> quickCalculators();
std::span<const ValueSetEntry> mortgageQualifier();
std::span<const ValueSetEntry> estimatedClosingCosts();

}  // namespace kelvarin::workspace::valuesets
