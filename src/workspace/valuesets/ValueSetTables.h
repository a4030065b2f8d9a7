#pragma once

#include "workspace/ValueSets.h"

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> quickCalculators();
std::span<const ValueSetEntry> mortgageQualifier();
std::span<const ValueSetEntry> estimatedClosingCosts();
std::span<const ValueSetEntry> rentVsBuy();
std::span<const ValueSetEntry> biweeklyPayments();
std::span<const ValueSetEntry> homeSellersProceeds();
std::span<const ValueSetEntry> refinancing();
std::span<const ValueSetEntry> loanSpread();
std::span<const ValueSetEntry> amortizationSchedules();
std::span<const ValueSetEntry> prepaymentCalculator();

}  // namespace kelvarin::workspace::valuesets
