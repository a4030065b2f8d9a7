#include "PageFixture.h"
#include "PageLayoutCheck.h"
#include "app/widgets/ChoiceGroup.h"
#include "app/widgets/GridView.h"
#include "app/widgets/Hints.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace kelvarin;

namespace {

using app::test::pairs;

// The window on the loan spread page, every field at zero.
struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgLoanSpreadCalculator", "btnLSC") {}

    app::GridView* grid() { return window->findChild<app::GridView*>("grdLS"); }
    QString cell(int col, int row) { return grid()->model()->index(row, col).data().toString(); }
    QRect cellRect(int col, int row) { return grid()->visualRect(grid()->model()->index(row, col)); }
    QColor shownColour(int col, int row) {
        const QImage image = grid()->viewport()->grab().toImage();
        return image.pixelColor(cellRect(col, row).right() - 3, cellRect(col, row).center().y());
    }
    void clickCell(int col, int row) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cellRect(col, row).center());
    }
    app::ChoiceGroup* group(const char* name) { return window->findChild<app::ChoiceGroup*>(name); }
    void choose(const char* group, int item) { this->group(group)->button(item)->click(); }
    // 100,000 at 8.75 % over 360 months, each field left for the next.
    void typeSample() {
        type("edtLoan", "100000");
        type("edtInterest", "8.75");
        type("edtTerm", "360");
        leave();
    }
    bool isCentre(const QModelIndex& index) { return index.row() == 6 && index.column() == 4; }
};

} // namespace

class LoanSpreadPageTest : public QObject {
    Q_OBJECT

private slots:
    void enteringFillsTheGridAndFocusesTheLoan();
    void theCentreCrossIsYellow();
    void aClickKeepsTheCentreSelectedAndMarksTheCell();
    void aStepChangeRecomputesAtOnce_data();
    void aStepChangeRecomputesAtOnce();
    void theModePlacesTheStepGroups_data();
    void theModePlacesTheStepGroups();
    void theMouseOverTheGridNamesWhatItShows();
    void everythingFitsThePage_data();
    void everythingFitsThePage();
};

void LoanSpreadPageTest::enteringFillsTheGridAndFocusesTheLoan() {
    Fixture f;
    QCOMPARE(f.focused(), QString("edtLoan"));
    QCOMPARE(f.cell(0, 0), QString(" Loan / Rate"));
    QCOMPARE(f.cell(4, 6), QString(" $0.00"));
    QVERIFY(f.printing());
    f.typeSample();
    QCOMPARE(f.cell(4, 6), QString(" $786.70"));
    QCOMPARE(f.cell(1, 1), QString(" $648.07"));
    QCOMPARE(f.cell(7, 11), QString(" $940.91"));
    QCOMPARE(f.cell(7, 0), QString("  10.25%"));
    QCOMPARE(f.shown("edtPayment"), QString("$786.70"));
    QCOMPARE(f.shown("edtTotalPaid"), QString("$283,212.15"));
    QCOMPARE(f.shown("edtInterestPaid"), QString("$183,212.15"));
}

void LoanSpreadPageTest::theCentreCrossIsYellow() {
    Fixture f;
    f.typeSample();
    const QColor yellow(Qt::yellow);
    for (int col = 1; col < 8; ++col)
        QCOMPARE(f.shownColour(col, 6), yellow);
    for (int row = 1; row < 12; ++row)
        QCOMPARE(f.shownColour(4, row), yellow);
    QVERIFY(f.shownColour(1, 1) != yellow);
    QVERIFY(f.shownColour(7, 11) != yellow);
    QVERIFY(f.isCentre(f.grid()->currentIndex()));
}

void LoanSpreadPageTest::aClickKeepsTheCentreSelectedAndMarksTheCell() {
    Fixture f;
    f.typeSample();
    f.clickCell(2, 3);
    QVERIFY(f.isCentre(f.grid()->currentIndex()));
    QCOMPARE(f.grid()->model()->index(3, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    // The keyboard cannot move it away either.
    f.grid()->setFocus();
    QTest::keyClick(f.grid(), Qt::Key_Up);
    QVERIFY(f.isCentre(f.grid()->currentIndex()));
    QCOMPARE(f.grid()->model()->index(5, 4).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
}

void LoanSpreadPageTest::aStepChangeRecomputesAtOnce_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("cells"); // "col,row=text"
    QTest::newRow("loan step $100") << "rgLoan" << 0
                                    << QStringList{"0,1= $99,500", "0,11= $100,500", "4,6= $786.70"};
    QTest::newRow("loan step $5000") << "rgLoan" << 8 << QStringList{"0,1= $75,000", "1,1= $511.63"};
    QTest::newRow("rate step 1/8") << "rgInterest" << 0 << QStringList{"1,0=  8.375%", "7,0=  9.125%"};
}

void LoanSpreadPageTest::aStepChangeRecomputesAtOnce() {
    QFETCH(QString, group);
    QFETCH(int, item);
    QFETCH(QStringList, cells);
    Fixture f;
    f.typeSample();
    f.choose(group.toUtf8().constData(), item);
    for (const auto& [place, text] : pairs(cells)) {
        const QStringList colRow = place.split(',');
        QCOMPARE(f.cell(colRow[0].toInt(), colRow[1].toInt()), text);
    }
    QCOMPARE(f.focused(), QString("edtLoan"));
}

void LoanSpreadPageTest::theModePlacesTheStepGroups_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QString>("leftCaption");
    QTest::addColumn<QString>("rightCaption");
    QTest::addColumn<QString>("computed");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("corner");
    QTest::newRow("payment") << 0 << "rgLoan"
                             << "rgInterest"
                             << "rgPayments"
                             << "Increment Loan Amounts By"
                             << "Increment Interest Rates By"
                             << "edtPayment"
                             << "edtLoan"
                             << " Loan / Rate";
    QTest::newRow("loan amount") << 1 << "rgPayments"
                                 << "rgInterest"
                                 << "rgLoan"
                                 << "Increment Payments By"
                                 << "Increment Interest Rates By"
                                 << "edtLoan"
                                 << "edtInterest"
                                 << " Pmt / Rate";
    QTest::newRow("rate") << 2 << "rgLoan"
                          << "rgPayments"
                          << "rgInterest"
                          << "Increment Loan Amounts By"
                          << "Increment Payments By"
                          << "edtInterest"
                          << "edtLoan"
                          << " Loan / Pmt";
    QTest::newRow("term") << 3 << "rgLoan"
                          << "rgPayments"
                          << "rgInterest"
                          << "Increment Loan Amounts By"
                          << "Increment Payments By"
                          << "edtTerm"
                          << "edtLoan"
                          << " Loan / Pmt";
}

void LoanSpreadPageTest::theModePlacesTheStepGroups() {
    QFETCH(int, mode);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, hidden);
    QFETCH(QString, leftCaption);
    QFETCH(QString, rightCaption);
    QFETCH(QString, computed);
    QFETCH(QString, focus);
    QFETCH(QString, corner);
    Fixture f;
    f.choose("rgCalculate", (mode + 1) % 4);
    f.choose("rgCalculate", mode);
    auto* leftGroup = f.group(left.toUtf8().constData());
    auto* rightGroup = f.group(right.toUtf8().constData());
    QVERIFY(leftGroup->isVisible());
    QVERIFY(rightGroup->isVisible());
    QVERIFY(!f.group(hidden.toUtf8().constData())->isVisible());
    auto* leftLabel = f.window->findChild<QLabel*>("lblLeft");
    auto* rightLabel = f.window->findChild<QLabel*>("lblRight");
    QCOMPARE(leftLabel->text(), leftCaption);
    QCOMPARE(rightLabel->text(), rightCaption);
    // Each group stands under its label, the left one above the right one.
    QCOMPARE(leftGroup->x(), leftLabel->x());
    QCOMPARE(rightGroup->x(), rightLabel->x());
    QCOMPARE(leftGroup->y(), leftLabel->geometry().bottom() + 1);
    QCOMPARE(rightGroup->y(), rightLabel->geometry().bottom() + 1);
    QVERIFY(f.edit(computed)->isReadOnly());
    QCOMPARE(f.focused(), focus);
    QCOMPARE(f.cell(0, 0), corner);
}

void LoanSpreadPageTest::theMouseOverTheGridNamesWhatItShows() {
    Fixture f;
    f.choose("rgCalculate", 2);
    QTest::mouseMove(f.grid()->viewport(), f.cellRect(3, 3).center());
    QCOMPARE(app::hintOf(f.grid()), QString(" Grid is displaying Interest Rates"));
}

void LoanSpreadPageTest::everythingFitsThePage_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("payment") << 0;
    QTest::newRow("loan amount") << 1;
}

void LoanSpreadPageTest::everythingFitsThePage() {
    QFETCH(int, mode);
    Fixture f;
    f.choose("rgCalculate", mode);
    QVERIFY(app::test::kPageArea.contains(f.grid()->geometry()));
    // Every column of the grid is on screen, none cut.
    const QRect last = f.cellRect(7, 11);
    QVERIFY(f.grid()->viewport()->rect().contains(last));
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(LoanSpreadPageTest)
#include "LoanSpreadPageTest.moc"
