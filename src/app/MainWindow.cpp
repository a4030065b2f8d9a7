#include "MainWindow.h"

#include "AppInfo.h"
#include "Application.h"
#include "ButtonBar.h"
#include "Menus.h"
#include "PageSet.h"
#include "StatusLine.h"
#include "calculators/Navigator.h"
#include "widgets/ControlBinding.h"
#include "widgets/TitleStrip.h"
#include "workspace/DefaultsFile.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>
#include <filesystem>

namespace kelvarin::app {

namespace {
constexpr int kButtonBarHeight = 33;
constexpr int kStripWidth = 26;
constexpr int kPagesWidth = 587;
constexpr int kPagesHeight = 380;
constexpr int kHintDelayMs = 400;

std::filesystem::path userConfigFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? std::filesystem::path() : std::filesystem::path(folder.toStdString());
}
} // namespace

MainWindow::MainWindow(const workspace::RegionalSettings& regional, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_session(regional, m_ui), m_leaveErrors(m_ui) {
    setObjectName(QStringLiteral("frmMain"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setWindowTitle(QString::fromLatin1(kCaption));
    m_ui.setWindow(this);
    m_ui.setPrintingSwitch([this](bool available) { setPrintingAvailable(available); });
    buildFrame();
    connectButtons();
    followNavigation();
    m_session.verifyNames();
}

// The widgets and menus unbind from the session as they go, so they go before the members.
MainWindow::~MainWindow() {
    m_ui.setWindow(nullptr);
    delete takeCentralWidget();
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        delete menu;
    for (QMenu* menu : findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        delete menu;
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

    const auto navigateTo = [this](std::string_view command) { navigate(command); };
    m_pageContext =
        std::make_unique<PageContext>(PageContext{m_session, m_ui, m_leaveErrors, m_hooks, navigateTo});
    m_pages = new PageSet(*m_pageContext, client);
    m_pages->setGeometry(kStripWidth, kButtonBarHeight, kPagesWidth, kPagesHeight);

    m_status = new StatusLine(this, client);
    m_status->setGeometry(0, kButtonBarHeight + kPagesHeight, kClientWidth,
                          kClientHeight - kButtonBarHeight - kPagesHeight);

    m_menus = new Menus(this, m_session.errors(), m_hooks, m_session.workspace(), navigateTo,
                        [this] { MnuFileExitClick(); });

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
}

void MainWindow::connectButtons() {
    const auto onClick = [this](const char* name, std::function<void()> command) {
        connect(m_buttons->button(name), &QToolButton::clicked, this,
                [this, command = std::move(command)] { m_session.errors().dispatch(command); });
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

// The title strip and the reset button show what navigation decided in the core; the page
// set follows the workspace's shown page (PageSet).
void MainWindow::followNavigation() {
    auto& ws = m_session.workspace();
    bindControl(m_buttons->button(std::string(calculators::Navigator::kResetButton)),
                ws.control(calculators::Navigator::kResetButton));
    auto& title = ws.control(calculators::Navigator::kTitleStrip);
    const auto showTitle = [this](const workspace::ControlState& state) {
        m_title->setTitle(QString::fromStdString(state.caption()), state.top());
    };
    showTitle(title);
    const int id = title.addObserver(showTitle);
    connect(m_title, &QObject::destroyed, [&title, id] { title.removeObserver(id); });
}

void MainWindow::disableUnbuiltCommands() {
    m_menus->disableUnbuiltCommands();
    const std::pair<const char*, const Hook*> buttons[] = {
        {"btnOpen", &m_hooks.file.open},      {"btnSave", &m_hooks.file.save},
        {"btnPrint", &m_hooks.file.print},    {"btnPopupCalculator", &m_hooks.shell.popupCalculator},
        {"btnUpdate", &m_hooks.shell.update}, {"btnHelp", &m_hooks.shell.help},
    };
    for (const auto& [name, hook] : buttons)
        if (!*hook)
            m_buttons->button(name)->setEnabled(false);
}

void MainWindow::FormCreate() {
    disableUnbuiltCommands();
    auto& state = m_session.workspace().state();
    state.DocumentFileName.clear();
    updateCaption();
    state.ProgramFolder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
    m_session.errors().dispatch(m_hooks.startup.registerFileType);
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
        app->setExceptionSink([this](std::exception_ptr error) { m_session.errors().AppOnException(error); });
    m_helpFile = state.ProgramFolder + "ZELK.hlp";
    Application::setHintDelay(kHintDelayMs);
    m_session.errors().dispatch([this, &state] {
        const auto& regional = m_session.workspace().regional();
        workspace::DefaultsFile defaults(
            workspace::locateDefaultsFile(state.ProgramFolder, userConfigFolder()), regional);
        m_session.start(std::move(defaults), calculators::LocalDate::today());
    });
    unsetCursor();
}

void MainWindow::updateCaption() {
    setWindowTitle(captionFor(m_session.workspace().state().DocumentFileName));
}

void MainWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::setPrintingAvailable(bool available) {
    available = available && m_hooks.file.print;
    m_buttons->button("btnPrint")->setEnabled(available);
    if (QAction* entry = m_menus->action("MnuFilePrint"))
        entry->setEnabled(available);
}

void MainWindow::MnuFileExitClick() {
    close();
}

void MainWindow::navigate(std::string_view command) {
    m_session.errors().dispatch([&] { m_session.navigator().gotoChosenCalculator(command); });
}

bool MainWindow::FormCloseQuery() {
    const std::string& document = m_session.workspace().state().DocumentFileName;
    if (document.empty())
        return true;
    const auto answer = m_ui.message("Save changes to " + document, workspace::MessageIcon::Question,
                                     workspace::MessageButtons::YesNo);
    // A failed write reaches the error handler and keeps the window open.
    if (answer == workspace::MessageAnswer::Yes)
        return m_session.errors().dispatch(m_hooks.file.save);
    return true;
}

void MainWindow::FormClose() {
    auto& errors = m_session.errors();
    errors.dispatch(m_hooks.close.saveRecentFiles);
    errors.dispatch(m_hooks.close.closeHelp);
    errors.dispatch(m_hooks.close.releaseEngines);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    bool mayClose = false;
    if (!m_session.errors().dispatch([&] { mayClose = FormCloseQuery(); }) || !mayClose) {
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

} // namespace kelvarin::app
