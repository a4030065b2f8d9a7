// Reports written as PDF files with the real fonts, read back with pdftotext and pdfinfo.
// With KELVARIN_REPORT_PDF_DIR set, the PDFs are kept there for looking at.

#include "reports/PrintRoutines.h"
#include "reports/qt/ReportRendering.h"
#include "workspace/ValueSets.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvarin;
using reports::ReportId;

namespace {

void put(workspace::Workspace& ws, std::string_view name, double value) {
    workspace::ValueField& field = ws.field(name);
    if (field.mask().dataType == workspace::DataType::Whole)
        field.writeWhole(static_cast<std::int32_t>(value));
    else
        field.writeFloat(value);
}

// A schedule-like grid: the title row, then rows of amounts as wide as real ones.
void fillGrid(workspace::TextGrid& grid, int rows) {
    const int cols = grid.colCount();
    grid.resize(rows, cols);
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.cell(c, r) = c == 0 ? std::to_string(r) : c == 1 && cols == 8 ? "Jan 2027" : "$123,456.78";
}

// The pages' sample values where the workspace has them, and figures of the same width elsewhere.
void fillWorkspace(workspace::Workspace& ws) {
    for (const char* page : {"pgMortgageQualifier", "pgRentVsBuyCalculator", "pgRefinancingCalculator",
                             "pgBiweeklyPaymentCalculator", "pgPrepaymentCalculator",
                             "pgHomesellersProceedsCalculator", "pgEstimatedClosingCosts"})
        workspace::writeValueSet(ws, page, 1);
    put(ws, "edtECCIncome", 4000);
    put(ws, "edtEccCPurchasePrice", 170000);
    put(ws, "edtEccCLoanAmount", 136000);
    put(ws, "edtEccDownPaymentPercent", 20);
    put(ws, "edtEccCDownPayment", 34000);
    put(ws, "edtEccInterest", 7);
    put(ws, "edtEccOriginationPoints", 1);
    put(ws, "edtSellerPaid", 40000);
    // Figures of the pages whose sample sets are not in every build.
    put(ws, "edtRVBValueOfRenting", -59873.13);
    put(ws, "edtTimeSavedMonths", 94.19);
    put(ws, "edtTimeSavedYears", 7.85);
    put(ws, "edtHSPNetGain", 91911.67);
    put(ws, "edtPPCExtraAmount", 100);
    put(ws, "edtPPCInterest", 8.75);
    put(ws, "edtLoan", 100000);
    put(ws, "edtInterest", 8.75);
    put(ws, "edtTerm", 360);
    put(ws, "edtMortAmt", 100000);
    put(ws, "edtIRate", 8.75);
    put(ws, "edtNumPmts", 360);
    put(ws, "edtAmortPayment", 786.7);
    ws.addControl({"lblSell", "If you sell in 240 months,"});
    fillGrid(ws.grid("grdAmortization"), 361);
    fillGrid(ws.grid("grdAnnualAmortization"), 31);
    fillGrid(ws.grid("grdLS"), 12);
    ws.grid("grdLS").cell(0, 0) = " Loan / Rate";
}

QString tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class ReportPdfTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (tool("pdftotext").isEmpty() || tool("pdfinfo").isEmpty())
            QSKIP("poppler-utils is not installed");
        QVERIFY(m_folder.isValid());
        const QByteArray keep = qgetenv("KELVARIN_REPORT_PDF_DIR");
        m_output = keep.isEmpty() ? m_folder.path() : QString::fromLocal8Bit(keep);
        QDir().mkpath(m_output);
        fillWorkspace(m_ws);
    }

    void everyReport_data() {
        QTest::addColumn<int>("report");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("texts");
        auto row = [](ReportId id, int pages, QStringList texts) {
            QTest::newRow(reports::templateName(id).data()) << static_cast<int>(id) << pages << texts;
        };
        row(ReportId::AmortMonthly, 10,
            {"Loan Amortization Schedule - Monthly", "$100,000.00", "8.750%", "Payment Amount:", "BALANCE"});
        row(ReportId::AmortAnnual, 1,
            {"Loan Amortization Schedule - Annual", "Principal Paid During Period"});
        row(ReportId::LoanSpreadChart, 1, {"Chart of Monthly Payments", "Loan / Rate", "360 months"});
        row(ReportId::MortgageQualifier, 1,
            {"Mortgage Qualification", "$135,866.75", "7.25%", "Co-Borrower"});
        row(ReportId::RefinancingCalc, 1,
            {"Refinancing Calculation",
             "If you sell in 240 months, this refinancing scenario may save you money"});
        row(ReportId::HomeSellersProceeds, 1, {"Home Seller's Proceeds", "$91,911.67", "NET GAIN"});
        row(ReportId::PrepaymentCalculator, 1,
            {"Mortgage Prepayment Calculation", "$100.00, applied to all payments,", "8.750%"});
        row(ReportId::EstimatedClosingCosts, 1,
            {"Estimated Closing Costs", "Origination Fee", "TOTAL BUYER PAID FUNDS TO CLOSE", "HUD Special"});
        row(ReportId::BiweeklyPayments, 1, {"Comparison of Monthly and Biweekly Payments", "94.19", "7.85"});
        row(ReportId::RentVsBuy, 1, {"Rent Vs. Buy", "-$59,873.13", "Effective Gain Of Owning Vs. Renting:"});
    }

    void everyReport() {
        QFETCH(int, report);
        QFETCH(int, pages);
        QFETCH(QStringList, texts);
        const auto id = static_cast<ReportId>(report);
        reports::fillReport(id, m_reports[id], m_ws, reports::PageTexts{"$500", "1/2%", "$75"});
        const reports::LaidOutDocument doc = reports::buildReport(id, m_reports[id], m_ws, m_measurer);
        const QString path = m_output + "/" + QString::fromLatin1(reports::templateName(id).data()) + ".pdf";
        QString error;
        QVERIFY2(reports::writePdf(doc, path, &error), qPrintable(error));

        const QString info = run(tool("pdfinfo"), {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))),
                 qPrintable(info));
        QVERIFY2(info.contains("Title:") && info.contains(QString::fromStdString(doc.title)),
                 qPrintable(info));
        QVERIFY2(info.contains("612 x 792 pts"), qPrintable(info)); // US Letter

        const QString text = run(tool("pdftotext"), {"-layout", path, "-"});
        for (const QString& expected : texts)
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in\n" + text.left(3000)));
        // The footer prints on every page.
        QCOMPARE(text.count("Kelvarin, 2.1.00"), pages);
        QCOMPARE(text.count(QString::fromLatin1(reports::kMakerAddress.data())), pages);
    }

    void unwritableFileIsReported() {
        const reports::LaidOutDocument doc =
            reports::buildSinglePageReport(reports::makeTemplate(ReportId::RentVsBuy), m_measurer);
        QString error;
        QVERIFY(!reports::writePdf(doc, m_folder.path() + "/no/such/folder/report.pdf", &error));
        QVERIFY(!error.isEmpty());
    }

private:
    QTemporaryDir m_folder;
    QString m_output;
    workspace::Workspace m_ws;
    reports::ReportSet m_reports;
    reports::QtTextMeasurer m_measurer;
};

QTEST_MAIN(ReportPdfTest)
#include "ReportPdfTest.moc"
