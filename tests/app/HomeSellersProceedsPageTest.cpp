#include "PageFixture.h"
#include "PageLayoutCheck.h"
#include "app/widgets/ChoiceBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace kelvarin;

namespace {

using app::test::pairs;

struct Fixture : app::test::PageFixture {
    Fixture() : PageFixture("pgHomesellersProceedsCalculator", "btnHSP") {
        for (const auto& [field, value] : pairs(kSampleInputs))
            type(field, value);
        leave();
    }
    app::ChoiceBox* monthBox() { return window->findChild<app::ChoiceBox*>("cbHSPClosingMonth"); }
    // Picks a month from the open list with the keyboard, as a user would.
    void pickMonth(int index) {
        monthBox()->setFocus(Qt::TabFocusReason);
        monthBox()->showPopup();
        QAbstractItemView* list = monthBox()->view();
        list->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }

    static inline const QStringList kSampleInputs{"edtHSPHouseSalesPrice=100000", "edtHSPPropertyTaxes=580",
                                                  "edtHSPTransferTaxPercent=2", "edtHSPSalesCommission=5000",
                                                  "edtHSPOtherFees=750"};
};

} // namespace

class HomeSellersProceedsPageTest : public QObject {
    Q_OBJECT

private slots:
    void pickingAMonthRecalculates_data();
    void pickingAMonthRecalculates();
    void typingIntoTheMonthBoxGivesJanuaryAtOnce();
    void leavingTheMonthBoxRecalculates();
    void resetShowsTheCurrentMonth();
    void everythingFitsThePage();
};

void HomeSellersProceedsPageTest::pickingAMonthRecalculates_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("January") << 0
                             << QStringList{"edtHSPPropertyTaxesPaid=$48.33", "edtHSPCosts=$7,798.33",
                                            "edtHSPNetGain=$92,201.67"};
    QTest::newRow("July") << 6
                          << QStringList{"edtHSPPropertyTaxesPaid=$338.33",
                                         "edtHSPTransferTaxesPaid=$2,000.00", "edtHSPCosts=$8,088.33",
                                         "edtHSPNetGain=$91,911.67"};
    QTest::newRow("December") << 11
                              << QStringList{"edtHSPPropertyTaxesPaid=$580.00", "edtHSPNetGain=$91,670.00"};
}

void HomeSellersProceedsPageTest::pickingAMonthRecalculates() {
    QFETCH(int, month);
    QFETCH(QStringList, expected);
    Fixture f;
    f.pickMonth(month);
    QCOMPARE(f.ws.choice("cbHSPClosingMonth").index, month);
    for (const auto& [field, text] : pairs(expected))
        QCOMPARE(f.shown(field), text);
    QVERIFY(f.ui.messages.empty());
}

void HomeSellersProceedsPageTest::typingIntoTheMonthBoxGivesJanuaryAtOnce() {
    Fixture f;
    f.pickMonth(11);
    f.monthBox()->setFocus(Qt::TabFocusReason);
    f.monthBox()->lineEdit()->selectAll();
    QTest::keyClick(f.monthBox()->lineEdit(), Qt::Key_S);
    QCOMPARE(f.monthBox()->currentText(), QString("January"));
    QCOMPARE(f.ws.choice("cbHSPClosingMonth").text, std::string("January"));
    QCOMPARE(f.shown("edtHSPPropertyTaxesPaid"), QString("$48.33"));
}

void HomeSellersProceedsPageTest::leavingTheMonthBoxRecalculates() {
    Fixture f;
    f.pickMonth(6);
    f.type("edtHSPPropertyTaxes", "1200"); // leaves the month box behind at July: 7 x 100
    f.monthBox()->setFocus(Qt::TabFocusReason);
    f.ws.field("edtHSPPropertyTaxesPaid").writeFloat(0);
    f.leave();
    QCOMPARE(f.shown("edtHSPPropertyTaxesPaid"), QString("$700.00"));
    QCOMPARE(f.focused(), QString("edtHSPPropertyTaxes"));
}

void HomeSellersProceedsPageTest::resetShowsTheCurrentMonth() {
    Fixture f;
    f.pickMonth(11);
    f.ws.state().CurrentMonthLong = "March";
    // From the reset's own focus target nothing is left, so the stored July figures stay.
    f.edit("edtHSPHouseSalesPrice")->setFocus(Qt::TabFocusReason);
    f.window->session().calculators().ResetThisCalculator(1);
    QCOMPARE(f.monthBox()->currentText(), QString("March"));
    QCOMPARE(f.shown("edtHSPNetGain"), QString("$91,911.67"));
    QCOMPARE(f.focused(), QString("edtHSPHouseSalesPrice"));
    f.leave();
    QCOMPARE(f.shown("edtHSPPropertyTaxesPaid"), QString("$145.00"));
    QCOMPARE(f.shown("edtHSPNetGain"), QString("$92,105.00"));
}

void HomeSellersProceedsPageTest::everythingFitsThePage() {
    Fixture f;
    app::test::checkPageLayout(*f.page());
}

QTEST_MAIN(HomeSellersProceedsPageTest)
#include "HomeSellersProceedsPageTest.moc"
