// Start-up of the main window against a bare Qt window with the same frame, both on Qt's
// offscreen platform: the window built, initialised, shown and painted once.

#include "app/Features.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <benchmark/benchmark.h>

using namespace kelvarin;

namespace {

void BM_BareWindow(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        auto* client = new QWidget(&window);
        client->setFixedSize(app::MainWindow::kClientWidth, app::MainWindow::kClientHeight);
        window.setCentralWidget(client);
        for (const char* title : {"&File", "&Calculators", "&Internet", "&Help"})
            window.menuBar()->addMenu(QString::fromLatin1(title));
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);

void BM_MainWindow(benchmark::State& state) {
    for (auto _ : state) {
        app::MainWindow window(workspace::RegionalSettings::unitedStates());
        app::installFeatures(window);
        window.FormCreate();
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
