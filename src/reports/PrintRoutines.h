#pragma once

#include "Layout.h"
#include "Templates.h"
#include "workspace/TextGrid.h"
#include "workspace/Workspace.h"

#include <optional>
#include <string>

namespace kelvarin::reports {

// Which prepayment the page applies; none when no mode is selected.
enum class PrepaymentMode { OnePayment, RangeOfPayments, AllPayments };

// Texts the page modules keep outside the workspace's fields.
struct PageTexts {
    // The loan spread calculator's step captions ("$1000", "1/2%", "$75").
    std::string loanIncrementText;
    std::string rateIncrementText;
    std::string paymentIncrementText;
    std::optional<PrepaymentMode> prepaymentMode = PrepaymentMode::AllPayments;
};

// The report of the page on screen: the nine pages with a report; for the amortization page the
// monthly report while grdAmortization is visible, else the annual one while grdAnnualAmortization
// is, else none. nullopt on the main menu and the quick calculators page.
std::optional<ReportId> reportForShownPage(const workspace::Workspace& ws);

// The rows of a grid for the master-data band: "Cell1".."CellN" are the columns of the current row
// (names without regard to letter case); row 0, the grid's title row, comes first.
class GridRows : public RowSource {
public:
    explicit GridRows(const workspace::TextGrid& grid) : m_grid(grid) {}
    void first() override { m_row = 0; }
    void next() override { ++m_row; }
    bool atEnd() const override { return m_row >= m_grid.rowCount(); }
    std::optional<std::string> value(std::string_view name) const override;

private:
    const workspace::TextGrid& m_grid;
    int m_row = 0;
};

// Writes the page's values into the report's objects. The two schedules fill their header only
// when grdAmortization holds a computed schedule (its row 1 starts with "1"); otherwise the objects
// keep the texts of their last print.
void fillReport(ReportId id, ReportTemplate& report, const workspace::Workspace& ws, const PageTexts& texts);

// Builds a filled report: the band loop over the report's grid, or the one-page build.
LaidOutDocument buildReport(ReportId id, const ReportTemplate& report, const workspace::Workspace& ws,
                            const TextMeasurer& measurer);

// The print command's core: picks the report of the page on screen, fills it in `reports` and
// builds it. nullopt when the page on screen has no report.
std::optional<LaidOutDocument> printShownPage(ReportSet& reports, const workspace::Workspace& ws,
                                              const PageTexts& texts, const TextMeasurer& measurer);

} // namespace kelvarin::reports
