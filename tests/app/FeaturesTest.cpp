#include "app/Features.h"

#include "RecordingUi.h"
#include "app/MainWindow.h"
#include "workspace/Workspace.h"

#include <QTest>
#include <memory>

using namespace kelvarin;

namespace {

struct Fixture {
    app::test::RecordingUi ui;
    std::unique_ptr<app::MainWindow> window =
        std::make_unique<app::MainWindow>(workspace::RegionalSettings::unitedStates());
    workspace::Workspace& ws = window->workspace();

    Fixture() {
        window->uiPort().setMessageFunction(app::test::recordInto(ui));
        app::installFeatures(*window);
    }
};

} // namespace

class FeaturesTest : public QObject {
    Q_OBJECT

private slots:
    void resetCommandsWriteTheShownPagesSet_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("loanAmount");
        QTest::newRow("this calculator to samples") << "thisSamples"
                                                    << "$100,000.00";
        QTest::newRow("this calculator to zero") << "thisZero"
                                                 << "$0.00";
        QTest::newRow("all calculators to zero") << "allZero"
                                                 << "$0.00";
    }
    void resetCommandsWriteTheShownPagesSet() {
        QFETCH(QString, command);
        QFETCH(QString, loanAmount);
        Fixture f;
        f.ws.field("edtLA").writeFloat(5);
        f.ws.showPage("pgQuickCalculators");
        auto& reset = f.window->hooks().reset;
        (command == "thisSamples" ? reset.thisSamplesClick
         : command == "thisZero"  ? reset.thisZeroClick
                                  : reset.allZeroClick)();
        QCOMPARE(QString::fromStdString(f.ws.field("edtLA").textUtf8()).trimmed(), loanAmount);
        QCOMPARE(f.ws.state().ValueSet, command == "thisSamples" ? 1 : 0);
    }
};

QTEST_MAIN(FeaturesTest)
#include "FeaturesTest.moc"
