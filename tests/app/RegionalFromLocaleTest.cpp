#include "app/RegionalFromLocale.h"

#include <QTest>

using kelvarin::app::regionalFromLocale;

class RegionalFromLocaleTest : public QObject {
    Q_OBJECT

private slots:
    void settingsComeFromTheLocale_data();
    void settingsComeFromTheLocale();
};

void RegionalFromLocaleTest::settingsComeFromTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<bool>("after");
    QTest::addColumn<bool>("blank");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QChar>("thousands");
    QTest::addColumn<QString>("january");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "$" << false << false
                                   << QChar('.') << QChar(',') << "January";
    QTest::newRow("Germany: sign after the number, blank between") << QLocale(QLocale::German, QLocale::Germany)
                                                                   << "€" << true << true << QChar(',') << QChar('.')
                                                                   << "Januar";
    QTest::newRow("C locale has no currency sign: the defaults") << QLocale::c() << "$" << false << false
                                                                 << QChar('.') << QChar(',') << "January";
}

void RegionalFromLocaleTest::settingsComeFromTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QString, sign);
    QFETCH(bool, after);
    QFETCH(bool, blank);
    QFETCH(QChar, decimal);
    QFETCH(QChar, thousands);
    QFETCH(QString, january);
    const auto r = regionalFromLocale(locale);
    QCOMPARE(QString::fromStdU32String(r.currencySign), sign);
    QCOMPARE(r.currencyAfterNumber, after);
    QCOMPARE(r.currencyBlank, blank);
    QCOMPARE(r.decimalSeparator, char32_t(decimal.unicode()));
    QCOMPARE(r.thousandsSeparator, char32_t(thousands.unicode()));
    QCOMPARE(QString::fromStdString(r.longMonthNames[0]), january);
}

QTEST_MAIN(RegionalFromLocaleTest)
#include "RegionalFromLocaleTest.moc"
