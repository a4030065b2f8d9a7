#include "calculators/LoanSpreadCalculator.h"
#include "workspace/HeldValues.h"
#include "SilentUi.h"
#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvarin;


// A full rebuild of the loan spread grid (18 axis labels, 77 cells, the result fields) for the
// sample loan in the mode given: 0 payment, 1 loan amount, 2 rate (77 rate solves), 3 term.
void LoanSpreadFill(benchmark::State& state) {
    workspace::Workspace ws;
    bench::SilentUi ui;
    workspace::HeldValues held;
    calculators::LoanSpreadCalculator page({ws, ui, held});
    ws.field("edtLoan").writeFloat(100000);
    ws.field("edtInterest").writeFloat(8.75);
    ws.field("edtTerm").writeWhole(360);
    ws.field("edtPayment").writeFloat(786.7);
    page.selectCalculate(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        page.ChooseLoanSpreadCalculator();
        benchmark::DoNotOptimize(ws.grid("grdLS").cells.data());
        // The rate mode overwrites its rate input: put the entered rate back for the next run.
        ws.field("edtInterest").writeFloat(8.75);
    }
}
BENCHMARK(LoanSpreadFill)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A step change: mode setup, CleanGrid and the rebuild, as a click on a step group runs them.
void LoanSpreadStepChange(benchmark::State& state) {
    workspace::Workspace ws;
    bench::SilentUi ui;
    workspace::HeldValues held;
    calculators::LoanSpreadCalculator page({ws, ui, held});
    ws.field("edtLoan").writeFloat(100000);
    ws.field("edtTerm").writeWhole(360);
    ws.field("edtPayment").writeFloat(786.7);
    ws.choice("rgCalculate").index = 2;
    int item = 0;
    for (auto _ : state) {
        ws.choice("rgLoan").index = item;
        item = (item + 1) % 9;
        page.rgCalculateClick();
        benchmark::DoNotOptimize(ws.grid("grdLS").cells.data());
    }
}
BENCHMARK(LoanSpreadStepChange)->Unit(benchmark::kMicrosecond);

} // namespace
