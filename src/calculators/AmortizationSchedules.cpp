#include "AmortizationSchedules.h"

#include "ScheduleGrids.h"
#include "loanmath/Numeric.h"
#include "workspace/CurrencyText.h"
#include "workspace/HeldValues.h"
#include "workspace/NumberText.h"
#include "workspace/ValueSets.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace kelvarin::calculators {

using workspace::ConversionError;
using workspace::CurrencyBlank;
using workspace::TextGrid;

namespace {

constexpr const char* kPage = "pgAmortizationSchedules";
constexpr std::array<const char*, 5> kLoanInputs{"edtMortAmt", "edtIRate", "edtNumPmts", "edtAmortPayment",
                                                 "edtYear"};
constexpr const char* kAnnualCaption = "View Annual Chart";
constexpr const char* kMonthlyCaption = "View Monthly Chart";
constexpr const char* kAnnualHint = "Click for Annual Amortization Report ...";
constexpr const char* kMonthlyHint = "Click for Monthly Amortization Report ...";

// The normal cursor comes back however the run ends.
class BusyUntilDone {
public:
    explicit BusyUntilDone(workspace::UiPort& ui) : m_ui(ui) {}
    ~BusyUntilDone() { m_ui.setBusy(false); }
    BusyUntilDone(const BusyUntilDone&) = delete;
    BusyUntilDone& operator=(const BusyUntilDone&) = delete;

private:
    workspace::UiPort& m_ui;
};

// The grid's views are told however the fill ends (a failing fill leaves what it wrote).
class TellViewsAtEnd {
public:
    explicit TellViewsAtEnd(const TextGrid& grid) : m_grid(grid) {}
    ~TellViewsAtEnd() { m_grid.changed(); }
    TellViewsAtEnd(const TellViewsAtEnd&) = delete;
    TellViewsAtEnd& operator=(const TellViewsAtEnd&) = delete;

private:
    const TextGrid& m_grid;
};

std::string_view trimmedRight(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// The first n characters (not bytes) of a UTF-8 text.
std::string_view firstCharacters(std::string_view text, std::size_t n) {
    std::size_t at = 0;
    for (std::size_t count = 0; count < n && at < text.size(); ++count) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
    return text.substr(0, at);
}

std::int32_t paymentNumber(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

// A prepayment text of the list. A text in the user's currency format reads back exactly (negative
// amounts and signs after the number included); any other text is read as the list always was: its
// first character taken for the currency sign, the rest by TextToCurrency.
double prepaymentAmount(std::string_view text, const workspace::RegionalSettings& regional,
                        const workspace::CurrencyFormat& format) {
    if (const auto value = format.parse(text))
        return *value;
    return TextToCurrency(text.substr(firstCharacters(text, 1).size()), regional);
}

} // namespace

AmortizationSchedules::AmortizationSchedules(CalculatorContext context) : m_ctx(context) {
    auto& ws = m_ctx.ws;
    const auto add = [&ws](workspace::ControlState control) {
        if (!ws.findControl(control.name()))
            ws.addControl(std::move(control));
    };
    add({"btnCalculate", "Create or Refresh Schedule"});
    add({"btnAddExtra", "Add Prepayments"});
    add({"btnAnnualMonthly", kAnnualCaption, kAnnualHint});
    add({"pnlAddExtra", "Add To", {}, true, false});
    add({"lblFromPmt", "From Payment #"});
    add({"lblToPmt", "To Payment #"});
    add({"pnlRemoveExtra"});
    add({"btnRecalcExtra", "Apply Extra"});
    add({"btnRemove", "Remove Extra"});
    add({"btnCancel", "Return to Amort"});
    add({kExportCommand, "Export Schedule as CSV ...", {}, false});
}

void AmortizationSchedules::registerHandlers(HandlerTable& table) {
    auto& ws = m_ctx.ws;
    const auto inPanel = [&ws](void (AmortizationSchedules::*handler)(), AmortizationSchedules* self) {
        return [&ws, handler, self] {
            if (ws.control("pnlAddExtra").visible())
                (self->*handler)();
        };
    };
    table.addClick("btnCalculate", [this] { CalcAmortization(); });
    table.addClick("btnAddExtra", [this] {
        if (m_ctx.ws.control("btnAddExtra").enabled())
            btnExtraClick();
    });
    table.addClick("btnAnnualMonthly", [this] { btnAnnualMonthlyClick(); });
    table.addClick("btnRecalcExtra", inPanel(&AmortizationSchedules::btnRecalcExtraClick, this));
    table.addClick("btnRemove", inPanel(&AmortizationSchedules::btnRemoveClick, this));
    table.addClick("btnCancel", inPanel(&AmortizationSchedules::btnCancelClick, this));
    table.addChoice("rgAddTo", [this](int mode) { SetPrepaymentMode(mode); });
    table.addChoice("cbMonth", [this](int) { cbMonthChange(); });
    table.addEntry(kPage, [this] { enterPage(); });
    table.addBeforeNavigation([this] { closePanelBeforeNavigation(); });
}

void AmortizationSchedules::readPageValues() {
    auto& ws = m_ctx.ws;
    auto& state = ws.state();
    AmortLoanAmount = ws.field("edtMortAmt").readFloat();
    AmortRate =
        loanmath::Held(static_cast<loanmath::Extended>(ws.field("edtIRate").readFloat()) / 100, "rate");
    AmortNumPayments = ws.field("edtNumPmts").readWhole();
    if (const int month = monthNumber(ws.choice("cbMonth").text))
        state.ScheduleStartMonth = month;
    state.ScheduleStartYear = ws.field("edtYear").readWhole();
}

void AmortizationSchedules::CalcAmortization() {
    auto& ws = m_ctx.ws;
    const auto& state = ws.state();
    ws.control("btnAddExtra").setEnabled(true);
    m_ctx.ui.setPrintingAvailable(true);
    const BusyUntilDone normalCursorAtEnd(m_ctx.ui);
    readPageValues();
    CreatePrepaymentList();
    try {
        m_schedule.Initialise(AmortNumPayments, AmortLoanAmount, AmortRate, 12, state.ScheduleStartMonth,
                              state.ScheduleStartYear);
        applyPrepaymentList();
        FillGrdAmortization();
    } catch (...) {
        // The annual grid is refilled from what the monthly grid shows; the error goes on.
        FillGrdAnnualAmortization();
        throw;
    }
    FillGrdAnnualAmortization();
}

void AmortizationSchedules::applyPrepaymentList() {
    const workspace::CurrencyFormat format(m_ctx.ws.regional(), CurrencyBlank::NoBreak);
    std::string_view list = m_prepayments;
    while (!list.empty()) {
        const auto end = list.find("\r\n");
        const std::string_view line = list.substr(0, end);
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 2);

        const auto blank = line.find(' ');
        const std::string_view number = firstCharacters(trimmedRight(line.substr(0, blank)), 15);
        if (number.empty())
            continue;
        const std::string_view rest = blank == std::string_view::npos
                                          ? std::string_view()
                                          : firstCharacters(trimmedRight(line.substr(blank + 1)), 25);
        const std::int32_t k = paymentNumber(number);
        const double amount = prepaymentAmount(rest, m_ctx.ws.regional(), format);
        try {
            m_schedule.SetExtraPayment(k, amount);
        } catch (const loanmath::PrepaymentTargetError& error) {
            m_ctx.ui.message(error.what(), workspace::MessageIcon::Information,
                             workspace::MessageButtons::Ok);
        }
    }
}

void AmortizationSchedules::FillGrdAmortization() {
    auto& ws = m_ctx.ws;
    m_ctx.ui.setBusy(true);
    ws.field("edtAmortPayment").writeFloat(m_schedule.Payment());
    TextGrid& annual = ws.grid("grdAnnualAmortization");
    TextGrid& monthly = ws.grid("grdAmortization");
    const TellViewsAtEnd annualViews(annual);
    const TellViewsAtEnd monthlyViews(monthly);
    writeAnnualTitles(annual);
    fillMonthlyGrid(monthly, m_schedule, ws.regional());
    updateExport();
    m_ctx.ui.setBusy(false);
}

void AmortizationSchedules::FillGrdAnnualAmortization() {
    auto& ws = m_ctx.ws;
    TextGrid& annual = ws.grid("grdAnnualAmortization");
    const TellViewsAtEnd views(annual);
    fillAnnualGrid(annual, ws.grid("grdAmortization"), ws.regional());
}

void AmortizationSchedules::CreatePrepaymentList() {
    const TextGrid& monthly = m_ctx.ws.grid("grdAmortization");
    const std::string zero =
        workspace::currencyText(m_ctx.ws.regional(), false, "0", "00", CurrencyBlank::NoBreak);
    static const std::string none;
    m_prepayments.clear();
    for (std::int32_t k = 1; k <= AmortNumPayments; ++k) {
        const bool shown = k < monthly.rowCount() && monthly.colCount() > 6;
        // The whole payment number: a schedule may run past payment 9999.
        const std::string& number = shown ? monthly.cell(0, k) : none;
        const std::string& prepayment = shown ? monthly.cell(6, k) : none;
        m_prepayments += number;
        m_prepayments += ' ';
        m_prepayments += prepayment.empty() ? std::string_view(zero) : firstCharacters(prepayment, 25);
        m_prepayments += "\r\n";
    }
}

void AmortizationSchedules::setLoanInputsEnabled(bool enabled) {
    for (const char* name : kLoanInputs)
        m_ctx.ws.field(name).setEnabled(enabled);
    workspace::Choice& month = m_ctx.ws.choice("cbMonth");
    month.enabled = enabled;
    month.changed();
}

void AmortizationSchedules::btnExtraClick() {
    const TextGrid& monthly = m_ctx.ws.grid("grdAmortization");
    if (monthly.rowCount() < 2 || monthly.cell(0, 1).empty())
        return; // no schedule was ever built
    setLoanInputsEnabled(false);
    m_ctx.ws.control("pnlAddExtra").setVisible(true);
}

void AmortizationSchedules::SetPrepaymentMode(int mode) {
    auto& ws = m_ctx.ws;
    ws.choice("rgAddTo").index = mode;
    auto& from = ws.control("lblFromPmt");
    if (mode == 0)
        from.setCaption("Payment #");
    else if (mode == 1)
        from.setCaption("From Payment #");
    from.setEnabled(mode != 2);
    ws.field("edtFromPmt").setEnabled(mode != 2);
    ws.control("lblToPmt").setEnabled(mode == 1);
    ws.field("edtToPmt").setEnabled(mode == 1);
    ws.choice("rgAddTo").changed();
}

void AmortizationSchedules::applyPanelPrepayment() {
    try {
        switch (PrepayMode) {
        case 0:
            m_schedule.SetExtraPayment(PrepayFirst, PrepayAmount);
            break;
        case 1:
            m_schedule.SetExtraPaymentRange(PrepayFirst, PrepayLast, PrepayAmount);
            break;
        default:
            m_schedule.SetExtraPaymentsFrom(1, PrepayAmount);
            break;
        }
    } catch (const loanmath::PrepaymentTargetError& error) {
        // The schedule stays as it was; both grids are refilled from it.
        m_ctx.ui.message(error.what(), workspace::MessageIcon::Information, workspace::MessageButtons::Ok);
    }
}

void AmortizationSchedules::btnRecalcExtraClick() {
    auto& ws = m_ctx.ws;
    readPageValues();
    if (ws.control("pnlAddExtra").visible()) {
        const int choice = ws.choice("rgAddTo").index;
        PrepayMode = choice == 0 || choice == 1 ? choice : 2;
        if (PrepayMode != 2)
            PrepayFirst = ws.field("edtFromPmt").readWhole();
        if (PrepayMode == 1)
            PrepayLast = ws.field("edtToPmt").readWhole();
        PrepayAmount = ws.field("edtExtraAmount").readFloat();
    }
    applyPanelPrepayment();
    FillGrdAmortization();
    FillGrdAnnualAmortization();
}

void AmortizationSchedules::btnRemoveClick() {
    auto& ws = m_ctx.ws;
    m_schedule.RemoveExtraPayments();
    ws.field("edtExtraAmount").writeFloat(0);
    ws.field("edtFromPmt").writeWhole(0);
    ws.field("edtToPmt").writeWhole(0);
    FillGrdAmortization();
    FillGrdAnnualAmortization();
}

void AmortizationSchedules::btnCancelClick() {
    setLoanInputsEnabled(true);
    m_ctx.ws.control("pnlAddExtra").setVisible(false);
}

void AmortizationSchedules::btnAnnualMonthlyClick() {
    auto& ws = m_ctx.ws;
    auto& button = ws.control("btnAnnualMonthly");
    const bool toAnnual = button.caption() == kAnnualCaption;
    button.setCaption(toAnnual ? kMonthlyCaption : kAnnualCaption);
    ws.grid("grdAmortization").visible = !toAnnual;
    ws.grid("grdAnnualAmortization").visible = toAnnual;
    button.setHint(toAnnual ? kMonthlyHint : kAnnualHint);
    ws.grid("grdAmortization").changed();
    ws.grid("grdAnnualAmortization").changed();
}

void AmortizationSchedules::cbMonthChange() {
    workspace::Choice& month = m_ctx.ws.choice("cbMonth");
    if (monthNumber(month.text) == 0)
        month.text = "Jan";
    month.index = monthNumber(month.text) - 1;
    month.changed();
}

void AmortizationSchedules::resetValues(int valueSet) {
    auto& ws = m_ctx.ws;
    auto& state = ws.state();
    TextGrid& monthly = ws.grid("grdAmortization");
    monthly.selectedCol = -1;
    monthly.selectedRow = -1;
    if (ws.control("pnlAddExtra").visible()) {
        ws.field("edtFromPmt").writeWhole(0);
        ws.field("edtToPmt").writeWhole(0);
        ws.field("edtExtraAmount").writeFloat(0);
        ws.control("pnlAddExtra").setVisible(false);
        btnCancelClick();
    }

    workspace::writeValueSet(ws, kPage, valueSet);
    for (const workspace::ValueSetEntry& entry : workspace::valueSetOf(kPage)) {
        const double value = valueSet == 0 ? entry.zero : entry.sample;
        if (entry.field == "edtMortAmt")
            AmortLoanAmount = value;
        else if (entry.field == "edtIRate")
            AmortRate = loanmath::Held(static_cast<loanmath::Extended>(value) / 100, "rate");
        else if (entry.field == "edtNumPmts")
            AmortNumPayments = static_cast<std::int32_t>(value);
        else if (entry.field == "edtAmortPayment")
            m_ctx.held.AmortPayment = value;
    }
    workspace::Choice& month = ws.choice("cbMonth");
    month.text = state.CurrentMonthShort;
    month.index = monthNumber(month.text) - 1;
    month.changed();
    ws.field("edtYear").writeWhole(state.CurrentYear);

    monthly.clearTexts();
    writeMonthlyTitles(monthly);
    monthly.changed();
    TextGrid& annual = ws.grid("grdAnnualAmortization");
    annual.clearTexts();
    writeAnnualTitles(annual);
    annual.changed();
    updateExport();
}

void AmortizationSchedules::ResetAmortizationSchedules() {
    resetValues(m_ctx.ws.state().ValueSet);
    CreatePrepaymentList();
    if (m_ctx.ws.shownPage() == kPage) {
        CalcAmortization();
        m_ctx.ui.focus("edtMortAmt");
    }
}

void AmortizationSchedules::ResetForAllToZero() {
    m_schedule = loanmath::TMortgage();
    resetValues(0);
    CreatePrepaymentList();
    if (m_ctx.ws.shownPage() == kPage) {
        CalcAmortization();
        m_ctx.ui.focus("edtMortAmt");
    }
}

void AmortizationSchedules::enterPage() {
    m_ctx.ws.control("btnAddExtra").setEnabled(true);
    m_ctx.ui.setPrintingAvailable(false);
    m_ctx.ui.focus("edtMortAmt");
    CalcAmortization();
}

void AmortizationSchedules::updateExport() {
    const TextGrid& monthly = m_ctx.ws.grid("grdAmortization");
    const bool schedule = monthly.rowCount() > 1 && !monthly.cell(0, 1).empty() && monthly.cell(0, 1) != " ";
    m_ctx.ws.control(kExportCommand).setEnabled(schedule && m_ctx.ws.shownPage() == kPage);
}

const TextGrid& AmortizationSchedules::gridOnScreen() const {
    const TextGrid& monthly = m_ctx.ws.grid("grdAmortization");
    return monthly.visible ? monthly : m_ctx.ws.grid("grdAnnualAmortization");
}

void AmortizationSchedules::closePanelBeforeNavigation() {
    m_ctx.ws.control(kExportCommand).setEnabled(false);
    if (!m_ctx.ws.control("pnlAddExtra").visible())
        return;
    m_ctx.ws.control("pnlAddExtra").setVisible(false);
    btnCancelClick();
}

} // namespace kelvarin::calculators
