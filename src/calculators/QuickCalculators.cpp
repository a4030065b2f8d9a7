#include "QuickCalculators.h"

#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"
#include "workspace/ValueSets.h"

#include <array>
#include <cstdint>

namespace kelvarin::calculators {

using loanmath::CalcError;
using workspace::Look;
using workspace::ValueField;

namespace {
constexpr std::array<const char*, 4> kMissingFields{"edtLA", "edtIR", "edtPMT", "edtN"};

double held(long double x) { return loanmath::Held(x, "quick calculator result"); }

// A whole count for a count field; beyond 32 bits the number cannot be converted.
std::int32_t wholeCount(long double x) {
    const std::int64_t rounded = loanmath::Round(x);
    if (rounded < INT32_MIN || rounded > INT32_MAX)
        throw CalcError(loanmath::CalcErrorKind::InvalidOperation, "number of payments out of range");
    return static_cast<std::int32_t>(rounded);
}

void writeZero(ValueField& field) {
    if (field.mask().dataType == workspace::DataType::Whole)
        field.writeWhole(0);
    else
        field.writeFloat(0);
}
}  // namespace

QuickCalculators::QuickCalculators(CalculatorContext context) : m_ctx(context) {
    if (!m_ctx.ws.findControl("btnCalcQuickCalc"))
        m_ctx.ws.addControl({"btnCalcQuickCalc", "Calculate", "Click to calculate results ...", false});
}

void QuickCalculators::registerHandlers(HandlerTable& table) {
    table.addExit("CalcMPI", [this](ValueField& sender) { CalcMPI(sender); });
    table.addClick("btnCalcLA", [this] { btnCalcLAClick(); });
    table.addClick("btnCalcIR", [this] { btnCalcIRClick(); });
    table.addClick("btnCalcPMT", [this] { btnCalcPMTClick(); });
    table.addClick("btnCalcN", [this] { btnCalcNClick(); });
    table.addClick("btnCalcQuickCalc", [this] {
        if (m_ctx.ws.control("btnCalcQuickCalc").enabled())
            btnCalcQuickCalcClick();
    });
    table.addChoice("nbkQuickCalc", [this](int index) { nbkQuickCalcTabClick(index); });
}

void QuickCalculators::CalcMPI(const ValueField& sender) {
    auto& ws = m_ctx.ws;
    ValueField& sum = ws.field("edtMPIDownPaymentSum");
    ValueField& percent = ws.field("edtMPIDownPaymentPercent");
    ValueField& loan = ws.field("edtMPILoanAmount");
    ValueField& payment = ws.field("edtMPIPayment");

    const double salesPrice = ws.field("edtMPISalesPrice").readFloat();
    if (salesPrice == 0) {
        percent.writeFloat(0);
        sum.writeFloat(0);
        loan.writeFloat(0);
        payment.writeFloat(0);
        return;
    }
    if (&sender == &sum)
        percent.writeFloat(held(sum.readFloat() / static_cast<long double>(salesPrice) * 100));
    if (&sender == &percent)
        sum.writeFloat(held(salesPrice * (percent.readFloat() / 100.0L)));

    // The payment uses this unrounded loan amount, not the field's text.
    const double loanAmount = held(static_cast<long double>(salesPrice) - sum.readFloat());
    loan.writeFloat(loanAmount);

    const double rate = ws.field("edtMPIInterestRate").readFloat();
    const std::int32_t term = ws.field("edtMPITermInMonths").readWhole();
    double result = 0;
    if (term == 0)
        result = 0;
    else if (rate == 0)
        result = held(loanmath::Div(loanAmount, term, "payment"));
    else
        result = loanmath::LoanPayment(term, rate / 1200, loanAmount);
    payment.writeFloat(result);
}

void QuickCalculators::chooseTarget(QuickCalcTarget target, const char* targetField, const char* focusField) {
    auto& ws = m_ctx.ws;
    m_target = target;
    ws.control("btnCalcQuickCalc").setEnabled(true);
    for (const char* name : kMissingFields) {
        ValueField& field = ws.field(name);
        const bool isTarget = std::string_view(name) == targetField;
        field.setLook(isTarget ? Look::Target : Look::Normal);
        field.setEnabled(!isTarget);
        writeZero(field);
    }
    ws.field(focusField).setEnabled(true);
    m_ctx.ui.focus(focusField);
}

void QuickCalculators::btnCalcLAClick() { chooseTarget(QuickCalcTarget::LA, "edtLA", "edtIR"); }
void QuickCalculators::btnCalcIRClick() { chooseTarget(QuickCalcTarget::IR, "edtIR", "edtLA"); }
void QuickCalculators::btnCalcPMTClick() { chooseTarget(QuickCalcTarget::PMT, "edtPMT", "edtLA"); }
void QuickCalculators::btnCalcNClick() { chooseTarget(QuickCalcTarget::N, "edtN", "edtLA"); }

void QuickCalculators::computeTarget() {
    auto& ws = m_ctx.ws;
    ValueField& la = ws.field("edtLA");
    ValueField& ir = ws.field("edtIR");
    ValueField& pmt = ws.field("edtPMT");
    ValueField& n = ws.field("edtN");

    ValueField* result = nullptr;
    switch (m_target) {
    case QuickCalcTarget::None:
        return;
    case QuickCalcTarget::LA: {
        const double rate = ir.readFloat();
        const std::int32_t count = n.readWhole();
        const double payment = pmt.readFloat();
        const long double x =
            rate == 0 ? static_cast<long double>(count) * payment : loanmath::LoanPrincipal(count, payment, rate, 0);
        // Whole dollars: add 0.5, then round half to even (100,000.5 stays 100,000).
        la.writeFloat(static_cast<double>(loanmath::Round(x + 0.5L)));
        result = &la;
        break;
    }
    case QuickCalcTarget::IR:
        ir.writeFloat(loanmath::LoanRate(n.readWhole(), pmt.readFloat(), 0, la.readFloat()));
        result = &ir;
        break;
    case QuickCalcTarget::PMT: {
        const double loan = la.readFloat();
        const double rate = ir.readFloat();
        const std::int32_t count = n.readWhole();
        pmt.writeFloat(rate == 0 ? held(loanmath::Div(loan, count, "payment")) : loanmath::LoanPayment(count, rate / 1200, loan));
        result = &pmt;
        break;
    }
    case QuickCalcTarget::N: {
        const double loan = la.readFloat();
        const double payment = pmt.readFloat();
        const double rate = ir.readFloat();
        const long double months = rate == 0 ? loanmath::Div(loan, payment, "number of payments") : loanmath::LoanTerm(loan, payment, rate);
        n.writeWhole(wholeCount(months));
        result = &n;
        break;
    }
    }
    result->setEnabled(true);
    result->setLook(Look::Result);
}

void QuickCalculators::btnCalcQuickCalcClick() {
    try {
        computeTarget();
    } catch (const CalcError&) {
        for (const char* name : kMissingFields)
            writeZero(m_ctx.ws.field(name));
        setNormalLooks();
        m_ctx.ws.control("btnCalcQuickCalc").setEnabled(false);
        m_ctx.ui.message(kCannotCompleteMessage, workspace::MessageIcon::Information, workspace::MessageButtons::Ok);
    }
    m_ctx.ui.focus("nbkQuickCalc");
}

void QuickCalculators::nbkQuickCalcTabClick(int tabIndex) {
    m_ctx.ws.choice("nbkQuickCalc").index = tabIndex;
    m_ctx.ui.focus(tabIndex == 0 ? "edtMPISalesPrice" : "btnCalcLA");
}

void QuickCalculators::setNormalLooks() {
    for (const char* name : kMissingFields) {
        ValueField& field = m_ctx.ws.field(name);
        field.setLook(Look::Normal);
        field.setEnabled(true);
    }
}

void QuickCalculators::ResetQuickCalculators(bool moveFocus) {
    workspace::writeValueSet(m_ctx.ws, "pgQuickCalculators", m_ctx.ws.state().ValueSet);
    setNormalLooks();
    m_ctx.ws.control("btnCalcQuickCalc").setEnabled(false);
    if (moveFocus)
        m_ctx.ui.focus("nbkQuickCalc");
}

}  // namespace kelvarin::calculators
