#include "PageFixture.h"
#include "PageLayoutCheck.h"
#include "app/ButtonBar.h"
#include "app/MainWindow.h"
#include "app/PageSet.h"
#include "app/widgets/MaskedEdit.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace kelvarin;
using app::MainWindow;
using app::MaskedEdit;

namespace {

using app::test::pairs;

// The window on the mortgage qualifier page, every field at zero.
struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgMortgageQualifier", "btnMQ") {}
};

// Ratios 28 and 36; three scenarios 7.5 % for 30, 7.25 % for 20, 7 % for 15 years.
const QStringList kRatiosAndScenarios{"edtHousingRatio=28", "edtDebtRatio=36", "edtMQir1=7.5",
                                      "edtMQTerm1=30",      "edtMQir2=7.25",   "edtMQTerm2=20",
                                      "edtMQir3=7",         "edtMQTerm3=15"};

} // namespace

class MortgageQualifierPageTest : public QObject {
    Q_OBJECT

private slots:
    void leavingAFieldRecalculatesThePage_data();
    void leavingAFieldRecalculatesThePage();
    void theFirstRateSetsTheOtherTwo_data();
    void theFirstRateSetsTheOtherTwo();
    void enteringFocusesTheIncomeAndTabFollowsTheDesignOrder();
    void recalculatingMakesPrintingAvailable();
    void everythingFitsThePage();
};

void MortgageQualifierPageTest::leavingAFieldRecalculatesThePage_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("sample borrower: the debt limit wins")
        << QStringList{"edtIncome1=4000", "edtOIncome1=1000", "edtCards1=350",
                       "edtAuto1=450",    "edtNotes1=50",     "edtMQDownPayment=20000"} +
               kRatiosAndScenarios
        << QStringList{"edtMQPayment1=$950.00",           "edtMQPayment2=$950.00",
                       "edtMQPayment3=$950.00",           "edtMQLoan1=$135,866.75",
                       "edtMQLoan2=$120,195.96",          "edtMQLoan3=$105,693.16",
                       "edtMQPurchasePrice1=$155,866.75", "edtMQPurchasePrice2=$140,195.96",
                       "edtMQPurchasePrice3=$125,693.16", "edtCalculatedHousingRatio=19",
                       "edtCalculatedDebtRatio=36"};
    QTest::newRow("co-borrower income and debts count, taxes and insurance in the housing ratio")
        << QStringList{"edtIncome1=3000", "edtIncome2=2000", "edtNotes2=900", "edtMQPropertyTaxes=200",
                       "edtMQHomeownersInsurance=100"} +
               kRatiosAndScenarios
        << QStringList{"edtMQPayment1=$900.00", "edtMQPayment3=$900.00", "edtCalculatedHousingRatio=24",
                       "edtCalculatedDebtRatio=36"};
    QTest::newRow("no income: nothing qualifies, the price is the cash")
        << QStringList{"edtCards1=300", "edtMQDownPayment=20000"} + kRatiosAndScenarios
        << QStringList{"edtMQPayment1=$0.00",
                       "edtMQLoan1=$0.00",
                       "edtMQLoan3=$0.00",
                       "edtMQPurchasePrice1=$20,000.00",
                       "edtMQPurchasePrice3=$20,000.00",
                       "edtCalculatedHousingRatio=0",
                       "edtCalculatedDebtRatio=0"};
}

void MortgageQualifierPageTest::leavingAFieldRecalculatesThePage() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    Fixture f;
    for (const auto& [field, value] : pairs(typed))
        f.type(field, value);
    f.leave();
    for (const auto& [field, text] : pairs(expected))
        QCOMPARE(f.shown(field), text);
    QVERIFY(f.ui.messages.empty());
}

void MortgageQualifierPageTest::theFirstRateSetsTheOtherTwo_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::newRow("7") << "7"
                       << "6.7500%"
                       << "6.5000%";
    QTest::newRow("8.125") << "8.125"
                           << "7.8750%"
                           << "7.6250%";
}

void MortgageQualifierPageTest::theFirstRateSetsTheOtherTwo() {
    QFETCH(QString, typed);
    QFETCH(QString, second);
    QFETCH(QString, third);
    Fixture f;
    f.type("edtMQir2", "9");
    f.type("edtMQir1", typed);
    // Each keystroke is a change: the rows follow before the field is left.
    QCOMPARE(f.shown("edtMQir2"), second);
    QCOMPARE(f.shown("edtMQir3"), third);
}

void MortgageQualifierPageTest::enteringFocusesTheIncomeAndTabFollowsTheDesignOrder() {
    Fixture f;
    const QStringList order{"edtIncome1",         "edtOIncome1",
                            "edtCards1",          "edtAuto1",
                            "edtNotes1",          "edtIncome2",
                            "edtOIncome2",        "edtCards2",
                            "edtAuto2",           "edtNotes2",
                            "edtHousingRatio",    "edtDebtRatio",
                            "edtMQPropertyTaxes", "edtMQHomeownersInsurance",
                            "edtMQDownPayment",   "edtMQir1",
                            "edtMQTerm1",         "edtMQir2",
                            "edtMQTerm2",         "edtMQir3",
                            "edtMQTerm3"};
    QCOMPARE(f.focused(), order.front());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focused(), order[i]);
    }
    for (const char* output : {"edtMQPayment1", "edtMQLoan2", "edtMQPurchasePrice3",
                               "edtCalculatedHousingRatio", "edtCalculatedDebtRatio"})
        QVERIFY(f.edit(output)->isReadOnly());
}

void MortgageQualifierPageTest::recalculatingMakesPrintingAvailable() {
    Fixture f;
    QVERIFY(f.printing()); // on entering
    f.window->setPrintingAvailable(false);
    f.type("edtIncome1", "5000");
    f.leave();
    QVERIFY(f.printing());
}

void MortgageQualifierPageTest::everythingFitsThePage() {
    Fixture f;
    QCOMPARE(f.page()->font().family(), QString("Arial"));
    QCOMPARE(f.page()->font().pointSize(), 8);
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(MortgageQualifierPageTest)
#include "MortgageQualifierPageTest.moc"
