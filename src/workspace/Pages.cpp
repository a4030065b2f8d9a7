#include "Pages.h"

#include <algorithm>
#include <array>

namespace kelvarin::workspace {
namespace {

constexpr std::array<PageInfo, 11> kPages{{
    {0, "pgMenu", "Main Menu", 0, 0, "", "", "Main Menu", "mnuCalculatorsMain", "Main Menu", "mnuPopMain",
     "mnuPopCalcsMain", "mnuPrefMM", "Main Men&u", 111, false, ""},
    {1, "pgQuickCalculators", "Quick Calculators", 20, 1, "btnQC", "  Quick Calculators", "Quick Calculators",
     "MnuCalculatorsQC", "&Quick Calculators", "mnuPopQC", "mnuPopCalcsQC", "mnuPrefQC", "&Quick Calculators",
     173, false, "nbkMain"},
    {2, "pgEstimatedClosingCosts", "Estimated Closing Costs", 70, 5, "btnECC", "  Estimated Closing Costs",
     "Estimated Closing Costs", "MnuCalculatorsECC", "&Estimated Closing Costs", "mnuPopECC",
     "mnuPopCalcsECC", "mnuPrefECC", "&Estimated Closing Costs", 236, true, "edtEccInterest"},
    {3, "pgMortgageQualifier", "Mortgage Qualifier", 30, 2, "btnMQ", "  Mortgage Qualifier",
     "Mortgage Qualifier", "MnuCalculatorsMQ", "&Mortgage Qualifier", "mnuPopMQ", "mnuPopCalcsMQ",
     "mnuPrefMQ", "&Mortgage Qualifier", 179, true, "edtIncome1"},
    {4, "pgBiweeklyPaymentCalculator", "Bi-weekly Payments", 100, 8, "btnBW", "  Biweekly Payments",
     "Biweekly Payments", "MnuCalculatorsBW", "&Biweekly Payments", "mnuPopBW", "mnuPopCalcsBW", "mnuPrefBP",
     "&Biweekly Payments", 195, true, "edtMortgageAmount"},
    {5, "pgRefinancingCalculator", "Refinancing Calculator", 80, 6, "btnRC", "  Refinancing Calculator",
     "Refinancing Calculator", "MnuCalculatorsRC", "&Refinancing Calculator", "mnuPopRC", "mnuPopCalcsRC",
     "mnuPrefRC", "&Refinancing Calculator", 220, true, "edtOldLoan"},
    {6, "pgLoanSpreadCalculator", "Loan Spread Calculator", 40, 3, "btnLSC", "  Loan Spread Calculator",
     "Loan Spread Calculator", "mnuCalculatorsLSC", "Loan &Spread Calculator", "mnuPopLSC", "mnuPopCalcsLSC",
     "mnuPrefLSC", "Loan &Spread Calculator", 227, true, "edtLoan"},
    {7, "pgAmortizationSchedules", "Amortization Schedules", 50, 4, "btnAmort", "  Amortizations Schedules",
     "Amortization Schedules", "MnuCalculatorsAmort", "&Amortization Schedules", "mnuPopAmort",
     "mnuPopCalcsAmort", "mnuPrefLA", "Loan &Amortizations", 229, false, "edtMortAmt"},
    {8, "pgRentVsBuyCalculator", "Rent vs. Buy Calculator", 90, 7, "btnRVB", "  Rent vs. Buy Calculator",
     "Rent vs. Buy Calculator", "mnuCalculatorsRVB", "Rent &vs Buy Calculator", "mnuPopRVB", "mnuPopCalcsRVB",
     "mnuPrefRVB", "Rent &vs Buy Calculator", 226, true, "edtRVBMonthlyRent"},
    {9, "pgPrepaymentCalculator", "Prepayment Calculator", 120, 9, "btnPPC", "  Prepayment Calculator",
     "Prepayment Calculator", "mnuCalculatorsPPC", "&Prepayment Calculator", "mnuPopPPC", "mnuPopCalcsPPC",
     "mnuPrefPC", "&Prepayment Calculator", 220, true, "edtPPCAmountBorrowed"},
    {10, "pgHomesellersProceedsCalculator", "Home Seller's Proceeds", 130, 10, "btnHSP",
     "  Home Seller's Proceeds", "Home Seller's Proceeds Calculator", "mnuCalculatorsHSP",
     "&Home Seller's Proceeds", "mnuPopHSP", "mnuPopCalcsHSP", "mnuPrefHSP", "&Home Seller's Proceeds", 229,
     true, "edtHSPHouseSalesPrice"},
}};

} // namespace

std::span<const PageInfo> pages() {
    return kPages;
}

const std::vector<const PageInfo*>& pagesInMenuOrder() {
    static const std::vector<const PageInfo*> order = [] {
        std::vector<const PageInfo*> result;
        for (const PageInfo& page : kPages)
            result.push_back(&page);
        std::ranges::sort(result, {}, &PageInfo::defaultCalculatorNumber);
        return result;
    }();
    return order;
}

const PageInfo* findPage(std::string_view name) {
    const auto it = std::ranges::find(kPages, name, &PageInfo::name);
    return it == kPages.end() ? nullptr : &*it;
}

const PageInfo* pageByDefaultCalculatorNumber(int number) {
    const auto it = std::ranges::find(kPages, number, &PageInfo::defaultCalculatorNumber);
    return it == kPages.end() ? nullptr : &*it;
}

const PageInfo* pageOfCommand(std::string_view command) {
    if (command.empty())
        return nullptr;
    for (const PageInfo& page : kPages)
        if (command == page.pageButton || command == page.calculatorsMenu || command == page.popupMenu ||
            command == page.listMenu)
            return &page;
    return nullptr;
}

} // namespace kelvarin::workspace
