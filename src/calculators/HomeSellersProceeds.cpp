#include "HomeSellersProceeds.h"

#include "loanmath/Numeric.h"
#include "workspace/ValueSets.h"

#include <array>

namespace kelvarin::calculators {

using loanmath::Extended;
using workspace::ValueField;

namespace {
constexpr const char* kPage = "pgHomesellersProceedsCalculator";
constexpr const char* kMonthBox = "cbHSPClosingMonth";

// The month box lists the English names whatever the regional settings say.
constexpr std::array<std::string_view, 12> kMonths{"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};

double held(Extended x) {
    return loanmath::Held(x, "home seller's proceeds");
}
} // namespace

HomeSellersProceeds::HomeSellersProceeds(CalculatorContext context) : m_ctx(context) {}

void HomeSellersProceeds::registerHandlers(HandlerTable& table) {
    table.addExit("CalcHSP", [this](ValueField&) { CalcHSP(); });
    table.addChoice(kMonthBox, [this](int index) { cbHSPClosingMonthChange(index); });
}

int HomeSellersProceeds::monthNumber(std::string_view text) {
    for (std::size_t k = 0; k < kMonths.size(); ++k)
        if (text == kMonths[k])
            return static_cast<int>(k) + 1;
    return 0;
}

void HomeSellersProceeds::setMonthText(std::string text) {
    const int index = monthNumber(text) - 1;
    m_ctx.ws.choice(kMonthBox).set(index, std::move(text));
}

void HomeSellersProceeds::cbHSPClosingMonthChange(int index) {
    workspace::Choice& box = m_ctx.ws.choice(kMonthBox);
    if (index >= 0 && index < static_cast<int>(box.items.size()))
        setMonthText(box.items[static_cast<std::size_t>(index)]);
    else
        setMonthText(box.text);
    CalcHSP(true);
}

void HomeSellersProceeds::CalcHSP(bool fromMonthBox) {
    auto& ws = m_ctx.ws;
    auto value = [&ws](const char* name) -> Extended { return ws.field(name).readFloat(); };
    m_ctx.ui.refresh();
    m_ctx.ui.setPrintingAvailable(true);

    if (fromMonthBox && monthNumber(ws.choice(kMonthBox).text) == 0)
        setMonthText("January");

    const double salesPrice = ws.field("edtHSPHouseSalesPrice").readFloat();
    const double loans =
        held(value("edtHSPFirstLoanBalance") + value("edtHSPSecondLoanBalance") + value("edtHSPOtherLoans"));

    // The seller pays the taxes of the calendar year up to and including the closing month;
    // a text that is no month name counts as month 0.
    const int month = monthNumber(ws.choice(kMonthBox).text);
    const double taxesPaid = held(month * (value("edtHSPPropertyTaxes") / 12));
    const double transferTaxes = held(value("edtHSPTransferTaxPercent") / 100 * salesPrice);
    // The loans paid off count among the costs.
    const double costs = held(
        value("edtHSPPrepaymentPenalty") +
        (value("edtHSPSalesCommission") + value("edtHSPOtherSalesCommission") + value("edtHSPOtherFees")) +
        (static_cast<Extended>(transferTaxes) + taxesPaid) + loans);
    const double proceeds = held(static_cast<Extended>(salesPrice) - costs);

    ws.field("edtHSPPropertyTaxesPaid").writeFloat(taxesPaid);
    ws.field("edtHSPTransferTaxesPaid").writeFloat(transferTaxes);
    ws.field("edtHSPCosts").writeFloat(costs);
    ws.field("edtHSPNetGain").writeFloat(proceeds);
}

void HomeSellersProceeds::ResetHomeSellersProceeds(bool moveFocus) {
    workspace::writeValueSet(m_ctx.ws, kPage, m_ctx.ws.state().ValueSet);
    setMonthText(m_ctx.ws.state().CurrentMonthLong);
    if (moveFocus && m_ctx.ws.shownPage() == kPage)
        m_ctx.ui.focus("edtHSPHouseSalesPrice");
}

} // namespace kelvarin::calculators
