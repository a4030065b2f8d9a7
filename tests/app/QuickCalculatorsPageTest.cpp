#include "PageFixture.h"
#include "PageLayoutCheck.h"
#include "app/MainWindow.h"
#include "app/PageSet.h"
#include "app/widgets/MaskedEdit.h"
#include "calculators/QuickCalculators.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

using namespace kelvarin;
using app::MainWindow;
using app::MaskedEdit;

namespace {

using app::test::pairs;

// The window on the quick calculators page, every field at zero.
struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgQuickCalculators", "btnQC") {}

    QTabWidget* tabs() { return window->findChild<QTabWidget*>("nbkQuickCalc"); }
    QTabBar* tabBar() { return tabs()->findChild<QTabBar*>(); }
    bool tabSetHasFocus() {
        const QWidget* widget = QApplication::focusWidget();
        return widget && (widget == tabs() || widget == tabBar());
    }
    void clickTab(int index) {
        QTest::mouseClick(tabBar(), Qt::LeftButton, {}, tabBar()->tabRect(index).center());
    }
};

QColor backgroundOf(QWidget* edit) {
    const QImage image = edit->grab().toImage();
    return image.pixelColor(5, image.height() / 2); // left of the right-aligned text
}

// The darkest pixel inside the frame: the text's colour, or the background when there is none.
int darkestInside(QWidget* edit) {
    const QImage image = edit->grab().toImage();
    int darkest = 255;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

} // namespace

class QuickCalculatorsPageTest : public QObject {
    Q_OBJECT

private slots:
    void monthlyPaymentFollowsTheFieldsLeft_data();
    void monthlyPaymentFollowsTheFieldsLeft();
    void calculateComputesTheChosenVariable_data();
    void calculateComputesTheChosenVariable();
    void aFailedCalculationEmptiesTheFieldsAndSaysSo_data();
    void aFailedCalculationEmptiesTheFieldsAndSaysSo();
    void tabClicksMoveTheFocusIntoTheTab_data();
    void tabClicksMoveTheFocusIntoTheTab();
    void tabKeyFollowsTheDesignOrder_data();
    void tabKeyFollowsTheDesignOrder();
    void accessKeysChooseTheVariable_data();
    void accessKeysChooseTheVariable();
    void everythingFitsThePage();
};

void QuickCalculatorsPageTest::monthlyPaymentFollowsTheFieldsLeft_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("percent down payment gives dollars and loan")
        << QStringList{"edtMPISalesPrice=200000", "edtMPIDownPaymentPercent=10"}
        << QStringList{"edtMPIDownPaymentSum=$20,000.00", "edtMPILoanAmount=$180,000.00",
                       "edtMPIPayment=$0.00"};
    QTest::newRow("rate and term give the payment")
        << QStringList{"edtMPISalesPrice=200000", "edtMPIDownPaymentPercent=10", "edtMPIInterestRate=7.5",
                       "edtMPITermInMonths=360"}
        << QStringList{"edtMPIInterestRate=7.5000%", "edtMPITermInMonths=360", "edtMPIPayment=$1,258.59"};
    QTest::newRow("dollar down payment gives the percent")
        << QStringList{"edtMPISalesPrice=200000", "edtMPIDownPaymentSum=50000"}
        << QStringList{"edtMPIDownPaymentPercent=25.0000%", "edtMPILoanAmount=$150,000.00"};
    QTest::newRow("zero rate divides the loan by the term")
        << QStringList{"edtMPISalesPrice=200000", "edtMPIDownPaymentPercent=10", "edtMPITermInMonths=360"}
        << QStringList{"edtMPIPayment=$500.00"};
    QTest::newRow("zero sales price empties the results")
        << QStringList{"edtMPIDownPaymentSum=5000", "edtMPIInterestRate=7.5", "edtMPITermInMonths=360"}
        << QStringList{"edtMPIDownPaymentSum=$0.00", "edtMPIDownPaymentPercent=0.0000%",
                       "edtMPILoanAmount=$0.00", "edtMPIPayment=$0.00"};
}

void QuickCalculatorsPageTest::monthlyPaymentFollowsTheFieldsLeft() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    Fixture f;
    QCOMPARE(f.tabs()->currentIndex(), 0);
    for (const auto& [field, value] : pairs(typed))
        f.type(field, value);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (const auto& [field, text] : pairs(expected))
        QCOMPARE(f.shown(field), text);
    QVERIFY(f.ui.messages.empty());
}

void QuickCalculatorsPageTest::calculateComputesTheChosenVariable_data() {
    QTest::addColumn<QString>("variableButton");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("firstField");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("result");
    // The three known values of the sample loan, typed in the order Tab takes through the
    // fields (the target field is disabled, so Tab passes it).
    QTest::newRow("loan amount") << "btnCalcLA"
                                 << "edtLA"
                                 << "edtIR" << QStringList{"8.75", "786.70", "360"} << "$100,000.00";
    QTest::newRow("number of payments") << "btnCalcN"
                                        << "edtN"
                                        << "edtLA" << QStringList{"100000", "8.75", "786.70"} << "360";
    QTest::newRow("payment") << "btnCalcPMT"
                             << "edtPMT"
                             << "edtLA" << QStringList{"100000", "8.75", "360"} << "$786.70";
    QTest::newRow("interest rate") << "btnCalcIR"
                                   << "edtIR"
                                   << "edtLA" << QStringList{"100000", "786.70", "360"} << "8.7502%";
}

void QuickCalculatorsPageTest::calculateComputesTheChosenVariable() {
    QFETCH(QString, variableButton);
    QFETCH(QString, target);
    QFETCH(QString, firstField);
    QFETCH(QStringList, known);
    QFETCH(QString, result);
    Fixture f;
    f.clickTab(1);
    QVERIFY(!f.button("btnCalcQuickCalc")->isEnabled());

    QTest::mouseClick(f.button(variableButton.toLatin1()), Qt::LeftButton);
    QCOMPARE(f.focused(), firstField);
    QVERIFY(f.button("btnCalcQuickCalc")->isEnabled());
    // Target look: disabled, grey text on the normal background.
    QVERIFY(!f.edit(target)->isEnabled());
    const int targetText = darkestInside(f.edit(target));
    QVERIFY2(targetText > 100 && targetText < 220, qPrintable(QString::number(targetText)));
    QCOMPARE(backgroundOf(f.edit(target)), backgroundOf(f.edit(firstField)));

    f.typeWithTab(known);
    QTest::mouseClick(f.button("btnCalcQuickCalc"), Qt::LeftButton);

    QCOMPARE(f.shown(target), result);
    QVERIFY(f.edit(target)->isEnabled());
    QCOMPARE(backgroundOf(f.edit(target)), QColor(Qt::yellow));
    QVERIFY2(darkestInside(f.edit(target)) < 60, "result text is black");
    QVERIFY(f.tabSetHasFocus());
    QVERIFY(f.ui.messages.empty());

    // Calculate stays available for changed known values.
    QVERIFY(f.button("btnCalcQuickCalc")->isEnabled());
}

void QuickCalculatorsPageTest::aFailedCalculationEmptiesTheFieldsAndSaysSo_data() {
    QTest::addColumn<QString>("variableButton");
    QTest::addColumn<QStringList>("known");
    QTest::newRow("payments with zero rate and zero payment")
        << "btnCalcN" << QStringList{"100000", "0", "0"};
    QTest::newRow("payment with zero rate and no payments")
        << "btnCalcPMT" << QStringList{"100000", "0", "0"};
}

void QuickCalculatorsPageTest::aFailedCalculationEmptiesTheFieldsAndSaysSo() {
    QFETCH(QString, variableButton);
    QFETCH(QStringList, known);
    Fixture f;
    f.clickTab(1);
    QTest::mouseClick(f.button(variableButton.toLatin1()), Qt::LeftButton);
    f.typeWithTab(known);
    QTest::mouseClick(f.button("btnCalcQuickCalc"), Qt::LeftButton);

    QCOMPARE(f.ui.messages.size(), std::size_t(1));
    const auto& message = f.ui.messages.front();
    QCOMPARE(QString::fromStdString(message.text),
             QString("This calculation cannot be completed\n\rusing the values you entered.\n\r\n\rPlease "
                     "try again."));
    QCOMPARE(message.icon, workspace::MessageIcon::Information);
    QCOMPARE(message.buttons, workspace::MessageButtons::Ok);

    const QStringList zeros{"edtLA=$0.00", "edtIR=0.0000%", "edtPMT=$0.00", "edtN=0"};
    const QColor normal = backgroundOf(f.edit("edtLA"));
    QVERIFY(normal != QColor(Qt::yellow));
    for (const auto& [field, text] : pairs(zeros)) {
        QCOMPARE(f.shown(field), text);
        QVERIFY(f.edit(field)->isEnabled());
        QCOMPARE(backgroundOf(f.edit(field)), normal);
    }
    QVERIFY(!f.button("btnCalcQuickCalc")->isEnabled());
    QVERIFY(f.tabSetHasFocus());
}

void QuickCalculatorsPageTest::tabClicksMoveTheFocusIntoTheTab_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("focus");
    QTest::newRow("missing variables tab: first variable button") << QList<int>{1} << "btnCalcLA";
    QTest::newRow("back to monthly payment: sales price") << QList<int>{1, 0} << "edtMPISalesPrice";
    QTest::newRow("the tab already shown: sales price") << QList<int>{0} << "edtMPISalesPrice";
}

void QuickCalculatorsPageTest::tabClicksMoveTheFocusIntoTheTab() {
    QFETCH(QList<int>, clicks);
    QFETCH(QString, focus);
    Fixture f;
    for (const int index : clicks)
        f.clickTab(index);
    QCOMPARE(f.tabs()->currentIndex(), clicks.back());
    QCOMPARE(f.ws.choice("nbkQuickCalc").index, clicks.back());
    QCOMPARE(f.focused(), focus);
}

void QuickCalculatorsPageTest::tabKeyFollowsTheDesignOrder_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");
    // Outputs are skipped.
    QTest::newRow("monthly payment") << 0
                                     << QStringList{"edtMPISalesPrice", "edtMPIDownPaymentSum",
                                                    "edtMPIDownPaymentPercent", "edtMPIInterestRate",
                                                    "edtMPITermInMonths"};
    QTest::newRow("missing variables") << 1 << QStringList{"btnCalcLA", "btnCalcIR", "btnCalcPMT", "btnCalcN",
                                                           "edtLA",     "edtIR",     "edtPMT",     "edtN"};
}

void QuickCalculatorsPageTest::tabKeyFollowsTheDesignOrder() {
    QFETCH(int, tab);
    QFETCH(QStringList, order);
    Fixture f;
    f.clickTab(tab);
    QCOMPARE(f.focused(), order.front());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focused(), order[i]);
    }
    for (const char* output : {"edtMPILoanAmount", "edtMPIPayment"})
        QVERIFY(f.edit(output)->isReadOnly());
}

void QuickCalculatorsPageTest::accessKeysChooseTheVariable_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Alt+L loan amount") << int(Qt::Key_L) << "edtLA"
                                       << "edtIR";
    QTest::newRow("Alt+I interest rate, shared with the Internet menu") << int(Qt::Key_I) << "edtIR"
                                                                        << "edtLA";
    QTest::newRow("Alt+P payment, shared with the hidden Preferences menu") << int(Qt::Key_P) << "edtPMT"
                                                                            << "edtLA";
    QTest::newRow("Alt+N number of payments") << int(Qt::Key_N) << "edtN"
                                              << "edtLA";
}

void QuickCalculatorsPageTest::accessKeysChooseTheVariable() {
    QFETCH(int, key);
    QFETCH(QString, target);
    QFETCH(QString, focus);
    Fixture f;
    f.clickTab(1);
    QTest::keyClick(f.window.get(), static_cast<Qt::Key>(key), Qt::AltModifier);
    // A button's access key clicks it after a short delay.
    QTRY_VERIFY_WITH_TIMEOUT(!f.edit(target)->isEnabled(), 1000);
    QCOMPARE(f.focused(), focus);
}

void QuickCalculatorsPageTest::everythingFitsThePage() {
    Fixture f;
    QCOMPARE(f.page()->font().family(), QString("Arial"));
    QCOMPARE(f.page()->font().pointSize(), 8);
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(QuickCalculatorsPageTest)
#include "QuickCalculatorsPageTest.moc"
