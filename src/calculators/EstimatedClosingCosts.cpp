#include "EstimatedClosingCosts.h"

#include "loanmath/LoanFormulas.h"
#include "loanmath/Numeric.h"
#include "workspace/DefaultsFile.h"
#include "workspace/HeldValues.h"
#include "workspace/ValueSets.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace kelvarin::calculators {

using workspace::Look;
using workspace::ValueField;

namespace {

constexpr const char* kPrice = "edtEccCPurchasePrice";
constexpr const char* kDownPayment = "edtEccCDownPayment";
constexpr const char* kLoan = "edtEccCLoanAmount";
constexpr const char* kPercent = "edtEccDownPaymentPercent";

// The closing-cost panel's inputs with their keys in section ClosingCosts and the texts used
// when a key is missing, in the order they are read.
struct FeeItem {
    const char* field;
    const char* key;
    const char* defaultText;
    double workspace::HeldValues::*held;
};
constexpr std::array<FeeItem, 10> kFees{{
    {"edtAF", "AppraisalFee", "300", &workspace::HeldValues::AppraisalFee},
    {"edtCR", "CreditReport", "42", &workspace::HeldValues::CreditReport},
    {"edtTSF", "TaxServiceFee", "85", &workspace::HeldValues::TaxServiceFee},
    {"edtLPF", "LendersInspectionFee", "0", &workspace::HeldValues::LendersInspectionFee},
    {"edtTIF", "TitleInsurance", "200", &workspace::HeldValues::TitleInsurance},
    {"edtTS", "TitleSearch", "100", &workspace::HeldValues::TitleSearch},
    {"edtSTT", "EscrowClosingFee", "75", &workspace::HeldValues::EscrowClosingFee},
    {"edtRF", "RecordingFee", "50", &workspace::HeldValues::RecordingFee},
    {"edtOF", "OtherFees", "300", &workspace::HeldValues::OtherFees},
    {"edtSellerPaid", "SellerPaid", "0", &workspace::HeldValues::SellerPaid},
}};

// The escrow panel's counts with their keys in section Escrows.
struct CountItem {
    const char* field;
    const char* key;
    std::int32_t workspace::HeldValues::*held;
};
constexpr std::array<CountItem, 4> kCounts{{
    {"edtIIDays", "InterimInterestDays", &workspace::HeldValues::InterimInterestDays},
    {"edtPTIMonths", "PropertyTaxMonths", &workspace::HeldValues::PropertyTaxMonths},
    {"edtHOIPMonths", "HomeownersFirstYear", &workspace::HeldValues::HomeownersFirstYear},
    {"edtHOIIMonths", "HomeownersRenewalMonths", &workspace::HeldValues::HomeownersRenewalMonths},
}};

// The closing costs total: both point fees, the nine fees and one month of PMI; the
// seller-paid costs are not part of it.
constexpr std::array<const char*, 12> kClosingCostItems{
    "edtLOF", "edtOriginationFee", "edtCR", "edtAF", "edtTSF", "edtLPF", "edtSTT", "edtTS", "edtTIF", "edtRF",
    "edtOF",  "edtEccCpmi"};
constexpr std::array<const char*, 5> kEscrowItems{"edtII", "edtPMII", "edtHOIP", "edtHOII", "edtPTI"};

double held(long double x) {
    return loanmath::Held(x, "estimated closing costs");
}

}  // namespace

// The page's fields, resolved once: CalcECC reads and writes about sixty of them per run.
struct EstimatedClosingCosts::Fields {
    explicit Fields(workspace::Workspace& ws)
        : income(ws.field("edtECCIncome")), debt(ws.field("edtECCDebt")), rate(ws.field("edtEccInterest")),
          originationPoints(ws.field("edtEccOriginationPoints")),
          discountPoints(ws.field("edtEccDiscountPoints")), term(ws.field("edtEccTerm")),
          percent(ws.field(kPercent)), tax(ws.field("edtECCTax")), insurance(ws.field("edtECCInsurance")),
          associationFee(ws.field("edtECCAssociationFee")), housingRatio(ws.field("edtEccHousingRatio")),
          debtRatio(ws.field("edtEccDebtRatio")), price(ws.field(kPrice)),
          downPayment(ws.field(kDownPayment)), loan(ws.field(kLoan)),
          principalAndInterest(ws.field("edtEccCPandI")), monthlyTax(ws.field("edtEccCMonthlyTax")),
          monthlyInsurance(ws.field("edtEccCMonthlyInsurance")), pmi(ws.field("edtEccCpmi")),
          monthlyPayment(ws.field("edtEccCMonthlyPayment")), closingCosts(ws.field("edtEccCClosingCosts")),
          escrows(ws.field("edtEccCEscrows")), actualHousingRatio(ws.field("edtEccCHousingRatio")),
          actualDebtRatio(ws.field("edtEccCDebtRatio")), cash(ws.field("edtEccCCashRequiredToClose")),
          originationFee(ws.field("edtOriginationFee")), discountFee(ws.field("edtLOF")),
          closingPmi(ws.field("edtClosingPMI")), sellerPaid(ws.field("edtSellerPaid")),
          interestDays(ws.field("edtIIDays")), taxMonths(ws.field("edtPTIMonths")),
          firstYearMonths(ws.field("edtHOIPMonths")), renewalMonths(ws.field("edtHOIIMonths")),
          pmiMonths(ws.field("edtPMIIMonths")), prepaidInterest(ws.field("edtII")),
          taxReserve(ws.field("edtPTI")), firstYearInsurance(ws.field("edtHOIP")),
          renewalReserve(ws.field("edtHOII")), pmiReserve(ws.field("edtPMII")),
          pmiPercent(ws.field("edtPMIPercent")) {
        for (std::size_t k = 0; k < kClosingCostItems.size(); ++k)
            closingCostItems[k] = &ws.field(kClosingCostItems[k]);
        for (std::size_t k = 0; k < kEscrowItems.size(); ++k)
            escrowItems[k] = &ws.field(kEscrowItems[k]);
    }

    ValueField &income, &debt, &rate, &originationPoints, &discountPoints, &term, &percent, &tax, &insurance,
        &associationFee, &housingRatio, &debtRatio;
    ValueField &price, &downPayment, &loan, &principalAndInterest, &monthlyTax, &monthlyInsurance, &pmi,
        &monthlyPayment, &closingCosts, &escrows, &actualHousingRatio, &actualDebtRatio, &cash;
    ValueField &originationFee, &discountFee, &closingPmi, &sellerPaid;
    ValueField &interestDays, &taxMonths, &firstYearMonths, &renewalMonths, &pmiMonths;
    ValueField &prepaidInterest, &taxReserve, &firstYearInsurance, &renewalReserve, &pmiReserve, &pmiPercent;
    std::array<ValueField*, kClosingCostItems.size()> closingCostItems{};
    std::array<ValueField*, kEscrowItems.size()> escrowItems{};
};

double DeterminePMIPremium(const workspace::HeldValues& held, int termYears, long double loanToValue) {
    const bool longTerm = termYears > 15;
    if (loanToValue <= 80)
        return 0;
    if (loanToValue <= 85)
        return longTerm ? held.Pmip308085 : held.Pmip158085;
    if (loanToValue <= 90)
        return longTerm ? held.Pmip308590 : held.Pmip158590;
    if (loanToValue <= 95)
        return longTerm ? held.Pmip309095 : held.Pmip159095;
    if (loanToValue <= 97)
        return longTerm ? held.Pmip309597 : held.Pmip159597;
    return 0;
}

double roundToThousands(long double price) {
    return static_cast<double>(loanmath::Round(price / 1000) * 1000);
}

EstimatedClosingCosts::EstimatedClosingCosts(CalculatorContext context)
    : m_ctx(context), m_fields(std::make_unique<Fields>(context.ws)) {
    registerControls();
}

EstimatedClosingCosts::~EstimatedClosingCosts() = default;

void EstimatedClosingCosts::registerControls() {
    auto& ws = m_ctx.ws;
    // Of each lock pair only the button for the other state shows; all amounts start locked.
    ws.addControl({"btnUnlockPurchasePrice", "", "Click to unlock purchase price", true, true});
    ws.addControl({"btnLockPurchasePrice", "", "Click to lock purchase price", true, false});
    ws.addControl({"btnUnlockDownPayment", "", "Click to unlock down payment amount", true, true});
    ws.addControl({"btnLockDownPayment", "", "Click to lock down payment amount", true, false});
    ws.addControl({"btnUnlockLoanAmount", "", "Click to unlock loan amount", true, true});
    ws.addControl({"btnLockLoanAmount", "", "Click to lock loan amount", true, false});
    ws.addControl({"btnCalcClosing", "Estimated Closing Costs", "View line items"});
    ws.addControl({"btnCalcEscrows", "Estimated Escrows", "View line items"});
    ws.addControl({"pnlClosing", "Estimated Closing Costs", "", true, false});
    ws.addControl({"pnlEscrow", "Estimated Prepaids && Reserves", "", true, false});
    ws.addControl({"btnClosePnlClosing", "OK", "Click to close Estimated Closing Costs"});
    ws.addControl({"btnClosePnlEscrow", "OK", "Click to close Estimated Prepaids & Reserves"});
}

void EstimatedClosingCosts::registerHandlers(HandlerTable& table) {
    table.addExit("CalcECC", [this](ValueField&) { CalcECC(); });
    // A button acts only while it can be clicked: shown, enabled and, for the panels' "OK",
    // while its panel is open.
    auto clickable = [this](const char* name) {
        const auto& control = m_ctx.ws.control(name);
        return control.visible() && control.enabled();
    };
    auto addButton = [&](const char* name, void (EstimatedClosingCosts::*handler)(),
                         const char* panel = nullptr) {
        table.addClick(name, [this, clickable, name, handler, panel] {
            if (clickable(name) && (!panel || m_ctx.ws.control(panel).visible()))
                (this->*handler)();
        });
    };
    addButton("btnUnlockPurchasePrice", &EstimatedClosingCosts::btnUnlockPurchasePriceClick);
    addButton("btnLockPurchasePrice", &EstimatedClosingCosts::btnLockPurchasePriceClick);
    addButton("btnUnlockDownPayment", &EstimatedClosingCosts::btnUnlockDownPaymentClick);
    addButton("btnLockDownPayment", &EstimatedClosingCosts::btnLockDownPaymentClick);
    addButton("btnUnlockLoanAmount", &EstimatedClosingCosts::btnUnlockLoanAmountClick);
    addButton("btnLockLoanAmount", &EstimatedClosingCosts::btnLockLoanAmountClick);
    addButton("btnCalcClosing", &EstimatedClosingCosts::btnCalcClosingClick);
    addButton("btnCalcEscrows", &EstimatedClosingCosts::btnCalcEscrowsClick);
    addButton("btnClosePnlClosing", &EstimatedClosingCosts::btnClosePnlClosingClick, "pnlClosing");
    addButton("btnClosePnlEscrow", &EstimatedClosingCosts::btnClosePnlEscrowClick, "pnlEscrow");
    table.addEntry(kPage, [this] { enterPage(); });
}

// ---- Lock buttons ----

void EstimatedClosingCosts::focusOnPage(const char* name) {
    // A field of a page that is not shown cannot take the focus (resets run from any page).
    if (m_ctx.ws.shownPage() == kPage)
        m_ctx.ui.focus(name);
}

void EstimatedClosingCosts::setAmountLocked(const char* field, const char* lockButton,
                                            const char* unlockButton, bool locked) {
    ValueField& amount = m_ctx.ws.field(field);
    amount.setLook(locked ? Look::Result : Look::Normal);
    amount.setReadOnly(locked);
    amount.setTabStop(!locked);
    m_ctx.ws.control(lockButton).setVisible(!locked);
    m_ctx.ws.control(unlockButton).setVisible(locked);
}

void EstimatedClosingCosts::setIncomeEnabled(bool enabled) {
    for (const char* name : {"edtECCIncome", "edtECCDebt"}) {
        ValueField& field = m_ctx.ws.field(name);
        field.setEnabled(enabled);
        field.setTabStop(enabled);
    }
}

// Income and debts can be typed only while all three amounts are computed.
void EstimatedClosingCosts::incomeRule() {
    setIncomeEnabled(allLocked());
    if (allLocked())
        focusOnPage("edtECCIncome");
}

void EstimatedClosingCosts::btnUnlockPurchasePriceClick() {
    setAmountLocked(kPrice, "btnLockPurchasePrice", "btnUnlockPurchasePrice", false);
    m_purchasePriceLocked = false;
    setIncomeEnabled(false);
    // Price and loan are never both typed.
    setAmountLocked(kLoan, "btnLockLoanAmount", "btnUnlockLoanAmount", true);
    m_loanAmountLocked = true;
    focusOnPage(kPrice);
}

void EstimatedClosingCosts::btnLockPurchasePriceClick() {
    setAmountLocked(kPrice, "btnLockPurchasePrice", "btnUnlockPurchasePrice", true);
    m_purchasePriceLocked = true;
    incomeRule();
}

void EstimatedClosingCosts::btnUnlockDownPaymentClick() {
    setAmountLocked(kDownPayment, "btnLockDownPayment", "btnUnlockDownPayment", false);
    // The percent follows from the typed amount.
    ValueField& percent = m_ctx.ws.field(kPercent);
    percent.setEnabled(false);
    percent.setLook(Look::Result);
    percent.setTabStop(false);
    setIncomeEnabled(false);
    m_downPaymentLocked = false;
    focusOnPage(kDownPayment);
}

void EstimatedClosingCosts::btnLockDownPaymentClick() {
    setAmountLocked(kDownPayment, "btnLockDownPayment", "btnUnlockDownPayment", true);
    ValueField& percent = m_ctx.ws.field(kPercent);
    percent.setEnabled(true);
    percent.setLook(Look::Normal);
    percent.setTabStop(true);
    m_downPaymentLocked = true;
    incomeRule();
}

void EstimatedClosingCosts::btnUnlockLoanAmountClick() {
    setAmountLocked(kLoan, "btnLockLoanAmount", "btnUnlockLoanAmount", false);
    m_loanAmountLocked = false;
    setIncomeEnabled(false);
    setAmountLocked(kPrice, "btnLockPurchasePrice", "btnUnlockPurchasePrice", true);
    m_purchasePriceLocked = true;
    focusOnPage(kLoan);
}

void EstimatedClosingCosts::btnLockLoanAmountClick() {
    setAmountLocked(kLoan, "btnLockLoanAmount", "btnUnlockLoanAmount", true);
    m_loanAmountLocked = true;
    incomeRule();
}

// ---- CalcECC ----

void EstimatedClosingCosts::CalcECC() {
    Fields& f = *m_fields;
    m_ctx.ui.refresh();
    m_ctx.ui.setPrintingAvailable(true);

    const long double income = f.income.readFloat();
    const long double debt = f.debt.readFloat();
    const double rate = f.rate.readFloat();
    const int years = f.term.readWhole();
    const long double percent = f.percent.readFloat();
    const long double fraction = percent / 100;
    const std::int64_t payments = std::int64_t{years} * 12;
    if (payments < INT32_MIN || payments > INT32_MAX)
        throw loanmath::CalcError(loanmath::CalcErrorKind::InvalidOperation, "term out of range");
    const int months = static_cast<int>(payments);

    const long double monthlyTax = f.tax.readFloat() / 12.0L;
    const long double monthlyInsurance = f.insurance.readFloat() / 12.0L;
    f.monthlyTax.writeFloat(held(monthlyTax));
    f.monthlyInsurance.writeFloat(held(monthlyInsurance));
    const long double escrowed = monthlyTax + monthlyInsurance + f.associationFee.readFloat();

    // Housing cap: the smaller of the housing ratio's share of income and the debt ratio's
    // share less the other debts.
    const long double cap = std::min(income * (f.housingRatio.readFloat() * 0.01L),
                                     income * (f.debtRatio.readFloat() * 0.01L) - debt);
    long double premium = DeterminePMIPremium(m_ctx.held, years, 100 - percent);

    if (!m_loanAmountLocked) {
        if (m_downPaymentLocked)
            deriveFromLoan(fraction);
        else
            deriveFromLoanAndDownPayment(years, premium);
    } else if (!m_purchasePriceLocked) {
        if (m_downPaymentLocked)
            deriveFromPrice(fraction);
        else
            deriveFromPriceAndDownPayment(years, premium);
    } else if (!m_downPaymentLocked) {
        deriveFromPriceAndDownPayment(years, premium);
    } else {
        qualifyFromIncome(cap, escrowed, premium, months, rate, fraction);
    }

    const long double loan = f.loan.readFloat();
    const double principalAndInterest = loanmath::LoanPayment(months, held(rate / 1200.0L), held(loan));
    const long double pmi = premium * loan / 12;
    const long double total = escrowed + pmi + principalAndInterest;
    f.pmi.writeFloat(held(pmi));
    f.closingPmi.writeFloat(held(pmi));
    f.monthlyPayment.writeFloat(held(total));
    f.principalAndInterest.writeFloat(principalAndInterest);
    if (income == 0) {
        f.actualHousingRatio.writeFloat(0);
        f.actualDebtRatio.writeFloat(0);
    } else {
        f.actualHousingRatio.writeFloat(held(total / income * 100));
        f.actualDebtRatio.writeFloat(held((total + debt) / income * 100));
    }

    // Closing costs: the point fees are percents of the loan.
    f.originationFee.writeFloat(held(f.originationPoints.readFloat() * loan * 0.01L));
    f.discountFee.writeFloat(held(f.discountPoints.readFloat() * loan * 0.01L));
    long double closingCosts = 0;
    for (const ValueField* item : f.closingCostItems)
        closingCosts += item->readFloat();
    f.closingCosts.writeFloat(held(closingCosts));

    // Prepaids and reserves; prepaid interest counts a 365-day year.
    const auto count = [](const ValueField& field) -> long double { return field.readWhole(); };
    f.pmiReserve.writeFloat(held(count(f.pmiMonths) * (premium * loan / 12)));
    f.firstYearInsurance.writeFloat(monthlyInsurance > 0 ? held(count(f.firstYearMonths) * monthlyInsurance)
                                                         : 0);
    f.prepaidInterest.writeFloat(held(rate / 100.0L * loan / 365 * count(f.interestDays)));
    f.renewalReserve.writeFloat(monthlyInsurance > 0 ? held(count(f.renewalMonths) * monthlyInsurance) : 0);
    f.taxReserve.writeFloat(monthlyTax > 0 ? held(count(f.taxMonths) * monthlyTax) : 0);
    long double escrows = 0;
    for (const ValueField* item : f.escrowItems)
        escrows += item->readFloat();
    f.escrows.writeFloat(held(escrows));

    f.cash.writeFloat(held(f.downPayment.readFloat() + closingCosts + escrows - f.sellerPaid.readFloat()));
    f.pmiPercent.writeFloat(held(premium));
}

// All three amounts computed: the largest price whose payment fits the housing cap.
void EstimatedClosingCosts::qualifyFromIncome(long double cap, long double escrowed, long double premium,
                                              int months, double rate, long double fraction) {
    Fields& f = *m_fields;
    // The loan whose P&I is the payment left for it; a zero rate simply adds the payments.
    auto loanFor = [months, rate](double payment) -> long double {
        return rate == 0 ? static_cast<long double>(months) * payment
                         : loanmath::LoanPrincipal(months, payment, rate, 0);
    };
    const double firstLoan = held(loanFor(held(cap - escrowed)));
    // Again with the PMI on the first loan taken off the payment.
    double secondLoan = held(loanFor(held(cap - (escrowed + premium * firstLoan / 12))));
    if (!(secondLoan > 0))
        secondLoan = 0;
    // Grossing the loan up by the down-payment fraction gives a lower price than L / (1 - f).
    const long double roughPrice = fraction == 0 ? secondLoan : (1 + fraction) * secondLoan;
    f.price.writeFloat(roundToThousands(roughPrice));
    const long double price = f.price.readFloat();
    const long double downPayment = price * fraction;
    f.loan.writeFloat(held(price - downPayment));
    f.downPayment.writeFloat(held(downPayment));
}

// Price typed, down payment from the percent.
void EstimatedClosingCosts::deriveFromPrice(long double fraction) {
    Fields& f = *m_fields;
    const long double price = f.price.readFloat();
    f.downPayment.writeFloat(held(fraction * price));
    f.loan.writeFloat(held(price - f.downPayment.readFloat()));
}

// Price and down payment given (the price typed, or kept from the last run): the loan and
// the percent they make.
void EstimatedClosingCosts::deriveFromPriceAndDownPayment(int years, long double& premium) {
    Fields& f = *m_fields;
    const long double price = f.price.readFloat();
    const long double downPayment = f.downPayment.readFloat();
    f.loan.writeFloat(held(price - downPayment));
    f.percent.writeFloat(price == 0 ? 0 : held(downPayment / price * 100));
    premium = DeterminePMIPremium(m_ctx.held, years, 100.0L - f.percent.readFloat());
}

// Loan and down payment typed: the price and the percent.
void EstimatedClosingCosts::deriveFromLoanAndDownPayment(int years, long double& premium) {
    Fields& f = *m_fields;
    const long double downPayment = f.downPayment.readFloat();
    f.price.writeFloat(held(f.loan.readFloat() + downPayment));
    const long double price = f.price.readFloat();
    f.percent.writeFloat(price == 0 ? 0 : held(downPayment / price * 100));
    premium = DeterminePMIPremium(m_ctx.held, years, 100.0L - f.percent.readFloat());
}

// Loan typed, down payment from the percent: P = L / (1 - f). A down payment of 100 % divides
// by zero.
void EstimatedClosingCosts::deriveFromLoan(long double fraction) {
    Fields& f = *m_fields;
    const long double loan = f.loan.readFloat();
    f.price.writeFloat(held(fraction == 0 ? loan : loanmath::Div(loan, 1 - fraction, "purchase price")));
    f.downPayment.writeFloat(held(f.price.readFloat() * fraction));
}

// ---- Panels ----

void EstimatedClosingCosts::btnCalcClosingClick() {
    auto& ws = m_ctx.ws;
    ws.control("btnCalcClosing").setEnabled(false);
    ws.control("btnCalcEscrows").setEnabled(false);
    ws.control("pnlClosing").setVisible(true);

    // The fees as last saved, read afresh at every opening.
    const workspace::RegionalSettings& regional = m_defaults ? m_defaults->regional() : ws.regional();
    const workspace::DefaultsSnapshot file =
        m_defaults ? m_defaults->snapshot() : workspace::DefaultsSnapshot({}, regional);
    for (const FeeItem& item : kFees) {
        const std::string text = file.readString("ClosingCosts", item.key, item.defaultText);
        const auto number = workspace::parseNumberText(text, regional);
        if (!number)
            throw std::runtime_error("ClosingCosts " + std::string(item.key) + "=" + text +
                                     " is not a number");
        m_ctx.held.*item.held = *number;
    }
    for (const FeeItem& item : kFees)
        ws.field(item.field).writeFloat(m_ctx.held.*item.held);
    m_ctx.ui.focus("edtAF");
}

void EstimatedClosingCosts::btnClosePnlClosingClick() {
    auto& ws = m_ctx.ws;
    long double total = 0;
    for (const char* item : kClosingCostItems)
        total += ws.field(item).readFloat();

    if (savesDefaults()) {
        workspace::DefaultsChanges changes;
        for (const FeeItem& item : kFees)
            changes.setNumber("ClosingCosts", item.key, ws.field(item.field).readFloat());
        if (const workspace::WriteResult written = m_defaults->apply(changes); !written)
            m_ctx.ui.message(written.message, workspace::MessageIcon::Warning, workspace::MessageButtons::Ok);
    }

    ws.field("edtEccCClosingCosts").writeFloat(held(total));
    ws.control("btnCalcClosing").setEnabled(true);
    ws.control("btnCalcEscrows").setEnabled(true);
    ws.control("pnlClosing").setVisible(false);
}

void EstimatedClosingCosts::btnCalcEscrowsClick() {
    auto& ws = m_ctx.ws;
    ws.control("btnCalcClosing").setEnabled(false);
    ws.control("btnCalcEscrows").setEnabled(false);
    ws.control("pnlEscrow").setVisible(true);
    // The counts held since start-up: what closing the panel saved shows after a restart.
    for (const CountItem& item : kCounts)
        ws.field(item.field).writeWhole(m_ctx.held.*item.held);
    m_ctx.ui.focus("edtIIDays");
}

void EstimatedClosingCosts::btnClosePnlEscrowClick() {
    auto& ws = m_ctx.ws;
    long double total = 0;
    for (const char* item : kEscrowItems)
        total += ws.field(item).readFloat();

    if (savesDefaults()) {
        workspace::DefaultsChanges changes;
        for (const CountItem& item : kCounts)
            changes.setWhole("Escrows", item.key, ws.field(item.field).readWhole());
        if (const workspace::WriteResult written = m_defaults->apply(changes); !written)
            m_ctx.ui.message(written.message, workspace::MessageIcon::Warning, workspace::MessageButtons::Ok);
    }

    ws.control("btnCalcClosing").setEnabled(true);
    ws.control("btnCalcEscrows").setEnabled(true);
    ws.control("pnlEscrow").setVisible(false);
    ws.field("edtEccCEscrows").writeFloat(held(total));
}

void EstimatedClosingCosts::btnClosePnlClosingExit() {
    if (m_ctx.ws.control("pnlClosing").visible())
        m_ctx.ui.focus("edtAF");
}

void EstimatedClosingCosts::btnClosePnlEscrowExit() {
    if (m_ctx.ws.control("pnlEscrow").visible())
        m_ctx.ui.focus("edtIIDays");
}

// ---- Resets and entry ----

void EstimatedClosingCosts::conditionalLocks() {
    if (!m_downPaymentLocked)
        btnLockDownPaymentClick();
    if (!m_loanAmountLocked)
        btnLockLoanAmountClick();
    if (!m_purchasePriceLocked)
        btnLockPurchasePriceClick();
}

void EstimatedClosingCosts::unconditionalLocks() {
    btnLockDownPaymentClick();
    btnLockLoanAmountClick();
    btnLockPurchasePriceClick();
}

void EstimatedClosingCosts::lockAllAmounts() {
    conditionalLocks();
}

void EstimatedClosingCosts::ResetEstimatedClosingCosts() {
    auto& ws = m_ctx.ws;
    const int valueSet = ws.state().ValueSet;
    setIncomeEnabled(true);
    if (valueSet == 0)
        conditionalLocks();
    else
        unconditionalLocks();
    workspace::writeValueSet(ws, kPage, valueSet);
    if (valueSet != 0)
        focusOnPage("edtECCIncome");
    CalcECC();
    m_ctx.ui.setPrintingAvailable(false);
}

void EstimatedClosingCosts::resetForAllZero() {
    setIncomeEnabled(true);
    conditionalLocks();
    workspace::writeValueSet(m_ctx.ws, kPage, 0);
}

void EstimatedClosingCosts::resetForAllSamples() {
    setIncomeEnabled(true);
    conditionalLocks();
    workspace::writeValueSet(m_ctx.ws, kPage, 1);
    if (m_ctx.ws.shownPage() == kPage) {
        m_ctx.ui.focus("edtECCIncome");
        CalcECC();
    }
}

void EstimatedClosingCosts::enterPage() {
    auto& ws = m_ctx.ws;
    // Ratios typed here last only while the page is shown; the qualifier's carry over.
    ws.field("edtEccHousingRatio").writeFloat(m_ctx.held.HRatio);
    ws.field("edtEccDebtRatio").writeFloat(m_ctx.held.DRatio);
    focusOnPage(allLocked() ? "edtECCIncome" : "edtEccInterest");
    CalcECC();
}

}  // namespace kelvarin::calculators
