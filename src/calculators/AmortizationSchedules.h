#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"
#include "loanmath/Mortgage.h"

#include <cstdint>
#include <string>

namespace kelvarin::calculators {

// The amortization schedules page: the payment-by-payment schedule of a loan in the monthly grid, its
// calendar-year summary in the annual grid, and the prepayment panel (single payment, range, all
// payments). The monthly grid's Prepayment column is where the page keeps its prepayments between
// recalculations: each recalculation reads them back through the prepayment list.
class AmortizationSchedules {
public:
    explicit AmortizationSchedules(CalculatorContext context);

    // Reads the inputs, rebuilds the schedule with the prepayments the grid shows, fills both grids.
    // No guard: an error ends it (the annual grid is refilled first) and reaches the caller.
    void CalcAmortization();
    // The monthly grid from the schedule; edtAmortPayment shows the schedule's payment.
    void FillGrdAmortization();
    // The annual grid from the monthly grid's texts.
    void FillGrdAnnualAmortization();
    // One line per payment 1..AmortNumPayments: the monthly grid's payment number, a blank and its
    // prepayment text ("1 $5,000.00"); lines end with CR LF.
    void CreatePrepaymentList();

    // "Add Prepayments": opens the panel (and locks the loan inputs) once a schedule exists.
    void btnExtraClick();
    // 0 single payment, 1 range, 2 all payments: captions and enabled states of the panel's inputs.
    void SetPrepaymentMode(int mode);
    void rbOnePmtClick() { SetPrepaymentMode(0); }
    void rbRangePmtsClick() { SetPrepaymentMode(1); }
    void rbAllPmtsClick() { SetPrepaymentMode(2); }
    // "Apply Extra": applies the panel's prepayment to the schedule and refills both grids.
    void btnRecalcExtraClick();
    // "Remove Extra": every prepayment removed, the panel's fields zero; the panel stays open.
    void btnRemoveClick();
    // "Return to Amort": closes the panel and unlocks the loan inputs.
    void btnCancelClick();
    // Switches between the monthly and the annual grid.
    void btnAnnualMonthlyClick();
    // Typed text that is not exactly "Jan".."Dec" becomes "Jan".
    void cbMonthChange();

    // The page reset with the set ValueSet chooses; recalculates when the page is shown.
    void ResetAmortizationSchedules();
    // The all-zero reset's part: a new empty schedule, the zero set, the prepayment list, and the
    // recalculation when the page is shown.
    void ResetForAllToZero();
    // The application-wide error handler's repair of this page.
    void repairAfterCalculationError() { ResetAmortizationSchedules(); }
    // Entering the page: the prepayment button enabled, printing off, focus on the loan amount, then
    // the recalculation.
    void enterPage();
    // Before any navigation: an open prepayment panel is closed (and the export is unavailable
    // until a schedule is built on the page again).
    void closePanelBeforeNavigation();

    // The grid on screen (the monthly one unless only the annual one is shown), for the export.
    const workspace::TextGrid& gridOnScreen() const;
    // Name of the control state of "Export Schedule as CSV ...": enabled while this page is shown
    // with a schedule in its monthly grid.
    static constexpr const char* kExportCommand = "mnuFileExportCsv";

    // Values the page keeps from its fields (set by CalcAmortization, the resets and documents).
    double AmortLoanAmount = 0;
    double AmortRate = 0; // a fraction: 0.0875
    std::int32_t AmortNumPayments = 0;
    int PrepayMode = 1; // 0 single payment, 1 range, 2 all payments
    std::int32_t PrepayFirst = 0;
    std::int32_t PrepayLast = 0;
    double PrepayAmount = 0;

    const std::string& prepaymentList() const { return m_prepayments; }
    const loanmath::TMortgage& schedule() const { return m_schedule; }

    void registerHandlers(HandlerTable& table);

private:
    void readPageValues();
    void applyPrepaymentList();
    void resetValues(int valueSet);
    void setLoanInputsEnabled(bool enabled);
    void applyPanelPrepayment();
    void updateExport();

    CalculatorContext m_ctx;
    loanmath::TMortgage m_schedule;
    std::string m_prepayments; // the hidden memo of the prepayment list
};

} // namespace kelvarin::calculators
