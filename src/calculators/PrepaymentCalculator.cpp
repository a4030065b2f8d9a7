#include "PrepaymentCalculator.h"

#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"
#include "workspace/ValueSets.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

namespace kelvarin::calculators {

using loanmath::Extended;
using workspace::ValueField;

namespace {

constexpr const char* kPage = "pgPrepaymentCalculator";

double held(Extended x) {
    return loanmath::Held(x, "prepayment calculator");
}

// An amount text of the engine ("   183212.97") as its number.
double engineNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Row k's total interest as the schedule's texts give it, rounded to cents.
double totalInterestOfRow(const loanmath::TMortgage& schedule, int k) {
    return engineNumber(loanmath::TMortgage::PaymentToStrings(schedule.Row(k))[6]);
}

class BusyUntilDone {
public:
    explicit BusyUntilDone(workspace::UiPort& ui) : m_ui(ui) { m_ui.setBusy(true); }
    ~BusyUntilDone() { m_ui.setBusy(false); }
    BusyUntilDone(const BusyUntilDone&) = delete;
    BusyUntilDone& operator=(const BusyUntilDone&) = delete;

private:
    workspace::UiPort& m_ui;
};

} // namespace

PrepaymentCalculator::PrepaymentCalculator(CalculatorContext context) : m_ctx(context) {
    auto& ws = m_ctx.ws;
    const auto add = [&ws](workspace::ControlState control) {
        if (!ws.findControl(control.name()))
            ws.addControl(std::move(control));
    };
    // Never shown: "All Payments" is the mode in use, in which both payment numbers are disabled.
    add({"lblPPCFromPmt", "From Payment #", {}, false, false});
    add({"lblPPCToPmt", "To Payment #", {}, false, false});
    add({"btnPPCClear", "Clear", {}, true, false});
}

void PrepaymentCalculator::registerHandlers(HandlerTable& table) {
    table.addExit("CalcPPC", [this](ValueField&) { CalcPPC(); });
    table.addChoice("rgPPCPrepayments", [this](int mode) { SetPPCPrepaymentMode(mode); });
    table.addClick("btnPPCClear", [this] { btnPPCClearClick(); });
}

double PrepaymentCalculator::monthlyEscrow() const {
    const auto& ws = m_ctx.ws;
    return held((static_cast<Extended>(ws.field("edtPPCInsurance").readFloat()) +
                 ws.field("edtPPCPMI").readFloat() + ws.field("edtPPCPropertyTaxes").readFloat()) /
                12);
}

void PrepaymentCalculator::CalcPPC() {
    try {
        calculate();
    } catch (const loanmath::CalcError&) {
        ResetPrepaymentCalculator();
    } catch (const std::out_of_range&) {
        ResetPrepaymentCalculator();
    }
}

void PrepaymentCalculator::calculate() {
    auto& ws = m_ctx.ws;
    m_ctx.ui.setPrintingAvailable(true);
    m_schedule = loanmath::TMortgage();

    const std::int32_t n = ws.field("edtPPCTerm").readWhole();
    ValueField& toPayment = ws.field("edtPPCToPmt");
    if (n < toPayment.readWhole())
        toPayment.writeWhole(n);
    m_numPayments = n;

    m_loan = ws.field("edtPPCAmountBorrowed").readFloat();
    m_rate = ws.field("edtPPCInterest").readFloat();
    const double escrow = monthlyEscrow();

    const double i = held(static_cast<Extended>(m_rate) / 1200);
    ValueField& payment = ws.field("edtPPCPayment");
    payment.writeFloat(loanmath::LoanPayment(n, i, m_loan));
    // The total adds the payment as the field shows it (786.70 + 198.33 gives 985.03).
    ws.field("edtPPCTotalPayment").writeFloat(held(static_cast<Extended>(payment.readFloat()) + escrow));
    if (n == 0)
        return;

    m_schedule.Initialise(n, m_loan, held(static_cast<Extended>(i) * 1200 / 100), 12, 0, 0);
    const double interest = totalInterestOfRow(m_schedule, n);
    ws.field("edtPPCTotalInterest").writeFloat(interest);
    ws.field("edtPPCTotalPrincipalAndInterest").writeFloat(held(static_cast<Extended>(interest) + m_loan));

    const int choice = ws.choice("rgPPCPrepayments").index;
    m_mode = choice == 0 || choice == 1 ? choice : 2;
    if (m_mode != 2)
        m_first = ws.field("edtPPCFromPmt").readWhole();
    if (m_mode == 1)
        m_last = toPayment.readWhole();
    m_amount = ws.field("edtPPCExtraAmount").readFloat();
    try {
        if (m_mode == 0)
            m_schedule.SetExtraPayment(m_first, m_amount);
        else if (m_mode == 1)
            m_schedule.SetExtraPaymentRange(m_first, m_last, m_amount);
        else
            m_schedule.SetExtraPaymentsFrom(1, m_amount);
    } catch (const loanmath::PrepaymentTargetError& error) {
        m_ctx.ui.message(error.what(), workspace::MessageIcon::Information, workspace::MessageButtons::Ok);
    }
    InitPPC();
}

void PrepaymentCalculator::InitPPC() {
    auto& ws = m_ctx.ws;
    m_newTermFound = false;
    const BusyUntilDone normalCursorAtEnd(m_ctx.ui);

    ValueField& newPayment = ws.field("edtPPCNewPayment");
    newPayment.writeFloat(
        held(static_cast<Extended>(ws.field("edtPPCExtraAmount").readFloat()) + m_schedule.Payment()));
    ws.field("edtPPCNewTotalPayment")
        .writeFloat(held(static_cast<Extended>(newPayment.readFloat()) + monthlyEscrow()));

    // The new term is the first payment after which nothing is owed; the engine keeps the prepayments
    // that paid something, so the payoff row is the first whose balance is not above 0.
    std::int32_t newTerm = ws.field("edtPPCTerm").readWhole();
    for (int k = 1; k <= m_numPayments; ++k) {
        if (!(engineNumber(loanmath::TMortgage::PaymentToStrings(m_schedule.Row(k))[8]) > 0)) {
            newTerm = k;
            m_newTermFound = true;
            break;
        }
    }
    ws.field("edtPPCNewTerm").writeWhole(newTerm);

    const double interest = totalInterestOfRow(m_schedule, m_numPayments);
    ws.field("edtPPCTotalInterestWithPrepayments").writeFloat(interest);
    ValueField& withPrepayments = ws.field("edtPPCTotalInterestAndPrincipalWithPrepayments");
    withPrepayments.writeFloat(
        held(static_cast<Extended>(ws.field("edtPPCAmountBorrowed").readFloat()) + interest));
    ws.field("edtPPCSavings")
        .writeFloat(held(static_cast<Extended>(ws.field("edtPPCTotalPrincipalAndInterest").readFloat()) -
                         withPrepayments.readFloat()));
}

void PrepaymentCalculator::SetPPCPrepaymentMode(int mode) {
    auto& ws = m_ctx.ws;
    ws.choice("rgPPCPrepayments").index = mode;
    auto& from = ws.control("lblPPCFromPmt");
    if (mode == 0)
        from.setCaption("Payment #");
    else if (mode == 1)
        from.setCaption("From Payment #");
    from.setEnabled(mode != 2);
    ws.field("edtPPCFromPmt").setEnabled(mode != 2);
    ws.control("lblPPCToPmt").setEnabled(mode == 1);
    ws.field("edtPPCToPmt").setEnabled(mode == 1);
    ws.choice("rgPPCPrepayments").changed();
    m_ctx.ui.focus(mode == 2 ? "edtPPCExtraAmount" : "edtPPCFromPmt");
}

void PrepaymentCalculator::btnPPCClearClick() {
    auto& ws = m_ctx.ws;
    m_schedule.RemoveExtraPayments();
    InitPPC();
    ws.field("edtPPCExtraAmount").writeFloat(0);
    ws.field("edtPPCNewPayment").writeFloat(ws.field("edtPPCPayment").readFloat());
    ws.field("edtPPCNewTotalPayment").writeFloat(ws.field("edtPPCTotalPayment").readFloat());
    m_ctx.ui.focus("edtPPCAmountBorrowed");
}

void PrepaymentCalculator::selectAllPayments() {
    auto& ws = m_ctx.ws;
    ws.choice("rgPPCPrepayments").index = 2;
    ws.control("lblPPCFromPmt").setEnabled(false);
    ws.field("edtPPCFromPmt").setEnabled(false);
    ws.control("lblPPCToPmt").setEnabled(false);
    ws.field("edtPPCToPmt").setEnabled(false);
    ws.choice("rgPPCPrepayments").changed();
}

void PrepaymentCalculator::ResetPrepaymentCalculator() {
    m_schedule = loanmath::TMortgage();
    workspace::writeValueSet(m_ctx.ws, kPage, m_ctx.ws.state().ValueSet);
    selectAllPayments();
    if (m_ctx.ws.shownPage() == kPage)
        m_ctx.ui.focus("edtPPCAmountBorrowed");
}

void PrepaymentCalculator::ResetForAllToZero() {
    workspace::writeValueSet(m_ctx.ws, kPage, 0);
    selectAllPayments();
}

} // namespace kelvarin::calculators
