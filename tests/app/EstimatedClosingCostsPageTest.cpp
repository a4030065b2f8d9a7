#include "PageFixture.h"
#include "PageLayoutCheck.h"
#include "app/widgets/HoverButton.h"
#include "workspace/DefaultsFile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvarin;

namespace {

using app::test::pairs;

// The window on the closing costs page, every field at zero, the panels saving to a ZELK.INI
// of a temporary folder.
struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgEstimatedClosingCosts", "btnECC") {
        window->session().defaultsFile().emplace(defaultsPath().toStdString(), ws.regional());
    }
    QString defaultsPath() const { return folder.filePath(QStringLiteral("ZELK.INI")); }
    QByteArray defaultsContent() const {
        QFile file(defaultsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void click(const char* name) {
        QPushButton* found = button(name);
        QVERIFY2(found && found->isVisible() && found->isEnabled(), name);
        QTest::mouseClick(found, Qt::LeftButton);
    }
    void typeAll(const QStringList& typed) {
        for (const auto& [field, value] : pairs(typed)) {
            type(field, value);
            leave();
        }
    }

    QTemporaryDir folder;
};

// The sample inputs: income 4,000, debts 450, 7 % over 30 years, 20 % down, taxes 1,800 and
// insurance 360 a year, ratios 28 and 40.
const QStringList kSampleInputs{
    "edtECCIncome=4000",           "edtECCDebt=450", "edtEccInterest=7",    "edtEccTerm=30",
    "edtEccDownPaymentPercent=20", "edtECCTax=1800", "edtECCInsurance=360", "edtEccHousingRatio=28",
    "edtEccDebtRatio=40"};

} // namespace

class EstimatedClosingCostsPageTest : public QObject {
    Q_OBJECT

private slots:
    void enteringFocusesTheIncomeAndBringsTheHeldRatios();
    void leavingAFieldPricesThePurchase();
    void keysUnlockAndPadlocksLockTheAmounts();
    void closingCostPanelSavesItsFeesAndKeepsTheFocus();
    void escrowPanelOpensAloneAndKeepsTheFocus();
    void panelButtonsTurnRedUnderTheMouse();
    void everythingFitsThePage();
};

void EstimatedClosingCostsPageTest::enteringFocusesTheIncomeAndBringsTheHeldRatios() {
    Fixture f;
    QCOMPARE(f.focused(), QString("edtECCIncome"));
    QCOMPARE(f.shown("edtEccHousingRatio"), QString("28"));
    QCOMPARE(f.shown("edtEccDebtRatio"), QString("36"));
    QVERIFY(f.printing());
    for (const char* amount : {"edtEccCPurchasePrice", "edtEccCDownPayment", "edtEccCLoanAmount"})
        QVERIFY(f.edit(amount)->isReadOnly());
}

void EstimatedClosingCostsPageTest::leavingAFieldPricesThePurchase() {
    Fixture f;
    f.typeAll(kSampleInputs);
    const QStringList expected{"edtEccCPurchasePrice=$170,000.00",
                               "edtEccCDownPayment=$34,000.00",
                               "edtEccCLoanAmount=$136,000.00",
                               "edtEccCPandI=$904.81",
                               "edtEccCMonthlyTax=$150.00",
                               "edtEccCMonthlyInsurance=$30.00",
                               "edtEccCMonthlyPayment=$1,084.81",
                               "edtEccCHousingRatio=27",
                               "edtEccCDebtRatio=38"};
    for (const auto& [field, text] : pairs(expected))
        QCOMPARE(f.shown(field), text);
    QVERIFY(f.ui.messages.empty());
}

void EstimatedClosingCostsPageTest::keysUnlockAndPadlocksLockTheAmounts() {
    Fixture f;
    f.typeAll(kSampleInputs);
    f.click("btnUnlockPurchasePrice");
    QVERIFY(!f.edit("edtEccCPurchasePrice")->isReadOnly());
    QCOMPARE(f.focused(), QString("edtEccCPurchasePrice"));
    QVERIFY(!f.edit("edtECCIncome")->isEnabled());
    QVERIFY(!f.button("btnUnlockPurchasePrice")->isVisible());
    QVERIFY(f.button("btnLockPurchasePrice")->isVisible());

    QTest::keyClicks(f.edit("edtEccCPurchasePrice"), "200000");
    f.leave();
    QCOMPARE(f.shown("edtEccCLoanAmount"), QString("$160,000.00"));
    QCOMPARE(f.shown("edtEccCPandI"), QString("$1,064.48"));

    // Unlocking the loan locks the price again.
    f.click("btnUnlockLoanAmount");
    QVERIFY(f.edit("edtEccCPurchasePrice")->isReadOnly());
    QVERIFY(f.button("btnUnlockPurchasePrice")->isVisible());
    QCOMPARE(f.focused(), QString("edtEccCLoanAmount"));

    f.click("btnLockLoanAmount");
    QVERIFY(f.edit("edtEccCLoanAmount")->isReadOnly());
    QVERIFY(f.edit("edtECCIncome")->isEnabled());
    QCOMPARE(f.focused(), QString("edtECCIncome"));
}

void EstimatedClosingCostsPageTest::closingCostPanelSavesItsFeesAndKeepsTheFocus() {
    Fixture f;
    QWidget* panel = f.window->findChild<QWidget*>("pnlClosing");
    QVERIFY(!panel->isVisible());
    f.click("btnCalcClosing");
    QVERIFY(panel->isVisible());
    QVERIFY(!f.button("btnCalcEscrows")->isEnabled());
    QCOMPARE(f.focused(), QString("edtAF"));
    QCOMPARE(f.shown("edtAF"), QString("$300.00")); // no file yet: the default fees

    QTest::keyClicks(f.edit("edtAF"), "350");
    // Tab runs through the ten fees to "OK", and from there back to the first fee.
    const QStringList order{"edtCR",  "edtTSF", "edtLPF", "edtTIF",        "edtTS",
                            "edtSTT", "edtRF",  "edtOF",  "edtSellerPaid", "btnClosePnlClosing"};
    for (const QString& next : order) {
        f.leave();
        QCOMPARE(f.focused(), next);
    }
    f.leave();
    QTRY_COMPARE(f.focused(), QString("edtAF"));
    // 350 + 42 + 85 + 0 + 200 + 100 + 75 + 50 + 300, no PMI, no points.
    QCOMPARE(f.shown("edtEccCClosingCosts"), QString("$1,202.00"));

    f.click("btnClosePnlClosing");
    QVERIFY(!panel->isVisible());
    QVERIFY(f.button("btnCalcEscrows")->isEnabled());
    QVERIFY(f.defaultsContent().contains("AppraisalFee=350"));
    QVERIFY(f.ui.messages.empty());
}

void EstimatedClosingCostsPageTest::escrowPanelOpensAloneAndKeepsTheFocus() {
    Fixture f;
    f.click("btnCalcEscrows");
    QVERIFY(f.window->findChild<QWidget*>("pnlEscrow")->isVisible());
    QVERIFY(!f.button("btnCalcClosing")->isEnabled());
    QCOMPARE(f.focused(), QString("edtIIDays"));
    QCOMPARE(f.shown("edtIIDays"), QString("15"));
    for (const char* next : {"edtPTIMonths", "edtHOIPMonths", "edtHOIIMonths", "btnClosePnlEscrow"}) {
        f.leave();
        QCOMPARE(f.focused(), QString(next));
    }
    f.leave();
    QTRY_COMPARE(f.focused(), QString("edtIIDays"));
    f.click("btnClosePnlEscrow");
    QVERIFY(!f.window->findChild<QWidget*>("pnlEscrow")->isVisible());
    QVERIFY(f.defaultsContent().contains("InterimInterestDays=15"));
}

void EstimatedClosingCostsPageTest::panelButtonsTurnRedUnderTheMouse() {
    Fixture f;
    for (const char* name : {"btnCalcClosing", "btnCalcEscrows"}) {
        auto* button = qobject_cast<app::HoverButton*>(f.button(name));
        QVERIFY(button);
        QTest::mouseMove(f.button("btnUnlockLoanAmount"));
        QTest::mouseMove(button, QPoint(4, 4));
        QTRY_VERIFY(button->hovered());
        QTest::mouseMove(f.button("btnUnlockLoanAmount"));
        QTRY_VERIFY(!button->hovered());
    }
}

void EstimatedClosingCostsPageTest::everythingFitsThePage() {
    Fixture f;
    QCOMPARE(f.page()->font().family(), QString("Arial"));
    // The panels' controls are checked with the page's; the panels lie inside it too.
    for (const char* name : {"pnlClosing", "pnlEscrow"}) {
        auto* panel = f.window->findChild<QWidget*>(name);
        QVERIFY(app::test::kPageArea.adjusted(-4, -4, 4, 4).contains(panel->geometry()));
    }
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(EstimatedClosingCostsPageTest)
#include "EstimatedClosingCostsPageTest.moc"
