#include "RentVsBuy.h"

#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"
#include "loanmath/Savings.h"
#include "workspace/ValueSets.h"

#include <cstdint>

namespace kelvarin::calculators {

using loanmath::Extended;
using workspace::ValueField;

namespace {
constexpr const char* kPage = "pgRentVsBuyCalculator";

double held(Extended x) {
    return loanmath::Held(x, "rent versus buy");
}
} // namespace

RentVsBuy::RentVsBuy(CalculatorContext context) : m_ctx(context) {}

void RentVsBuy::registerHandlers(HandlerTable& table) {
    table.addExit("CalcRVB", [this](ValueField&) { CalcRVB(); });
}

void RentVsBuy::CalcRVB() {
    auto& ws = m_ctx.ws;
    auto value = [&ws](const char* name) -> double { return ws.field(name).readFloat(); };
    m_ctx.ui.refresh();
    m_ctx.ui.setPrintingAvailable(true);

    const double rent = value("edtRVBMonthlyRent");
    const std::int32_t years = ws.field("edtRVBTerm").readWhole();
    const std::int32_t months = 12 * years;
    const double cash = value("edtRVBDownPayment");
    const double loanRate = value("edtRVBInterestRate");

    // A stay of 0 years still counts one year of rent.
    const double rentSpent = loanmath::TotalRentPaid(rent, value("edtRVBRentIncrease"), years);

    // The cash grows with monthly compounding; a zero return would be 0 / 0 there.
    const double estimatedReturn = value("edtRVBEstimatedReturn");
    const double investment =
        estimatedReturn == 0 ? cash : loanmath::FutureValue("Monthly", cash, estimatedReturn, months, 0);

    // The loan whose monthly payment is today's rent; kept unrounded from here on.
    const std::int32_t loanMonths = 12 * ws.field("edtRVBLoanTerm").readWhole();
    const double loan = loanRate == 0 ? held(static_cast<Extended>(loanMonths) * rent)
                                      : loanmath::LoanPrincipal(loanMonths, rent, loanRate, 0);

    // The loan in whole dollars: Round(L + 0.5), a half going to the even dollar.
    ws.field("edtRVBHousePrice").writeFloat(held(static_cast<Extended>(loanmath::Round(loan + 0.5L)) + cash));
    ws.field("edtRVBRentSpent").writeFloat(rentSpent);
    ws.field("edtRVBInvestmentValue").writeFloat(investment);

    // Equity that payments equal to the rent build over the stay; the rent spent stands in for
    // the payments made, so the interest paid is W - B.
    const double repaid = loanmath::PrincipalRepaid(months, loan, loanRate, rent);
    const Extended interestPaid = static_cast<Extended>(rentSpent) - repaid;
    // Taxes, appreciation and selling costs are all reckoned on the loan, not the home price.
    const double propertyTaxes = loanmath::CompoundGain(loan, value("edtRVBPropertyTax"), years);

    const Extended incomeTax = value("edtRVBIncomeTax") / 100.0L;
    const double deductions = held(incomeTax * interestPaid + incomeTax * propertyTaxes);
    ws.field("edtRVBTaxDeductions").writeFloat(deductions);

    const double appreciationRate = value("edtRVBPropertyAppreciation");
    const double appreciation =
        appreciationRate == 0 ? 0 : loanmath::CompoundGain(loan, appreciationRate, years);
    ws.field("edtRVBAppreciation").writeFloat(appreciation);

    const Extended gains = static_cast<Extended>(deductions) + appreciation + repaid + cash;
    const Extended costs =
        static_cast<Extended>(months) * rent +
        static_cast<Extended>(years) * value("edtRVBAnnualMaintenance") + propertyTaxes +
        value("edtRVBSellingCostPercent") / 100.0L * (static_cast<Extended>(loan) + appreciation);
    const double purchase = held(gains - costs);
    ws.field("edtRVBValueOfPurchase").writeFloat(purchase);

    ValueField& renting = ws.field("edtRVBValueOfRenting");
    renting.writeFloat(held(static_cast<Extended>(investment) - cash - rentSpent));
    // The value of renting as its field shows it, to the cent.
    ws.field("edtRVBGain").writeFloat(held(static_cast<Extended>(purchase) - renting.readFloat()));
}

void RentVsBuy::ResetRentVsBuy(bool moveFocus) {
    workspace::writeValueSet(m_ctx.ws, kPage, m_ctx.ws.state().ValueSet);
    if (moveFocus && m_ctx.ws.shownPage() == kPage)
        m_ctx.ui.focus("edtRVBMonthlyRent");
}

} // namespace kelvarin::calculators
