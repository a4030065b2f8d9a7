#include "Pages.h"

#include <algorithm>
#include <array>

namespace kelvarin::workspace {
namespace {

// Position in nbkMain, name, title strip, help context, number in the Calculators menu.
constexpr std::array<PageInfo, 11> kPages{{
    {0, "pgMenu", "Main Menu", 0, 0},
    {1, "pgQuickCalculators", "Quick Calculators", 20, 1},
    {2, "pgEstimatedClosingCosts", "Estimated Closing Costs", 70, 5},
    {3, "pgMortgageQualifier", "Mortgage Qualifier", 30, 2},
    {4, "pgBiweeklyPaymentCalculator", "Bi-weekly Payments", 100, 8},
    {5, "pgRefinancingCalculator", "Refinancing Calculator", 80, 6},
    {6, "pgLoanSpreadCalculator", "Loan Spread Calculator", 40, 3},
    {7, "pgAmortizationSchedules", "Amortization Schedules", 50, 4},
    {8, "pgRentVsBuyCalculator", "Rent vs. Buy Calculator", 90, 7},
    {9, "pgPrepaymentCalculator", "Prepayment Calculator", 120, 9},
    {10, "pgHomesellersProceedsCalculator", "Home Seller's Proceeds", 130, 10},
}};

}  // namespace

std::span<const PageInfo> pages() {
    return kPages;
}

const PageInfo* findPage(std::string_view name) {
    const auto it = std::ranges::find(kPages, name, &PageInfo::name);
    return it == kPages.end() ? nullptr : &*it;
}

const PageInfo* pageByDefaultCalculatorNumber(int number) {
    const auto it = std::ranges::find(kPages, number, &PageInfo::defaultCalculatorNumber);
    return it == kPages.end() ? nullptr : &*it;
}

}  // namespace kelvarin::workspace
