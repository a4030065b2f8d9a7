#include "reports/Layout.h"
#include "reports/PrintRoutines.h"
#include "reports/Templates.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kelvarin::reports {
namespace {

const FixedWidthMeasurer measurer;

int runsWithText(const LaidOutPage& page, std::string_view text) {
    return static_cast<int>(std::count_if(page.texts.begin(), page.texts.end(),
                                          [&](const PlacedText& t) { return t.text == text; }));
}

// --- Lookup, placeholders, wrapping -------------------------------------------------------------

struct LookupCase {
    const char* name;
    ReportId report;
    const char* lookup;
    const char* found; // nullptr: no object
};

class ObjectLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ObjectLookup, IgnoresLetterCase) {
    const ReportTemplate report = makeTemplate(GetParam().report);
    const TextObject* object = report.find(GetParam().lookup);
    if (!GetParam().found) {
        EXPECT_EQ(object, nullptr);
        return;
    }
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->name, GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ObjectLookup,
    ::testing::Values(LookupCase{"LowerCaseTerm", ReportId::MortgageQualifier, "lblterm1", "lblTerm1"},
                      LookupCase{"DownPaymentSpelling", ReportId::MortgageQualifier, "lblDownPayment",
                                 "lblDownpayment"},
                      LookupCase{"PmiSpelling", ReportId::EstimatedClosingCosts, "lblPmi", "lblpmi"},
                      LookupCase{"UpperCase", ReportId::AmortMonthly, "LBLREPORTTITLE", "lblReportTitle"},
                      LookupCase{"Unknown", ReportId::AmortMonthly, "lblNoSuchObject", nullptr},
                      LookupCase{"EmptyNameFindsNoFixedText", ReportId::RentVsBuy, "", nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReportTemplate, UnknownObjectIsAnError) {
    ReportTemplate report = makeTemplate(ReportId::RentVsBuy);
    EXPECT_THROW(report.setText("lblNoSuchObject", "x"), std::out_of_range);
}

class MapRows : public RowSource {
public:
    void first() override {}
    void next() override {}
    bool atEnd() const override { return true; }
    std::optional<std::string> value(std::string_view name) const override {
        if (name == "Cell1")
            return "1";
        if (name == "Cell2")
            return "[Cell1]";
        return std::nullopt;
    }
};

TEST(Placeholders, ReplacedByTheRowValues) {
    const MapRows rows;
    EXPECT_EQ(substitutePlaceholders("[Cell1]", rows), "1");
    EXPECT_EQ(substitutePlaceholders("a [Cell1] b [Cell1]", rows), "a 1 b 1");
    EXPECT_EQ(substitutePlaceholders("[Unknown]", rows), "");
    // A value is printed as it is, not read again for placeholders.
    EXPECT_EQ(substitutePlaceholders("[Cell2]", rows), "[Cell1]");
    EXPECT_EQ(substitutePlaceholders("no brackets", rows), "no brackets");
    EXPECT_EQ(substitutePlaceholders("open [ only", rows), "open [ only");
}

struct WrapCase {
    const char* name;
    const char* text;
    int widthInChars; // of an 8 point font under the fixed-width measurer
    std::vector<std::string> lines;
};

class Wrapping : public ::testing::TestWithParam<WrapCase> {};

TEST_P(Wrapping, Lines) {
    const Font font{"Arial", 8, FontStyle::Plain};
    const double width =
        measurer.width(std::string(static_cast<std::size_t>(GetParam().widthInChars), 'x'), font);
    EXPECT_EQ(wrapText(GetParam().text, width, font, measurer), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, Wrapping,
    ::testing::Values(
        WrapCase{"FitsOnOneLine", "Origination Fee  1%", 30, {"Origination Fee  1%"}},
        WrapCase{"BreaksAtBlanks", "one two three four", 9, {"one two", "three", "four"}},
        WrapCase{"DoubleBlanksInsideALineStay", "NOTE:  Though effort", 14, {"NOTE:  Though", "effort"}},
        WrapCase{"LongWordKeepsItsLine", "Booklet extraordinarily", 5, {"Booklet", "extraordinarily"}},
        WrapCase{"LineBreaksKept", "Monthly\nAuto\n\nPayment(s)", 30, {"Monthly", "Auto", "", "Payment(s)"}},
        WrapCase{"LeadingBlanksKept", " Loan / Rate", 30, {" Loan / Rate"}}, WrapCase{"Empty", "", 30, {""}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- The band loop ---------------------------------------------------------------------------

// A grid of `rows` rows: the title row and numbered rows.
void fillGrid(workspace::TextGrid& grid, int rows, int cols) {
    grid.resize(rows, cols);
    for (int c = 0; c < cols; ++c)
        grid.cell(c, 0) = "Title" + std::to_string(c + 1);
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.cell(c, r) = c == 0 ? std::to_string(r) : "v" + std::to_string(r);
}

struct BandLoopCase {
    const char* name;
    ReportId report;
    int rows;
    int pages;
    int rowsOnFirstPage;
    // A text of the page header (or of the title band's loan line) and whether it repeats.
    const char* headerText;
    bool headerRepeats;
};

class BandLoop : public ::testing::TestWithParam<BandLoopCase> {};

TEST_P(BandLoop, RowsPagesHeadersAndFooters) {
    const BandLoopCase& c = GetParam();
    workspace::Workspace ws;
    const char* gridName = c.report == ReportId::AmortMonthly  ? "grdAmortization"
                           : c.report == ReportId::AmortAnnual ? "grdAnnualAmortization"
                                                               : "grdLS";
    workspace::TextGrid& grid = ws.grid(gridName);
    const int cols = c.report == ReportId::AmortAnnual ? 5 : 8;
    fillGrid(grid, c.rows, cols);
    ReportTemplate report = makeTemplate(c.report);
    report.setText("lblReportTitle", "The Title");
    const LaidOutDocument doc = buildReport(c.report, report, ws, measurer);

    ASSERT_EQ(static_cast<int>(doc.pages.size()), c.pages);
    EXPECT_EQ(doc.title, "The Title");
    const Band& footer = *report.band(BandKind::PageFooter);
    int bodyRows = 0;
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const LaidOutPage& page = doc.pages[p];
        SCOPED_TRACE("page " + std::to_string(p + 1));
        EXPECT_EQ(runsWithText(page, "The Title"), p == 0 ? 1 : 0);
        EXPECT_EQ(runsWithText(page, "lblApplicationTitle"), 1);
        EXPECT_EQ(runsWithText(page, c.headerText), p == 0 || c.headerRepeats ? 1 : 0);
        // Every cell is framed: frames count the body rows.
        const int rowsHere = static_cast<int>(page.frames.size()) / cols;
        if (p == 0) {
            EXPECT_EQ(rowsHere, c.rowsOnFirstPage);
        }
        bodyRows += rowsHere;
        for (const PlacedFrame& f : page.frames)
            EXPECT_LE(f.top + f.height, footer.top);
    }
    EXPECT_EQ(bodyRows, c.rows);
    // The grid's title row prints first, right below the template's own heading.
    EXPECT_EQ(runsWithText(doc.pages[0], "Title1"), 1);
    const auto firstCell = std::find_if(doc.pages[0].texts.begin(), doc.pages[0].texts.end(),
                                        [](auto& t) { return t.text == "Title1"; });
    EXPECT_GE(firstCell->y, report.band(BandKind::MasterData)->top);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, BandLoop,
    ::testing::Values(
        // 35 rows fit below the header on page 1, 40 on later pages: 35 + 8 * 40 + 6.
        BandLoopCase{"MonthlySchedule360Payments", ReportId::AmortMonthly, 361, 10, 35,
                     "Number of Payments:", true},
        BandLoopCase{"AnnualSchedule30Years", ReportId::AmortAnnual, 31, 1, 31,
                     "Principal Paid During Period", false},
        BandLoopCase{"AnnualLoanLineOnFirstPageOnly", ReportId::AmortAnnual, 61, 2, 37,
                     "Number of Payments:", false},
        BandLoopCase{"LoanSpreadChart", ReportId::LoanSpreadChart, 12, 1, 12, "Total Interest Paid:", false},
        BandLoopCase{"EmptyScheduleMarker", ReportId::AmortMonthly, 2, 1, 2, "PMT", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(BandLoop, LaterPagesStartAtTheTopMargin) {
    workspace::Workspace ws;
    fillGrid(ws.grid("grdAmortization"), 361, 8);
    const ReportTemplate report = makeTemplate(ReportId::AmortMonthly);
    const LaidOutDocument doc = buildReport(ReportId::AmortMonthly, report, ws, measurer);
    ASSERT_GT(doc.pages.size(), 1u);
    // The page header moves up to where the title stands on page 1; rows follow it.
    const auto& page2 = doc.pages[1];
    const auto pmt =
        std::find_if(page2.texts.begin(), page2.texts.end(), [](auto& t) { return t.text == "PMT"; });
    ASSERT_NE(pmt, page2.texts.end());
    EXPECT_LT(pmt->y, 156 + 210 - 156);
    EXPECT_GE(pmt->y, 56 + 210 - 156);
    const double firstRowTop =
        std::min_element(page2.frames.begin(), page2.frames.end(), [](auto& a, auto& b) {
            return a.top < b.top;
        })->top;
    EXPECT_DOUBLE_EQ(firstRowTop, 56 + 78 + 14);
}

TEST(BandLoop, LoanSpreadCellsAreSilverFrames) {
    workspace::Workspace ws;
    fillGrid(ws.grid("grdLS"), 12, 8);
    const LaidOutDocument doc =
        buildReport(ReportId::LoanSpreadChart, makeTemplate(ReportId::LoanSpreadChart), ws, measurer);
    ASSERT_EQ(doc.pages.front().frames.size(), 96u);
    for (const PlacedFrame& f : doc.pages.front().frames)
        EXPECT_EQ(f.colour, kSilver);
}

TEST(SinglePage, TitleBandAndFooterOnOnePage) {
    ReportTemplate report = makeTemplate(ReportId::MortgageQualifier);
    report.setText("lblReportTitle", "Mortgage Qualification");
    const LaidOutDocument doc = buildSinglePageReport(report, measurer);
    ASSERT_EQ(doc.pages.size(), 1u);
    const LaidOutPage& page = doc.pages.front();
    EXPECT_EQ(runsWithText(page, "Mortgage Qualification"), 1);
    EXPECT_EQ(runsWithText(page, "Your"), 0); // "Your Personal Financial Variables" prints whole
    EXPECT_EQ(runsWithText(page, "Your Personal Financial Variables"), 1);
    EXPECT_EQ(runsWithText(page, "lblApplicationTitle"), 1);
    // Objects stand where the template puts them.
    const auto title = std::find_if(page.texts.begin(), page.texts.end(),
                                    [](auto& t) { return t.text == "Mortgage Qualification"; });
    EXPECT_DOUBLE_EQ(title->clipTop, 60);
    EXPECT_DOUBLE_EQ(title->clipLeft, 40);
    for (const PlacedText& t : page.texts)
        EXPECT_LE(t.y, 946);
}

TEST(SinglePage, JustifiedLinesSpanTheBox) {
    ReportTemplate report("frTest", {{BandKind::ReportTitle, 0, 100}});
    TextObject t;
    t.left = 10;
    t.top = 0;
    t.width = 200;
    t.height = 100;
    t.hAlign = HAlign::Justify;
    t.text = "aaa bbb ccc ddd eee fff ggg hhh iii jjj kkk lll\nlast line";
    report.add(t);
    const LaidOutPage page = buildSinglePageReport(report, measurer).pages.front();
    // The first wrapped line is spread word by word: its last word ends at the right padding.
    const PlacedText* aaa = nullptr;
    const PlacedText* lastOfLine = nullptr;
    for (const PlacedText& run : page.texts) {
        if (run.text == "aaa")
            aaa = &run;
        if (aaa && run.y == aaa->y)
            lastOfLine = &run;
    }
    ASSERT_TRUE(aaa && lastOfLine && aaa != lastOfLine);
    EXPECT_DOUBLE_EQ(aaa->x, 12);
    EXPECT_NEAR(lastOfLine->x + measurer.width(lastOfLine->text, t.font), 208, 1e-9);
    // The last line of a paragraph stays left-aligned as one run.
    EXPECT_EQ(runsWithText(page, "last line"), 1);
}

} // namespace
} // namespace kelvarin::reports
