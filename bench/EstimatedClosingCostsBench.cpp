#include "calculators/EstimatedClosingCosts.h"
#include "workspace/HeldValues.h"
#include "SilentUi.h"
#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvarin;


// Leaving a field of the closing costs page: one CalcECC over the sample values, qualifying
// from income (the mode with two loan solutions). Budget: 20 microseconds.
void CalcECCQualifyingFromIncome(benchmark::State& state) {
    workspace::Workspace ws;
    bench::SilentUi ui;
    workspace::HeldValues held;
    calculators::EstimatedClosingCosts page({ws, ui, held});
    ws.state().ValueSet = 1;
    page.ResetEstimatedClosingCosts();
    for (auto _ : state) {
        page.CalcECC();
        benchmark::DoNotOptimize(ws.field("edtEccCCashRequiredToClose").text().data());
    }
}
BENCHMARK(CalcECCQualifyingFromIncome)->Unit(benchmark::kMicrosecond);

// A typed loan amount with PMI: one loan payment, the premium looked up twice.
void CalcECCTypedLoan(benchmark::State& state) {
    workspace::Workspace ws;
    bench::SilentUi ui;
    workspace::HeldValues held;
    calculators::EstimatedClosingCosts page({ws, ui, held});
    ws.state().ValueSet = 1;
    page.ResetEstimatedClosingCosts();
    page.btnUnlockDownPaymentClick();
    page.btnUnlockLoanAmountClick();
    ws.field("edtEccCLoanAmount").writeFloat(190000);
    ws.field("edtEccCDownPayment").writeFloat(10000);
    for (auto _ : state) {
        page.CalcECC();
        benchmark::DoNotOptimize(ws.field("edtEccCCashRequiredToClose").text().data());
    }
}
BENCHMARK(CalcECCTypedLoan)->Unit(benchmark::kMicrosecond);

}  // namespace
