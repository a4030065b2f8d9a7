#include "PageFixture.h"
#include "PageLayoutCheck.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>

using namespace kelvarin;

namespace {

using app::test::pairs;

// The window on the refinancing page, every field at zero.
struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgRefinancingCalculator", "btnRC") {}

    QFrame* panel() { return window->findChild<QFrame*>("pnlClosingCosts"); }
    QString heading() { return window->findChild<QLabel*>("lblSell")->text(); }
};

// The nine inputs in their tab order.
const QStringList kSample{"100000", "360", "8.75", "0", "100000", "240", "7.25", "0", "240"};

} // namespace

class RefinancingPageTest : public QObject {
    Q_OBJECT

private slots:
    void theSampleComparesBothLoans();
    void aSaleAfterTheNewLoanEndsComparesItsTerm();
    void thePanelItemizesTheClosingCosts();
    void clearingEmptiesThePanel();
    void everythingFitsThePage_data();
    void everythingFitsThePage();
};

void RefinancingPageTest::theSampleComparesBothLoans() {
    Fixture f;
    QCOMPARE(f.focused(), QString("edtOldLoan"));
    f.typeWithTab(kSample);
    for (const auto& [field, text] :
         pairs({"edtOldPaymentsRemaining=360", "edtOldPayment=$786.70", "edtNewPayment=$790.38",
                "edtPaymentSaved=-$3.68", "edtTotalPaymentSaved=-$882.14", "edtOldEquity=$37,228.05",
                "edtNewEquity=$100,000.00", "edtEquitySavings=$62,771.95", "edtTotalSaved=$61,889.81"}))
        QCOMPARE(f.shown(field), text);
    QCOMPARE(f.heading(), QString("If you sell in 240 months,"));
    QVERIFY(f.printing());
    QVERIFY(f.ui.messages.empty());
}

void RefinancingPageTest::aSaleAfterTheNewLoanEndsComparesItsTerm() {
    Fixture f;
    QStringList typed = kSample;
    typed.last() = "300";
    f.typeWithTab(typed);
    QCOMPARE(f.heading(), QString("If you sell in 240 months,"));
    QCOMPARE(f.shown("edtNewEquity"), QString("$100,000.00"));
}

void RefinancingPageTest::thePanelItemizesTheClosingCosts() {
    Fixture f;
    f.typeWithTab(kSample);
    QVERIFY(!f.panel()->isVisible());
    f.button("btnCalcFees")->click();
    QVERIFY(f.panel()->isVisible());
    QVERIFY(!f.button("btnCalcFees")->isEnabled());
    QCOMPARE(f.focused(), QString("edtDiscountPoints"));

    // Tab walks the twelve items, then reaches "OK".
    f.typeWithTab({"1000", "500", "45", "", "", "", "", "300", "", "", "", "155"});
    QCOMPARE(f.focused(), QString("btnCloseClosingCosts"));
    QCOMPARE(f.shown("edtClosingFees"), QString("$2,000.00"));
    QCOMPARE(f.shown("edtRefiClosingCosts"), QString("$2,000.00"));
    QCOMPARE(f.shown("edtTotalSaved"), QString("$61,889.81")); // until the panel closes

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!f.panel()->isVisible());
    QVERIFY(f.button("btnCalcFees")->isEnabled());
    QCOMPARE(f.shown("edtTotalSaved"), QString("$59,889.81"));
    QCOMPARE(f.focused(), QString("edtMonthsUntilSell"));
}

void RefinancingPageTest::clearingEmptiesThePanel() {
    Fixture f;
    f.button("btnCalcFees")->click();
    f.typeWithTab({"100", "200"});
    QTest::mouseClick(f.button("btnClearClosingCosts"), Qt::LeftButton); // the focus leaves the items first
    QCOMPARE(f.shown("edtDiscountPoints"), QString("$0.00"));
    QCOMPARE(f.shown("edtClosingFees"), QString("$0.00"));
    QCOMPARE(f.shown("edtRefiClosingCosts"), QString("$300.00"));
    QCOMPARE(f.focused(), QString("edtDiscountPoints"));
    f.leave();
    QCOMPARE(f.shown("edtRefiClosingCosts"), QString("$0.00"));
}

void RefinancingPageTest::everythingFitsThePage_data() {
    QTest::addColumn<bool>("panelOpen");
    QTest::newRow("page") << false;
    QTest::newRow("panel open") << true;
}

void RefinancingPageTest::everythingFitsThePage() {
    QFETCH(bool, panelOpen);
    Fixture f;
    if (panelOpen)
        f.button("btnCalcFees")->click();
    QVERIFY(app::test::kPageArea.contains(f.panel()->geometry()));
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(RefinancingPageTest)
#include "RefinancingPageTest.moc"
