#include "SilentUi.h"
#include "calculators/AmortizationSchedules.h"
#include "calculators/HandlerTable.h"
#include "loanmath/Mortgage.h"
#include "workspace/FieldEntry.h"
#include "workspace/HeldValues.h"
#include "workspace/NumberText.h"
#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvarin;

// The amortization page's pattern on the engine: initialise 360 payments, one SetExtraPayment per
// payment from the page's prepayment list, then read the rows. Worst case: every entry changes its row.
void PagePatternEveryPaymentChanges(benchmark::State& state) {
    for (auto _ : state) {
        loanmath::TMortgage mortgage(360, 100000, 0.0875, 12, 1, 2000);
        for (int k = 1; k <= 360; ++k)
            mortgage.SetExtraPayment(k, 1.0 + k % 7);
        benchmark::DoNotOptimize(mortgage.Rows().back().Balance);
    }
}
BENCHMARK(PagePatternEveryPaymentChanges)->Unit(benchmark::kMicrosecond);


void type(workspace::Workspace& ws, std::string_view field, std::string_view text) {
    workspace::ValueField& f = ws.field(field);
    f.setTypedText(workspace::fromUtf8(text));
    workspace::leaveField(f);
}

// "Create or Refresh Schedule" on a schedule whose every payment carries a prepayment: the prepayment
// list read back from the grid, the schedule rebuilt, both grids filled. Argument: the number of payments.
void CalcAmortizationWithPrepaymentOnEveryRow(benchmark::State& state) {
    workspace::Workspace ws;
    bench::SilentUi ui;
    workspace::HeldValues held;
    calculators::HandlerTable handlers;
    calculators::AmortizationSchedules page({ws, ui, held});
    page.registerHandlers(handlers);
    const auto payments = std::to_string(state.range(0));
    type(ws, "edtMortAmt", "100000");
    type(ws, "edtIRate", "8.75");
    type(ws, "edtNumPmts", payments);
    type(ws, "edtYear", "2000");
    handlers.click("btnCalculate");
    handlers.click("btnAddExtra");
    ws.choice("rgAddTo").index = 2;
    handlers.choose("rgAddTo", 2);
    // A small negative prepayment keeps every payment in the schedule (nothing pays off early).
    type(ws, "edtExtraAmount", "-0.25");
    handlers.click("btnRecalcExtra");
    handlers.click("btnCancel");
    if (ws.grid("grdAmortization").rowCount() != state.range(0) + 1)
        state.SkipWithError("the schedule does not run to the last payment");
    for (auto _ : state) {
        page.CalcAmortization();
        benchmark::DoNotOptimize(ws.grid("grdAnnualAmortization").cells.data());
    }
}
BENCHMARK(CalcAmortizationWithPrepaymentOnEveryRow)->Arg(360)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
