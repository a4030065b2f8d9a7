#include "MortgageQualifier.h"

#include "loanmath/Numeric.h"
#include "loanmath/Savings.h"
#include "workspace/HeldValues.h"
#include "workspace/ValueSets.h"

#include <string>

namespace kelvarin::calculators {

using workspace::ValueField;

namespace {
double held(long double x) { return loanmath::Held(x, "mortgage qualifier"); }
}  // namespace

MortgageQualifier::MortgageQualifier(CalculatorContext context) : m_ctx(context) {
    m_ctx.ws.field("edtMQir1").setChangeHandler([this] { edtMQir1Change(); });
}

void MortgageQualifier::registerHandlers(HandlerTable& table) {
    table.addExit("CalcMQ", [this](ValueField&) { CalcMQ(); });
}

void MortgageQualifier::CalcMQ() {
    auto& ws = m_ctx.ws;
    auto value = [&ws](const char* name) -> long double { return ws.field(name).readFloat(); };
    m_ctx.ui.refresh();
    m_ctx.ui.setPrintingAvailable(true);

    const double housingRatio = held(value("edtHousingRatio") / 100);
    const double debtRatio = held(value("edtDebtRatio") / 100);
    m_ctx.held.HRatio = ws.field("edtHousingRatio").readFloat();
    m_ctx.held.DRatio = ws.field("edtDebtRatio").readFloat();

    const double debts = held(value("edtNotes1") + value("edtAuto1") + value("edtCards1") +
                                                 value("edtNotes2") + value("edtAuto2") + value("edtCards2"));
    const double income = held(value("edtIncome1") + value("edtIncome2") + value("edtOIncome1") +
                                                  value("edtOIncome2"));
    const double taxesAndInsurance =
        held(value("edtMQPropertyTaxes") + value("edtMQHomeownersInsurance"));

    const double housingLimit = held(static_cast<long double>(income) * housingRatio - taxesAndInsurance);
    const double debtLimit = held(static_cast<long double>(income) * debtRatio - debts);
    double payment = housingLimit > debtLimit ? debtLimit : housingLimit;

    const double cash = ws.field("edtMQDownPayment").readFloat();
    for (int k = 1; k <= 3; ++k) {
        const std::string row = std::to_string(k);
        double loan = loanmath::LoanFromPayment(payment, ws.field("edtMQir" + row).readFloat(),
                                                ws.field("edtMQTerm" + row).readWhole());
        if (!(payment > 0))
            payment = 0;
        ws.field("edtMQPayment" + row).writeFloat(payment);
        if (!(loan > 0))
            loan = 0;
        ws.field("edtMQLoan" + row).writeFloat(loan);
        ws.field("edtMQPurchasePrice" + row).writeFloat(held(static_cast<long double>(loan) + cash));
    }

    ValueField& housingResult = ws.field("edtCalculatedHousingRatio");
    ValueField& debtResult = ws.field("edtCalculatedDebtRatio");
    if (income == 0) {
        housingResult.writeFloat(0);
        debtResult.writeFloat(0);
    } else {
        housingResult.writeFloat(
            held((static_cast<long double>(payment) + taxesAndInsurance) / income * 100));
        debtResult.writeFloat(held((static_cast<long double>(payment) + debts) / income * 100));
    }
}

void MortgageQualifier::edtMQir1Change() {
    auto& ws = m_ctx.ws;
    const long double first = ws.field("edtMQir1").readFloat();
    ws.field("edtMQir2").writeFloat(held(first - 0.25L));
    ws.field("edtMQir3").writeFloat(held(first - 0.5L));
}

void MortgageQualifier::ResetMortgageQualifier() {
    workspace::writeValueSet(m_ctx.ws, "pgMortgageQualifier", m_ctx.ws.state().ValueSet);
    if (m_ctx.ws.shownPage() == "pgMortgageQualifier")
        m_ctx.ui.focus("edtIncome1");
}

}  // namespace kelvarin::calculators
