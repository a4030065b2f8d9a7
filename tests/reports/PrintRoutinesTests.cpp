#include "calculators/CalculatorSet.h"
#include "reports/PrintRoutines.h"
#include "support/RecordingUi.h"
#include "workspace/HeldValues.h"
#include "workspace/ValueSets.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>
#include <map>

namespace kelvarin::reports {
namespace {

using workspace::Workspace;

void put(Workspace& ws, std::string_view name, double value) {
    workspace::ValueField& field = ws.field(name);
    if (field.mask().dataType == workspace::DataType::Whole)
        field.writeWhole(static_cast<std::int32_t>(value));
    else
        field.writeFloat(value);
}

using Texts = std::map<std::string, std::string>;

void expectTexts(const ReportTemplate& report, const Texts& expected) {
    for (const auto& [object, text] : expected)
        EXPECT_EQ(report.text(object), text) << object;
}

// --- The one-page reports from the pages' sample values -------------------------------------

struct SampleCase {
    const char* name;
    ReportId report;
    const char* page;
    Texts expected;
};

class SampleReport : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleReport, FilledFromTheSampleValues) {
    const SampleCase& c = GetParam();
    Workspace ws;
    if (workspace::valueSetOf(c.page).empty())
        GTEST_SKIP() << c.page << " has no sample set in this build";
    workspace::writeValueSet(ws, c.page, 1);
    ws.addControl({"lblSell", "If you sell in 240 months,"});
    ReportSet reports;
    fillReport(c.report, reports[c.report], ws, PageTexts{});
    expectTexts(reports[c.report], c.expected);
    // Every report fills the common objects the same way.
    expectTexts(reports[c.report], {{"lblHeader1", ""},
                                    {"lblHeader2", ""},
                                    {"lblURL", std::string(kMakerAddress)},
                                    {"lblApplicationTitle", "Kelvarin, 2.1.00"}});
}

INSTANTIATE_TEST_SUITE_P(
    Reports, SampleReport,
    ::testing::Values(SampleCase{"MortgageQualifier",
                                 ReportId::MortgageQualifier,
                                 "pgMortgageQualifier",
                                 {{"lblReportTitle", "Mortgage Qualification"},
                                  {"lblIncome1", "$4,000.00"},
                                  {"lblOIncome1", "$1,000.00"},
                                  {"lblCards1", "$350.00"},
                                  {"lblAuto1", "$450.00"},
                                  {"lblNotes1", "$50.00"},
                                  {"lblIncome2", "$0.00"},
                                  {"lblDownpayment", "$20,000.00"},
                                  {"lblPropertyTaxes", "$0.00"},
                                  {"lblHousingRatio", "28"},
                                  {"lblDebtRatio", "36"},
                                  {"lblYourHousingRatio", "19"},
                                  {"lblYourDebtRatio", "36"},
                                  {"lblIR1", "7.5%"},
                                  {"lblIR2", "7.25%"},
                                  {"lblIR3", "7%"},
                                  {"lblTerm1", "30"},
                                  {"lblTerm3", "15"},
                                  {"lblPayment2", "$950.00"},
                                  {"lblLoanAmount1", "$135,866.75"},
                                  {"lblPrice3", "$125,693.16"}}},
                      SampleCase{"RentVsBuy",
                                 ReportId::RentVsBuy,
                                 "pgRentVsBuyCalculator",
                                 {{"lblReportTitle", "Rent Vs. Buy"},
                                  {"lblMonthlyRent", "$950.00"},
                                  {"lblRentIncrease", "3.5%"},
                                  {"lblTerm", "5"},
                                  {"lblRentSpent", "$61,132.11"},
                                  {"lblEstimatedReturn", "4.5%"},
                                  {"lblInterestRate", "7%"},
                                  {"lblLoanTerm", "30"},
                                  {"lblHousePrice", "$147,793.00"},
                                  {"lblIncomeTax", "33%"},
                                  {"lblPropertyTax", "1.2%"},
                                  {"lblValueOfRenting", "-$59,873.13"},
                                  {"lblGain", "$68,743.51"}}},
                      SampleCase{
                          "Refinancing",
                          ReportId::RefinancingCalc,
                          "pgRefinancingCalculator",
                          {{"lblReportTitle", "Refinancing Calculation"},
                           {"lblOldBalance", "$100,000.00"},
                           {"lblOldTerm", "360"},
                           {"lblOldInterestRate", "8.75%"},
                           {"lblOldPaymentsMade", "0"},
                           {"lblOldPayment", "$786.70"},
                           {"lblNewTerm", "240"},
                           {"lblNewInterestRate", "7.25%"},
                           {"lblNewPayment", "$790.38"},
                           {"lblWhenYouSell",
                            "If you sell in 240 months, this refinancing scenario may save you money as "
                            "indicated below:"},
                           {"lblOldPaymentsRemaining", "360"},
                           {"lblPaymentSaved", "-$3.68"},
                           {"lblTotalPaymentSaved", "-$882.14"},
                           {"lblTotalSaved", "$61,889.81"}}},
                      SampleCase{"BiweeklyPayments",
                                 ReportId::BiweeklyPayments,
                                 "pgBiweeklyPaymentCalculator",
                                 {{"lblReportTitle", "Comparison of Monthly and Biweekly Payments"},
                                  {"lblLoanAmount", "$100,000.00"},
                                  {"lblInterestRate", "8.75%"},
                                  {"lblTermInMonths", "360"},
                                  {"lblMonthlyTotalPaid", "$283,212.00"},
                                  {"lblBiweeklyPayment", "$393.35"},
                                  {"lblMonthsSaved", "94.19"},
                                  {"lblYearsSaved", "7.85"},
                                  {"lblInterestSaved", "$56,671.28"}}},
                      SampleCase{"PrepaymentCalculator",
                                 ReportId::PrepaymentCalculator,
                                 "pgPrepaymentCalculator",
                                 {{"lblReportTitle", "Mortgage Prepayment Calculation"},
                                  {"lblPrepayDetails", "$100.00, applied to all payments,"},
                                  {"lblAmountBorrowed", "$100,000.00"},
                                  {"lblInterestRate", "8.750%"},
                                  {"lblTermInMonths", "360"},
                                  {"lblAnnualPMIPremiums", "$600.00"},
                                  {"lblFullMonthlyPayment", "$985.03"},
                                  {"lblNewInterestAndPrincipal", "$210,882.68"},
                                  {"lblNewTerm", "238"},
                                  {"lblSavings", "$72,330.29"}}},
                      SampleCase{"HomeSellersProceeds",
                                 ReportId::HomeSellersProceeds,
                                 "pgHomesellersProceedsCalculator",
                                 {{"lblReportTitle", "Home Seller's Proceeds"},
                                  {"lblSalesPrice", "$100,000.00"},
                                  {"lblAnnualPropertyTaxes", "$580.00"},
                                  {"lblTransferTaxes", "2%"},
                                  {"lblPropertyTaxesPaid", "$338.33"},
                                  {"lblCosts", "$8,088.33"},
                                  {"lblNetGain", "$91,911.67"}}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Closing costs: formats and the three sums -------------------------------------------------

class ClosingCostsReport : public ::testing::Test {
protected:
    void SetUp() override {
        put(ws, "edtEccDownPaymentPercent", 20);
        put(ws, "edtEccInterest", 7.125);
        put(ws, "edtEccTerm", 30);
        put(ws, "edtEccOriginationPoints", 1);
        put(ws, "edtEccDiscountPoints", 0.5);
        put(ws, "edtEccCpmi", 37.5);
        put(ws, "edtECCDebt", 450);
        put(ws, "edtEccCMonthlyPayment", 1313.55);
        put(ws, "edtEccCDownPayment", 34000);
        put(ws, "edtEccCClosingCosts", 3192.25);
        put(ws, "edtEccCEscrows", 1261.23);
        put(ws, "edtEccCHousingRatio", 32.84);
        put(ws, "edtEccCDebtRatio", 44.09);
    }
    ReportTemplate& fill() {
        fillReport(ReportId::EstimatedClosingCosts, reports[ReportId::EstimatedClosingCosts], ws,
                   PageTexts{});
        return reports[ReportId::EstimatedClosingCosts];
    }
    Workspace ws;
    ReportSet reports;
};

TEST_F(ClosingCostsReport, PercentsRatesAndFeeLines) {
    expectTexts(fill(), {{"lblReportTitle", "Estimated Closing Costs"},
                         {"lblDownPaymentPercent", "20%"},
                         {"lblInterest", "7.125%"},
                         {"lblTerm", "30"},
                         {"lblOFee", "Origination Fee  1%"},
                         {"lblPoints", "Discount Points  0.5%"},
                         {"lblHousingRatio", "33%"},
                         {"lblDebtRatio", "44%"},
                         // Both PMI rows print the monthly PMI.
                         {"lblpmi", "$37.50"},
                         {"lblPMIFirstMonth", "$37.50"}});
    put(ws, "edtEccDownPaymentPercent", 12.75);
    EXPECT_EQ(fill().text("lblDownPaymentPercent"), "12.8%");
}

TEST_F(ClosingCostsReport, TotalsAreSummedFromTheFields) {
    put(ws, "edtSellerPaid", 1000);
    expectTexts(fill(), {{"lblTotalDebt", "$1,763.55"},
                         {"lblTotalFundsToClose", "$38,453.48"},
                         {"lblSellerPaidCosts", "$1,000.00"},
                         {"lblBuyerPaidTotal", "$37,453.48"}});
}

TEST_F(ClosingCostsReport, BuyerPaidTotalBelowZeroUsesTheNegativePattern) {
    put(ws, "edtSellerPaid", 40000);
    EXPECT_EQ(fill().text("lblBuyerPaidTotal"), "-$1,546.52");

    workspace::RegionalSettings brackets = workspace::RegionalSettings::unitedStates();
    brackets.negativeCurrencyPattern = 0;
    Workspace other(brackets);
    put(other, "edtEccCDownPayment", 100);
    put(other, "edtSellerPaid", 250.5);
    fillReport(ReportId::EstimatedClosingCosts, reports[ReportId::EstimatedClosingCosts], other, PageTexts{});
    EXPECT_EQ(reports[ReportId::EstimatedClosingCosts].text("lblBuyerPaidTotal"), "($150.50)");
}

// --- Prepayment sentence ------------------------------------------------------------------------

struct SentenceCase {
    const char* name;
    std::optional<PrepaymentMode> mode;
    const char* sentence;
};

class PrepaymentSentence : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(PrepaymentSentence, EndsWithAComma) {
    Workspace ws;
    put(ws, "edtPPCExtraAmount", 100);
    put(ws, "edtPPCFromPmt", 12);
    put(ws, "edtPPCToPmt", 24);
    put(ws, "edtPPCInterest", 7.25);
    ReportSet reports;
    PageTexts texts;
    texts.prepaymentMode = GetParam().mode;
    fillReport(ReportId::PrepaymentCalculator, reports[ReportId::PrepaymentCalculator], ws, texts);
    EXPECT_EQ(reports[ReportId::PrepaymentCalculator].text("lblPrepayDetails"), GetParam().sentence);
    EXPECT_EQ(reports[ReportId::PrepaymentCalculator].text("lblInterestRate"), "7.250%");
}

INSTANTIATE_TEST_SUITE_P(Reports, PrepaymentSentence,
                         ::testing::Values(SentenceCase{"AllPayments", PrepaymentMode::AllPayments,
                                                        "$100.00, applied to all payments,"},
                                           SentenceCase{"OnePayment", PrepaymentMode::OnePayment,
                                                        "$100.00, applied to payment 12,"},
                                           SentenceCase{"Range", PrepaymentMode::RangeOfPayments,
                                                        "$100.00, applied to payments 12 through 24,"},
                                           SentenceCase{"NoneSelected", std::nullopt, ""}),
                         [](const auto& row) { return std::string(row.param.name); });

// --- Biweekly and rent versus buy: precision of rates -------------------------------------------

TEST(OnePageReports, RatesPrintWithTheirPrecision) {
    Workspace ws;
    put(ws, "edtMortgageInterest", 7.125);
    put(ws, "edtTimeSavedMonths", 58.333);
    put(ws, "edtRVBInterestRate", 7.125);
    put(ws, "edtMQir1", 7.125);
    ReportSet reports;
    fillReport(ReportId::BiweeklyPayments, reports[ReportId::BiweeklyPayments], ws, PageTexts{});
    fillReport(ReportId::RentVsBuy, reports[ReportId::RentVsBuy], ws, PageTexts{});
    fillReport(ReportId::MortgageQualifier, reports[ReportId::MortgageQualifier], ws, PageTexts{});
    EXPECT_EQ(reports[ReportId::BiweeklyPayments].text("lblInterestRate"), "7.13%");
    EXPECT_EQ(reports[ReportId::BiweeklyPayments].text("lblMonthsSaved"), "58.33");
    EXPECT_EQ(reports[ReportId::RentVsBuy].text("lblInterestRate"), "7.13%");
    EXPECT_EQ(reports[ReportId::MortgageQualifier].text("lblIR1"), "7.125%");
}

TEST(OnePageReports, SellersClosingMonthIsTheDropDownText) {
    Workspace ws;
    ws.choice("cbHSPClosingMonth").text = "March";
    ReportSet reports;
    fillReport(ReportId::HomeSellersProceeds, reports[ReportId::HomeSellersProceeds], ws, PageTexts{});
    EXPECT_EQ(reports[ReportId::HomeSellersProceeds].text("lblEstimatedClosingMonth"), "March");
}

// --- Loan spread chart --------------------------------------------------------------------------

struct ChartCase {
    const char* name;
    int mode;
    Texts expected;
};

class LoanSpreadReport : public ::testing::TestWithParam<ChartCase> {};

TEST_P(LoanSpreadReport, ModeChoosesTitleStepsAndPairs) {
    Workspace ws;
    put(ws, "edtLoan", 100000);
    put(ws, "edtInterest", 8.75);
    put(ws, "edtTerm", 360);
    put(ws, "edtPayment", 786.7);
    put(ws, "edtInterestPaid", 183212.0);
    put(ws, "edtTotalPaid", 283212.0);
    ws.choice("rgCalculate").index = GetParam().mode;
    ReportSet reports;
    fillReport(ReportId::LoanSpreadChart, reports[ReportId::LoanSpreadChart], ws,
               PageTexts{"$500", "1/2%", "$75", std::nullopt});
    expectTexts(reports[ReportId::LoanSpreadChart], GetParam().expected);
    expectTexts(reports[ReportId::LoanSpreadChart],
                {{"lblInterestPaid", "$183,212.00"}, {"lblTotalPaid", "$283,212.00"}});
}

INSTANTIATE_TEST_SUITE_P(Reports, LoanSpreadReport,
                         ::testing::Values(ChartCase{"Payments",
                                                     0,
                                                     {{"lblReportTitle", "Chart of Monthly Payments"},
                                                      {"lblX", "Loan Amounts incremented by $500"},
                                                      {"lblY", "Interest Rates incremented by 1/2%"},
                                                      {"lbl1", "Loan Amount:"},
                                                      {"lblOne", "$100,000.00"},
                                                      {"lbl2", "Interest Rate:"},
                                                      {"lblTwo", "8.75%"},
                                                      {"lbl3", "Term:"},
                                                      {"lblThree", "360 months"}}},
                                           ChartCase{"LoanAmounts",
                                                     1,
                                                     {{"lblReportTitle", "Chart of Loan Amounts"},
                                                      {"lblX", "Payment Amounts incremented by $75"},
                                                      {"lblY", "Interest Rates incremented by 1/2%"},
                                                      {"lblOne", "360 months"},
                                                      {"lblTwo", "8.75%"},
                                                      {"lbl3", "Payment:"},
                                                      {"lblThree", "$786.70"}}},
                                           ChartCase{"Rates",
                                                     2,
                                                     {{"lblReportTitle", "Chart of Interest Rates"},
                                                      {"lblX", "Loan Amounts incremented by $500"},
                                                      {"lblY", "Payment Amounts incremented by $75"},
                                                      {"lbl2", "Payment:"},
                                                      {"lblTwo", "$786.70"},
                                                      {"lblThree", "360 months"}}},
                                           ChartCase{"Terms",
                                                     3,
                                                     {{"lblReportTitle", "Chart of Terms in Months"},
                                                      {"lblY", "Payment Amounts incremented by $75"},
                                                      {"lblOne", "$100,000.00"},
                                                      {"lblTwo", "8.75%"},
                                                      {"lblThree", "$786.70"}}}),
                         [](const auto& row) { return std::string(row.param.name); });

// --- The two schedules: the guard and texts kept between previews ------------------------------

class ScheduleReports : public ::testing::Test {
protected:
    void schedule(const char* firstRowMark) {
        workspace::TextGrid& grid = ws.grid("grdAmortization");
        grid.resize(2, 8);
        grid.cell(0, 1) = firstRowMark;
        put(ws, "edtMortAmt", 100000);
        put(ws, "edtIRate", 7.25);
        put(ws, "edtNumPmts", 360);
        put(ws, "edtAmortPayment", 682.18);
    }
    Workspace ws;
    ReportSet reports;
};

const Texts kInitialHeader{{"lblReportTitle", "lblReportTitle"},
                           {"lblHeader1", "lblHeader1"},
                           {"lblHeader2", "lblHeader2"},
                           {"lblURL", "lblURL"},
                           {"lblApplicationTitle", "lblApplicationTitle"},
                           {"lblLoanAmount", "$0.00"},
                           {"lblInterestRate", "0.000%"},
                           {"lblTerm", "0"},
                           {"lblPayment", "$0.00"}};

TEST_F(ScheduleReports, ComputedScheduleFillsTheHeader) {
    schedule("1");
    fillReport(ReportId::AmortMonthly, reports[ReportId::AmortMonthly], ws, PageTexts{});
    expectTexts(reports[ReportId::AmortMonthly], {{"lblReportTitle", "Loan Amortization Schedule - Monthly"},
                                                  {"lblHeader1", ""},
                                                  {"lblApplicationTitle", "Kelvarin, 2.1.00"},
                                                  {"lblLoanAmount", "$100,000.00"},
                                                  {"lblInterestRate", "7.250%"},
                                                  {"lblTerm", "360"},
                                                  {"lblPayment", "$682.18"}});
}

TEST_F(ScheduleReports, EmptyScheduleMarkerKeepsTheInitialTexts) {
    schedule(" ");
    fillReport(ReportId::AmortMonthly, reports[ReportId::AmortMonthly], ws, PageTexts{});
    fillReport(ReportId::AmortAnnual, reports[ReportId::AmortAnnual], ws, PageTexts{});
    expectTexts(reports[ReportId::AmortMonthly], kInitialHeader);
    expectTexts(reports[ReportId::AmortAnnual], kInitialHeader);
    // The preview still opens: the title row and the blank row print.
    const LaidOutDocument doc =
        buildReport(ReportId::AmortMonthly, reports[ReportId::AmortMonthly], ws, FixedWidthMeasurer{});
    EXPECT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages.front().frames.size(), 16u);
}

TEST_F(ScheduleReports, TextsOfTheLastPreviewStay) {
    schedule("1");
    fillReport(ReportId::AmortAnnual, reports[ReportId::AmortAnnual], ws, PageTexts{});
    // A later print whose guard fails shows the texts of the last preview, not the new values.
    ws.grid("grdAmortization").cell(0, 1) = " ";
    put(ws, "edtMortAmt", 5);
    fillReport(ReportId::AmortAnnual, reports[ReportId::AmortAnnual], ws, PageTexts{});
    expectTexts(reports[ReportId::AmortAnnual], {{"lblReportTitle", "Loan Amortization Schedule - Annual"},
                                                 {"lblLoanAmount", "$100,000.00"}});
}

TEST_F(ScheduleReports, GuardComparesTheWholeText) {
    schedule("1 ");
    fillReport(ReportId::AmortMonthly, reports[ReportId::AmortMonthly], ws, PageTexts{});
    EXPECT_EQ(reports[ReportId::AmortMonthly].text("lblReportTitle"), "lblReportTitle");
}

// --- Which report the page on screen prints -----------------------------------------------------

struct PageCase {
    const char* name;
    const char* page;
    bool monthlyVisible, annualVisible;
    std::optional<ReportId> report;
};

class ShownPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(ShownPage, PicksItsReport) {
    Workspace ws;
    ws.showPage(GetParam().page);
    ws.grid("grdAmortization").visible = GetParam().monthlyVisible;
    ws.grid("grdAnnualAmortization").visible = GetParam().annualVisible;
    EXPECT_EQ(reportForShownPage(ws), GetParam().report);
    ReportSet reports;
    const auto doc = printShownPage(reports, ws, PageTexts{}, FixedWidthMeasurer{});
    EXPECT_EQ(doc.has_value(), GetParam().report.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ShownPage,
    ::testing::Values(
        PageCase{"Menu", "pgMenu", true, false, std::nullopt},
        PageCase{"QuickCalculators", "pgQuickCalculators", true, false, std::nullopt},
        PageCase{"ClosingCosts", "pgEstimatedClosingCosts", true, false, ReportId::EstimatedClosingCosts},
        PageCase{"Qualifier", "pgMortgageQualifier", true, false, ReportId::MortgageQualifier},
        PageCase{"Refinancing", "pgRefinancingCalculator", true, false, ReportId::RefinancingCalc},
        PageCase{"RentVsBuy", "pgRentVsBuyCalculator", true, false, ReportId::RentVsBuy},
        PageCase{"Sellers", "pgHomesellersProceedsCalculator", true, false, ReportId::HomeSellersProceeds},
        PageCase{"Biweekly", "pgBiweeklyPaymentCalculator", true, false, ReportId::BiweeklyPayments},
        PageCase{"Prepayment", "pgPrepaymentCalculator", true, false, ReportId::PrepaymentCalculator},
        PageCase{"LoanSpread", "pgLoanSpreadCalculator", true, false, ReportId::LoanSpreadChart},
        PageCase{"MonthlyGrid", "pgAmortizationSchedules", true, false, ReportId::AmortMonthly},
        PageCase{"AnnualGrid", "pgAmortizationSchedules", false, true, ReportId::AmortAnnual},
        PageCase{"NoGridShown", "pgAmortizationSchedules", false, false, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(GridRows, CellsByNameIgnoringCase) {
    workspace::TextGrid grid;
    grid.resize(2, 8);
    grid.cell(0, 0) = " Loan / Rate";
    grid.cell(7, 1) = "$1,234.50";
    GridRows rows(grid);
    rows.first();
    EXPECT_EQ(rows.value("Cell1"), " Loan / Rate");
    EXPECT_EQ(rows.value("cell1"), " Loan / Rate");
    EXPECT_EQ(rows.value("Cell9"), std::nullopt);
    EXPECT_EQ(rows.value("Cell0"), std::nullopt);
    EXPECT_EQ(rows.value("Cellar"), std::nullopt);
    EXPECT_EQ(rows.value("Other"), std::nullopt);
    rows.next();
    EXPECT_FALSE(rows.atEnd());
    EXPECT_EQ(rows.value("CELL8"), "$1,234.50");
    rows.next();
    EXPECT_TRUE(rows.atEnd());
}

} // namespace
} // namespace kelvarin::reports

// --- Reports of pages driven by their calculators -----------------------------------------------

namespace kelvarin::reports {
namespace {

struct Driven : ::testing::Test {
    Workspace ws;
    testing::RecordingUi ui;
    workspace::HeldValues held;
    calculators::CalculatorSet set{{ws, ui, held}};
    ReportSet reports;

    ReportTemplate& samplesPrinted(const char* page, ReportId id, const PageTexts& texts = {}) {
        ws.showPage(page);
        set.ResetThisCalculator(1);
        fillReport(id, reports[id], ws, texts);
        return reports[id];
    }
};

TEST_F(Driven, ClosingCostsSamples) {
    expectTexts(samplesPrinted("pgEstimatedClosingCosts", ReportId::EstimatedClosingCosts),
                {{"lblIncome", "$4,000.00"},
                 {"lblPurchasePrice", "$170,000.00"},
                 {"lblDownPaymentPercent", "20%"},
                 {"lblDownPayment", "$34,000.00"},
                 {"lblLoanAmount", "$136,000.00"},
                 {"lblInterest", "7%"},
                 {"lblTerm", "30"},
                 {"lblMonthlyPayment", "$1,084.81"},
                 {"lblMonthlyDebt", "$450.00"},
                 {"lblTotalDebt", "$1,534.81"},
                 {"lblOFee", "Origination Fee  0%"},
                 {"lblAppraisalFee", "$275.00"},
                 {"lblSellerPaidCosts", "$0.00"},
                 {"lblTotalFundsToClose", "$36,588.23"},
                 {"lblBuyerPaidTotal", "$36,588.23"}});
    EXPECT_EQ(reports[ReportId::EstimatedClosingCosts].text("lblpmi"),
              reports[ReportId::EstimatedClosingCosts].text("lblPMIFirstMonth"));
}

TEST_F(Driven, LoanSpreadChartSamples) {
    ws.showPage("pgLoanSpreadCalculator");
    set.ResetThisCalculator(1);
    const calculators::LoanSpreadCalculator& spread = set.loanSpread();
    const PageTexts texts{spread.LoanIncrementText(), spread.RateIncrementText(),
                          spread.PaymentIncrementText()};
    fillReport(ReportId::LoanSpreadChart, reports[ReportId::LoanSpreadChart], ws, texts);
    expectTexts(reports[ReportId::LoanSpreadChart],
                {{"lblReportTitle", "Chart of Monthly Payments"},
                 {"lblOne", "$100,000.00"},
                 {"lblTwo", "8.75%"},
                 {"lblThree", "360 months"},
                 {"lblX", "Loan Amounts incremented by " + texts.loanIncrementText}});
    const LaidOutDocument doc =
        buildReport(ReportId::LoanSpreadChart, reports[ReportId::LoanSpreadChart], ws, FixedWidthMeasurer{});
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages.front().frames.size(), 96u); // 12 rows of 8 cells, row 0 first
}

} // namespace
} // namespace kelvarin::reports
