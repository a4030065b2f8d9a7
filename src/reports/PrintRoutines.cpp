#include "PrintRoutines.h"

#include "ValueFormats.h"

#include <charconv>

namespace kelvarin::reports {

using workspace::Workspace;

namespace {

// Writes field values into a report's objects in the value formats.
class Filler {
public:
    Filler(ReportTemplate& report, const Workspace& ws)
        : m_report(report), m_ws(ws), m_regional(ws.regional()) {}

    void set(std::string_view object, std::string text) { m_report.setText(object, std::move(text)); }
    double value(std::string_view field) const { return m_ws.field(field).readFloat(); }

    std::string currency(std::string_view field, int precision) const {
        return currencyText(value(field), precision, m_regional);
    }
    std::string general(std::string_view field, int precision = kGeneralPrecision) const {
        return generalText(value(field), precision, m_regional);
    }
    std::string number3(std::string_view field) const { return number3Text(value(field), m_regional); }
    std::string integer(std::string_view field) const { return integerText(m_ws.field(field)); }
    std::string shown(std::string_view field) const { return asShown(m_ws.field(field)); }
    std::string currencyOf(double amount) const { return currencyText(amount, 10, m_regional); }

    // The objects every report fills the same way.
    void common(std::string_view title) {
        set("lblReportTitle", std::string(title));
        set("lblHeader1", "");
        set("lblHeader2", "");
        set("lblURL", std::string(kMakerAddress));
        set("lblApplicationTitle", std::string(kApplicationTitle));
    }

    const Workspace& ws() const { return m_ws; }

private:
    ReportTemplate& m_report;
    const Workspace& m_ws;
    const workspace::RegionalSettings& m_regional;
};

// A schedule has been computed when the first payment row is numbered exactly "1".
bool scheduleComputed(const Workspace& ws) {
    const workspace::TextGrid& grid = ws.grid("grdAmortization");
    return grid.rowCount() > 1 && grid.colCount() > 0 && grid.cell(0, 1) == "1";
}

void fillSchedule(Filler& f, std::string_view title) {
    if (!scheduleComputed(f.ws()))
        return;
    f.common(title);
    f.set("lblLoanAmount", f.shown("edtMortAmt"));
    f.set("lblInterestRate", f.number3("edtIRate") + "%");
    f.set("lblTerm", f.shown("edtNumPmts"));
    f.set("lblPayment", f.shown("edtAmortPayment"));
}

void fillLoanSpread(Filler& f, const PageTexts& texts) {
    f.common(""); // the title follows from the mode below
    const std::string loan = f.currency("edtLoan", 10);
    const std::string rate = f.general("edtInterest") + "%";
    const std::string term = f.general("edtTerm") + " months";
    const std::string payment = f.currency("edtPayment", 10);
    const std::string loanSteps = "Loan Amounts incremented by " + texts.loanIncrementText;
    const std::string rateSteps = "Interest Rates incremented by " + texts.rateIncrementText;
    const std::string paymentSteps = "Payment Amounts incremented by " + texts.paymentIncrementText;
    struct Mode {
        const char* title;
        std::string x, y;
        const char *label1, *label2, *label3;
        std::string one, two, three;
    };
    const Mode modes[] = {
        {"Chart of Monthly Payments", loanSteps, rateSteps, "Loan Amount:", "Interest Rate:", "Term:", loan,
         rate, term},
        {"Chart of Loan Amounts", paymentSteps, rateSteps, "Term:", "Interest Rate:", "Payment:", term, rate,
         payment},
        {"Chart of Interest Rates", loanSteps, paymentSteps, "Loan Amount:", "Payment:", "Term:", loan,
         payment, term},
        {"Chart of Terms in Months", loanSteps, paymentSteps,
         "Loan Amount:", "Interest Rate:", "Payment:", loan, rate, payment},
    };
    const int index = f.ws().choice("rgCalculate").index;
    if (index >= 0 && index < 4) {
        const Mode& m = modes[index];
        f.set("lblReportTitle", m.title);
        f.set("lblX", m.x);
        f.set("lblY", m.y);
        f.set("lbl1", m.label1);
        f.set("lbl2", m.label2);
        f.set("lbl3", m.label3);
        f.set("lblOne", m.one);
        f.set("lblTwo", m.two);
        f.set("lblThree", m.three);
    }
    f.set("lblInterestPaid", f.currency("edtInterestPaid", 10));
    f.set("lblTotalPaid", f.currency("edtTotalPaid", 10));
}

void fillMortgageQualifier(Filler& f) {
    f.common("Mortgage Qualification");
    for (const char* n : {"1", "2"}) {
        const std::string s = n;
        f.set("lblIncome" + s, f.currency("edtIncome" + s, 15));
        f.set("lblOIncome" + s, f.currency("edtOIncome" + s, 15));
        f.set("lblCards" + s, f.currency("edtCards" + s, 15));
        f.set("lblAuto" + s, f.currency("edtAuto" + s, 15));
        f.set("lblNotes" + s, f.currency("edtNotes" + s, 15));
    }
    f.set("lblPropertyTaxes", f.currency("edtMQPropertyTaxes", 15));
    f.set("lblHomeownersInsurance", f.currency("edtMQHomeownersInsurance", 15));
    f.set("lblDownPayment", f.currency("edtMQDownPayment", 15));
    f.set("lblHousingRatio", f.general("edtHousingRatio"));
    f.set("lblDebtRatio", f.general("edtDebtRatio"));
    f.set("lblYourHousingRatio", f.general("edtCalculatedHousingRatio"));
    f.set("lblYourDebtRatio", f.general("edtCalculatedDebtRatio"));
    for (const char* n : {"1", "2", "3"}) {
        const std::string s = n;
        f.set("lblIR" + s, f.general("edtMQir" + s) + "%");
        f.set("lblterm" + s, f.integer("edtMQTerm" + s));
        f.set("lblPayment" + s, f.currency("edtMQPayment" + s, 15));
        f.set("lblLoanAmount" + s, f.currency("edtMQLoan" + s, 15));
        f.set("lblPrice" + s, f.currency("edtMQPurchasePrice" + s, 15));
    }
}

void fillRefinancing(Filler& f) {
    f.common("Refinancing Calculation");
    f.set("lblOldBalance", f.currency("edtOldLoan", 15));
    f.set("lblOldTerm", f.integer("edtOldTerm"));
    f.set("lblOldInterestRate", f.general("edtOldInterestRate") + "%");
    f.set("lblOldPaymentsMade", f.integer("edtOldPaymentsMade"));
    f.set("lblOldPayment", f.currency("edtOldPayment", 15));
    f.set("lblNewLoan", f.currency("edtNewLoan", 15));
    f.set("lblNewTerm", f.integer("edtNewTerm"));
    f.set("lblNewInterestRate", f.general("edtNewInterestRate") + "%");
    f.set("lblRefiClosingCosts", f.currency("edtRefiClosingCosts", 15));
    f.set("lblNewPayment", f.currency("edtNewPayment", 15));
    const workspace::ControlState* sell = f.ws().findControl("lblSell");
    f.set("lblWhenYouSell", (sell ? sell->caption() : std::string()) +
                                " this refinancing scenario may save you money as indicated below:");
    f.set("lblOldPaymentsRemaining", f.integer("edtOldPaymentsRemaining"));
    f.set("lblMonthsUntilSell", f.integer("edtMonthsUntilSell"));
    f.set("lblPaymentSaved", f.currency("edtPaymentSaved", 15));
    f.set("lblTotalPaymentSaved", f.currency("edtTotalPaymentSaved", 15));
    f.set("lblOldEquity", f.currency("edtOldEquity", 15));
    f.set("lblNewEquity", f.currency("edtNewEquity", 15));
    f.set("lblEquitySavings", f.currency("edtEquitySavings", 15));
    f.set("lblTotalSaved", f.currency("edtTotalSaved", 15));
}

void fillHomeSellersProceeds(Filler& f) {
    f.common("Home Seller's Proceeds");
    const std::pair<const char*, const char*> money[] = {
        {"lblSalesPrice", "edtHSPHouseSalesPrice"},
        {"lblFirstLoanBalance", "edtHSPFirstLoanBalance"},
        {"lblSecondLoanBalance", "edtHSPSecondLoanBalance"},
        {"lblOtherLoans", "edtHSPOtherLoans"},
        {"lblAnnualPropertyTaxes", "edtHSPPropertyTaxes"},
        {"lblPropertyTaxesPaid", "edtHSPPropertyTaxesPaid"},
        {"lblTransferTaxesPaid", "edtHSPTransferTaxesPaid"},
        {"lblPrepaymentPenalty", "edtHSPPrepaymentPenalty"},
        {"lblSalesCommission", "edtHSPSalesCommission"},
        {"lblOtherSalesCommission", "edtHSPOtherSalesCommission"},
        {"lblOtherFees", "edtHSPOtherFees"},
        {"lblCosts", "edtHSPCosts"},
        {"lblNetGain", "edtHSPNetGain"},
    };
    for (const auto& [object, field] : money)
        f.set(object, f.currency(field, 10));
    f.set("lblEstimatedClosingMonth", f.ws().choice("cbHSPClosingMonth").text);
    f.set("lblTransferTaxes", f.general("edtHSPTransferTaxPercent", 10) + "%");
}

void fillPrepayment(Filler& f, const PageTexts& texts) {
    f.common("Mortgage Prepayment Calculation");
    std::string sentence;
    if (texts.prepaymentMode) {
        const std::string amount = f.currency("edtPPCExtraAmount", 10);
        switch (*texts.prepaymentMode) {
        case PrepaymentMode::AllPayments:
            sentence = amount + ", applied to all payments,";
            break;
        case PrepaymentMode::OnePayment:
            sentence = amount + ", applied to payment " + f.general("edtPPCFromPmt") + ",";
            break;
        case PrepaymentMode::RangeOfPayments:
            sentence = amount + ", applied to payments " + f.general("edtPPCFromPmt") + " through " +
                       f.general("edtPPCToPmt") + ",";
            break;
        }
    }
    f.set("lblPrepayDetails", sentence);
    f.set("lblAmountBorrowed", f.currency("edtPPCAmountBorrowed", 10));
    f.set("lblAnnualPropertyTaxes", f.currency("edtPPCPropertyTaxes", 10));
    f.set("lblInterestRate", f.number3("edtPPCInterest") + "%");
    f.set("lblAnnualInsurance", f.currency("edtPPCInsurance", 10));
    f.set("lblTermInMonths", f.integer("edtPPCTerm"));
    f.set("lblAnnualPMIPremiums", f.currency("edtPPCPMI", 10));
    f.set("lblMonthlyPayment", f.currency("edtPPCPayment", 10));
    f.set("lblNewPayment", f.currency("edtPPCNewPayment", 10));
    f.set("lblFullMonthlyPayment", f.currency("edtPPCTotalPayment", 10));
    f.set("lblNewFullPayment", f.currency("edtPPCNewTotalPayment", 10));
    f.set("lblTotalInterest", f.currency("edtPPCTotalInterest", 10));
    f.set("lblNewInterest", f.currency("edtPPCTotalInterestWithPrepayments", 10));
    f.set("lblInterestAndPrincipal", f.currency("edtPPCTotalPrincipalAndInterest", 10));
    f.set("lblNewInterestAndPrincipal", f.currency("edtPPCTotalInterestAndPrincipalWithPrepayments", 10));
    f.set("lblNewTerm", f.integer("edtPPCNewTerm"));
    f.set("lblSavings", f.currency("edtPPCSavings", 10));
}

void fillClosingCosts(Filler& f) {
    f.common("Estimated Closing Costs");
    const std::pair<const char*, const char*> money15[] = {
        {"lblIncome", "edtECCIncome"},
        {"lblPurchasePrice", "edtEccCPurchasePrice"},
        {"lblDownPayment", "edtEccCDownPayment"},
        {"lblLoanAmount", "edtEccCLoanAmount"},
        {"lblPandI", "edtEccCPandI"},
        {"lblMonthlyTax", "edtEccCMonthlyTax"},
        {"lblMonthlyInsurance", "edtEccCMonthlyInsurance"},
        {"lblOriginationFee", "edtOriginationFee"},
        {"lblDiscountPoints", "edtLOF"},
        {"lblAppraisalFee", "edtAF"},
        {"lblCreditReportFee", "edtCR"},
        {"lblUnderwritingFee", "edtTSF"},
        {"lblAttorneyFee", "edtLPF"},
        {"lblTitleInsurance", "edtTIF"},
        {"lblMortgageRecordingFee", "edtTS"},
        {"lblTransferTax", "edtSTT"},
        {"lblCertifiedPlotPlan", "edtRF"},
        {"lblPMIFirstMonth", "edtEccCpmi"},
        {"lblOther", "edtOF"},
        {"lblClosingCosts", "edtEccCClosingCosts"},
    };
    for (const auto& [object, field] : money15)
        f.set(object, f.currency(field, 15));
    const std::pair<const char*, const char*> money10[] = {
        {"lblPmi", "edtEccCpmi"},
        {"lblAssociationFee", "edtECCAssociationFee"},
        {"lblMonthlyPayment", "edtEccCMonthlyPayment"},
        {"lblMonthlyDebt", "edtECCDebt"},
        {"lblPrepaidInterest", "edtII"},
        {"lblRealEstateTaxes", "edtPTI"},
        {"lblHomeownersInsurance", "edtHOIP"},
        {"lblInsuranceRenewal", "edtHOII"},
        {"lblPMIRenewal", "edtPMII"},
        {"lblEstimatedEscrows", "edtEccCEscrows"},
        {"lblDP", "edtEccCDownPayment"},
        {"lblCC", "edtEccCClosingCosts"},
        {"lblEE", "edtEccCEscrows"},
        {"lblSellerPaidCosts", "edtSellerPaid"},
    };
    for (const auto& [object, field] : money10)
        f.set(object, f.currency(field, 10));
    f.set("lblDownPaymentPercent", f.general("edtEccDownPaymentPercent", 3) + "%");
    f.set("lblInterest", f.general("edtEccInterest", 5) + "%");
    f.set("lblTerm", f.integer("edtEccTerm"));
    f.set("lblHousingRatio", f.general("edtEccCHousingRatio", 3) + "%");
    f.set("lblDebtRatio", f.general("edtEccCDebtRatio", 3) + "%");
    f.set("lblOFee", "Origination Fee  " + f.general("edtEccOriginationPoints", 3) + "%");
    f.set("lblPoints", "Discount Points  " + f.general("edtEccDiscountPoints", 3) + "%");
    // The three totals are summed here from the fields' values, in this order.
    f.set("lblTotalDebt", f.currencyOf(f.value("edtECCDebt") + f.value("edtEccCMonthlyPayment")));
    const double fundsToClose =
        (f.value("edtEccCDownPayment") + f.value("edtEccCClosingCosts")) + f.value("edtEccCEscrows");
    f.set("lblTotalFundsToClose", f.currencyOf(fundsToClose));
    f.set("lblBuyerPaidTotal", f.currencyOf(fundsToClose - f.value("edtSellerPaid")));
}

void fillBiweekly(Filler& f) {
    f.common("Comparison of Monthly and Biweekly Payments");
    f.set("lblLoanAmount", f.currency("edtMortgageAmount", 10));
    f.set("lblInterestRate", f.general("edtMortgageInterest", 3) + "%");
    f.set("lblTermInMonths", f.general("edtMortgagePeriods"));
    f.set("lblMonthlyPayment", f.currency("edtMortgagePayments", 10));
    f.set("lblMonthlyTotalPaid", f.currency("edtMortgageTotalPaid", 10));
    f.set("lblMonthlyInterestPaid", f.currency("edtMortgageCostOfLoan", 10));
    f.set("lblBiweeklyPayment", f.currency("edtMortgageHalfPayments", 10));
    f.set("lblBiweeklyTotalPaid", f.currency("edtMortgageHalfTotalPaid", 10));
    f.set("lblBiweeklyInterestPaid", f.currency("edtMortgageHalfCostOfLoan", 10));
    f.set("lblMonthsSaved", f.general("edtTimeSavedMonths", 4));
    f.set("lblYearsSaved", f.general("edtTimeSavedYears", 4));
    f.set("lblInterestSaved", f.currency("edtInterestSaved", 10));
}

void fillRentVsBuy(Filler& f) {
    f.common("Rent Vs. Buy");
    const std::pair<const char*, const char*> money[] = {
        {"lblMonthlyRent", "edtRVBMonthlyRent"},
        {"lblRentSpent", "edtRVBRentSpent"},
        {"lblDownPayment", "edtRVBDownPayment"},
        {"lblInvestmentValue", "edtRVBInvestmentValue"},
        {"lblHousePrice", "edtRVBHousePrice"},
        {"lblTaxDeductions", "edtRVBTaxDeductions"},
        {"lblAppreciation", "edtRVBAppreciation"},
        {"lblAnnualMaintenance", "edtRVBAnnualMaintenance"},
        {"lblValueOfPurchase", "edtRVBValueOfPurchase"},
        {"lblValueOfRenting", "edtRVBValueOfRenting"},
        {"lblGain", "edtRVBGain"},
    };
    for (const auto& [object, field] : money)
        f.set(object, f.currency(field, 10));
    const std::pair<const char*, const char*> percents[] = {
        {"lblRentIncrease", "edtRVBRentIncrease"},
        {"lblEstimatedReturn", "edtRVBEstimatedReturn"},
        {"lblInterestRate", "edtRVBInterestRate"},
        {"lblIncomeTax", "edtRVBIncomeTax"},
        {"lblPropertyTax", "edtRVBPropertyTax"},
        {"lblPropertyAppreciationRate", "edtRVBPropertyAppreciation"},
        {"lblSellingCostPercent", "edtRVBSellingCostPercent"},
    };
    for (const auto& [object, field] : percents)
        f.set(object, f.general(field, 3) + "%");
    f.set("lblTerm", f.integer("edtRVBTerm"));
    f.set("lblLoanTerm", f.integer("edtRVBLoanTerm"));
}

const char* gridOf(ReportId id) {
    switch (id) {
    case ReportId::AmortMonthly:
        return "grdAmortization";
    case ReportId::AmortAnnual:
        return "grdAnnualAmortization";
    case ReportId::LoanSpreadChart:
        return "grdLS";
    default:
        return nullptr;
    }
}

} // namespace

std::optional<std::string> GridRows::value(std::string_view name) const {
    // "Cell1".."Cell8": column N - 1 of the current row.
    if (name.size() < 5 || !equalsIgnoringCase(name.substr(0, 4), "cell"))
        return std::nullopt;
    int n = 0;
    const auto digits = name.substr(4);
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || n < 1 || n > 8)
        return std::nullopt;
    if (m_row < 0 || m_row >= m_grid.rowCount() || n > m_grid.colCount())
        return std::nullopt;
    return m_grid.cell(n - 1, m_row);
}

std::optional<ReportId> reportForShownPage(const Workspace& ws) {
    const std::string_view page = ws.shownPage();
    const std::pair<std::string_view, ReportId> pages[] = {
        {"pgEstimatedClosingCosts", ReportId::EstimatedClosingCosts},
        {"pgMortgageQualifier", ReportId::MortgageQualifier},
        {"pgRefinancingCalculator", ReportId::RefinancingCalc},
        {"pgRentVsBuyCalculator", ReportId::RentVsBuy},
        {"pgHomesellersProceedsCalculator", ReportId::HomeSellersProceeds},
        {"pgBiweeklyPaymentCalculator", ReportId::BiweeklyPayments},
        {"pgPrepaymentCalculator", ReportId::PrepaymentCalculator},
        {"pgLoanSpreadCalculator", ReportId::LoanSpreadChart},
    };
    for (const auto& [name, id] : pages)
        if (page == name)
            return id;
    if (page == "pgAmortizationSchedules") {
        if (ws.grid("grdAmortization").visible)
            return ReportId::AmortMonthly;
        if (ws.grid("grdAnnualAmortization").visible)
            return ReportId::AmortAnnual;
    }
    return std::nullopt;
}

void fillReport(ReportId id, ReportTemplate& report, const Workspace& ws, const PageTexts& texts) {
    Filler f(report, ws);
    switch (id) {
    case ReportId::AmortMonthly:
        return fillSchedule(f, "Loan Amortization Schedule - Monthly");
    case ReportId::AmortAnnual:
        return fillSchedule(f, "Loan Amortization Schedule - Annual");
    case ReportId::LoanSpreadChart:
        return fillLoanSpread(f, texts);
    case ReportId::MortgageQualifier:
        return fillMortgageQualifier(f);
    case ReportId::RefinancingCalc:
        return fillRefinancing(f);
    case ReportId::HomeSellersProceeds:
        return fillHomeSellersProceeds(f);
    case ReportId::PrepaymentCalculator:
        return fillPrepayment(f, texts);
    case ReportId::EstimatedClosingCosts:
        return fillClosingCosts(f);
    case ReportId::BiweeklyPayments:
        return fillBiweekly(f);
    case ReportId::RentVsBuy:
        return fillRentVsBuy(f);
    }
}

LaidOutDocument buildReport(ReportId id, const ReportTemplate& report, const Workspace& ws,
                            const TextMeasurer& measurer) {
    if (isSinglePage(id))
        return buildSinglePageReport(report, measurer);
    GridRows rows(ws.grid(gridOf(id)));
    return buildReport(report, &rows, measurer);
}

std::optional<LaidOutDocument> printShownPage(ReportSet& reports, const Workspace& ws, const PageTexts& texts,
                                              const TextMeasurer& measurer) {
    const std::optional<ReportId> id = reportForShownPage(ws);
    if (!id)
        return std::nullopt;
    fillReport(*id, reports[*id], ws, texts);
    return buildReport(*id, reports[*id], ws, measurer);
}

} // namespace kelvarin::reports
