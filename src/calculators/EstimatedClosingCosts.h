#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"

#include <memory>

namespace kelvarin::workspace {
class DefaultsFile;
struct HeldValues;
}  // namespace kelvarin::workspace

namespace kelvarin::calculators {

// Yearly PMI premium as a fraction of the loan, from the eight held rates: 0 up to a
// loan-to-value of 80 % and above 97 %; bands 80-85, 85-90, 90-95, 95-97 with every bound in
// the lower band; the 15-year column for terms of 15 years or less.
double DeterminePMIPremium(const workspace::HeldValues& held, int termYears, long double loanToValue);

// A price in whole thousands, a half going to the even thousand (132,500 gives 132,000,
// 133,500 gives 134,000).
double roundToThousands(long double price);

// The estimated closing costs page with its two line-item panels (pnlClosing, pnlEscrow).
//
// Three lock flags pick what CalcECC derives: with purchase price, down payment amount and
// loan amount all locked it prices the largest purchase the income qualifies for; unlocking
// one or two of them lets the user type them instead. Price and loan are never both unlocked.
class EstimatedClosingCosts {
public:
    static constexpr const char* kPage = "pgEstimatedClosingCosts";

    explicit EstimatedClosingCosts(CalculatorContext context);
    ~EstimatedClosingCosts();
    EstimatedClosingCosts(const EstimatedClosingCosts&) = delete;
    EstimatedClosingCosts& operator=(const EstimatedClosingCosts&) = delete;

    // The defaults file the panels read their fees from and write back to when saveChanges (a
    // headless run may only read it); none (nullptr) reads as a missing file. Closing a panel
    // writes nothing when there is no file or saving is off.
    void setDefaultsFile(workspace::DefaultsFile* file, bool saveChanges = true) {
        m_defaults = file;
        m_saveDefaults = saveChanges;
    }
    bool savesDefaults() const { return m_defaults && m_saveDefaults; }

    // Run on leaving any field of the page or its panels, on entering the page and by the
    // page reset. No guard of its own: a calculation error ends it at the failing step.
    void CalcECC();

    // Lock buttons. They change looks and flags only; the next CalcECC uses the new mode.
    void btnUnlockPurchasePriceClick();
    void btnLockPurchasePriceClick();
    void btnUnlockDownPaymentClick();
    void btnLockDownPaymentClick();
    void btnUnlockLoanAmountClick();
    void btnLockLoanAmountClick();

    // Closing-cost panel: opening reloads the ten fees from the defaults file (a value that is
    // not a number throws std::runtime_error with the panel left open); closing writes them back
    // in one atomic rewrite and reports a failed write.
    void btnCalcClosingClick();
    void btnClosePnlClosingClick();
    // Escrow panel: opening shows the counts held since start-up; closing writes them back.
    void btnCalcEscrowsClick();
    void btnClosePnlEscrowClick();
    // The focus left a panel's "OK" button: back to the panel's first input while it is open,
    // so that Tab cycles inside the panel.
    void btnClosePnlClosingExit();
    void btnClosePnlEscrowExit();

    // The reset menu's THIS commands: locks, the set chosen by ValueSet, CalcECC, printing off.
    void ResetEstimatedClosingCosts();
    // This page's part of the all-zero reset: locks and zero values, no CalcECC.
    void resetForAllZero();
    // This page's part of the all-sample reset: locks and sample values; CalcECC and the
    // focus only when the page is shown.
    void resetForAllSamples();
    // Locks every unlocked amount with its looks and buttons (an opened document starts locked).
    void lockAllAmounts();

    // Entering the page: the held qualifying ratios into the ratio fields, the focus, CalcECC.
    void enterPage();

    bool PurchasePriceLocked() const { return m_purchasePriceLocked; }
    bool DownPaymentLocked() const { return m_downPaymentLocked; }
    bool LoanAmountLocked() const { return m_loanAmountLocked; }
    bool allLocked() const { return m_purchasePriceLocked && m_downPaymentLocked && m_loanAmountLocked; }

    void registerHandlers(HandlerTable& table);

private:
    void registerControls();
    // Computed look (read-only, yellow, no Tab stop) or the normal look of a typed amount.
    void setAmountLocked(const char* field, const char* lockButton, const char* unlockButton, bool locked);
    void setIncomeEnabled(bool enabled);
    void incomeRule();
    void focusOnPage(const char* name);
    void conditionalLocks();
    void unconditionalLocks();

    // Modes of CalcECC; each leaves the loan amount in edtEccCLoanAmount and may look the
    // premium up again with the percent it wrote.
    void qualifyFromIncome(long double cap, long double escrowed, long double premium, int months,
                           double rate, long double fraction);
    void deriveFromPrice(long double fraction);
    void deriveFromPriceAndDownPayment(int years, long double& premium);
    void deriveFromLoanAndDownPayment(int years, long double& premium);
    void deriveFromLoan(long double fraction);

    struct Fields;

    CalculatorContext m_ctx;
    std::unique_ptr<Fields> m_fields;
    workspace::DefaultsFile* m_defaults = nullptr;
    bool m_saveDefaults = true;
    bool m_purchasePriceLocked = true;
    bool m_downPaymentLocked = true;
    bool m_loanAmountLocked = true;
};

}  // namespace kelvarin::calculators
