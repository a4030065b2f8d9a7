#include "app/MainWindow.h"

#include "RecordingUi.h"
#include "app/AppInfo.h"
#include "app/ButtonBar.h"
#include "app/Features.h"
#include "app/Menus.h"
#include "app/StatusLine.h"
#include "app/widgets/Hints.h"
#include "loanmath/Numeric.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace kelvarin;
using app::MainWindow;
using workspace::MessageAnswer;
using workspace::MessageButtons;
using workspace::MessageIcon;

namespace {

struct Fixture {
    app::test::RecordingUi ui;
    std::unique_ptr<MainWindow> window =
        std::make_unique<MainWindow>(workspace::RegionalSettings::unitedStates());
    workspace::Workspace& ws = window->workspace();

    Fixture() { window->uiPort().setMessageFunction(app::test::recordInto(ui)); }

    void show() {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QAction* action(const char* name) { return window->menus().action(name); }
    QToolButton* button(const char* name) { return window->buttonBar().button(name); }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theFrameHasItsFixedSize();
    void captionFollowsTheDocument_data();
    void captionFollowsTheDocument();
    void statusBarShowsTheLongHintUnderTheMouse_data();
    void statusBarShowsTheLongHintUnderTheMouse();
    void menusAndButtonsStartAsDesigned_data();
    void menusAndButtonsStartAsDesigned();
    void menuCaptionsAndShortcuts_data();
    void menuCaptionsAndShortcuts();
    void formCreateRunsItsStepsInOrder();
    void aFailingStartupStepDoesNotStopTheStart();
    void closingAsksToSaveAnOpenDocument_data();
    void closingAsksToSaveAnOpenDocument();
    void exitCommandsCloseTheWindow_data();
    void exitCommandsCloseTheWindow();
    void aCalculationErrorFromAMenuCommandIsHandled();
    void rightClickOpensTheWindowMenu();
};

void MainWindowTest::theFrameHasItsFixedSize() {
    Fixture f;
    f.show();
    QCOMPARE(f.window->centralWidget()->size(), QSize(611, 430));
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    QVERIFY(!(f.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(f.window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(f.window->findChild<QWidget*>("nbkMain")->geometry(), QRect(26, 33, 587, 380));
    QCOMPARE(f.window->findChild<QWidget*>("pnlCalculatorName")->width(), 26);
    QCOMPARE(f.window->findChild<QWidget*>("pnlButtonBar")->height(), 33);
    // The exit and calculator list buttons keep to the bar's right edge.
    QCOMPARE(f.button("btnExit")->x(), 611 - 29);
    QCOMPARE(f.button("btnCalculators")->x(), 611 - 177);
}

void MainWindowTest::captionFollowsTheDocument_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("caption");
    QTest::newRow("no document") << ""
                                 << "Kelvarin, 2.1.00";
    QTest::newRow("a document: its file name without the folder") << "/home/pat/Houses/Elm Street.zlk"
                                                                  << "Kelvarin, 2.1.00 - Elm Street.zlk";
}

void MainWindowTest::captionFollowsTheDocument() {
    QFETCH(QString, document);
    QFETCH(QString, caption);
    Fixture f;
    f.window->FormCreate();
    QCOMPARE(f.window->windowTitle(), QString("Kelvarin, 2.1.00"));
    f.ws.state().DocumentFileName = document.toStdString();
    f.window->updateCaption();
    QCOMPARE(f.window->windowTitle(), caption);
}

void MainWindowTest::statusBarShowsTheLongHintUnderTheMouse_data() {
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("status");
    QTest::newRow("button bar picture button") << "btnOpen"
                                               << "Open ...";
    QTest::newRow("main menu page button") << "btnHSP"
                                           << "Go to Home Seller's Proceeds Calculator";
    QTest::newRow("a control without a hint") << "lblProductName"
                                              << "";
    QTest::newRow("the part after the bar") << "withBar"
                                            << "the long hint";
    QTest::newRow("a child takes its parent's hint") << "childOfHinted"
                                                     << "Open ...";
}

void MainWindowTest::statusBarShowsTheLongHintUnderTheMouse() {
    QFETCH(QString, widget);
    QFETCH(QString, status);
    Fixture f;
    auto* withBar = new QLabel("x", f.window->findChild<QWidget*>("pgMenu"));
    withBar->setObjectName("withBar");
    withBar->setGeometry(0, 340, 40, 20);
    app::setHint(withBar, "short|the long hint");
    auto* child = new QWidget(f.button("btnOpen"));
    child->setObjectName("childOfHinted");
    child->setGeometry(2, 2, 6, 6);
    f.show();
    QCOMPARE(f.window->statusLine().text(), QString(" Welcome to Kelvarin by Larkmoor Software, LLC!"));
    QCOMPARE(f.button("btnOpen")->toolTip(), QString("Open ..."));
    QCOMPARE(withBar->toolTip(), QString("short"));

    auto* target = f.window->findChild<QWidget*>(widget);
    QVERIFY(target);
    QTest::mouseMove(f.button("btnSave")); // something else first
    QTest::mouseMove(target, QPoint(2, 2));
    QCOMPARE(f.window->statusLine().text(), status);
}

void MainWindowTest::menusAndButtonsStartAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::newRow("print preview entry") << "MnuFilePrint" << false << true;
    QTest::newRow("print setup entry, always available") << "MnuFilePrintSetup" << true << true;
    // Commands no module has built yet are disabled rather than doing nothing.
    QTest::newRow("print setup entry") << "MnuFilePrintSetup" << true << true;
    QTest::newRow("open entry") << "mnuFileOpen" << true << true;
    QTest::newRow("save entry") << "mnuFileSave" << true << true;
    QTest::newRow("save as entry") << "mnuFileSaveAs" << true << true;
    QTest::newRow("help contents, not built") << "MnuHelpContents" << false << true;
    QTest::newRow("right-click help, not built") << "MnuPopHelp" << false << true;
    QTest::newRow("samples for all") << "mnuResetAllSamples" << true << true;
    QTest::newRow("reset this to zero, built") << "mnuResetThisZero" << true << true;
    QTest::newRow("exit entry") << "MnuFileExit" << true << true;
    QTest::newRow("calculators menu: main menu") << "mnuCalculatorsMain" << false << true;
    QTest::newRow("right-click menu: main menu") << "mnuPopMain" << false << true;
    QTest::newRow("calculator list: main menu") << "mnuPopCalcsMain" << false << true;
    QTest::newRow("calculators menu: quick calculators") << "MnuCalculatorsQC" << true << true;
    QTest::newRow("calculator list: home seller's proceeds") << "mnuPopCalcsHSP" << true << true;
    QTest::newRow("reopen") << "mnuFileReopen" << true << true;
    QTest::newRow("hidden: new") << "mnuFileNew" << true << false;
    QTest::newRow("hidden: close") << "mnuFileClose" << true << false;
    QTest::newRow("hidden: page setup") << "mnuFilePageSetup" << true << false;
    QTest::newRow("hidden: view menu") << "mnuView" << true << false;
    QTest::newRow("hidden: preferences menu") << "mnuPreferences" << true << false;
    QTest::newRow("print button") << "btnPrint" << false << true;
    QTest::newRow("reset button") << "btnReset" << false << true;
    QTest::newRow("open button") << "btnOpen" << true << true;
    QTest::newRow("save button") << "btnSave" << true << true;
    QTest::newRow("help button, not built") << "btnHelp" << false << true;
    QTest::newRow("calculator list button") << "btnCalculators" << true << true;
    QTest::newRow("exit button") << "btnExit" << true << true;
}

void MainWindowTest::menusAndButtonsStartAsDesigned() {
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    Fixture f;
    app::installFeatures(*f.window);
    f.window->FormCreate();
    f.show();
    if (name.startsWith("btn")) {
        auto* button = f.button(name.toLatin1().constData());
        QVERIFY(button);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->isVisible(), visible);
        return;
    }
    QAction* entry = f.action(name.toLatin1().constData());
    QVERIFY(entry);
    QCOMPARE(entry->isVisible(), visible);
    if (visible) // Qt counts a hidden entry as disabled
        QCOMPARE(entry->isEnabled(), enabled);
}

void MainWindowTest::menuCaptionsAndShortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("open") << "mnuFileOpen"
                          << "&Open" << QKeySequence("Ctrl+O");
    QTest::newRow("save") << "mnuFileSave"
                          << "&Save" << QKeySequence("Ctrl+S");
    QTest::newRow("save as") << "mnuFileSaveAs"
                             << "Save &As ..." << QKeySequence();
    QTest::newRow("print preview") << "MnuFilePrint"
                                   << "&Print Preview ..." << QKeySequence();
    QTest::newRow("exit") << "MnuFileExit"
                          << "E&xit" << QKeySequence();
    QTest::newRow("loan spread") << "mnuCalculatorsLSC"
                                 << "Loan &Spread Calculator" << QKeySequence();
    QTest::newRow("rent vs buy in the right-click menu") << "mnuPopRVB"
                                                         << "Rent &vs Buy Calculator" << QKeySequence();
    QTest::newRow("calculator list disclaimer") << "mnuPopCalcsDisclaimer"
                                                << "&Disclaimer ..." << QKeySequence();
    QTest::newRow("right-click disclaimer") << "MnuPopDisclaimer"
                                            << "&Disclaimer..." << QKeySequence();
    QTest::newRow("reset this to zero") << "mnuResetThisZero"
                                        << "&Reset THIS Calculator to Zero Values" << QKeySequence();
    QTest::newRow("samples for all") << "mnuResetAllSamples"
                                     << "Use Sample Values for &ALL Calculators" << QKeySequence();
    QTest::newRow("update check") << "mnuInternetUpdate"
                                  << "Check for &Updated Version ..." << QKeySequence();
    QTest::newRow("hidden new keeps its shortcut") << "mnuFileNew"
                                                   << "&New" << QKeySequence("Ctrl+N");
}

void MainWindowTest::menuCaptionsAndShortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    Fixture f;
    QAction* entry = f.action(name.toLatin1().constData());
    QVERIFY(entry);
    QCOMPARE(entry->text(), caption);
    QCOMPARE(entry->shortcut(), shortcut);
}

void MainWindowTest::formCreateRunsItsStepsInOrder() {
    Fixture f;
    std::vector<std::string> steps;
    auto& state = f.ws.state();
    f.window->hooks().startup.registerFileType = [&] {
        // Registering comes before the session's start: no clock read, no defaults file yet.
        steps.push_back("register file type");
        QVERIFY(!state.ProgramFolder.empty());
        QCOMPARE(state.CurrentYear, 0);
        QVERIFY(!f.window->session().defaultsFile().has_value());
    };
    state.DocumentFileName = "left over";
    f.ws.field("edtLA").writeFloat(5);
    f.window->FormCreate();
    QCOMPARE(steps, std::vector<std::string>{"register file type"});
    QVERIFY(state.DocumentFileName.empty());
    QVERIFY(!state.ProgramFolder.empty() && state.ProgramFolder.back() == '/');
    QCOMPARE(f.window->helpFile(), state.ProgramFolder + "ZELK.hlp");
    QVERIFY(f.window->session().defaultsFile().has_value());
    // The clock is read in local time, as kelvarin-calc reads it.
    const QDate today = QDate::currentDate();
    QCOMPARE(state.CurrentYear, today.year());
    QCOMPARE(QString::fromStdString(state.CurrentMonthShort),
             QLocale(QLocale::English).monthName(today.month(), QLocale::ShortFormat));
    QCOMPARE(QString::fromStdString(state.CurrentMonthLong),
             QLocale(QLocale::English).monthName(today.month()));
    QCOMPARE(f.ws.field("edtLA").readFloat(), 0.0); // the all-zero reset ran
    QCOMPARE(f.ws.shownPage(), std::string_view("pgMenu"));
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);
}

void MainWindowTest::aFailingStartupStepDoesNotStopTheStart() {
    Fixture f;
    f.window->hooks().startup.registerFileType = [] { throw std::runtime_error("no desktop database"); };
    f.ws.field("edtLA").writeFloat(5);
    f.window->FormCreate();
    QCOMPARE(f.ui.messages.size(), 1u);
    QVERIFY(QString::fromStdString(f.ui.messages[0].text).startsWith("An unidentified error has occurred."));
    QCOMPARE(f.ws.field("edtLA").readFloat(), 0.0);
    QVERIFY(f.ws.state().CurrentYear > 0);
}

void MainWindowTest::closingAsksToSaveAnOpenDocument_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("closed");
    const int yes = int(MessageAnswer::Yes), no = int(MessageAnswer::No);
    QTest::newRow("no document: nothing asked") << "" << yes << false << false << false << true;
    QTest::newRow("document, Yes: saved and closed")
        << "/tmp/houses/Elm Street.zlk" << yes << false << true << true << true;
    QTest::newRow("document, No: closed unsaved")
        << "/tmp/houses/Elm Street.zlk" << no << false << true << false << true;
    QTest::newRow("document, Yes, the write fails: stays open")
        << "/tmp/houses/Elm Street.zlk" << yes << true << true << true << false;
}

void MainWindowTest::closingAsksToSaveAnOpenDocument() {
    QFETCH(QString, document);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    QFETCH(bool, asked);
    QFETCH(bool, saved);
    QFETCH(bool, closed);
    Fixture f;
    f.window->FormCreate();
    f.show();
    int saves = 0, engineReleases = 0;
    f.window->hooks().file.save = [&] {
        ++saves;
        if (saveFails)
            throw std::runtime_error("disk full");
    };
    f.window->hooks().close.releaseEngines = [&] { ++engineReleases; };
    f.ws.state().DocumentFileName = document.toStdString();
    f.ui.answer = static_cast<MessageAnswer>(answer);

    QCOMPARE(f.window->close(), closed);
    QCOMPARE(f.window->isVisible(), !closed);
    QCOMPARE(saves, saved ? 1 : 0);
    QCOMPARE(engineReleases, closed ? 1 : 0);
    if (!asked) {
        QVERIFY(f.ui.messages.empty());
        return;
    }
    QVERIFY(!f.ui.messages.empty());
    QCOMPARE(QString::fromStdString(f.ui.messages[0].text), "Save changes to " + document);
    QCOMPARE(f.ui.messages[0].icon, MessageIcon::Question);
    QCOMPARE(f.ui.messages[0].buttons, MessageButtons::YesNo);
    if (saveFails) {
        QCOMPARE(f.ui.messages.size(), 2u);
        QVERIFY(
            QString::fromStdString(f.ui.messages[1].text).startsWith("An unidentified error has occurred."));
    }
}

void MainWindowTest::exitCommandsCloseTheWindow_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("exit button") << "btnExit";
    QTest::newRow("File, Exit") << "MnuFileExit";
    QTest::newRow("right-click menu, Exit") << "MnuPopExit";
}

void MainWindowTest::exitCommandsCloseTheWindow() {
    QFETCH(QString, command);
    Fixture f;
    f.window->FormCreate();
    f.show();
    if (command.startsWith("btn"))
        QTest::mouseClick(f.button(command.toLatin1().constData()), Qt::LeftButton);
    else
        f.action(command.toLatin1().constData())->trigger();
    QVERIFY(!f.window->isVisible());
}

void MainWindowTest::aCalculationErrorFromAMenuCommandIsHandled() {
    Fixture f;
    f.window->hooks().shell.glossary = [] { loanmath::Div(1, 0, "test"); };
    f.window->FormCreate();
    f.action("MnuHelpGlossary")->trigger();
    QCOMPARE(f.ui.messages.size(), 1u);
    QCOMPARE(f.ui.messages[0].text, std::string(calculators::ErrorHandler::kCalculationMessage));
}

void MainWindowTest::rightClickOpensTheWindowMenu() {
    Fixture f;
    f.window->FormCreate();
    f.show();
    auto* label = f.window->findChild<QWidget*>("lblProductName");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(label, &event);
    QVERIFY(f.window->menus().popupMenu()->isVisible());
    f.window->menus().popupMenu()->close();

    QTest::mouseClick(f.button("btnCalculators"), Qt::LeftButton);
    QVERIFY(f.window->menus().calculatorList()->isVisible());
    f.window->menus().calculatorList()->close();
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
