// Report layout and PDF rendering of the 360-payment monthly schedule.
#include "reports/PrintRoutines.h"
#include "reports/qt/ReportRendering.h"
#include "workspace/Workspace.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kelvarin;

namespace {

struct Schedule {
    Schedule() {
        workspace::TextGrid& grid = ws.grid("grdAmortization");
        grid.resize(361, 8);
        for (int r = 1; r < 361; ++r)
            for (int c = 0; c < 8; ++c)
                grid.cell(c, r) = c == 0 ? std::to_string(r) : c == 1 ? "Jan 2027" : "$123,456.78";
        ws.field("edtMortAmt").writeFloat(100000);
        ws.field("edtIRate").writeFloat(8.75);
        ws.field("edtNumPmts").writeWhole(360);
        ws.field("edtAmortPayment").writeFloat(786.7);
        reports::fillReport(reports::ReportId::AmortMonthly, set[reports::ReportId::AmortMonthly], ws, {});
    }
    workspace::Workspace ws;
    reports::ReportSet set;
};

void BM_LayoutMonthlyFixedWidth(benchmark::State& state) {
    Schedule s;
    const reports::FixedWidthMeasurer measurer;
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::buildReport(
            reports::ReportId::AmortMonthly, s.set[reports::ReportId::AmortMonthly], s.ws, measurer));
}
BENCHMARK(BM_LayoutMonthlyFixedWidth)->Unit(benchmark::kMillisecond);

void BM_LayoutMonthlyQtFonts(benchmark::State& state) {
    Schedule s;
    const reports::QtTextMeasurer measurer;
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::buildReport(
            reports::ReportId::AmortMonthly, s.set[reports::ReportId::AmortMonthly], s.ws, measurer));
}
BENCHMARK(BM_LayoutMonthlyQtFonts)->Unit(benchmark::kMillisecond);

void BM_LayoutAndPdfMonthly(benchmark::State& state) {
    Schedule s;
    QTemporaryDir folder;
    const QString path = folder.filePath("monthly.pdf");
    for (auto _ : state) {
        const reports::QtTextMeasurer measurer;
        const auto doc = reports::buildReport(reports::ReportId::AmortMonthly,
                                              s.set[reports::ReportId::AmortMonthly], s.ws, measurer);
        if (!reports::writePdf(doc, path))
            state.SkipWithError("cannot write the PDF");
    }
}
BENCHMARK(BM_LayoutAndPdfMonthly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
