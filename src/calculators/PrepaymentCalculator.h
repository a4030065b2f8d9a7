#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"
#include "loanmath/Mortgage.h"

#include <cstdint>

namespace kelvarin::calculators {

// The prepayment calculator page: what a fixed monthly prepayment does to a loan (new payment, interest
// with and without prepayments, new term, amount saved), read off the loan's schedule. Its mode buttons
// are never shown, so every payment gets the prepayment.
class PrepaymentCalculator {
public:
    explicit PrepaymentCalculator(CalculatorContext context);

    // Run on leaving any input of the page. Guards its own run: a calculation error or a prepayment
    // range the schedule cannot take resets the page (zero or sample values) without a message.
    void CalcPPC();
    // Reads the results off the schedule with prepayments.
    void InitPPC();
    // 0 single payment, 1 range, 2 all payments (the hidden mode buttons).
    void SetPPCPrepaymentMode(int mode);
    void rbtnOnePmtClick() { SetPPCPrepaymentMode(0); }
    void rbtnRangePmtsClick() { SetPPCPrepaymentMode(1); }
    void rbtnAllPmtsClick() { SetPPCPrepaymentMode(2); }
    // The hidden "Clear": removes the prepayments from the last schedule.
    void btnPPCClearClick();

    // A new empty schedule, the set ValueSet chooses, "All Payments"; focus on the loan amount when
    // the page is shown.
    void ResetPrepaymentCalculator();
    // The all-zero reset's part: the zero set and "All Payments" (the schedule stays).
    void ResetForAllToZero();

    const loanmath::TMortgage& schedule() const { return m_schedule; }
    bool newTermFound() const { return m_newTermFound; }

    void registerHandlers(HandlerTable& table);

private:
    void calculate();
    double monthlyEscrow() const;
    void selectAllPayments();

    CalculatorContext m_ctx;
    loanmath::TMortgage m_schedule;
    // The values of the last calculation.
    std::int32_t m_numPayments = 0;
    double m_loan = 0;
    double m_rate = 0; // percent
    int m_mode = 2;
    std::int32_t m_first = 0;
    std::int32_t m_last = 0;
    double m_amount = 0;
    bool m_newTermFound = false;
};

} // namespace kelvarin::calculators
