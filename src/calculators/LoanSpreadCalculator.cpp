#include "LoanSpreadCalculator.h"

#include "GridFormats.h"
#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"
#include "workspace/ValueSets.h"

#include <array>
#include <cstdint>

namespace kelvarin::calculators {

using loanmath::CalcError;
using loanmath::Extended;
using workspace::Look;
using workspace::TextGrid;
using workspace::ValueField;

namespace {

constexpr std::array<const char*, 4> kGroups{"rgCalculate", "rgLoan", "rgInterest", "rgPayments"};

// Step sizes by item of the step groups (the item's position, not its caption, gives the step).
constexpr std::array<double, 9> kLoanSteps{100, 250, 500, 1000, 2000, 2500, 3000, 4000, 5000};
constexpr std::array<double, 8> kRateSteps{0.125, 0.25, 0.375, 0.5, 0.625, 0.75, 0.875, 1.0};
constexpr std::array<const char*, 8> kRateStepTexts{"1/8%", "1/4%", "3/8%", "1/2%",
                                                    "5/8%", "3/4%", "7/8%", "1%"};
constexpr std::array<double, 9> kPaymentSteps{10, 25, 50, 75, 100, 125, 150, 175, 200};

struct FieldHint {
    const char* field;
    const char* hint;
};

// What each mode computes, and how the page looks for it.
struct ModeSetup {
    FieldHint computed;
    std::array<FieldHint, 3> entered;
    const char* leftGroup;
    const char* rightGroup;
    const char* hiddenGroup;
    const char* leftCaption;
    const char* rightCaption;
    const char* focus;
};

constexpr std::array<ModeSetup, 4> kModes{{
    {{"edtPayment", "Calculated Monthly Payment"},
     {{{"edtLoan", "Enter Loan Amount"},
       {"edtTerm", "Enter Term in Months"},
       {"edtInterest", "Enter Interest Rate"}}},
     "rgLoan",
     "rgInterest",
     "rgPayments",
     "Increment Loan Amounts By",
     "Increment Interest Rates By",
     "edtLoan"},
    {{"edtLoan", "Calculated Loan Amount"},
     {{{"edtPayment", "Enter Monthly Payment"},
       {"edtTerm", "Enter Term in Months"},
       {"edtInterest", "Enter Interest Rate"}}},
     "rgPayments",
     "rgInterest",
     "rgLoan",
     "Increment Payments By",
     "Increment Interest Rates By",
     "edtInterest"},
    {{"edtInterest", "Calculated Interest Rate"},
     {{{"edtPayment", "Enter Monthly Payment"},
       {"edtLoan", "Enter Loan Amount"},
       {"edtTerm", "Enter Term in Months"}}},
     "rgLoan",
     "rgPayments",
     "rgInterest",
     "Increment Loan Amounts By",
     "Increment Payments By",
     "edtLoan"},
    {{"edtTerm", "Calculated Term in Months"},
     {{{"edtPayment", "Enter Monthly Payment"},
       {"edtLoan", "Enter Loan Amount"},
       {"edtInterest", "Enter Interest Rate"}}},
     "rgLoan",
     "rgPayments",
     "rgInterest",
     "Increment Loan Amounts By",
     "Increment Payments By",
     "edtLoan"},
}};

constexpr std::array<const char*, 4> kGridHints{
    " Grid is displaying Payment Amounts", " Grid is displaying Loan Amounts",
    " Grid is displaying Interest Rates", " Grid is displaying Term in Months"};

// Provisional axis labels that CleanGrid writes until the next fill replaces them.
constexpr std::array<const char*, 11> kProvisionalLoans{" $95,000",  " $96,000",  " $97,000",  " $98,000",
                                                        " $99,000",  " $100,000", " $101,000", " $102,000",
                                                        " $103,000", " $104,000", " $105,000"};
constexpr std::array<const char*, 11> kProvisionalRates{" 4.50%", " 5.00%", " 5.50%", " 6.00%",
                                                        " 6.50%", " 7.00%", " 7.50%", " 8.00%",
                                                        " 8.50%", " 9.00%", "9.50%"};
constexpr std::array<const char*, 7> kProvisionalColumnRates{"5.50%", "6.00%", "6.50%", "7.00%",
                                                             "7.50%", "8.00%", "8.50%"};
constexpr std::array<const char*, 7> kProvisionalPayments{"$650.00", "$700.00", "$750.00", "$800.00",
                                                          "$850.00", "$900.00", "$950.00"};

constexpr int kRows = 12;
constexpr int kCols = 8;
constexpr std::array<int, kCols> kColumnWidths{69, 73, 73, 73, 73, 73, 73, 73};

double held(Extended x) {
    return loanmath::Held(x, "loan spread");
}

// Tells the grid's views once the change is over, also when it stopped at a calculation error.
class GridChange {
public:
    explicit GridChange(const TextGrid& grid) : m_grid(grid) {}
    GridChange(const GridChange&) = delete;
    GridChange& operator=(const GridChange&) = delete;
    ~GridChange() { m_grid.changed(); }

private:
    const TextGrid& m_grid;
};

template <std::size_t N> double stepOf(const std::array<double, N>& steps, int item) {
    return steps.at(static_cast<std::size_t>(item));
}

} // namespace

LoanSpreadCalculator::LoanSpreadCalculator(CalculatorContext context) : m_ctx(context) {
    m_ctx.ws.addControl({"lblLeft", "Loan Amount Increment:"});
    m_ctx.ws.addControl({"lblRight", "Interest Rate Increment:"});
    const auto& ws = m_ctx.ws;
    m_loanIncrementText = ws.choice("rgLoan").items.at(static_cast<std::size_t>(ws.choice("rgLoan").index));
    m_rateIncrementText = kRateStepTexts.at(static_cast<std::size_t>(ws.choice("rgInterest").index));
    m_paymentIncrementText =
        ws.choice("rgPayments").items.at(static_cast<std::size_t>(ws.choice("rgPayments").index));
}

void LoanSpreadCalculator::registerHandlers(HandlerTable& table) {
    table.addExit("ChooseLoanSpreadCalculator", [this](ValueField&) { ChooseLoanSpreadCalculator(); });
    for (const char* group : kGroups) {
        table.addChoice(group, [this, group](int item) {
            m_ctx.ws.choice(group).index = item;
            rgCalculateClick();
        });
    }
    table.addCellClick(kGrid, [this](int col, int row) { grdLSClick(col, row); });
    table.addEntry(kPage, [this] { enter(); });
}

bool LoanSpreadCalculator::pageShown() const {
    return m_ctx.ws.shownPage() == kPage;
}

void LoanSpreadCalculator::setUpMode(int mode) {
    auto& ws = m_ctx.ws;
    const ModeSetup& setup = kModes.at(static_cast<std::size_t>(mode));
    ValueField& computed = ws.field(setup.computed.field);
    computed.setLook(Look::Result);
    computed.setReadOnly(true);
    computed.setTabStop(false);
    computed.setHint(setup.computed.hint);
    for (const FieldHint& entered : setup.entered) {
        ValueField& field = ws.field(entered.field);
        field.setLook(Look::Normal);
        field.setReadOnly(false);
        field.setTabStop(true);
        field.setHint(entered.hint);
    }
    ws.choice(setup.leftGroup).visible = true;
    ws.choice(setup.rightGroup).visible = true;
    ws.choice(setup.hiddenGroup).visible = false;
    ws.control("lblLeft").setCaption(setup.leftCaption);
    ws.control("lblRight").setCaption(setup.rightCaption);
    m_setUpMode = mode;
}

const char* LoanSpreadCalculator::leftGroup() const {
    return kModes.at(static_cast<std::size_t>(m_setUpMode)).leftGroup;
}
const char* LoanSpreadCalculator::rightGroup() const {
    return kModes.at(static_cast<std::size_t>(m_setUpMode)).rightGroup;
}

void LoanSpreadCalculator::rgCalculateClick() {
    m_mode = m_ctx.ws.choice("rgCalculate").index;
    setUpMode(m_mode);
    m_ctx.ui.focus(kModes.at(static_cast<std::size_t>(m_mode)).focus);
    CleanGrid();
    ChooseLoanSpreadCalculator();
}

void LoanSpreadCalculator::selectCalculate(int item) {
    m_ctx.ws.choice("rgCalculate").index = item;
    if (item != m_setUpMode)
        setUpMode(item);
    m_mode = item;
}

void LoanSpreadCalculator::ChooseLoanSpreadCalculator() {
    switch (m_mode) {
    case 0:
        FillGrdLSPayment();
        break;
    case 1:
        FillGrdLSLoanAmount();
        break;
    case 2:
        FillGrdLSRate();
        break;
    case 3:
        FillGrdLSTerm();
        break;
    default:
        break;
    }
}

void LoanSpreadCalculator::markCentre() {
    TextGrid& grid = m_ctx.ws.grid(kGrid);
    grid.selectedCol = kCentreCol;
    grid.selectedRow = kCentreRow;
    grid.colColours.at(kCentreCol) = TextGrid::kYellow;
    grid.rowColours.at(kCentreRow) = TextGrid::kYellow;
}

void LoanSpreadCalculator::CleanGrid() {
    TextGrid& grid = m_ctx.ws.grid(kGrid);
    const GridChange change(grid);
    grid.resize(kRows, kCols);
    grid.clearTexts();
    grid.textColours.clear();
    markCentre();
    grid.colWidths.assign(kColumnWidths.begin(), kColumnWidths.end());

    const bool rateRows = m_mode == 1;
    const bool rateColumns = m_mode == 0;
    grid.cell(0, 0) = m_mode == 0 ? " Loan / Rate" : m_mode == 1 ? " Pmt / Rate" : " Loan / Pmt";
    for (int row = 1; row < kRows; ++row)
        grid.cell(0, row) =
            (rateRows ? kProvisionalRates : kProvisionalLoans).at(static_cast<std::size_t>(row - 1));
    for (int col = 1; col < kCols; ++col)
        grid.cell(col, 0) = (rateColumns ? kProvisionalColumnRates : kProvisionalPayments)
                                .at(static_cast<std::size_t>(col - 1));
}

void LoanSpreadCalculator::FillGrdLSPayment() {
    fill(0);
}
void LoanSpreadCalculator::FillGrdLSLoanAmount() {
    fill(1);
}
void LoanSpreadCalculator::FillGrdLSRate() {
    fill(2);
}
void LoanSpreadCalculator::FillGrdLSTerm() {
    fill(3);
}

// Rows carry the row quantity at -5..+5 steps from the entered value, columns the column
// quantity at -3..+3 steps; each cell is one call of the mode's formula.
void LoanSpreadCalculator::fill(int mode) {
    auto& ws = m_ctx.ws;
    const auto& regional = ws.regional();
    m_mode = ws.choice("rgCalculate").index;

    // The mode's three inputs; the one the mode computes stays 0.
    double loan = 0;
    double rate = 0;
    double payment = 0;
    std::int32_t term = 0;
    if (mode != 1)
        loan = ws.field("edtLoan").readFloat();
    if (mode != 2)
        rate = ws.field("edtInterest").readFloat();
    if (mode != 3)
        term = ws.field("edtTerm").readWhole();
    if (mode != 0)
        payment = ws.field("edtPayment").readFloat();

    const int loanItem = ws.choice("rgLoan").index;
    const int rateItem = ws.choice("rgInterest").index;
    const int paymentItem = ws.choice("rgPayments").index;
    double rowBase = loan;
    double rowStep = 0;
    double colBase = rate;
    double colStep = 0;
    switch (mode) {
    case 0:
        rowStep = stepOf(kLoanSteps, loanItem);
        colStep = stepOf(kRateSteps, rateItem);
        break;
    case 1:
        rowBase = payment;
        rowStep = stepOf(kPaymentSteps, paymentItem);
        colStep = stepOf(kRateSteps, rateItem);
        break;
    default:
        rowStep = stepOf(kLoanSteps, loanItem);
        colBase = payment;
        colStep = stepOf(kPaymentSteps, paymentItem);
        break;
    }
    if (mode != 1)
        m_loanIncrementText = ws.choice("rgLoan").items.at(static_cast<std::size_t>(loanItem));
    if (mode <= 1)
        m_rateIncrementText = kRateStepTexts.at(static_cast<std::size_t>(rateItem));
    if (mode >= 1)
        m_paymentIncrementText = ws.choice("rgPayments").items.at(static_cast<std::size_t>(paymentItem));

    // The value at offset k is the entered value + k × step, held as a double.
    std::array<double, kRows> rows{};
    std::array<double, kCols> cols{};
    for (int row = 1; row < kRows; ++row)
        rows[static_cast<std::size_t>(row)] =
            held(rowBase + static_cast<Extended>(row - kCentreRow) * rowStep);
    for (int col = 1; col < kCols; ++col)
        cols[static_cast<std::size_t>(col)] =
            held(colBase + static_cast<Extended>(col - kCentreCol) * colStep);

    TextGrid& grid = ws.grid(kGrid);
    const GridChange change(grid);
    for (int col = 1; col < kCols; ++col) {
        const double value = cols[static_cast<std::size_t>(col)];
        grid.cell(col, 0) = mode <= 1 ? "  " + generalText(value, 5, regional) + "%"
                                      : "  " + currencyText(value, 5, 2, regional);
    }
    for (int row = 1; row < kRows; ++row) {
        const double value = rows[static_cast<std::size_t>(row)];
        grid.cell(0, row) = " " + currencyText(value, 10, mode == 1 ? 2 : 0, regional);
    }
    if (mode == 0)
        grid.cell(0, 0) = " Loan / Rate";

    const auto cellText = [&](double rowValue, double colValue) -> std::string {
        switch (mode) {
        case 0:
            return " " + currencyText(loanmath::LoanPayment(term, held(colValue / 1200.0L), rowValue), 10, 2,
                                      regional);
        case 1:
            return " " + currencyText(loanmath::LoanPrincipal(term, rowValue, colValue, 0), 10, 0, regional);
        case 2:
            return " " + fixedText(loanmath::LoanRate(term, colValue, 0, rowValue), 5, 3, regional) + "%";
        default:
            return " " + fixedText(loanmath::LoanTerm(rowValue, colValue, rate), 5, 2, regional);
        }
    };
    // The result fields come from the entered values: the computed field unrounded, then the
    // total of all payments and the interest in it.
    const auto writeResults = [&] {
        ValueField& totalPaid = ws.field("edtTotalPaid");
        ValueField& interestPaid = ws.field("edtInterestPaid");
        switch (mode) {
        case 0: {
            const double computed = loanmath::LoanPayment(term, held(rate / 1200.0L), loan);
            ws.field("edtPayment").writeFloat(computed);
            totalPaid.writeFloat(held(static_cast<Extended>(computed) * term));
            interestPaid.writeFloat(held(static_cast<Extended>(computed) * term - loan));
            break;
        }
        case 1: {
            const double computed = loanmath::LoanPrincipal(term, payment, rate, 0);
            ws.field("edtLoan").writeFloat(computed);
            totalPaid.writeFloat(held(static_cast<Extended>(term) * payment));
            interestPaid.writeFloat(held(static_cast<Extended>(term) * payment - computed));
            break;
        }
        case 2: {
            ws.field("edtInterest").writeFloat(loanmath::LoanRate(term, payment, 0, loan));
            totalPaid.writeFloat(held(static_cast<Extended>(term) * payment));
            interestPaid.writeFloat(held(static_cast<Extended>(term) * payment - loan));
            break;
        }
        default: {
            // The term field drops the fraction (truncates); the totals use the unrounded term.
            const double months = loanmath::LoanTerm(loan, payment, rate);
            const Extended whole = loanmath::Int(months);
            if (!(whole >= INT32_MIN && whole <= INT32_MAX))
                throw CalcError(loanmath::CalcErrorKind::InvalidOperation, "loan spread: term out of range");
            ws.field("edtTerm").writeWhole(static_cast<std::int32_t>(whole));
            totalPaid.writeFloat(held(static_cast<Extended>(months) * payment));
            interestPaid.writeFloat(held(static_cast<Extended>(months) * payment - loan));
            break;
        }
        }
    };

    for (int col = 1; col < kCols; ++col) {
        for (int row = 1; row < kRows; ++row) {
            grid.cell(col, row) =
                cellText(rows[static_cast<std::size_t>(row)], cols[static_cast<std::size_t>(col)]);
            if (col == kCentreCol && row == kCentreRow)
                writeResults();
        }
    }

    markCentre();
    m_ctx.ui.setPrintingAvailable(true);
}

void LoanSpreadCalculator::grdLSMouseMove() {
    const int item = m_ctx.ws.choice("rgCalculate").index;
    TextGrid& grid = m_ctx.ws.grid(kGrid);
    if (item >= 0 && item < static_cast<int>(kGridHints.size()) &&
        grid.hint != kGridHints[static_cast<std::size_t>(item)]) {
        grid.hint = kGridHints[static_cast<std::size_t>(item)];
        grid.changed();
    }
}

void LoanSpreadCalculator::grdLSClick(int col, int row) {
    TextGrid& grid = m_ctx.ws.grid(kGrid);
    const GridChange change(grid);
    // Only a data cell can be selected; a click on the axis labels selects nothing.
    if (col >= grid.fixedCols && col < grid.colCount() && row >= grid.fixedRows && row < grid.rowCount())
        grid.textColours[{col, row}] = TextGrid::kRed;
    markCentre();
}

void LoanSpreadCalculator::ResetLoanSpread() {
    const int valueSet = m_ctx.ws.state().ValueSet;
    workspace::writeValueSet(m_ctx.ws, kPage, valueSet);
    selectCalculate(0);
    if (valueSet == 0)
        CleanGrid();
    ChooseLoanSpreadCalculator();
    if (pageShown())
        m_ctx.ui.focus("edtLoan");
}

void LoanSpreadCalculator::ResetToZeroFields() {
    workspace::writeValueSet(m_ctx.ws, kPage, 0);
    selectCalculate(0);
}

void LoanSpreadCalculator::enter() {
    ChooseLoanSpreadCalculator();
    m_ctx.ui.focus(m_ctx.ws.choice("rgCalculate").index == 1 ? "edtPayment" : "edtLoan");
}

} // namespace kelvarin::calculators
