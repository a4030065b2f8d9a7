#include "NavigationTable.h"

#include <array>

namespace kelvarin::app {

namespace {

constexpr std::array<NavigationTarget, 11> kTargets{{
    {"pgMenu", "", "", "Main Menu", "mnuCalculatorsMain", "Main Menu", "mnuPopMain", "mnuPopCalcsMain", "mnuPrefMM",
     "Main Men&u", 111, false, ""},
    {"pgQuickCalculators", "btnQC", "  Quick Calculators", "Quick Calculators", "MnuCalculatorsQC",
     "&Quick Calculators", "mnuPopQC", "mnuPopCalcsQC", "mnuPrefQC", "&Quick Calculators", 173, false, "nbkMain"},
    {"pgMortgageQualifier", "btnMQ", "  Mortgage Qualifier", "Mortgage Qualifier", "MnuCalculatorsMQ",
     "&Mortgage Qualifier", "mnuPopMQ", "mnuPopCalcsMQ", "mnuPrefMQ", "&Mortgage Qualifier", 179, true, "edtIncome1"},
    {"pgLoanSpreadCalculator", "btnLSC", "  Loan Spread Calculator", "Loan Spread Calculator", "mnuCalculatorsLSC",
     "Loan &Spread Calculator", "mnuPopLSC", "mnuPopCalcsLSC", "mnuPrefLSC", "Loan &Spread Calculator", 227, true,
     "edtLoan"},
    {"pgAmortizationSchedules", "btnAmort", "  Amortizations Schedules", "Amortization Schedules",
     "MnuCalculatorsAmort", "&Amortization Schedules", "mnuPopAmort", "mnuPopCalcsAmort", "mnuPrefLA",
     "Loan &Amortizations", 229, false, "edtMortAmt"},
    {"pgEstimatedClosingCosts", "btnECC", "  Estimated Closing Costs", "Estimated Closing Costs",
     "MnuCalculatorsECC", "&Estimated Closing Costs", "mnuPopECC", "mnuPopCalcsECC", "mnuPrefECC",
     "&Estimated Closing Costs", 236, true, "edtEccInterest"},
    {"pgRefinancingCalculator", "btnRC", "  Refinancing Calculator", "Refinancing Calculator", "MnuCalculatorsRC",
     "&Refinancing Calculator", "mnuPopRC", "mnuPopCalcsRC", "mnuPrefRC", "&Refinancing Calculator", 220, true,
     "edtOldLoan"},
    {"pgRentVsBuyCalculator", "btnRVB", "  Rent vs. Buy Calculator", "Rent vs. Buy Calculator", "mnuCalculatorsRVB",
     "Rent &vs Buy Calculator", "mnuPopRVB", "mnuPopCalcsRVB", "mnuPrefRVB", "Rent &vs Buy Calculator", 226, true,
     "edtRVBMonthlyRent"},
    {"pgBiweeklyPaymentCalculator", "btnBW", "  Biweekly Payments", "Biweekly Payments", "MnuCalculatorsBW",
     "&Biweekly Payments", "mnuPopBW", "mnuPopCalcsBW", "mnuPrefBP", "&Biweekly Payments", 195, true,
     "edtMortgageAmount"},
    {"pgPrepaymentCalculator", "btnPPC", "  Prepayment Calculator", "Prepayment Calculator", "mnuCalculatorsPPC",
     "&Prepayment Calculator", "mnuPopPPC", "mnuPopCalcsPPC", "mnuPrefPC", "&Prepayment Calculator", 220, true,
     "edtPPCAmountBorrowed"},
    {"pgHomesellersProceedsCalculator", "btnHSP", "  Home Seller's Proceeds", "Home Seller's Proceeds Calculator",
     "mnuCalculatorsHSP", "&Home Seller's Proceeds", "mnuPopHSP", "mnuPopCalcsHSP", "mnuPrefHSP",
     "&Home Seller's Proceeds", 229, true, "edtHSPHouseSalesPrice"},
}};

}  // namespace

std::span<const NavigationTarget> navigationTargets() { return kTargets; }

const NavigationTarget* targetOfPage(std::string_view page) {
    for (const auto& target : kTargets)
        if (target.page == page)
            return &target;
    return nullptr;
}

const NavigationTarget* targetOfCommand(std::string_view command) {
    if (command.empty())
        return nullptr;
    for (const auto& target : kTargets)
        if (command == target.pageButton || command == target.calculatorsMenu || command == target.popupMenu ||
            command == target.listMenu)
            return &target;
    return nullptr;
}

}  // namespace kelvarin::app
