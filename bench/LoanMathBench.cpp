#include "loanmath/LoanFormulas.h"
#include "loanmath/Mortgage.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvarin::loanmath;

// 12 payments of 873.36 on 10 000: the fixed point runs all 99 iterations, then the exact rate is solved.
void LoanRateWorstCase(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LoanRate(12, 873.36, 0, 10000));
}
BENCHMARK(LoanRateWorstCase);

void LoanRateFixedPoint99Iterations(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LoanRateFixedPoint(12, 873.36, 0, 10000));
}
BENCHMARK(LoanRateFixedPoint99Iterations);

void LoanRateTypical(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LoanRate(360, 786.70, 0, 100000));
}
BENCHMARK(LoanRateTypical);

void BuildSchedule360(benchmark::State& state) {
    TMortgage mortgage(360, 100000, 0.0875, 12, 1, 2000);
    for (auto _ : state) {
        mortgage.BuildSchedule();
        benchmark::DoNotOptimize(mortgage.Rows().data());
    }
}
BENCHMARK(BuildSchedule360);

// The amortization page's recalculation: initialise, then one SetExtraPayment per payment from the
// page's prepayment list. Worst case: every entry changes its row, so each call rebuilds.
void AmortizationPageEveryPaymentChanges(benchmark::State& state) {
    for (auto _ : state) {
        TMortgage mortgage(360, 100000, 0.0875, 12, 1, 2000);
        for (int k = 1; k <= 360; ++k)
            mortgage.SetExtraPayment(k, 25.0);
        benchmark::DoNotOptimize(mortgage.Rows().data());
    }
}
BENCHMARK(AmortizationPageEveryPaymentChanges)->Unit(benchmark::kMicrosecond);

// Usual list: a yearly prepayment, zeros elsewhere.
void AmortizationPageYearlyPrepayment(benchmark::State& state) {
    for (auto _ : state) {
        TMortgage mortgage(360, 100000, 0.0875, 12, 1, 2000);
        for (int k = 1; k <= 360; ++k)
            mortgage.SetExtraPayment(k, k % 12 == 0 ? 1000.0 : 0.0);
        benchmark::DoNotOptimize(mortgage.Rows().data());
    }
}
BENCHMARK(AmortizationPageYearlyPrepayment)->Unit(benchmark::kMicrosecond);

} // namespace
