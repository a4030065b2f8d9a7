#include "RecordingUi.h"
#include "app/ButtonBar.h"
#include "app/MainWindow.h"
#include "app/Menus.h"
#include "app/PageSet.h"
#include "app/widgets/TitleStrip.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace kelvarin;
using app::MainWindow;
using workspace::PageInfo;

namespace {

struct Expected {
    const char* title;
    int start;
    bool printing;
};

// The entering table, written out here independently of the program's own table.
const std::map<std::string, Expected> kEntering = {
    {"pgMenu", {"Main Menu", 111, false}},
    {"pgQuickCalculators", {"Quick Calculators", 173, false}},
    {"pgMortgageQualifier", {"Mortgage Qualifier", 179, true}},
    {"pgLoanSpreadCalculator", {"Loan Spread Calculator", 227, true}},
    // Off, then on again: the schedule calculation that entering runs makes printing available.
    {"pgAmortizationSchedules", {"Amortization Schedules", 229, true}},
    {"pgEstimatedClosingCosts", {"Estimated Closing Costs", 236, true}},
    {"pgRefinancingCalculator", {"Refinancing Calculator", 220, true}},
    {"pgRentVsBuyCalculator", {"Rent vs. Buy Calculator", 226, true}},
    {"pgBiweeklyPaymentCalculator", {"Bi-weekly Payments", 195, true}},
    {"pgPrepaymentCalculator", {"Prepayment Calculator", 220, true}},
    {"pgHomesellersProceedsCalculator", {"Home Seller's Proceeds", 229, true}},
};

struct Fixture {
    app::test::RecordingUi ui;
    std::unique_ptr<MainWindow> window =
        std::make_unique<MainWindow>(workspace::RegionalSettings::unitedStates());
    workspace::Workspace& ws = window->workspace();

    Fixture() {
        window->uiPort().setMessageFunction(app::test::recordInto(ui));
        window->hooks().file.print = [] {}; // stands in for the report command: printing can show
        window->FormCreate();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QAction* action(std::string_view name) { return window->menus().action(name); }
    bool printing() {
        const bool button = window->buttonBar().button("btnPrint")->isEnabled();
        if (button != action("MnuFilePrint")->isEnabled())
            qWarning("print button and Print Preview entry disagree");
        return button;
    }
};

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void everyCommandSetLeadsToItsTarget_data();
    void everyCommandSetLeadsToItsTarget();
    void returningToTheMainMenu();
    void aCommandOfNoRowChangesNothing();
    void quickCalculatorsTakeTheFocusToThePageSet();
    void pagesStandInCalculatorIdOrder();
};

void NavigationTest::everyCommandSetLeadsToItsTarget_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("from");
    for (const PageInfo* target : workspace::pagesInMenuOrder()) {
        const QString page = QString::fromUtf8(target->name.data(), target->name.size());
        // Start elsewhere, so that the target's entries were enabled before.
        const QString from = target->name == "pgRefinancingCalculator" ? "MnuCalculatorsQC" : "mnuPopCalcsRC";
        const auto row = [&](const char* set, std::string_view command) {
            QTest::addRow("%s via %s", target->name.data(), set)
                << page << QString::fromUtf8(command.data(), command.size()) << from;
        };
        if (!target->pageButton.empty())
            row("main menu page button", target->pageButton);
        row("Calculators menu", target->calculatorsMenu);
        row("right-click menu", target->popupMenu);
        row("Calculator List menu", target->listMenu);
    }
}

void NavigationTest::everyCommandSetLeadsToItsTarget() {
    QFETCH(QString, page);
    QFETCH(QString, command);
    QFETCH(QString, from);
    Fixture f;
    const std::string target = page.toStdString();
    const bool viaPageButton = command.startsWith("btn");
    if (viaPageButton) {
        auto* button = f.window->findChild<QPushButton*>(command);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        f.action(from.toStdString())->trigger();
        QVERIFY(f.ws.shownPage() != target);
        f.action(command.toStdString())->trigger();
    }

    QCOMPARE(f.ws.shownPage(), std::string_view(target));
    QCOMPARE(f.window->pages().shownPage()->objectName(), page);
    const Expected& expected = kEntering.at(target);
    QCOMPARE(f.window->titleStrip().title(), QString::fromUtf8(expected.title));
    QCOMPARE(f.window->titleStrip().startPosition(), expected.start);
    QCOMPARE(f.printing(), expected.printing);
    QCOMPARE(f.window->buttonBar().button("btnReset")->isEnabled(), target != "pgMenu");
    // Exactly the target's own three entries are disabled.
    for (const PageInfo* other : workspace::pagesInMenuOrder())
        for (std::string_view name : {other->calculatorsMenu, other->popupMenu, other->listMenu}) {
            QAction* entry = f.action(name);
            QVERIFY(entry);
            QVERIFY2(entry->isEnabled() == (other->name != target), qPrintable(entry->objectName()));
        }
    QVERIFY(f.ui.messages.empty());
}

void NavigationTest::returningToTheMainMenu() {
    Fixture f;
    f.action("mnuCalculatorsLSC")->trigger();
    QVERIFY(f.printing());
    f.action("mnuPopMain")->trigger();
    QCOMPARE(f.ws.shownPage(), std::string_view("pgMenu"));
    QVERIFY(!f.printing());
    QVERIFY(!f.window->buttonBar().button("btnReset")->isEnabled());
    QVERIFY(!f.action("mnuCalculatorsMain")->isEnabled());
    QVERIFY(!f.action("mnuPopCalcsMain")->isEnabled());
    QVERIFY(f.action("mnuCalculatorsLSC")->isEnabled());
    QCOMPARE(f.window->titleStrip().title(), QString("Main Menu"));
    QCOMPARE(f.window->titleStrip().startPosition(), 111);
}

void NavigationTest::aCommandOfNoRowChangesNothing() {
    Fixture f;
    f.action("mnuCalculatorsRVB")->trigger();
    f.window->navigate("mnuPrefRC"); // a hidden preference entry
    f.window->navigate("btnOpen");
    QCOMPARE(f.ws.shownPage(), std::string_view("pgRentVsBuyCalculator"));
    QVERIFY(!f.action("mnuPopRVB")->isEnabled());
    QVERIFY(f.action("mnuPopRC")->isEnabled());
}

void NavigationTest::quickCalculatorsTakeTheFocusToThePageSet() {
    Fixture f;
    f.action("MnuCalculatorsQC")->trigger();
    QCOMPARE(QApplication::focusWidget(), f.window->findChild<QWidget*>("nbkMain"));
}

void NavigationTest::pagesStandInCalculatorIdOrder() {
    Fixture f;
    // nbkMain's page order, written out independently of the program's page table.
    const QStringList expected{"pgMenu",
                               "pgQuickCalculators",
                               "pgEstimatedClosingCosts",
                               "pgMortgageQualifier",
                               "pgBiweeklyPaymentCalculator",
                               "pgRefinancingCalculator",
                               "pgLoanSpreadCalculator",
                               "pgAmortizationSchedules",
                               "pgRentVsBuyCalculator",
                               "pgPrepaymentCalculator",
                               "pgHomesellersProceedsCalculator"};
    const auto& pages = f.window->pages();
    QCOMPARE(pages.count(), expected.size());
    for (int id = 0; id < pages.count(); ++id)
        QCOMPARE(pages.widget(id)->objectName(), expected[id]);
}

QTEST_MAIN(NavigationTest)
#include "NavigationTest.moc"
