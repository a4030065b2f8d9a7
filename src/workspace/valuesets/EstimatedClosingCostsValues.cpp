#include "ValueSetTables.h"

#include <array>

namespace kelvarin::workspace::valuesets {

std::span<const ValueSetEntry> estimatedClosingCosts() {
    // The sample results are what CalcECC gives for the sample inputs: at a loan-to-value of
    // exactly 80 % there is no PMI reserve, and the tax reserve is 3 months of 150.
    static constexpr std::array<ValueSetEntry, 46> table{{
        {"edtECCIncome", 0, 4000},
        {"edtECCDebt", 0, 450},
        {"edtEccInterest", 0, 7},
        {"edtEccOriginationPoints", 0, 0},
        {"edtEccDiscountPoints", 0, 0},
        {"edtEccTerm", 0, 30},
        {"edtEccDownPaymentPercent", 0, 20},
        {"edtECCTax", 0, 1800},
        {"edtECCInsurance", 0, 360},
        {"edtECCAssociationFee", 0, 0},
        {"edtEccHousingRatio", 0, 28},
        {"edtEccDebtRatio", 0, 40},
        {"edtEccCPurchasePrice", 0, 0},
        {"edtEccCDownPayment", 0, 0},
        {"edtEccCLoanAmount", 0, 0},
        {"edtEccCPandI", 0, 0},
        {"edtEccCMonthlyTax", 0, 0},
        {"edtEccCMonthlyInsurance", 0, 0},
        {"edtEccCpmi", 0, 0},
        {"edtEccCMonthlyPayment", 0, 0},
        {"edtEccCEscrows", 0, 0},
        {"edtEccCClosingCosts", 0, 0},
        {"edtEccCCashRequiredToClose", 0, 0},
        {"edtEccCHousingRatio", 0, 0},
        {"edtEccCDebtRatio", 0, 0},
        {"edtLOF", 0, 0},
        {"edtAF", 0, 275},
        {"edtCR", 0, 47},
        {"edtTSF", 0, 275},
        {"edtLPF", 0, 525},
        {"edtSTT", 0, 0},
        {"edtTS", 0, 55},
        {"edtTIF", 0, 0},
        {"edtRF", 0, 125},
        {"edtOF", 0, 25},
        {"edtII", 0, 391.23},
        {"edtPMII", 0, 0},
        {"edtHOIP", 0, 360},
        {"edtHOII", 0, 60},
        {"edtPTI", 0, 450},
        {"edtIIDays", 0, 15},
        {"edtPMIPercent", 0, 0},
        {"edtPMIIMonths", 0, 2},
        {"edtHOIPMonths", 0, 12},
        {"edtHOIIMonths", 0, 2},
        {"edtPTIMonths", 0, 3},
    }};
    return table;
}

}  // namespace kelvarin::workspace::valuesets
