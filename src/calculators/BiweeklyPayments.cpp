#include "BiweeklyPayments.h"

#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"
#include "workspace/ValueSets.h"

#include <cstdint>

namespace kelvarin::calculators {

using loanmath::Extended;
using workspace::ValueField;

namespace {
constexpr const char* kPage = "pgBiweeklyPaymentCalculator";

double held(Extended x) {
    return loanmath::Held(x, "biweekly payments");
}
} // namespace

BiweeklyPayments::BiweeklyPayments(CalculatorContext context) : m_ctx(context) {}

void BiweeklyPayments::registerHandlers(HandlerTable& table) {
    table.addExit("CalcBW", [this](ValueField&) { CalcBW(); });
}

void BiweeklyPayments::CalcBW() {
    try {
        calculate();
    } catch (const loanmath::CalcError&) {
        ResetBiweeklyPayments();
    }
}

void BiweeklyPayments::calculate() {
    auto& ws = m_ctx.ws;
    m_ctx.ui.setPrintingAvailable(true);

    const double loan = ws.field("edtMortgageAmount").readFloat();
    const std::int32_t months = ws.field("edtMortgagePeriods").readWhole();
    const double rate = held(ws.field("edtMortgageInterest").readFloat() / 100.0L);

    ValueField& monthsSaved = ws.field("edtTimeSavedMonths");
    if (!(rate > 0)) {
        // No interest: the payments only divide the loan (a negative rate counts as none).
        ws.field("edtMortgageInterest").writeFloat(0);
        const double payment = months == 0 ? 0 : held(loanmath::Div(loan, months, "monthly payment"));
        ws.field("edtMortgagePayments").writeFloat(payment);
        ws.field("edtMortgageTotalPaid").writeFloat(loan);
        ws.field("edtMortgageCostOfLoan").writeFloat(0);
        const double half =
            months == 0
                ? 0
                : held(loanmath::Div(loanmath::Div(loan, months, "monthly payment"), 2, "half payment"));
        ws.field("edtMortgageHalfPayments").writeFloat(half);
        ws.field("edtMortgageHalfTotalPaid").writeFloat(loan);
        ws.field("edtMortgageHalfCostOfLoan").writeFloat(0);
        monthsSaved.writeFloat(0);
        ws.field("edtTimeSavedYears").writeFloat(0);
        ws.field("edtInterestSaved").writeFloat(0);
        return;
    }

    // Amounts stay unrounded from step to step; the payment is not rounded to cents.
    const double payment = loanmath::LoanPayment(months, held(rate / 12.0L), loan);
    ws.field("edtMortgagePayments").writeFloat(payment);
    const Extended totalPaid = static_cast<Extended>(months) * payment;
    ws.field("edtMortgageTotalPaid").writeFloat(held(totalPaid));
    const Extended interest = totalPaid - loan;
    ws.field("edtMortgageCostOfLoan").writeFloat(held(interest));

    // N half payments h at r / 26 each repay the loan: N = -ln(1 - (L / h)(r / 26)) / ln(1 + r / 26).
    const Extended half = payment / 2.0L;
    Extended halfPayments = 0;
    if (payment != 0) {
        const Extended perPayment = rate / 26.0L;
        const Extended remaining = 1 - loanmath::Div(loan, half, "loan / half payment") * perPayment;
        halfPayments = loanmath::Div(-loanmath::Ln(remaining, "biweekly: ln(1 - (L / h) r / 26)"),
                                     loanmath::Ln(1 + perPayment, "biweekly: ln(1 + r / 26)"),
                                     "number of half payments");
    }
    ws.field("edtMortgageHalfPayments").writeFloat(held(half));
    const Extended halfTotalPaid = half * halfPayments;
    ws.field("edtMortgageHalfTotalPaid").writeFloat(held(halfTotalPaid));
    const Extended halfInterest = halfTotalPaid - loan;
    ws.field("edtMortgageHalfCostOfLoan").writeFloat(held(halfInterest));

    monthsSaved.writeFloat(held(months - halfPayments / 26 * 12));
    // The years follow the months as shown, to two decimals.
    ws.field("edtTimeSavedYears").writeFloat(held(monthsSaved.readFloat() / 12.0L));
    ws.field("edtInterestSaved").writeFloat(held(interest - halfInterest));
}

void BiweeklyPayments::ResetBiweeklyPayments(bool moveFocus) {
    workspace::writeValueSet(m_ctx.ws, kPage, m_ctx.ws.state().ValueSet);
    if (moveFocus && m_ctx.ws.shownPage() == kPage)
        m_ctx.ui.focus("edtMortgageAmount");
}

} // namespace kelvarin::calculators
