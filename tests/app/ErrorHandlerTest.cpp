#include "RecordingUi.h"

#include "app/ErrorHandler.h"

#include "loanmath/Numeric.h"
#include "workspace/Workspace.h"

#include <QTest>

#include <stdexcept>

using namespace kelvarin;
using app::ErrorHandler;
using workspace::MessageButtons;
using workspace::MessageIcon;

namespace {

struct Fixture {
    workspace::Workspace ws{workspace::RegionalSettings::unitedStates()};
    app::test::RecordingUi ui;
    app::Hooks hooks;
    ErrorHandler errors{ws, ui, hooks};
    std::vector<std::string> repairs;

    Fixture() {
        hooks.reset.resetAmortizationSchedules = [this] { repairs.push_back("ResetAmortizationSchedules"); };
        hooks.repair.rebuildLoanSpread = [this] { repairs.push_back("RebuildLoanSpread"); };
    }
};

[[noreturn]] void divideByZero() {
    loanmath::Div(1, 0, "test");
    throw std::logic_error("unreachable");
}

}  // namespace

class ErrorHandlerTest : public QObject {
    Q_OBJECT

private slots:
    void eachErrorShowsItsMessage_data();
    void eachErrorShowsItsMessage();
    void aCalculationErrorRepairsThePages_data();
    void aCalculationErrorRepairsThePages();
    void aFailingRepairIsSwallowed();
    void fieldsWrittenBeforeTheFaultKeepTheirText();
};

void ErrorHandlerTest::eachErrorShowsItsMessage_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("message");
    const QByteArray calculation =
        "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
        "Please try again with reasonable values.";
    const QByteArray unidentified =
        "An unidentified error has occurred.\r\n\r\nPlease contact Larkmoor Software    \r\n\r\nat:  "
        "support@larkmoor.example";
    QTest::newRow("division by zero") << 0 << calculation;
    QTest::newRow("overflow") << 1 << calculation;
    QTest::newRow("invalid operation (log of 0)") << 2 << calculation;
    QTest::newRow("a standard exception") << 3 << unidentified;
    QTest::newRow("an exception of no known type") << 4 << unidentified;
}

void ErrorHandlerTest::eachErrorShowsItsMessage() {
    QFETCH(int, kind);
    QFETCH(QByteArray, message);
    Fixture f;
    const bool completed = f.errors.dispatch([kind] {
        switch (kind) {
        case 0: divideByZero();
        case 1: loanmath::Held(1e4000L, "test"); break;
        case 2: loanmath::Ln(0, "test"); break;
        case 3: throw std::invalid_argument("line 12 is not a number");
        default: throw 42;
        }
    });
    QVERIFY(!completed);
    QCOMPARE(f.ui.messages.size(), 1u);
    QCOMPARE(QByteArray::fromStdString(f.ui.messages[0].text), message);
    QCOMPARE(f.ui.messages[0].icon, MessageIcon::Information);
    QCOMPARE(f.ui.messages[0].buttons, MessageButtons::Ok);
    // Only a calculation error repairs anything.
    QCOMPARE(f.repairs.empty(), message.startsWith("An unidentified"));
}

void ErrorHandlerTest::aCalculationErrorRepairsThePages_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("repairs");
    QTest::addColumn<bool>("loanSpreadWritten");
    QTest::newRow("rent vs buy shown: only the loan spread grid")
        << "pgRentVsBuyCalculator" << QStringList{"RebuildLoanSpread"} << false;
    QTest::newRow("amortization shown: its reset, then the grid")
        << "pgAmortizationSchedules" << QStringList{"ResetAmortizationSchedules", "RebuildLoanSpread"} << false;
    QTest::newRow("loan spread shown: its four fields, then the grid")
        << "pgLoanSpreadCalculator" << QStringList{"RebuildLoanSpread"} << true;
}

void ErrorHandlerTest::aCalculationErrorRepairsThePages() {
    QFETCH(QString, page);
    QFETCH(QStringList, repairs);
    QFETCH(bool, loanSpreadWritten);
    Fixture f;
    f.ws.showPage(page.toStdString());
    f.hooks.repair.rebuildLoanSpread = [&] {
        // The grid is rebuilt from the fields as they are after the writes.
        f.repairs.push_back("RebuildLoanSpread");
        QCOMPARE(f.ws.field("edtTerm").readWhole(), loanSpreadWritten ? 360 : 0);
    };
    f.errors.dispatch(divideByZero);

    QStringList done;
    for (const auto& r : f.repairs)
        done << QString::fromStdString(r);
    QCOMPARE(done, repairs);
    const auto text = [&](const char* name) { return QString::fromStdString(f.ws.field(name).textUtf8()).trimmed(); };
    if (loanSpreadWritten) {
        QCOMPARE(text("edtLoan"), "$100,000.00");
        QCOMPARE(text("edtInterest"), "8.7500%");
        QCOMPARE(text("edtTerm"), "360");
        QCOMPARE(text("edtPayment"), "$786.70");
        QCOMPARE(f.ui.focused, std::vector<std::string>{"edtLoan"});
    } else {
        QCOMPARE(text("edtLoan"), "$0.00");
        QVERIFY(f.ui.focused.empty());
    }
}

void ErrorHandlerTest::aFailingRepairIsSwallowed() {
    Fixture f;
    f.ws.showPage("pgAmortizationSchedules");
    f.hooks.reset.resetAmortizationSchedules = [] { divideByZero(); };
    int rebuilt = 0;
    f.hooks.repair.rebuildLoanSpread = [&] {
        ++rebuilt;
        throw std::runtime_error("grid");
    };
    QVERIFY(!f.errors.dispatch(divideByZero));
    QCOMPARE(f.ui.messages.size(), 1u);  // no second message from the repairs
    QCOMPARE(rebuilt, 1);                // a failed repair does not stop the next one

    // A message box that itself fails does not escape either.
    f.ui.whileOpen = [] { throw std::runtime_error("box"); };
    QVERIFY(!f.errors.dispatch(divideByZero));
    QVERIFY(f.errors.dispatch([] {}));
}

void ErrorHandlerTest::fieldsWrittenBeforeTheFaultKeepTheirText() {
    Fixture f;
    f.errors.dispatch([&] {
        f.ws.field("edtRVBMonthlyRent").writeFloat(950);
        divideByZero();
    });
    QCOMPARE(QString::fromStdString(f.ws.field("edtRVBMonthlyRent").textUtf8()).trimmed(), "$950.00");
}

QTEST_MAIN(ErrorHandlerTest)
#include "ErrorHandlerTest.moc"
