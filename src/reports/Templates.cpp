#include "Templates.h"

#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace kelvarin::reports {

namespace {

struct Style {
    double points = 9;
    FontStyle style = FontStyle::Plain;
    HAlign h = HAlign::Left;
    VAlign v = VAlign::Top;
};

constexpr FontStyle kPlain = FontStyle::Plain;
constexpr FontStyle kBold = FontStyle::Bold;

// Height of a box for `lines` lines of the font: 1.2 em per line and a little room.
double heightFor(double points, int lines) {
    return std::ceil(points * kUnitsPerPoint * 1.2 * lines) + 3;
}

int lineCount(std::string_view text) {
    int n = 1;
    for (char c : text)
        n += c == '\n';
    return n;
}

class Builder {
public:
    explicit Builder(ReportTemplate& report) : m_report(report) {}

    // A text object; height 0 fits the text's lines.
    TextObject& text(std::string name, double left, double top, double width, const Style& s,
                     std::string content, double height = 0) {
        TextObject t;
        t.name = std::move(name);
        t.left = left;
        t.top = top;
        t.width = width;
        t.height = height > 0 ? height : heightFor(s.points, lineCount(content));
        t.font = Font{"Arial", s.points, s.style};
        t.hAlign = s.h;
        t.vAlign = s.v;
        t.text = std::move(content);
        return m_report.add(std::move(t));
    }
    // A value object: its design-time text is its own name.
    TextObject& value(const std::string& name, double left, double top, double width, const Style& s,
                      double height = 0) {
        return text(name, left, top, width, s, name, height);
    }
    void rule(double left, double top, double width, bool doubled = false) {
        m_report.add(Rule{left, top, width, doubled});
    }

private:
    ReportTemplate& m_report;
};

// The report title with its two header lines, and the page footer: rule, application title,
// address and disclaimer.
void addCommonObjects(Builder& b, double titleTop, double footerTop, double titleLeft = 40) {
    b.value("lblReportTitle", titleLeft, titleTop, 696, {16, kBold}, 28);
    b.value("lblHeader1", 40, titleTop + 31, 696, {11, FontStyle::BoldItalic}, 18);
    b.value("lblHeader2", 40, titleTop + 50, 696, {10, kBold, HAlign::Right}, 18);
    b.rule(32, footerTop, 712);
    b.value("lblApplicationTitle", 32, footerTop + 4, 352, {8}, 16);
    b.value("lblURL", 432, footerTop + 4, 312, {8, kPlain, HAlign::Right}, 16);
    b.text("lblDisclaimer", 32, footerTop + 28, 712, {8}, std::string(kDisclaimer), 46);
}

// The loan line of the two schedules.
void addLoanLine(Builder& b, double top, double rateWidth) {
    const Style label{8, kPlain, HAlign::Right, VAlign::Middle};
    const Style value{9, kBold, HAlign::Left, VAlign::Middle};
    b.text("lbl1", 46, top, 76, label, "Loan Amount:", 18);
    b.text("lblLoanAmount", 126, top, 96, value, "$0.00", 18);
    b.text("lbl2", 223, top, 72, label, "Interest Rate:", 18);
    b.text("lblInterestRate", 299, top, rateWidth, value, "0.000%", 18);
    b.text("lbl3", 361, top, 119, label, "Number of Payments:", 18);
    b.text("lblTerm", 484, top, 37, value, "0", 18);
    b.text("Memo5", 543, top, 92, label, "Payment Amount:", 18);
    b.text("lblPayment", 639, top, 94, value, "$0.00", 18);
}

struct Column {
    const char* name;
    double left, width;
    const char* text;
};

void addColumns(Builder& b, double top, std::initializer_list<Column> columns, const Style& s,
                double height) {
    for (const Column& c : columns)
        b.text(c.name, c.left, top, c.width, s, c.text, height);
}

// Master-data cells "Cell1".."CellN" with "[CellN]" placeholders.
void addCells(Builder& b, double top, std::initializer_list<std::pair<double, double>> boxes,
              std::uint32_t frame) {
    int n = 1;
    for (auto [left, width] : boxes) {
        const std::string name = "Cell" + std::to_string(n++);
        TextObject& t =
            b.text(name, left, top, width, {8, kPlain, HAlign::Centre, VAlign::Middle}, "[" + name + "]", 18);
        t.framed = true;
        t.frameColour = frame;
    }
}

ReportTemplate amortMonthly() {
    ReportTemplate r("frAmortMonthly", {{BandKind::ReportTitle, 56, 78},
                                        {BandKind::PageHeader, 156, 78},
                                        {BandKind::MasterData, 248, 18},
                                        {BandKind::PageFooter, 884, 74}});
    Builder b(r);
    addCommonObjects(b, 60, 884);
    b.rule(32, 168, 712);
    addLoanLine(b, 176, 46);
    b.rule(32, 204, 712);
    addColumns(b, 210,
               {{"lblX", 55, 32, "PMT"},
                {"Memo1", 119, 44, "Month"},
                {"Memo2", 200, 50, "Principal"},
                {"Memo3", 278, 50, "Interest"},
                {"Memo4", 354, 72, "Total Principal"},
                {"Memo6", 451, 72, "Total Interest"},
                {"Memo7", 552, 64, "Prepayment"},
                {"Memo8", 653, 57, "BALANCE"}},
               {8, kPlain, HAlign::Centre, VAlign::Middle}, 18);
    b.rule(32, 231, 712);
    addCells(b, 248, {{46, 50}, {96, 90}, {186, 78}, {264, 78}, {342, 97}, {439, 97}, {536, 97}, {633, 97}},
             kWhite);
    return r;
}

ReportTemplate amortAnnual() {
    ReportTemplate r(
        "frAmortAnnual",
        {{BandKind::ReportTitle, 56, 138}, {BandKind::MasterData, 208, 18}, {BandKind::PageFooter, 884, 74}});
    Builder b(r);
    addCommonObjects(b, 60, 884);
    b.rule(34, 133, 712);
    addLoanLine(b, 142, 50);
    b.rule(34, 164, 712);
    addColumns(b, 168,
               {{"lblX", 57, 32, "Year"},
                {"Memo1", 132, 91, "Period"},
                {"Memo2", 268, 147, "Principal Paid During Period"},
                {"Memo3", 422, 140, "Interest Paid During Period"},
                {"Memo4", 578, 131, "Total Paid During Period"}},
               {8, kPlain, HAlign::Centre, VAlign::Middle}, 18);
    b.rule(34, 190, 712);
    addCells(b, 208, {{42, 58}, {108, 134}, {264, 150}, {415, 150}, {566, 150}}, kWhite);
    return r;
}

ReportTemplate loanSpreadChart() {
    ReportTemplate r(
        "frLSC",
        {{BandKind::ReportTitle, 56, 208}, {BandKind::MasterData, 316, 18}, {BandKind::PageFooter, 884, 74}});
    Builder b(r);
    addCommonObjects(b, 60, 884);
    b.rule(32, 133, 712);
    const Style label{10, kPlain, HAlign::Right, VAlign::Middle};
    const Style value{10, kBold, HAlign::Left, VAlign::Middle};
    b.value("lbl1", 52, 145, 119, label, 20);
    b.value("lblOne", 180, 145, 128, value, 20);
    b.text("Memo5", 456, 145, 128, label, "Total Interest Paid:", 20);
    b.value("lblInterestPaid", 592, 145, 128, value, 20);
    b.value("lbl2", 52, 169, 119, label, 20);
    b.value("lblTwo", 180, 169, 128, value, 20);
    b.text("Memo6", 456, 169, 128, label, "Total Amount Paid:", 20);
    b.value("lblTotalPaid", 592, 169, 128, value, 20);
    b.value("lbl3", 52, 193, 119, label, 20);
    b.value("lblThree", 180, 193, 128, value, 20);
    b.rule(32, 223, 712);
    b.value("lblX", 58, 235, 308, {8, kPlain, HAlign::Centre});
    b.value("lblY", 414, 235, 308, {8, kPlain, HAlign::Centre});
    addCells(b, 316, {{33, 89}, {122, 89}, {211, 89}, {300, 89}, {389, 89}, {478, 89}, {567, 89}, {656, 89}},
             kSilver);
    return r;
}

// The frame of a one-page report: title band holding everything above the footer, the footer
// at 872, the common objects and the rule below the title lines.
ReportTemplate onePage(std::string name, double bandTop, double bandHeight, double titleLeft = 40,
                       double ruleLeft = 32) {
    ReportTemplate r(std::move(name),
                     {{BandKind::ReportTitle, bandTop, bandHeight}, {BandKind::PageFooter, 872, 74}});
    Builder b(r);
    addCommonObjects(b, bandTop + 4, 872, titleLeft);
    b.rule(ruleLeft, bandTop + 77, 712);
    return r;
}

ReportTemplate mortgageQualifier() {
    ReportTemplate r = onePage("frMortgageQualifier", 56, 802);
    Builder b(r);
    b.text("", 199, 168, 380, {12, kBold, HAlign::Centre}, "Your Personal Financial Variables");
    const Style heading{10, kBold, HAlign::Centre, VAlign::Bottom};
    b.text("", 152, 203, 110, heading, "Monthly Income", 49);
    b.text("", 269, 203, 110, heading, "Other Monthly Income", 49);
    b.text("", 386, 203, 110, heading, "Monthly\nMinimum Due\non Credit Cards", 49);
    b.text("", 503, 203, 110, heading, "Monthly\nAuto\nPayment(s)", 49);
    b.text("", 620, 203, 110, heading, "Monthly Student\nLoans / Other\nNotes Due", 49);
    b.rule(32, 255, 712);
    const Style rowLabel{9, kBold, HAlign::Right};
    const Style money{9, kPlain, HAlign::Right};
    for (int n : {1, 2}) {
        const double top = n == 1 ? 262 : 284;
        const double shift = n == 1 ? 0 : -1; // the co-borrower row sits one unit further left
        const std::string s = std::to_string(n);
        b.text("", 36, top, 107, rowLabel, n == 1 ? "Borrower" : "Co-Borrower");
        b.value("lblIncome" + s, 144 + shift, top, 110, money);
        b.value("lblOIncome" + s, 261 + shift, top, 101, money);
        b.value("lblCards" + s, 378 + shift, top, 110, money);
        b.value("lblAuto" + s, 495 + shift, top, 99, money);
        b.value("lblNotes" + s, 612 + shift, top, 110, money);
    }
    const Style centred{9, kPlain, HAlign::Centre};
    b.text("", 196, 352, 270, rowLabel, "Estimated Monthly Property Taxes:");
    b.value("lblPropertyTaxes", 473, 352, 110, centred);
    b.text("", 196, 375, 270, rowLabel, "Estimated Monthly Homeowners Insurance:");
    b.value("lblHomeownersInsurance", 473, 375, 110, centred);
    b.text("", 246, 398, 220, rowLabel, "Cash Available for Downpayment:");
    b.value("lblDownpayment", 473, 398, 110, centred);
    b.text("", 153, 456, 472, {10, kBold, HAlign::Centre, VAlign::Middle},
           "Based on your personal financial variables and the\nmortgage variables you have entered, you may "
           "meet\n"
           "the criteria to qualify for monthly payments and/or\nloan amounts as indicated below.",
           75);
    b.rule(32, 536, 712);
    const Style boldCentred{9, kBold, HAlign::Centre};
    b.text("", 336, 550, 60, boldCentred, "Housing");
    b.text("", 413, 550, 60, boldCentred, "Debt");
    b.text("", 210, 575, 121, rowLabel, "Qualifying Ratios:");
    b.value("lblHousingRatio", 336, 575, 60, centred);
    b.value("lblDebtRatio", 413, 575, 60, centred);
    b.text("", 210, 597, 121, rowLabel, "Your Ratios:");
    b.value("lblYourHousingRatio", 336, 597, 60, centred);
    b.value("lblYourDebtRatio", 413, 597, 60, centred);
    addColumns(b, 679,
               {{"", 73, 120, "Interest Rate"},
                {"", 201, 120, "Term in Years"},
                {"", 328, 120, "Monthly Payment"},
                {"", 455, 120, "Loan Amount"},
                {"", 585, 120, "Purchase Price"}},
               boldCentred, 0);
    for (int n : {1, 2, 3}) {
        const double top = 705 + 23 * (n - 1);
        const double shift = n == 1 ? 0 : 1;
        const std::string s = std::to_string(n);
        b.value("lblIR" + s, 73 + shift, top, 120, centred);
        b.value("lblTerm" + s, 201 + shift, top, 120, centred);
        b.value("lblPayment" + s, 328 + shift, top, 120, centred);
        b.value("lblLoanAmount" + s, 455 + shift, top, 120, centred);
        b.value("lblPrice" + s, 585 + shift, top, 120, centred);
    }
    return r;
}

ReportTemplate refinancingCalc() {
    ReportTemplate r = onePage("frRefinancingCalc", 56, 802);
    Builder b(r);
    const Style section{12, kBold, HAlign::Centre};
    const Style cell{9, kBold, HAlign::Centre};
    b.text("", 313, 168, 152, section, "Original Loan");
    addColumns(b, 204,
               {{"", 74, 120, "Current Balance"},
                {"", 201, 120, "Term in Months"},
                {"", 328, 120, "Interest Rate"},
                {"", 455, 120, "Payments Made"},
                {"", 585, 120, "Payment"}},
               cell, 0);
    b.value("lblOldBalance", 73, 230, 120, cell);
    b.value("lblOldTerm", 200, 230, 120, cell);
    b.value("lblOldInterestRate", 327, 230, 120, cell);
    b.value("lblOldPaymentsMade", 454, 230, 120, cell);
    b.value("lblOldPayment", 584, 230, 120, cell);
    b.text("", 327, 316, 124, section, "New Loan");
    addColumns(b, 353,
               {{"", 73, 120, "New Balance"},
                {"", 200, 120, "Term in Months"},
                {"", 327, 120, "Interest Rate"},
                {"", 454, 120, "Closing Costs"},
                {"", 584, 120, "Payment"}},
               cell, 0);
    b.value("lblNewLoan", 73, 379, 120, cell);
    b.value("lblNewTerm", 200, 379, 120, cell);
    b.value("lblNewInterestRate", 327, 379, 120, cell);
    b.value("lblRefiClosingCosts", 454, 379, 120, cell);
    b.value("lblNewPayment", 584, 379, 120, cell);
    b.text("", 265, 464, 248, section, "Savings From Refinancing");
    b.value("lblWhenYouSell", 123, 516, 532, {8, kPlain, HAlign::Centre});
    const Style right{9, kBold, HAlign::Right};
    struct Row {
        double top, left, width;
        const char* label;
        const char* value;
    };
    for (const Row& row :
         {Row{556, 115, 270, "Payments Remaining on Original Loan", "lblOldPaymentsRemaining"},
          Row{586, 131, 254, "Months Until You Plan to Sell", "lblMonthsUntilSell"},
          Row{616, 165, 220, "Monthly Payment Savings", "lblPaymentSaved"},
          Row{646, 165, 220, "Total Monthly Payment Savings", "lblTotalPaymentSaved"},
          Row{676, 165, 220, "Equity in Old Loan", "lblOldEquity"},
          Row{706, 209, 176, "Equity in New Loan", "lblNewEquity"},
          Row{736, 209, 176, "Total Equity Savings", "lblEquitySavings"},
          Row{772, 209, 176, "TOTAL SAVED", "lblTotalSaved"}}) {
        b.text("", row.left, row.top, row.width, right, row.label);
        b.value(row.value, 392, row.top, 150, right);
    }
    return r;
}

ReportTemplate homeSellersProceeds() {
    ReportTemplate r = onePage("frHomeSellersProceeds", 53, 810);
    Builder b(r);
    const Style centred{9, kPlain, HAlign::Centre};
    b.text(
        "", 48, 162, 682, centred,
        "Before selling a home, the primary question for the seller is, \"What will I have when the deal is "
        "complete?\"");
    b.text("", 48, 179, 682, centred,
           "This is an estimate of the seller's Net Gain after the costs of selling the home have been "
           "subtracted "
           "from the Sales Price.");
    b.text("", 234, 237, 310, {11, kBold, HAlign::Centre}, "What's the Net Gain After the Sale?");
    const Style right{9, kPlain, HAlign::Right, VAlign::Bottom};
    auto row = [&](double top, const char* label, const char* value) {
        b.text("", 241, top, 150, right, label);
        b.value(value, 401, top, 135, right);
    };
    row(281, "Home Sales Price", "lblSalesPrice");
    row(310, "First Loan Balance", "lblFirstLoanBalance");
    row(339, "Second Loan Balance", "lblSecondLoanBalance");
    row(368, "Other Loans", "lblOtherLoans");
    row(397, "Estimated Closing Month", "lblEstimatedClosingMonth");
    row(426, "Annual Property Taxes", "lblAnnualPropertyTaxes");
    row(455, "Property Taxes Paid", "lblPropertyTaxesPaid");
    row(484, "Transfer Taxes", "lblTransferTaxes");
    row(513, "Transfer Taxes Paid", "lblTransferTaxesPaid");
    row(542, "Prepayment Penalty", "lblPrepaymentPenalty");
    row(571, "Sales Commission", "lblSalesCommission");
    row(600, "Other Sales Commission", "lblOtherSalesCommission");
    row(629, "Other Fees", "lblOtherFees");
    row(658, "Total Costs", "lblCosts");
    b.rule(242, 688, 295);
    row(701, "NET GAIN", "lblNetGain");
    return r;
}

ReportTemplate prepaymentCalculator() {
    ReportTemplate r = onePage("frPrepaymentCalculator", 53, 810);
    Builder b(r);
    const Style left{9, kPlain, HAlign::Left};
    b.text("", 185, 135, 214, left, "Based on your prepayment amount of");
    b.value("lblPrepayDetails", 403, 135, 190, left);
    b.text("", 185, 156, 370, left, "the details of your mortgage will be changed as indicated below.");
    b.rule(32, 188, 712);
    const Style heading{11, kBold, HAlign::Centre};
    b.text("", 267, 232, 218, heading, "Mortgage Information");
    const Style label{9, kPlain, HAlign::Right, VAlign::Bottom};
    const Style value{9, kPlain, HAlign::Left, VAlign::Bottom};
    // Pairs of the left column (label 52, value 245) and the right column (label 398, value 592).
    auto pair = [&](double top, bool rightColumn, const char* text, const char* name, double height = 0) {
        b.text("", rightColumn ? 398 : 52, top, 185, label, text, height);
        if (name)
            b.value(name, rightColumn ? 592 : 245, top, 135, value, height);
    };
    pair(284, false, "Amount Borrowed", "lblAmountBorrowed");
    pair(284, true, "Annual Property Taxes", "lblAnnualPropertyTaxes");
    pair(321, false, "Interest Rate", "lblInterestRate");
    pair(321, true, "Annual Insurance", "lblAnnualInsurance");
    pair(358, false, "Term In Months", "lblTermInMonths");
    pair(358, true, "Annual PMI Premiums", "lblAnnualPMIPremiums");
    b.text("", 97, 446, 218, heading, "Details Without Prepayments");
    b.text("", 437, 446, 218, heading, "Details With Prepayments");
    pair(491, false, "Monthly Payment (P&I)", "lblMonthlyPayment");
    pair(491, true, "New Monthly Payment", "lblNewPayment");
    // Two-line labels end on the bottom line of the value below their top.
    pair(521, false, "Regular Payment Amount\nwith Taxes and Insurance", nullptr, 26);
    pair(521, true, "New Monthly Payment\nWith Taxes and Insurance", nullptr, 26);
    b.value("lblFullMonthlyPayment", 245, 529, 135, value);
    b.value("lblNewFullPayment", 592, 529, 135, value);
    pair(567, false, "Total Interest Paid Over Term", "lblTotalInterest");
    pair(567, true, "New Interest Over Term", "lblNewInterest");
    pair(605, false, "Total Interest and Principal", "lblInterestAndPrincipal");
    pair(605, true, "New Interest and Principal", "lblNewInterestAndPrincipal");
    b.text("", 280, 688, 218, heading, "Effects of Prepayments");
    b.text("", 195, 733, 185, label, "New Term in Months");
    b.value("lblNewTerm", 398, 733, 135, value);
    b.text("", 195, 774, 185, label, "Amount Saved by Prepayment");
    b.value("lblSavings", 398, 774, 135, value);
    return r;
}

ReportTemplate estimatedClosingCosts() {
    ReportTemplate r = onePage("frEstimatedClosingCosts", 53, 810);
    Builder b(r);
    const Style note{8, kPlain, HAlign::Justify};
    b.text("", 39, 132, 247, note,
           "These results reflect and estimate of the costs\nyou are likely to incur at or prior to the "
           "closing\n"
           "of your loan.  This is only an estimate.  The\nspecific estimated fees listed included may\n"
           "items you will not be required to pay.  Also,\nyou may be required to pay items which are\n"
           "not listed in this generic estimate.\n\nIn other words, expect your actual charges to\nvary.\n\n"
           "The REAL ESTATE SETTLEMENT\nPROCEDURES ACT (RESPA) contains detailed\n"
           "guidelines regarding the information you must\nreceive when you purchase real estate.\n\n"
           "Also, specific information about your rights is\nprovided in the HUD Special Information\n"
           "Booklet which you must receive at closing.");
    const Style label{9, kPlain, HAlign::Right, VAlign::Bottom};
    const Style value{9, kPlain, HAlign::Right, VAlign::Bottom};
    const Style boldLabel{9, kBold, HAlign::Right, VAlign::Bottom};
    const Style boldValue{9, kBold, HAlign::Right, VAlign::Bottom};
    constexpr double kRuleGap = 19; // a total's rule runs just below its value
    struct Row {
        double top;
        const char* label;
        const char* value;
        bool bold = false;
        double labelLeft = 323, labelWidth = 186;
    };
    for (const Row& row :
         {Row{132, "Monthly Income", "lblIncome"},
          Row{154, "PURCHASE PRICE", "lblPurchasePrice", true},
          Row{171, "Downpayment", "lblDownPayment", false, 288, 186},
          Row{188, "LOAN AMOUNT", "lblLoanAmount", true},
          Row{213, "Interest Rate", "lblInterest"},
          Row{230, "Term", "lblTerm"},
          Row{247, "Principal & Interest", "lblPandI"},
          Row{264, "Real Estate Taxes", "lblMonthlyTax"},
          Row{281, "Homeowner's Insurance", "lblMonthlyInsurance"},
          Row{298, "PMI (Private Mortgage Insurance)", "lblpmi"},
          Row{315, "Association Fee", "lblAssociationFee"},
          Row{333, "MONTHLY PAYMENT", "lblMonthlyPayment", true},
          Row{359, "Other Monthly Debt", "lblMonthlyDebt"},
          Row{377, "TOTAL MONTHLY DEBT", "lblTotalDebt", true},
          Row{437, "Appraisal Fee", "lblAppraisalFee"},
          Row{454, "Credit Report Fee", "lblCreditReportFee"},
          Row{471, "Tax-Related Service Fee", "lblUnderwritingFee"},
          Row{488, "Lender's Inspection Fee", "lblAttorneyFee"},
          Row{505, "Title Insurance", "lblTitleInsurance"},
          Row{522, "Title Search", "lblMortgageRecordingFee"},
          Row{539, "Escrow/Closing Fee", "lblTransferTax"},
          Row{556, "Recording Fee", "lblCertifiedPlotPlan"},
          Row{573, "PMI", "lblPMIFirstMonth"},
          Row{590, "Other Fees", "lblOther"},
          Row{608, "ESTIMATED CLOSING COSTS", "lblClosingCosts", true},
          Row{633, "Prepaid Interest", "lblPrepaidInterest"},
          Row{650, "Real Estate Taxes", "lblRealEstateTaxes"},
          Row{667, "Homeowner's Insurance (First Year)", "lblHomeownersInsurance", false, 267, 246},
          Row{684, "Homeowner's Insurance (Renewal)", "lblInsuranceRenewal", false, 267, 246},
          Row{701, "PMI", "lblPMIRenewal"},
          Row{718, "ESTIMATED ESCROWS", "lblEstimatedEscrows", true},
          Row{743, "Estimated Downpayment", "lblDP"},
          Row{760, "Estimated Closing Costs", "lblCC"},
          Row{777, "Estimated Escrows", "lblEE"},
          Row{794, "TOTAL FUNDS TO CLOSE", "lblTotalFundsToClose", true},
          Row{819, "(Minus) Seller Paid Costs", "lblSellerPaidCosts"},
          Row{842, "TOTAL BUYER PAID FUNDS TO CLOSE", "lblBuyerPaidTotal", true, 243, 270}}) {
        b.text("", row.labelLeft, row.top, row.labelWidth, row.bold ? boldLabel : label, row.label);
        b.value(row.value, 521, row.top, 135, row.bold ? boldValue : value);
    }
    b.value("lblDownPaymentPercent", 477, 171, 32, value);
    b.value("lblOFee", 329, 403, 183, label);
    b.value("lblOriginationFee", 521, 403, 135, value);
    b.value("lblPoints", 329, 420, 183, label);
    b.value("lblDiscountPoints", 521, 420, 135, value);
    b.rule(521, 188 + kRuleGap, 139);
    b.rule(521, 333 + kRuleGap, 139);
    b.rule(521, 377 + kRuleGap, 139, true);
    b.rule(524, 608 + kRuleGap, 139);
    b.rule(524, 718 + kRuleGap, 139);
    b.rule(525, 794 + kRuleGap, 139);
    b.rule(524, 837, 139, true);
    const Style ratioNote{8, kPlain, HAlign::Justify};
    const Style ratio{9, kPlain, HAlign::Left, VAlign::Bottom};
    b.text("", 666, 303, 83, ratioNote, "Your Calculated\nHousing Ratio", 26);
    b.value("lblHousingRatio", 666, 333, 35, ratio);
    b.text("", 666, 351, 83, ratioNote, "Your Calculated\nDebt Ratio", 26);
    b.value("lblDebtRatio", 666, 377, 35, ratio);
    return r;
}

ReportTemplate biweeklyPayments() {
    ReportTemplate r = onePage("frBiweeklyPayments", 57, 810);
    Builder b(r);
    const Style section{11, kBold, HAlign::Centre};
    const Style heading{9, kBold, HAlign::Centre, VAlign::Bottom};
    const Style value{9, kPlain, HAlign::Centre};
    auto headings = [&](double top, const char* a, const char* c2, const char* c3) {
        b.text("", 126, top, 149, heading, a);
        b.text("", 314, top, 149, heading, c2);
        b.text("", 503, top, 149, heading, c3);
    };
    auto values = [&](double top, const char* a, const char* c2, const char* c3) {
        b.value(a, 133, top, 135, value);
        b.value(c2, 321, top, 135, value);
        b.value(c3, 510, top, 135, value);
    };
    b.text("", 114, 189, 550, section, "Your Mortgage Variables");
    headings(223, "Loan Amount", "Interest Rate", "Term in Months");
    values(247, "lblLoanAmount", "lblInterestRate", "lblTermInMonths");
    b.text("", 114, 326, 550, section, "Your Monthly Payment Information");
    headings(361, "Monthly Payment", "Total Paid", "Interest Paid");
    values(385, "lblMonthlyPayment", "lblMonthlyTotalPaid", "lblMonthlyInterestPaid");
    b.text("", 114, 463, 550, section, "Biweekly Payment Information");
    // The left heading has room for two lines; all three end on the same bottom line.
    const double bottom = 500 + heightFor(9, 1);
    b.text("", 126, 485, 149, heading, "Biweekly Payment Amount", bottom - 485);
    b.text("", 314, 500, 149, heading, "Total Paid");
    b.text("", 503, 500, 149, heading, "Interest Paid");
    values(524, "lblBiweeklyPayment", "lblBiweeklyTotalPaid", "lblBiweeklyInterestPaid");
    b.text("", 114, 601, 550, section, "Savings in Time and Interest by Making Biweekly Payments");
    headings(636, "Months Saved", "Years Saved", "Interest Saved");
    values(660, "lblMonthsSaved", "lblYearsSaved", "lblInterestSaved");
    return r;
}

ReportTemplate rentVsBuy() {
    ReportTemplate r = onePage("frRentVsBuy", 53, 810, 36, 28);
    Builder b(r);
    const Style label{9, kPlain, HAlign::Right, VAlign::Bottom};
    const Style value{9, kBold, HAlign::Right, VAlign::Bottom};
    const std::pair<const char*, const char*> rows[] = {
        {"Current Monthly Rent:", "lblMonthlyRent"},
        {"Estimated Annual Rent Increase Percentage:", "lblRentIncrease"},
        {"Years Before You Will Move:", "lblTerm"},
        {"Total You Will Spend On Rent:", "lblRentSpent"},
        {"Cash Available for Downpayment:", "lblDownPayment"},
        {"Estimated Annual Return If Invested:", "lblEstimatedReturn"},
        {"Value Of Investment:", "lblInvestmentValue"},
        {"Interest Rate Of Home Loan:", "lblInterestRate"},
        {"Term Of Home Loan In Years:", "lblLoanTerm"},
        {"Price Of Home You Can Afford At Current Rent Payment:", "lblHousePrice"},
        {"Personal Income Tax % (Include State + Federal):", "lblIncomeTax"},
        {"Annual Real Estate Tax Rate:", "lblPropertyTax"},
        {"Total Of Interest Tax Deductions:", "lblTaxDeductions"},
        {"Property Appreciation Rate:", "lblPropertyAppreciationRate"},
        {"Appreciation Of Property:", "lblAppreciation"},
        {"Estimated Annual Home Maintenance Expenses:", "lblAnnualMaintenance"},
        {"Estimated Selling Costs As A Percentage Of House Value:", "lblSellingCostPercent"},
        {"Effective Gain Of Owning:", "lblValueOfPurchase"},
        {"Actual Cost Of Renting:", "lblValueOfRenting"},
        {"Effective Gain Of Owning Vs. Renting:", "lblGain"},
    };
    double top = 170;
    for (const auto& [text, name] : rows) {
        b.text("", 155, top, 350, label, text);
        b.value(name, top >= 646 ? 518 : 516, top, 135, value);
        top += 34;
        if (top == 816) // the last row stands one unit lower
            top = 817;
    }
    return r;
}

} // namespace

std::string_view templateName(ReportId id) {
    switch (id) {
    case ReportId::AmortMonthly:
        return "frAmortMonthly";
    case ReportId::AmortAnnual:
        return "frAmortAnnual";
    case ReportId::LoanSpreadChart:
        return "frLSC";
    case ReportId::MortgageQualifier:
        return "frMortgageQualifier";
    case ReportId::RefinancingCalc:
        return "frRefinancingCalc";
    case ReportId::HomeSellersProceeds:
        return "frHomeSellersProceeds";
    case ReportId::PrepaymentCalculator:
        return "frPrepaymentCalculator";
    case ReportId::EstimatedClosingCosts:
        return "frEstimatedClosingCosts";
    case ReportId::BiweeklyPayments:
        return "frBiweeklyPayments";
    case ReportId::RentVsBuy:
        return "frRentVsBuy";
    }
    throw std::invalid_argument("unknown report");
}

bool isSinglePage(ReportId id) {
    return id != ReportId::AmortMonthly && id != ReportId::AmortAnnual && id != ReportId::LoanSpreadChart;
}

ReportTemplate makeTemplate(ReportId id) {
    switch (id) {
    case ReportId::AmortMonthly:
        return amortMonthly();
    case ReportId::AmortAnnual:
        return amortAnnual();
    case ReportId::LoanSpreadChart:
        return loanSpreadChart();
    case ReportId::MortgageQualifier:
        return mortgageQualifier();
    case ReportId::RefinancingCalc:
        return refinancingCalc();
    case ReportId::HomeSellersProceeds:
        return homeSellersProceeds();
    case ReportId::PrepaymentCalculator:
        return prepaymentCalculator();
    case ReportId::EstimatedClosingCosts:
        return estimatedClosingCosts();
    case ReportId::BiweeklyPayments:
        return biweeklyPayments();
    case ReportId::RentVsBuy:
        return rentVsBuy();
    }
    throw std::invalid_argument("unknown report");
}

ReportSet::ReportSet() {
    for (ReportId id : kAllReports)
        m_templates[static_cast<std::size_t>(id)] = std::make_unique<ReportTemplate>(makeTemplate(id));
}

} // namespace kelvarin::reports
