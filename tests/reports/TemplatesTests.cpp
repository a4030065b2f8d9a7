#include "reports/Templates.h"

#include <gtest/gtest.h>

namespace kelvarin::reports {
namespace {

std::string reportName(ReportId id) {
    return std::string(templateName(id));
}

class EveryTemplate : public ::testing::TestWithParam<ReportId> {};

TEST_P(EveryTemplate, ObjectsStayInsideTheirBandAndThePage) {
    const ReportTemplate report = makeTemplate(GetParam());
    for (const TextObject& t : report.texts()) {
        SCOPED_TRACE(t.name + " " + t.text);
        const Band* band = report.bandAt(t.top);
        ASSERT_NE(band, nullptr);
        EXPECT_LE(t.top + t.height, band->top + band->height);
        EXPECT_GE(t.left, 0);
        EXPECT_LE(t.left + t.width, kPageWidth);
        EXPECT_EQ(t.font.family, "Arial");
    }
    for (const Rule& r : report.rules()) {
        EXPECT_NE(report.bandAt(r.top), nullptr) << "rule at " << r.top;
        EXPECT_LE(r.left + r.width, kPageWidth);
    }
}

TEST_P(EveryTemplate, TextBoxesDoNotOverlap) {
    const ReportTemplate report = makeTemplate(GetParam());
    const auto& texts = report.texts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const TextObject& a = texts[i];
            const TextObject& b = texts[j];
            const bool across = a.left < b.left + b.width && b.left < a.left + a.width;
            const bool down = a.top < b.top + b.height && b.top < a.top + a.height;
            EXPECT_FALSE(across && down) << "'" << a.name << a.text << "' and '" << b.name << b.text << "'";
        }
}

TEST_P(EveryTemplate, CommonObjects) {
    const ReportId id = GetParam();
    const ReportTemplate report = makeTemplate(id);
    const Band& footer = *report.band(BandKind::PageFooter);
    const Band& title = *report.band(BandKind::ReportTitle);
    EXPECT_DOUBLE_EQ(footer.height, 74);
    EXPECT_DOUBLE_EQ(footer.top, isSinglePage(id) ? 872 : 884);

    const TextObject& reportTitle = *report.find("lblReportTitle");
    EXPECT_DOUBLE_EQ(reportTitle.left, id == ReportId::RentVsBuy ? 36 : 40);
    EXPECT_DOUBLE_EQ(reportTitle.width, 696);
    EXPECT_EQ(reportTitle.font, (Font{"Arial", 16, FontStyle::Bold}));
    EXPECT_TRUE(title.holds(reportTitle.top));
    const TextObject& header1 = *report.find("lblHeader1");
    EXPECT_EQ(header1.font.style, FontStyle::BoldItalic);
    EXPECT_GT(header1.top, reportTitle.top);
    const TextObject& header2 = *report.find("lblHeader2");
    EXPECT_EQ(header2.hAlign, HAlign::Right);
    EXPECT_GT(header2.top, header1.top);

    const TextObject& application = *report.find("lblApplicationTitle");
    EXPECT_DOUBLE_EQ(application.left, 32);
    EXPECT_DOUBLE_EQ(application.width, 352);
    EXPECT_DOUBLE_EQ(application.top, footer.top + 4);
    const TextObject& url = *report.find("lblURL");
    EXPECT_DOUBLE_EQ(url.left, 432);
    EXPECT_DOUBLE_EQ(url.width, 312);
    EXPECT_EQ(url.hAlign, HAlign::Right);
    EXPECT_DOUBLE_EQ(url.top, application.top);
    const TextObject& disclaimer = *report.find("lblDisclaimer");
    EXPECT_DOUBLE_EQ(disclaimer.left, 32);
    EXPECT_DOUBLE_EQ(disclaimer.width, 712);
    EXPECT_DOUBLE_EQ(disclaimer.height, 46);
    EXPECT_DOUBLE_EQ(disclaimer.top, footer.top + 28);
    EXPECT_EQ(disclaimer.text, kDisclaimer);
    EXPECT_NE(disclaimer.text.find("there is  NO WARRANTY,  expressed"), std::string::npos);

    bool footerRule = false;
    for (const Rule& r : report.rules())
        footerRule |= r.top == footer.top && r.left == 32 && r.width == 712;
    EXPECT_TRUE(footerRule);
}

INSTANTIATE_TEST_SUITE_P(Reports, EveryTemplate, ::testing::ValuesIn(kAllReports),
                         [](const auto& row) { return reportName(row.param); });

TEST(ReportSet, HoldsEachTemplateOnce) {
    ReportSet set;
    for (ReportId id : kAllReports)
        EXPECT_EQ(set[id].name(), templateName(id));
    EXPECT_EQ(isSinglePage(ReportId::AmortMonthly), false);
    EXPECT_EQ(isSinglePage(ReportId::RentVsBuy), true);
}

struct BandCase {
    ReportId report;
    std::vector<Band> bands;
};

class TemplateBands : public ::testing::TestWithParam<BandCase> {};

TEST_P(TemplateBands, KindsTopsAndHeights) {
    const ReportTemplate report = makeTemplate(GetParam().report);
    ASSERT_EQ(report.bands().size(), GetParam().bands.size());
    for (std::size_t i = 0; i < report.bands().size(); ++i) {
        EXPECT_EQ(report.bands()[i].kind, GetParam().bands[i].kind);
        EXPECT_DOUBLE_EQ(report.bands()[i].top, GetParam().bands[i].top);
        EXPECT_DOUBLE_EQ(report.bands()[i].height, GetParam().bands[i].height);
    }
}

constexpr auto T = BandKind::ReportTitle;
constexpr auto H = BandKind::PageHeader;
constexpr auto M = BandKind::MasterData;
constexpr auto F = BandKind::PageFooter;

INSTANTIATE_TEST_SUITE_P(
    Reports, TemplateBands,
    ::testing::Values(BandCase{ReportId::AmortMonthly,
                               {{T, 56, 78}, {H, 156, 78}, {M, 248, 18}, {F, 884, 74}}},
                      BandCase{ReportId::AmortAnnual, {{T, 56, 138}, {M, 208, 18}, {F, 884, 74}}},
                      BandCase{ReportId::LoanSpreadChart, {{T, 56, 208}, {M, 316, 18}, {F, 884, 74}}},
                      BandCase{ReportId::MortgageQualifier, {{T, 56, 802}, {F, 872, 74}}},
                      BandCase{ReportId::RefinancingCalc, {{T, 56, 802}, {F, 872, 74}}},
                      BandCase{ReportId::HomeSellersProceeds, {{T, 53, 810}, {F, 872, 74}}},
                      BandCase{ReportId::PrepaymentCalculator, {{T, 53, 810}, {F, 872, 74}}},
                      BandCase{ReportId::EstimatedClosingCosts, {{T, 53, 810}, {F, 872, 74}}},
                      BandCase{ReportId::BiweeklyPayments, {{T, 57, 810}, {F, 872, 74}}},
                      BandCase{ReportId::RentVsBuy, {{T, 53, 810}, {F, 872, 74}}}),
    [](const auto& row) { return reportName(row.param.report); });

// Layout facts: an object found by name, or a fixed text found by its wording.
struct ObjectCase {
    const char* name;
    ReportId report;
    const char* object; // name or fixed text
    double left, top, width;
    double points;
    FontStyle style;
    HAlign align;
    const char* text = nullptr; // design-time text, when it matters
};

class TemplateObjects : public ::testing::TestWithParam<ObjectCase> {};

TEST_P(TemplateObjects, PositionSizeFontAndText) {
    const ObjectCase& c = GetParam();
    const ReportTemplate report = makeTemplate(c.report);
    const TextObject* t = report.find(c.object);
    for (const TextObject& candidate : report.texts())
        if (!t && candidate.name.empty() && candidate.text.starts_with(c.object))
            t = &candidate;
    ASSERT_NE(t, nullptr);
    EXPECT_DOUBLE_EQ(t->left, c.left);
    EXPECT_DOUBLE_EQ(t->top, c.top);
    EXPECT_DOUBLE_EQ(t->width, c.width);
    EXPECT_DOUBLE_EQ(t->font.points, c.points);
    EXPECT_EQ(t->font.style, c.style);
    EXPECT_EQ(t->hAlign, c.align);
    if (c.text) {
        EXPECT_EQ(t->text, c.text);
    }
}

using R = ReportId;
constexpr auto Plain = FontStyle::Plain;
constexpr auto Bold = FontStyle::Bold;
constexpr auto L = HAlign::Left;
constexpr auto Rt = HAlign::Right;
constexpr auto C = HAlign::Centre;
constexpr auto J = HAlign::Justify;

INSTANTIATE_TEST_SUITE_P(
    Reports, TemplateObjects,
    ::testing::Values(
        ObjectCase{"MonthlyLoanAmountStartsAtZero", R::AmortMonthly, "lblLoanAmount", 126, 176, 96, 9, Bold,
                   L, "$0.00"},
        ObjectCase{"MonthlyRateStartsAtZero", R::AmortMonthly, "lblInterestRate", 299, 176, 46, 9, Bold, L,
                   "0.000%"},
        ObjectCase{"MonthlyPaymentLabel", R::AmortMonthly, "Memo5", 543, 176, 92, 8, Plain, Rt,
                   "Payment Amount:"},
        ObjectCase{"MonthlyBalanceTitle", R::AmortMonthly, "Memo8", 653, 210, 57, 8, Plain, C, "BALANCE"},
        ObjectCase{"MonthlyLastCell", R::AmortMonthly, "Cell8", 633, 248, 97, 8, Plain, C, "[Cell8]"},
        ObjectCase{"MonthlyTitleStartsWithItsName", R::AmortMonthly, "lblReportTitle", 40, 60, 696, 16, Bold,
                   L, "lblReportTitle"},
        ObjectCase{"AnnualRateIsWider", R::AmortAnnual, "lblInterestRate", 299, 142, 50, 9, Bold, L,
                   "0.000%"},
        ObjectCase{"AnnualTotalTitle", R::AmortAnnual, "Memo4", 578, 168, 131, 8, Plain, C,
                   "Total Paid During Period"},
        ObjectCase{"AnnualFirstCell", R::AmortAnnual, "Cell1", 42, 208, 58, 8, Plain, C, "[Cell1]"},
        ObjectCase{"ChartTotalPaid", R::LoanSpreadChart, "lblTotalPaid", 592, 169, 128, 10, Bold, L},
        ObjectCase{"ChartThirdLabel", R::LoanSpreadChart, "lbl3", 52, 193, 119, 10, Plain, Rt},
        ObjectCase{"ChartStepLine", R::LoanSpreadChart, "lblY", 414, 235, 308, 8, Plain, C},
        ObjectCase{"ChartLastCell", R::LoanSpreadChart, "Cell8", 656, 316, 89, 8, Plain, C},
        ObjectCase{"QualifierHeading", R::MortgageQualifier, "Your Personal Financial Variables", 199, 168,
                   380, 12, Bold, C},
        ObjectCase{"QualifierCoBorrowerIncome", R::MortgageQualifier, "lblIncome2", 143, 284, 110, 9, Plain,
                   Rt},
        ObjectCase{"QualifierDownPayment", R::MortgageQualifier, "lblDownpayment", 473, 398, 110, 9, Plain,
                   C},
        ObjectCase{"QualifierThirdPrice", R::MortgageQualifier, "lblPrice3", 586, 751, 120, 9, Plain, C},
        ObjectCase{"QualifierRowLabel", R::MortgageQualifier, "Your Ratios:", 210, 597, 121, 9, Bold, Rt},
        ObjectCase{"RefinanceSellLine", R::RefinancingCalc, "lblWhenYouSell", 123, 516, 532, 8, Plain, C},
        ObjectCase{"RefinanceTotalSaved", R::RefinancingCalc, "lblTotalSaved", 392, 772, 150, 9, Bold, Rt},
        ObjectCase{"RefinanceOldPayment", R::RefinancingCalc, "lblOldPayment", 584, 230, 120, 9, Bold, C},
        ObjectCase{"RefinanceSection", R::RefinancingCalc, "Savings From Refinancing", 265, 464, 248, 12,
                   Bold, C},
        ObjectCase{"SellerNetGain", R::HomeSellersProceeds, "lblNetGain", 401, 701, 135, 9, Plain, Rt},
        ObjectCase{"SellerNetGainLabel", R::HomeSellersProceeds, "NET GAIN", 241, 701, 150, 9, Plain, Rt},
        ObjectCase{"SellerHeading", R::HomeSellersProceeds, "What's the Net Gain After the Sale?", 234, 237,
                   310, 11, Bold, C},
        ObjectCase{"PrepaySentence", R::PrepaymentCalculator, "lblPrepayDetails", 403, 135, 190, 9, Plain, L},
        ObjectCase{"PrepayFullPayment", R::PrepaymentCalculator, "lblNewFullPayment", 592, 529, 135, 9, Plain,
                   L},
        ObjectCase{"PrepaySavings", R::PrepaymentCalculator, "lblSavings", 398, 774, 135, 9, Plain, L},
        ObjectCase{"PrepayRightLabel", R::PrepaymentCalculator, "Annual PMI Premiums", 398, 358, 185, 9,
                   Plain, Rt},
        ObjectCase{"ClosingNote", R::EstimatedClosingCosts, "These results reflect", 39, 132, 247, 8, Plain,
                   J},
        ObjectCase{"ClosingDownPaymentPercent", R::EstimatedClosingCosts, "lblDownPaymentPercent", 477, 171,
                   32, 9, Plain, Rt},
        ObjectCase{"ClosingOriginationLine", R::EstimatedClosingCosts, "lblOFee", 329, 403, 183, 9, Plain,
                   Rt},
        ObjectCase{"ClosingBuyerPaidLabel", R::EstimatedClosingCosts, "TOTAL BUYER PAID FUNDS TO CLOSE", 243,
                   842, 270, 9, Bold, Rt},
        ObjectCase{"ClosingBuyerPaid", R::EstimatedClosingCosts, "lblBuyerPaidTotal", 521, 842, 135, 9, Bold,
                   Rt},
        ObjectCase{"ClosingDebtRatio", R::EstimatedClosingCosts, "lblDebtRatio", 666, 377, 35, 9, Plain, L},
        ObjectCase{"ClosingInsuranceLabel", R::EstimatedClosingCosts, "Homeowner's Insurance (Renewal)", 267,
                   684, 246, 9, Plain, Rt},
        ObjectCase{"BiweeklySection", R::BiweeklyPayments, "Biweekly Payment Information", 114, 463, 550, 11,
                   Bold, C},
        ObjectCase{"BiweeklyYearsSaved", R::BiweeklyPayments, "lblYearsSaved", 321, 660, 135, 9, Plain, C},
        ObjectCase{"BiweeklyTwoLineHeading", R::BiweeklyPayments, "Biweekly Payment Amount", 126, 485, 149, 9,
                   Bold, C},
        ObjectCase{"RentFirstRow", R::RentVsBuy, "lblMonthlyRent", 516, 170, 135, 9, Bold, Rt},
        ObjectCase{"RentValuesMoveFrom646", R::RentVsBuy, "lblAppreciation", 518, 646, 135, 9, Bold, Rt},
        ObjectCase{"RentLastRow", R::RentVsBuy, "lblGain", 518, 817, 135, 9, Bold, Rt},
        ObjectCase{"RentLabel", R::RentVsBuy, "Price Of Home You Can Afford At Current Rent Payment:", 155,
                   476, 350, 9, Plain, Rt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TemplateObjects, ClosingNoteLinesAndBiweeklyBottomLine) {
    const ReportTemplate closing = makeTemplate(ReportId::EstimatedClosingCosts);
    const TextObject* note = nullptr;
    for (const TextObject& t : closing.texts())
        if (t.text.starts_with("These results reflect"))
            note = &t;
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(std::count(note->text.begin(), note->text.end(), '\n'), 18);
    EXPECT_TRUE(note->text.ends_with("Booklet which you must receive at closing."));

    // The two-line heading ends on the bottom line of its one-line neighbours.
    const ReportTemplate biweekly = makeTemplate(ReportId::BiweeklyPayments);
    const TextObject *amount = nullptr, *interest = nullptr;
    for (const TextObject& t : biweekly.texts()) {
        if (t.text == "Biweekly Payment Amount")
            amount = &t;
        if (t.text == "Interest Paid" && t.top == 500)
            interest = &t;
    }
    ASSERT_TRUE(amount && interest);
    EXPECT_DOUBLE_EQ(amount->top + amount->height, interest->top + interest->height);
    EXPECT_EQ(amount->vAlign, VAlign::Bottom);
}

TEST(TemplateObjects, GridCellsAreFramed) {
    for (auto [id, colour] :
         {std::pair{ReportId::AmortMonthly, kWhite}, std::pair{ReportId::AmortAnnual, kWhite},
          std::pair{ReportId::LoanSpreadChart, kSilver}}) {
        const ReportTemplate report = makeTemplate(id);
        const TextObject& cell = *report.find("Cell1");
        EXPECT_TRUE(cell.framed);
        EXPECT_EQ(cell.frameColour, colour);
        EXPECT_EQ(cell.vAlign, VAlign::Middle);
        EXPECT_DOUBLE_EQ(cell.height, 18);
    }
}

} // namespace
} // namespace kelvarin::reports
