#include "RefinancingCalculator.h"

#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"
#include "loanmath/Savings.h"
#include "workspace/ValueSets.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace kelvarin::calculators {

using loanmath::Extended;
using workspace::ValueField;

namespace {

// The itemized closing costs, in the panel's tab order.
constexpr std::array<const char*, 12> kItems{
    "edtDiscountPoints", "edtOriginationPoints", "edtCreditCheck",       "edtAttyFeeY",
    "edtAttyFeeL",       "edtTitleSearchFee",    "edtTitleInsuranceFee", "edtAppraisalFee",
    "edtInspections",    "edtLocalFees",         "edtOtherFees",         "edtPrepaymentPenalty"};

double held(Extended x) {
    return loanmath::Held(x, "refinancing");
}

std::int32_t count(Extended x) {
    if (!(x >= INT32_MIN && x <= INT32_MAX))
        throw loanmath::CalcError(loanmath::CalcErrorKind::Overflow,
                                  "refinancing: number of payments out of range");
    return static_cast<std::int32_t>(x);
}

} // namespace

RefinancingCalculator::RefinancingCalculator(CalculatorContext context) : m_ctx(context) {
    auto& ws = m_ctx.ws;
    ws.addControl({"lblSell", "If you sell in 240 months,"});
    ws.addControl({"pnlClosingCosts", "Itemized Closing Costs", {}, true, false});
    ws.addControl({"btnCalcFees"});
    ws.addControl({"btnClearClosingCosts", {}, "Zero all Closing Costs"});
    ws.addControl({"btnCloseClosingCosts", "OK", "Click to close Itemized Closing Costs"});
}

void RefinancingCalculator::registerHandlers(HandlerTable& table) {
    table.addExit("CalcRefi", [this](ValueField&) { CalcRefi(); });
    table.addExit("CalcClosingCosts", [this](ValueField& sender) { CalcClosingCosts(sender); });
    const auto whenEnabled = [this](const char* control, void (RefinancingCalculator::*handler)()) {
        return [this, control, handler] {
            if (m_ctx.ws.control(control).enabled())
                (this->*handler)();
        };
    };
    table.addClick("btnCalcFees", whenEnabled("btnCalcFees", &RefinancingCalculator::btnCalcFeesClick));
    table.addClick("btnClearClosingCosts",
                   whenEnabled("btnClearClosingCosts", &RefinancingCalculator::btnClearClosingCostsClick));
    table.addClick("btnCloseClosingCosts",
                   whenEnabled("btnCloseClosingCosts", &RefinancingCalculator::btnCloseClosingCostsClick));
}

void RefinancingCalculator::CalcRefi() {
    auto& ws = m_ctx.ws;
    m_ctx.ui.refresh();
    m_ctx.ui.setPrintingAvailable(true);

    const std::int32_t monthsUntilSale = ws.field("edtMonthsUntilSell").readWhole();
    const std::int32_t newTerm = ws.field("edtNewTerm").readWhole();
    const double oldLoan = ws.field("edtOldLoan").readFloat();
    const double oldRate = ws.field("edtOldInterestRate").readFloat();
    const double newLoan = ws.field("edtNewLoan").readFloat();
    const double newRate = ws.field("edtNewInterestRate").readFloat();

    // Months compared: the new loan's until the sale or its end; the old loan's no further than its end.
    const std::int32_t newMonths = std::min(monthsUntilSale, newTerm);
    const std::int32_t remaining = count(static_cast<Extended>(ws.field("edtOldTerm").readWhole()) -
                                         ws.field("edtOldPaymentsMade").readWhole());
    ws.field("edtOldPaymentsRemaining").writeWhole(remaining);

    const double oldPayment = loanmath::LoanPayment(remaining, held(oldRate / 1200.0L), oldLoan);
    ws.field("edtOldPayment").writeFloat(oldPayment);
    const std::int32_t oldMonths = std::min(newMonths, remaining);
    const double oldEquity = loanmath::PrincipalRepaid(oldMonths, oldLoan, oldRate, oldPayment);
    ws.field("edtOldEquity").writeFloat(oldEquity);

    const double newPayment = loanmath::LoanPayment(newTerm, held(newRate / 1200.0L), newLoan);
    ws.field("edtNewPayment").writeFloat(newPayment);
    const double newEquity = loanmath::PrincipalRepaid(newMonths, newLoan, newRate, newPayment);
    ws.field("edtNewEquity").writeFloat(newEquity);

    const double saving = held(static_cast<Extended>(oldPayment) - newPayment);
    ws.field("edtPaymentSaved").writeFloat(saving);
    const double totalSaving = held(static_cast<Extended>(oldMonths) * saving);
    ws.field("edtTotalPaymentSaved").writeFloat(totalSaving);
    const double equitySaving = held(static_cast<Extended>(newEquity) - oldEquity);
    ws.field("edtEquitySavings").writeFloat(equitySaving);
    ws.field("edtTotalSaved")
        .writeFloat(held(static_cast<Extended>(totalSaving) + equitySaving -
                         ws.field("edtRefiClosingCosts").readFloat()));

    ws.control("lblSell").setCaption("If you sell in " + std::to_string(newMonths) + " months,");
}

void RefinancingCalculator::CalcClosingCosts(const ValueField& sender) {
    auto& ws = m_ctx.ws;
    Extended total = 0;
    for (const char* item : kItems)
        total += ws.field(item).readFloat();
    const double costs = held(total);
    ws.field("edtClosingFees").writeFloat(costs);
    ws.field("edtRefiClosingCosts").writeFloat(costs);
    if (sender.name() == kItems.back())
        m_ctx.ui.focus("btnCloseClosingCosts");
}

void RefinancingCalculator::btnCalcFeesClick() {
    // The panel lies over the page; its own "OK" opens the way back.
    m_ctx.ws.control("btnCalcFees").setEnabled(false);
    m_ctx.ws.control("pnlClosingCosts").setVisible(true);
    m_ctx.ui.focus(kItems.front());
}

void RefinancingCalculator::btnClearClosingCostsClick() {
    auto& ws = m_ctx.ws;
    for (const char* item : kItems)
        ws.field(item).writeFloat(0);
    ws.field("edtClosingFees").writeFloat(0);
    m_ctx.ui.focus(kItems.front());
}

void RefinancingCalculator::btnCloseClosingCostsClick() {
    m_ctx.ws.control("pnlClosingCosts").setVisible(false);
    m_ctx.ws.control("btnCalcFees").setEnabled(true);
    CalcRefi();
    m_ctx.ui.focus("edtMonthsUntilSell");
}

void RefinancingCalculator::ResetRefinancing() {
    workspace::writeValueSet(m_ctx.ws, kPage, m_ctx.ws.state().ValueSet);
    if (m_ctx.ws.shownPage() == kPage)
        m_ctx.ui.focus("edtOldLoan");
}

} // namespace kelvarin::calculators
