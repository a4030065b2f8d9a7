#include "RecordingUi.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "reports/qt/ReportPreview.h"
#include "workspace/ValueSets.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
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

    // Runs Print; returns the caption and page count of the preview it opened ("" when none).
    std::pair<QString, int> print() {
        QString caption;
        int pages = 0;
        QTimer::singleShot(0, [&] {
            if (auto* preview = qobject_cast<reports::ReportPreview*>(QApplication::activeModalWidget())) {
                caption = preview->windowTitle();
                pages = preview->view()->pageCount();
                preview->closeButton()->click();
            }
        });
        window->hooks().file.print();
        return {caption, pages};
    }
};

} // namespace

class PrintFeatureTest : public QObject {
    Q_OBJECT

private slots:
    void printAndSetupAreInstalled() {
        Fixture f;
        QVERIFY(f.window->hooks().file.print);
        QVERIFY(f.window->hooks().file.printSetup);
    }

    void pageWithAReportOpensThePreview() {
        Fixture f;
        f.window->show();
        workspace::writeValueSet(f.ws, "pgMortgageQualifier", 1);
        f.ws.showPage("pgMortgageQualifier");
        const auto [caption, pages] = f.print();
        QCOMPARE(caption, QStringLiteral("Print preview"));
        QCOMPARE(pages, 1);
    }

    void pagesWithoutAReportPrintNothing_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("main menu") << "pgMenu";
        QTest::newRow("quick calculators") << "pgQuickCalculators";
    }
    void pagesWithoutAReportPrintNothing() {
        QFETCH(QString, page);
        Fixture f;
        f.window->show();
        f.ws.showPage(page.toStdString());
        QCOMPARE(f.print().first, QString());
    }
};

QTEST_MAIN(PrintFeatureTest)
#include "PrintFeatureTest.moc"
