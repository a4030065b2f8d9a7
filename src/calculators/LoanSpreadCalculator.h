#pragma once

#include "CalculatorContext.h"
#include "HandlerTable.h"

#include <cstdint>
#include <string>

namespace kelvarin::calculators {

// The loan spread page: solves the loan equation for one quantity (the mode: 0 payment, 1 loan
// amount, 2 rate, 3 term) and shows in grdLS how it moves when the two other quantities step
// around the entered values (rows -5..+5 steps, columns -3..+3 steps, the entered values in the
// centre cell at column 4, row 6).
class LoanSpreadCalculator {
public:
    static constexpr const char* kPage = "pgLoanSpreadCalculator";
    static constexpr const char* kGrid = "grdLS";
    static constexpr int kCentreCol = 4;
    static constexpr int kCentreRow = 6;

    explicit LoanSpreadCalculator(CalculatorContext context);

    // A click on rgCalculate or on one of the three step groups: sets up the mode of rgCalculate
    // (looks, hints, step groups, their labels, focus), then CleanGrid and a new fill.
    void rgCalculateClick();
    // Runs the grid builder of LSCMode. No guard: a calculation error ends the fill where it
    // happens and reaches the application-wide handler.
    void ChooseLoanSpreadCalculator();
    // Empties the grid and writes the corner caption and provisional axis labels of LSCMode.
    void CleanGrid();
    void FillGrdLSPayment();
    void FillGrdLSLoanAmount();
    void FillGrdLSRate();
    void FillGrdLSTerm();
    // The grid's hint names what the grid shows in the mode selected in rgCalculate.
    void grdLSMouseMove();
    // A click on a data cell marks its text red; the selection stays on the centre cell.
    void grdLSClick(int col, int row);

    // Zero or sample set by ValueSet, rgCalculate back to its first item, the grid rebuilt; the
    // focus goes to edtLoan when the page is shown.
    void ResetLoanSpread();
    // The all-zero reset's part: the four fields 0 and rgCalculate back to its first item.
    void ResetToZeroFields();
    // rgCalculate changed by the program (a reset, a document): the mode setup of the new item
    // (looks, hints, step groups and labels) without moving the focus or touching the grid, so
    // that the page never shows one mode's fields with another mode selected.
    void selectCalculate(int item);
    // Entering the page: a new fill, then the focus (edtPayment in the loan amount mode, else edtLoan).
    void enter();

    std::int32_t LSCMode() const { return m_mode; }
    // The step groups shown in the left and right slot under lblLeft and lblRight; the third is hidden.
    const char* leftGroup() const;
    const char* rightGroup() const;
    // Captions of the steps of the last fill, for the chart report.
    const std::string& LoanIncrementText() const { return m_loanIncrementText; }
    const std::string& RateIncrementText() const { return m_rateIncrementText; }
    const std::string& PaymentIncrementText() const { return m_paymentIncrementText; }

    void registerHandlers(HandlerTable& table);

private:
    void setUpMode(int mode);
    void fill(int mode);
    void markCentre();
    bool pageShown() const;

    CalculatorContext m_ctx;
    std::int32_t m_mode = 0;
    int m_setUpMode = 0; // the mode whose looks the fields show
    std::string m_loanIncrementText;
    std::string m_rateIncrementText;
    std::string m_paymentIncrementText;
};

} // namespace kelvarin::calculators
