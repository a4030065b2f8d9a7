// The print preview window: caption, buttons and hints, zoom choices, printing to a PDF printer.

#include "reports/qt/ReportPreview.h"

#include "reports/Templates.h"
#include "reports/qt/ReportRendering.h"

#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace kelvarin::reports;

class ReportPreviewTest : public QObject {
    Q_OBJECT

    LaidOutDocument document() {
        ReportTemplate report = makeTemplate(ReportId::RentVsBuy);
        report.setText("lblReportTitle", "Rent Vs. Buy");
        return buildSinglePageReport(report, m_measurer);
    }

private slots:
    void captionButtonsAndHints() {
        QPrinter printer(QPrinter::HighResolution);
        ReportPreview preview(document(), printer);
        QCOMPARE(preview.windowTitle(), QStringLiteral("Print preview"));
        QCOMPARE(preview.zoomButton()->toolTip(), QStringLiteral("Zoom View of Page"));
        QCOMPARE(preview.printButton()->toolTip(), QStringLiteral("Print This Report ..."));
        QCOMPARE(preview.closeButton()->toolTip(), QStringLiteral("Exit Preview ..."));
        QCOMPARE(preview.closeButton()->text(), QStringLiteral("Close"));
        QCOMPARE(preview.zoomButton()->text(), QStringLiteral("100%"));
        QStringList offered;
        for (QAction* action : preview.zoomButton()->menu()->actions())
            offered << action->text();
        QCOMPARE(offered, ReportPreview::zoomChoices());
        QCOMPARE(offered.size(), 10);
    }

    void zoomChoicesShowOnTheButton_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("viewMode");
        for (const QString& choice : ReportPreview::zoomChoices())
            QTest::newRow(qPrintable(choice))
                << choice
                << int(choice == "Two pages" ? QPrintPreviewWidget::FacingPagesView
                                             : QPrintPreviewWidget::SinglePageView);
    }

    void zoomChoicesShowOnTheButton() {
        QFETCH(QString, choice);
        QFETCH(int, viewMode);
        QPrinter printer(QPrinter::HighResolution);
        ReportPreview preview(document(), printer);
        preview.show();
        for (QAction* action : preview.zoomButton()->menu()->actions())
            if (action->text() == choice)
                action->trigger();
        QCOMPARE(preview.zoom(), choice);
        QCOMPARE(int(preview.view()->viewMode()), viewMode);
        if (choice.endsWith('%')) {
            QCOMPARE(preview.view()->zoomMode(), QPrintPreviewWidget::CustomZoom);
            QCOMPARE(preview.view()->zoomFactor(), choice.chopped(1).toDouble() / 100);
        }
    }

    void closeEndsThePreview() {
        QPrinter printer(QPrinter::HighResolution);
        ReportPreview preview(document(), printer);
        preview.show();
        preview.closeButton()->click();
        QVERIFY(!preview.isVisible());
        QCOMPARE(preview.result(), int(QDialog::Accepted));
    }

    void printsToTheChosenPrinter() {
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("printed.pdf"));
        ReportPreview preview(document(), printer);
        preview.printButton()->click();
        QVERIFY(QFileInfo(folder.filePath("printed.pdf")).size() > 0);
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            return;
        QProcess process;
        process.start(pdftotext, {folder.filePath("printed.pdf"), "-"});
        process.waitForFinished();
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(text.contains("Rent Vs. Buy") && text.contains("Current Monthly Rent:"), qPrintable(text));
    }

    void exportWritesThePdf() {
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        ReportPreview preview(document(), printer);
        QVERIFY(preview.exportPdf(folder.filePath("export.pdf")));
        QVERIFY(QFileInfo(folder.filePath("export.pdf")).size() > 0);
    }

private:
    QtTextMeasurer m_measurer;
};

QTEST_MAIN(ReportPreviewTest)
#include "ReportPreviewTest.moc"
