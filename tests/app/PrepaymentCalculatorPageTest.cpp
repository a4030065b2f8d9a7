#include "PageFixture.h"
#include "PageLayoutCheck.h"

#include <QRadioButton>
#include <QTest>

using namespace kelvarin;

namespace {

using app::test::pairs;

struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgPrepaymentCalculator", "btnPPC") {}
};

} // namespace

class PrepaymentCalculatorPageTest : public QObject {
    Q_OBJECT

private slots:
    void leavingAFieldRecalculatesThePage_data();
    void leavingAFieldRecalculatesThePage();
    void enteringFocusesTheAmountAndTabFollowsTheInputs();
    void theHiddenModesStayHidden();
    void everythingFitsThePage();
};

void PrepaymentCalculatorPageTest::leavingAFieldRecalculatesThePage_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("sample loan, 100 on every payment")
        << QStringList{"100000", "8.75", "360", "1200", "580", "600", "100"}
        << QStringList{"edtPPCPayment=$786.70",
                       "edtPPCTotalPayment=$985.03",
                       "edtPPCTotalInterest=$183,212.97",
                       "edtPPCTotalPrincipalAndInterest=$283,212.97",
                       "edtPPCNewPayment=$886.70",
                       "edtPPCNewTotalPayment=$1,085.03",
                       "edtPPCTotalInterestWithPrepayments=$110,882.68",
                       "edtPPCTotalInterestAndPrincipalWithPrepayments=$210,882.68",
                       "edtPPCNewTerm=238",
                       "edtPPCSavings=$72,330.29"};
    QTest::newRow("no prepayment: nothing saved")
        << QStringList{"100000", "8.75", "360", "0", "0", "0", "0"}
        << QStringList{"edtPPCNewTerm=360", "edtPPCSavings=$0.00", "edtPPCTotalPayment=$786.70"};
}

void PrepaymentCalculatorPageTest::leavingAFieldRecalculatesThePage() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    Fixture f;
    f.typeWithTab(typed);
    for (const auto& [field, text] : pairs(expected))
        QCOMPARE(f.shown(field), text);
    QVERIFY(f.ui.messages.empty());
}

void PrepaymentCalculatorPageTest::enteringFocusesTheAmountAndTabFollowsTheInputs() {
    Fixture f;
    QVERIFY(f.printing());
    const QStringList order{"edtPPCAmountBorrowed", "edtPPCInterest",  "edtPPCTerm",
                            "edtPPCPropertyTaxes",  "edtPPCInsurance", "edtPPCPMI",
                            "edtPPCExtraAmount"};
    QCOMPARE(f.focused(), order.front());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focused(), order[i]);
    }
}

void PrepaymentCalculatorPageTest::theHiddenModesStayHidden() {
    Fixture f;
    for (const char* name : {"rbtnOnePmt", "rbtnRangePmts", "rbtnAllPmts"})
        QVERIFY(!f.window->findChild<QRadioButton*>(name)->isVisible());
    QVERIFY(f.window->findChild<QRadioButton*>("rbtnAllPmts")->isChecked());
    QVERIFY(!f.edit("edtPPCFromPmt")->isVisible());
    QVERIFY(!f.edit("edtPPCToPmt")->isVisible());
    QVERIFY(!f.button("btnPPCClear")->isVisible());
}

void PrepaymentCalculatorPageTest::everythingFitsThePage() {
    Fixture f;
    QCOMPARE(f.page()->font().family(), QString("Arial"));
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(PrepaymentCalculatorPageTest)
#include "PrepaymentCalculatorPageTest.moc"
