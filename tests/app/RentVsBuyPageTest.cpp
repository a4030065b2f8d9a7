#include "PageFixture.h"
#include "PageLayoutCheck.h"

#include <QApplication>
#include <QTest>

using namespace kelvarin;

namespace {

using app::test::pairs;

struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgRentVsBuyCalculator", "btnRVB") {}
};

// The worked example's inputs, in tab order.
const QStringList kSampleInputs{"edtRVBMonthlyRent=950",
                                "edtRVBRentIncrease=3.5",
                                "edtRVBTerm=5",
                                "edtRVBDownPayment=5000",
                                "edtRVBEstimatedReturn=4.5",
                                "edtRVBInterestRate=7",
                                "edtRVBLoanTerm=30",
                                "edtRVBIncomeTax=33",
                                "edtRVBPropertyTax=1.2",
                                "edtRVBPropertyAppreciation=7",
                                "edtRVBAnnualMaintenance=500",
                                "edtRVBSellingCostPercent=7"};

} // namespace

class RentVsBuyPageTest : public QObject {
    Q_OBJECT

private slots:
    void leavingAFieldRecalculatesThePage_data();
    void leavingAFieldRecalculatesThePage();
    void enteringFocusesTheRentAndTabGoesDownTheLeftColumnFirst();
    void sampleResetShowsTheStoredFigures();
    void everythingFitsThePage();
};

void RentVsBuyPageTest::leavingAFieldRecalculatesThePage_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("worked example")
        << kSampleInputs << QStringList{"edtRVBRentSpent=$61,132.11",       "edtRVBInvestmentValue=$6,258.98",
                                        "edtRVBHousePrice=$147,793.00",     "edtRVBTaxDeductions=$20,304.28",
                                        "edtRVBAppreciation=$57,481.24",    "edtRVBValueOfPurchase=$8,870.38",
                                        "edtRVBValueOfRenting=-$59,873.13", "edtRVBGain=$68,743.51"};
    QTest::newRow("a stay of no years still pays a year of rent")
        << kSampleInputs + QStringList{"edtRVBTerm=0"}
        << QStringList{"edtRVBRentSpent=$11,400.00", "edtRVBInvestmentValue=$5,000.00",
                       "edtRVBAppreciation=$0.00", "edtRVBValueOfRenting=-$11,400.00",
                       "edtRVBGain=$10,166.55"};
    QTest::newRow("loan rate zero") << kSampleInputs + QStringList{"edtRVBInterestRate=0"}
                                    << QStringList{"edtRVBHousePrice=$347,000.00", "edtRVBGain=$153,749.99"};
}

void RentVsBuyPageTest::leavingAFieldRecalculatesThePage() {
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

void RentVsBuyPageTest::enteringFocusesTheRentAndTabGoesDownTheLeftColumnFirst() {
    Fixture f;
    QStringList order;
    for (const auto& [field, value] : pairs(kSampleInputs))
        order << field;
    QCOMPARE(f.focused(), order.front());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focused(), order[i]);
    }
    for (const char* output : {"edtRVBRentSpent", "edtRVBHousePrice", "edtRVBGain"})
        QVERIFY(f.edit(output)->isReadOnly());
}

void RentVsBuyPageTest::sampleResetShowsTheStoredFigures() {
    Fixture f;
    f.window->session().calculators().ResetThisCalculator(1);
    QCOMPARE(f.shown("edtRVBMonthlyRent"), QString("$950.00"));
    QCOMPARE(f.shown("edtRVBValueOfRenting"), QString("-$59,873.13"));
    QCOMPARE(f.focused(), QString("edtRVBMonthlyRent"));
}

void RentVsBuyPageTest::everythingFitsThePage() {
    Fixture f;
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(RentVsBuyPageTest)
#include "RentVsBuyPageTest.moc"
