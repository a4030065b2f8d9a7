#include "app/pages/AmortizationSchedulesPage.h"

#include "PageFixture.h"
#include "PageLayoutCheck.h"
#include "app/ScheduleExportFeature.h"
#include "app/widgets/ScheduleGridView.h"
#include "calculators/ScheduleCsv.h"
#include "workspace/AtomicFile.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvarin;

namespace {

// The window on the amortization page, entered from the main menu, every field at zero.
struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgAmortizationSchedules", "btnAmort") {}

    app::AmortizationSchedulesPage* amortization() {
        return static_cast<app::AmortizationSchedulesPage*>(page());
    }
    QAbstractItemModel* monthly() { return amortization()->monthlyGrid()->model(); }
    QAbstractItemModel* annual() { return amortization()->annualGrid()->model(); }
    QString cell(QAbstractItemModel* model, int row, int col) {
        return model->index(row, col).data().toString();
    }
    QComboBox* month() { return window->findChild<QComboBox*>("cbMonth"); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void chooseMonth(const QString& text) {
        month()->lineEdit()->setFocus();
        month()->lineEdit()->selectAll();
        QTest::keyClicks(month()->lineEdit(), text);
        QTest::keyClick(month()->lineEdit(), Qt::Key_Return);
    }
    // 100,000 at 8.75 % over 360 payments from January 2000, then "Create or Refresh Schedule".
    void sampleSchedule() {
        type("edtMortAmt", "100000");
        type("edtIRate", "8.75");
        type("edtNumPmts", "360");
        chooseMonth("Jan");
        type("edtYear", "2000");
        click("btnCalculate");
    }
};

} // namespace

class AmortizationSchedulesPageTest : public QObject {
    Q_OBJECT

private slots:
    void enteringBuildsTheScheduleAndFocusesTheLoanAmount();
    void theButtonFillsTheMonthlyAndAnnualGrids();
    void prepaymentsThroughThePanel();
    void theAnnualButtonSwapsTheGrids();
    void typedMonthBecomesAMonthName();
    void aLongScheduleScrollsToItsLastPayment();
    void exportWritesTheGridOnScreen();
    void everythingFitsThePage();
};

void AmortizationSchedulesPageTest::enteringBuildsTheScheduleAndFocusesTheLoanAmount() {
    Fixture f;
    QCOMPARE(f.focused(), QString("edtMortAmt"));
    QVERIFY(f.printing());
    // Zero values: the empty-schedule marker.
    QCOMPARE(f.monthly()->rowCount(), 1);
    QCOMPARE(f.cell(f.monthly(), 0, 0), QString(" "));
    QCOMPARE(f.monthly()->headerData(7, Qt::Horizontal).toString(), QString("Balance"));
    QVERIFY(f.amortization()->monthlyGrid()->isVisible());
    QVERIFY(!f.amortization()->annualGrid()->isVisible());
    QVERIFY(!f.window->findChild<QGroupBox*>("pnlAddExtra")->isVisible());
}

void AmortizationSchedulesPageTest::theButtonFillsTheMonthlyAndAnnualGrids() {
    Fixture f;
    f.sampleSchedule();
    QCOMPARE(f.shown("edtAmortPayment"), QString("$786.70"));
    QCOMPARE(f.monthly()->rowCount(), 360);
    const QStringList first{"1", "Jan 2000", "$57.53", "$729.17", "$57.53", "$729.17", "$0.00", "$99,942.47"};
    for (int col = 0; col < first.size(); ++col)
        QCOMPARE(f.cell(f.monthly(), 0, col), first[col]);
    QCOMPARE(f.cell(f.monthly(), 359, 7), QString("$0.97"));
    QCOMPARE(f.annual()->rowCount(), 30);
    QCOMPARE(f.cell(f.annual(), 29, 1), QString("Jan - Dec 2029"));
    QVERIFY(f.ui.messages.empty());
}

void AmortizationSchedulesPageTest::prepaymentsThroughThePanel() {
    Fixture f;
    f.sampleSchedule();
    f.click("btnAddExtra");
    auto* panel = f.window->findChild<QGroupBox*>("pnlAddExtra");
    QVERIFY(panel->isVisible());
    QVERIFY(!f.edit("edtMortAmt")->isEnabled());
    QVERIFY(!f.month()->isEnabled());
    QVERIFY(f.window->findChild<QRadioButton*>("rbRangePmts")->isChecked());
    f.type("edtExtraAmount", "5000");
    f.type("edtFromPmt", "1");
    f.type("edtToPmt", "12");
    f.click("btnRecalcExtra");
    QCOMPARE(f.monthly()->rowCount(), 70);
    QCOMPARE(f.cell(f.monthly(), 0, 6), QString("$5,000.00"));
    QCOMPARE(f.cell(f.monthly(), 69, 1), QString("Oct 2005"));
    QCOMPARE(f.cell(f.annual(), 0, 2), QString("$63,184.48"));

    // A single payment: the caption follows the mode, the range's end is locked.
    QTest::mouseClick(f.window->findChild<QRadioButton*>("rbOnePmt"), Qt::LeftButton);
    QCOMPARE(f.window->findChild<QLabel*>("lblFromPmt")->text(), QString("Payment #"));
    QVERIFY(!f.edit("edtToPmt")->isEnabled());

    f.click("btnCancel");
    QVERIFY(!panel->isVisible());
    QVERIFY(f.edit("edtMortAmt")->isEnabled());
    QVERIFY(f.month()->isEnabled());
    // The prepayments come back from the grid.
    f.click("btnCalculate");
    QCOMPARE(f.monthly()->rowCount(), 70);
}

void AmortizationSchedulesPageTest::theAnnualButtonSwapsTheGrids() {
    Fixture f;
    f.sampleSchedule();
    f.click("btnAnnualMonthly");
    QCOMPARE(f.button("btnAnnualMonthly")->text(), QString("View Monthly Chart"));
    QVERIFY(f.amortization()->annualGrid()->isVisible());
    QVERIFY(!f.amortization()->monthlyGrid()->isVisible());
    f.click("btnAnnualMonthly");
    QCOMPARE(f.button("btnAnnualMonthly")->text(), QString("View Annual Chart"));
    QVERIFY(f.amortization()->monthlyGrid()->isVisible());
    QVERIFY(!f.amortization()->annualGrid()->isVisible());
}

void AmortizationSchedulesPageTest::typedMonthBecomesAMonthName() {
    Fixture f;
    f.chooseMonth("jan");
    QCOMPARE(f.month()->currentText(), QString("Jan"));
    QCOMPARE(f.ws.choice("cbMonth").text, std::string("Jan"));
    f.chooseMonth("Mar");
    QCOMPARE(f.month()->currentText(), QString("Mar"));
    f.month()->setFocus();
    f.month()->showPopup();
    QTest::keyClick(f.month()->view(), Qt::Key_Down);
    QTest::keyClick(f.month()->view(), Qt::Key_Return);
    QCOMPARE(f.ws.choice("cbMonth").text, std::string("Apr"));
}

void AmortizationSchedulesPageTest::aLongScheduleScrollsToItsLastPayment() {
    Fixture f;
    f.type("edtMortAmt", "1000000");
    f.type("edtIRate", "1");
    f.type("edtNumPmts", "12000");
    f.click("btnCalculate");
    app::ScheduleGridView* view = f.amortization()->monthlyGrid();
    QCOMPARE(view->model()->rowCount(), 12000);
    view->scrollToBottom();
    QApplication::processEvents();
    QCOMPARE(view->rowAt(view->viewport()->height() - 1), 11999);
    QCOMPARE(f.cell(view->model(), 11999, 0), QString("12000"));
}

void AmortizationSchedulesPageTest::exportWritesTheGridOnScreen() {
    Fixture f;
    QTemporaryDir folder;
    const QString path = folder.filePath("schedule.csv");
    app::installScheduleExport(f.window->hooks().file, f.window->session(), f.window.get(),
                               [&] { return path; });
    auto* entry = f.window->findChild<QAction*>("mnuFileExportCsv");
    QVERIFY(!entry->isEnabled()); // the empty-schedule marker
    f.sampleSchedule();
    QVERIFY(entry->isEnabled());
    f.click("btnAnnualMonthly");
    entry->trigger();
    std::string bytes, reason;
    QCOMPARE(workspace::readFileBytes(path.toStdString(), bytes, reason), workspace::ReadStatus::Ok);
    QCOMPARE(bytes, calculators::scheduleCsv(f.ws.grid("grdAnnualAmortization"), f.ws.regional()));
    QVERIFY(bytes.starts_with("Year,Period,Total Annual Principal"));
    f.window->navigate("btnPPC");
    QVERIFY(!entry->isEnabled());
}

void AmortizationSchedulesPageTest::everythingFitsThePage() {
    Fixture f;
    QCOMPARE(f.page()->font().family(), QString("Arial"));
    app::test::checkPageLayout(*f.page());
    f.sampleSchedule();
    f.click("btnAddExtra");
    app::test::checkPageLayout(*f.page());
    // Every column but the last keeps its width; the last fills the rest, nothing to scroll sideways.
    app::ScheduleGridView* view = f.amortization()->monthlyGrid();
    QCOMPARE(view->columnWidth(1), 55);
    QVERIFY(view->horizontalHeader()->length() <= view->viewport()->width());
    QVERIFY(view->columnWidth(7) >= view->fontMetrics().horizontalAdvance("$100,000.00") + 4);
}

QTEST_MAIN(AmortizationSchedulesPageTest)
#include "AmortizationSchedulesPageTest.moc"
