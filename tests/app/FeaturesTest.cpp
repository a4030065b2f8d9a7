#include "RecordingUi.h"

#include "app/Features.h"
#include "app/MainWindow.h"

#include "workspace/Workspace.h"

#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

using namespace kelvarin;

namespace {

struct Fixture {
    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    app::test::RecordingUi ui;
    std::unique_ptr<app::MainWindow> window = std::make_unique<app::MainWindow>(ws);

    Fixture() {
        window->uiPort().setMessageFunction(ui.asMessageFunction());
        app::installFeatures(*window);
    }
};

}  // namespace

class FeaturesTest : public QObject {
    Q_OBJECT

private slots:
    void startUpLoadsTheProgramFoldersDefaults() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        std::ofstream(folder.filePath("Zelk.ini").toStdString(), std::ios::binary)
            << "[Ratios]\r\nHRatio=33.5\r\n[Escrows]\r\nInterimInterestDays=0x1E\r\n";
        Fixture f;
        f.ws.state().ProgramFolder = folder.path().toStdString() + "/";
        f.window->hooks().startup.loadDefaults();
        QCOMPARE(f.window->held().HRatio, 33.5);
        QCOMPARE(f.window->held().DRatio, 36.0);
        QCOMPARE(f.window->held().InterimInterestDays, 30);
        QVERIFY(f.window->defaultsFile().has_value());
        QCOMPARE(QString::fromStdString(f.window->defaultsFile()->path().filename().string()), QString("Zelk.ini"));
    }

    void resetCommandsWriteTheShownPagesSet_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("loanAmount");
        QTest::newRow("this calculator to samples") << "thisSamples" << "$100,000.00";
        QTest::newRow("this calculator to zero") << "thisZero" << "$0.00";
        QTest::newRow("all calculators to zero") << "allZero" << "$0.00";
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
