#include "MainWindow.h"

#include "AppInfo.h"
#include "Application.h"
#include "ButtonBar.h"
#include "Menus.h"
#include "Navigation.h"
#include "PageSet.h"
#include "StatusLine.h"
#include "widgets/TitleStrip.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

namespace kelvarin::app {

namespace {
constexpr int kButtonBarHeight = 33;
constexpr int kStripWidth = 26;
constexpr int kPagesWidth = 587;
constexpr int kPagesHeight = 380;
constexpr int kHintDelayMs = 400;
}  // namespace

MainWindow::MainWindow(workspace::Workspace& workspace, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_workspace(workspace),
      m_ui(this),
      m_errors(workspace, m_ui, m_hooks),
      m_leaveErrors(m_ui),
      m_calculators(calculators::CalculatorContext{workspace, m_ui, m_held}) {
    setObjectName(QStringLiteral("frmMain"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setWindowTitle(QString::fromLatin1(kCaption));
    m_ui.setPrintingSwitch([this](bool available) { setPrintingAvailable(available); });
    buildFrame();
    connectButtons();
}

// Nothing global refers to the window: its end needs no more than this.
MainWindow::~MainWindow() {
    // Pages and their fields' views go before the members they refer to.
    delete takeCentralWidget();
}

void MainWindow::buildFrame() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    m_buttons = new ButtonBar(client);
    m_buttons->setGeometry(0, 0, kClientWidth, kButtonBarHeight);

    m_title = new TitleStrip(client);
    m_title->setGeometry(0, kButtonBarHeight, kStripWidth, kPagesHeight);

    const auto navigate = [this](std::string_view command) { m_navigation->gotoChosenCalculator(command); };
    m_pageContext = std::make_unique<PageContext>(
        PageContext{m_workspace, m_ui, m_calculators, m_errors, m_leaveErrors, m_hooks, navigate});
    m_pages = new PageSet(*m_pageContext, client);
    m_pages->setGeometry(kStripWidth, kButtonBarHeight, kPagesWidth, kPagesHeight);

    m_status = new StatusLine(this, client);
    m_status->setGeometry(0, kButtonBarHeight + kPagesHeight, kClientWidth,
                          kClientHeight - kButtonBarHeight - kPagesHeight);

    m_menus = new Menus(this, m_errors, m_hooks, navigate, [this] { MnuFileExitClick(); });
    m_navigation = std::make_unique<Navigation>(*m_pages, *m_menus, *m_title, *m_buttons->button("btnReset"), m_ui);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
}

void MainWindow::connectButtons() {
    const auto onClick = [this](const char* name, std::function<void()> command) {
        connect(m_buttons->button(name), &QToolButton::clicked, this,
                [this, command = std::move(command)] { m_errors.dispatch(command); });
    };
    auto& h = m_hooks;
    onClick("btnOpen", [&h] { runHook(h.file.open); });
    onClick("btnSave", [&h] { runHook(h.file.save); });
    onClick("btnPrint", [&h] { runHook(h.file.print); });
    onClick("btnPopupCalculator", [&h] { runHook(h.shell.popupCalculator); });
    onClick("btnUpdate", [&h] { runHook(h.shell.update); });
    onClick("btnHelp", [&h] { runHook(h.shell.help); });
    onClick("btnExit", [this] { MnuFileExitClick(); });
    onClick("btnReset", [this] {
        QToolButton* button = m_buttons->button("btnReset");
        m_menus->resetMenu()->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
    onClick("btnCalculators", [this] {
        QToolButton* button = m_buttons->button("btnCalculators");
        m_menus->calculatorList()->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
}

void MainWindow::FormCreate() {
    auto& state = m_workspace.state();
    state.DocumentFileName.clear();
    updateCaption();
    state.ProgramFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
    m_errors.dispatch(m_hooks.startup.registerFileType);
    m_errors.dispatch(m_hooks.startup.loadDefaults);
    m_errors.dispatch(m_hooks.startup.createPrepaymentList);
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
        app->setExceptionSink([this](std::exception_ptr error) { m_errors.appOnException(error); });
    readClock();
    m_helpFile = state.ProgramFolder + "ZELK.hlp";
    Application::setHintDelay(kHintDelayMs);
    m_errors.dispatch(m_hooks.reset.resetAmortizationSchedules);
    m_errors.dispatch(m_hooks.reset.resetPrepaymentCalculator);
    m_errors.dispatch(m_hooks.reset.resetAllToZero);
    unsetCursor();
}

void MainWindow::readClock() {
    auto& state = m_workspace.state();
    const QDate today = QDate::currentDate();
    const auto& regional = m_workspace.regional();
    state.CurrentMonthShort = regional.shortMonthNames.at(static_cast<std::size_t>(today.month() - 1));
    state.CurrentMonthLong = regional.longMonthNames.at(static_cast<std::size_t>(today.month() - 1));
    state.CurrentYear = today.year();
}

void MainWindow::updateCaption() { setWindowTitle(captionFor(m_workspace.state().DocumentFileName)); }

void MainWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::setPrintingAvailable(bool available) {
    m_buttons->button("btnPrint")->setEnabled(available);
    if (QAction* entry = m_menus->action("MnuFilePrint"))
        entry->setEnabled(available);
}

void MainWindow::MnuFileExitClick() { close(); }

bool MainWindow::FormCloseQuery() {
    const std::string& document = m_workspace.state().DocumentFileName;
    if (document.empty())
        return true;
    const auto answer = m_ui.message("Save changes to " + document, workspace::MessageIcon::Question,
                                     workspace::MessageButtons::YesNo);
    // A failed write reaches the error handler and keeps the window open.
    if (answer == workspace::MessageAnswer::Yes)
        return m_errors.dispatch(m_hooks.file.save);
    return true;
}

void MainWindow::FormClose() {
    m_errors.dispatch(m_hooks.close.saveRecentFiles);
    m_errors.dispatch(m_hooks.close.closeHelp);
    m_errors.dispatch(m_hooks.close.releaseEngines);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    bool mayClose = false;
    if (!m_errors.dispatch([&] { mayClose = FormCloseQuery(); }) || !mayClose) {
        event->ignore();
        return;
    }
    m_closed = true;
    FormClose();
    event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    m_menus->popupMenu()->popup(event->globalPos());
    event->accept();
}

}  // namespace kelvarin::app
