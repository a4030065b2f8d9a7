#include "PageFixture.h"
#include "PageLayoutCheck.h"

#include <QApplication>
#include <QTest>

using namespace kelvarin;

namespace {

using app::test::pairs;

struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgBiweeklyPaymentCalculator", "btnBW") {}
};

} // namespace

class BiweeklyPaymentsPageTest : public QObject {
    Q_OBJECT

private slots:
    void leavingAnInputRecalculatesThePage_data();
    void leavingAnInputRecalculatesThePage();
    void calculationErrorQuietlyResetsThePage();
    void enteringFocusesTheLoanAmountAndTabSkipsTheResults();
    void everythingFitsThePage();
};

void BiweeklyPaymentsPageTest::leavingAnInputRecalculatesThePage_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("thirty years at 8.75 %")
        << QStringList{"edtMortgageAmount=100000", "edtMortgageInterest=8.75", "edtMortgagePeriods=360"}
        << QStringList{"edtMortgagePayments=$786.70",
                       "edtMortgageTotalPaid=$283,212.15",
                       "edtMortgageCostOfLoan=$183,212.15",
                       "edtMortgageHalfPayments=$393.35",
                       "edtMortgageHalfTotalPaid=$226,540.48",
                       "edtMortgageHalfCostOfLoan=$126,540.48",
                       "edtTimeSavedMonths=94.19",
                       "edtTimeSavedYears=7.85",
                       "edtInterestSaved=$56,671.66"};
    QTest::newRow("a negative rate is overwritten with zero")
        << QStringList{"edtMortgageAmount=100000", "edtMortgagePeriods=360", "edtMortgageInterest=-5"}
        << QStringList{"edtMortgageInterest=0.0000%",
                       "edtMortgagePayments=$277.78",
                       "edtMortgageHalfPayments=$138.89",
                       "edtMortgageHalfTotalPaid=$100,000.00",
                       "edtTimeSavedMonths=0",
                       "edtInterestSaved=$0.00"};
    QTest::newRow("term zero with a rate: no payments, interest -L")
        << QStringList{"edtMortgageAmount=100000", "edtMortgageInterest=8.75", "edtMortgagePeriods=0"}
        << QStringList{"edtMortgagePayments=$0.00",
                       "edtMortgageTotalPaid=$0.00",
                       "edtMortgageCostOfLoan=-$100,000.00",
                       "edtMortgageHalfCostOfLoan=-$100,000.00",
                       "edtTimeSavedMonths=0",
                       "edtInterestSaved=$0.00"};
}

void BiweeklyPaymentsPageTest::leavingAnInputRecalculatesThePage() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    Fixture f;
    f.window->setPrintingAvailable(false);
    for (const auto& [field, value] : pairs(typed))
        f.type(field, value);
    f.leave();
    for (const auto& [field, text] : pairs(expected))
        QCOMPARE(f.shown(field), text);
    QVERIFY(f.printing());
    QVERIFY(f.ui.messages.empty());
}

void BiweeklyPaymentsPageTest::calculationErrorQuietlyResetsThePage() {
    Fixture f;
    f.window->session().calculators().ResetThisCalculator(1);
    f.type("edtMortgageInterest", "999.9999");
    f.type("edtMortgagePeriods", "-1200");
    f.leave();
    QVERIFY(f.ui.messages.empty());
    QCOMPARE(f.shown("edtMortgageInterest"), QString("8.7500%"));
    QCOMPARE(f.shown("edtMortgagePeriods"), QString("360"));
    QCOMPARE(f.shown("edtMortgageTotalPaid"), QString("$283,212.00"));
    QCOMPARE(f.focused(), QString("edtMortgageAmount"));
}

void BiweeklyPaymentsPageTest::enteringFocusesTheLoanAmountAndTabSkipsTheResults() {
    Fixture f;
    const QStringList order{"edtMortgageAmount", "edtMortgageInterest", "edtMortgagePeriods",
                            "edtMortgageAmount"};
    QCOMPARE(f.focused(), order.front());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (f.focused() != order[i]) {
            // Leaving the page's last input may pass through the window's other controls.
            QVERIFY(i == order.size() - 1);
            break;
        }
    }
    for (const char* output : {"edtMortgagePayments", "edtTimeSavedMonths", "edtInterestSaved"})
        QVERIFY(f.edit(output)->isReadOnly());
}

void BiweeklyPaymentsPageTest::everythingFitsThePage() {
    Fixture f;
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(BiweeklyPaymentsPageTest)
#include "BiweeklyPaymentsPageTest.moc"
