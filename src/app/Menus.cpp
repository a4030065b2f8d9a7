#include "Menus.h"

#include "calculators/ErrorHandler.h"
#include "widgets/ControlBinding.h"
#include "workspace/Pages.h"
#include "workspace/Workspace.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace kelvarin::app {

namespace {
QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

Menus::Menus(QMainWindow* window, calculators::ErrorHandler& errors, Hooks& hooks, workspace::Workspace& ws,
             Navigate navigate, Hook exitCommand)
    : QObject(window), m_window(window), m_errors(errors), m_hooks(hooks), m_ws(ws),
      m_navigate(std::move(navigate)), m_exit(std::move(exitCommand)) {
    buildMainMenu();
    buildPopupMenus();
}

QAction* Menus::action(std::string_view name) const {
    return m_window->findChild<QAction*>(qs(name));
}

void Menus::disableUnbuiltCommands() {
    for (const auto& [entry, command] : m_commands)
        if (!*command)
            entry->setEnabled(false);
}

QAction* Menus::add(QMenu* menu, const char* name, const char* caption, const Hook& command) {
    auto* entry = menu->addAction(QString::fromUtf8(caption));
    entry->setObjectName(QString::fromLatin1(name));
    connect(entry, &QAction::triggered, this, [this, &command] { m_errors.dispatch(command); });
    m_commands.emplace_back(entry, &command);
    return entry;
}

QAction* Menus::addInert(QMenu* menu, const char* name, const char* caption) {
    auto* entry = menu->addAction(QString::fromUtf8(caption));
    entry->setObjectName(QString::fromLatin1(name));
    return entry;
}

QAction* Menus::addHidden(QMenu* menu, const char* name, const char* caption) {
    auto* entry = addInert(menu, name, caption);
    entry->setVisible(false);
    return entry;
}

QMenu* Menus::addMenu(QMenu* parent, const char* name, const char* caption) {
    auto* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void Menus::addCalculatorEntries(QMenu* menu, std::string_view workspace::PageInfo::*column) {
    bool first = true;
    for (const workspace::PageInfo* page : workspace::pagesInMenuOrder()) {
        const std::string_view name = page->*column;
        auto* entry = menu->addAction(qs(page->menuCaption));
        entry->setObjectName(qs(name));
        bindAction(entry, m_ws.control(name));
        connect(entry, &QAction::triggered, this,
                [this, name] { m_errors.dispatch([&] { m_navigate(name); }); });
        if (first) {
            menu->addSeparator();
            first = false;
        }
    }
}

void Menus::buildMainMenu() {
    QMenuBar* bar = m_window->menuBar();
    bar->setObjectName(QStringLiteral("MnuMain"));
    auto& h = m_hooks;
    auto topMenu = [&](const char* name, const char* caption) {
        auto* menu = bar->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu* file = topMenu("MnuFile", "&File");
    addHidden(file, "mnuFileNew", "&New")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    add(file, "mnuFileOpen", "&Open", h.file.open)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    addMenu(file, "mnuFileReopen", "&Reopen");
    add(file, "mnuFileClearHistory", "Clear History", h.file.clearHistory);
    file->addSeparator();
    auto* close = addHidden(file, "mnuFileClose", "&Close");
    connect(close, &QAction::triggered, this, [this] { m_errors.dispatch(m_hooks.file.closeDocument); });
    add(file, "mnuFileSave", "&Save", h.file.save)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    add(file, "mnuFileSaveAs", "Save &As ...", h.file.saveAs);
    // Beyond the original menu: the schedule on screen for spreadsheets, while it is shown.
    bindAction(add(file, "mnuFileExportCsv", "Export Schedule as CSV ...", h.file.exportSchedule),
               m_ws.control("mnuFileExportCsv"));
    file->addSeparator();
    addHidden(file, "mnuFilePageSetup", "Page Setup ...");
    add(file, "MnuFilePrintSetup", "Print Setup ...", h.file.printSetup);
    add(file, "MnuFilePrint", "&Print Preview ...", h.file.print)->setEnabled(false);
    file->addSeparator();
    add(file, "MnuFileExit", "E&xit", m_exit);

    QMenu* calculators = topMenu("MnuCalculators", "&Calculators");
    addCalculatorEntries(calculators, &workspace::PageInfo::calculatorsMenu);

    // Menus that exist but are never shown stay out of the menu bar, so that their access
    // keys (Alt+V, Alt+P) reach the page's buttons.
    auto hiddenMenu = [&](const char* name, const char* caption) {
        auto* menu = new QMenu(QString::fromUtf8(caption), m_window);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setVisible(false);
        return menu;
    };
    QMenu* view = hiddenMenu("mnuView", "&View");
    auto* normal = addInert(view, "mnuViewNormal", "&Normal");
    normal->setCheckable(true);
    normal->setChecked(true);
    addInert(view, "mnuViewCompact", "&Compact");

    QMenu* preferences = hiddenMenu("mnuPreferences", "&Preferences");
    addInert(preferences, "mnuPreferencesSetValues", "&Configure Preferred Values ...");
    QMenu* defaultCalculator = addMenu(preferences, "SetDefaultCalculator1", "Set Default &Calculator");
    for (const workspace::PageInfo* page : workspace::pagesInMenuOrder())
        addInert(defaultCalculator, page->preferenceEntry.data(), page->preferenceCaption.data());

    QMenu* internet = topMenu("mnuInternet", "&Internet");
    QMenu* web = addMenu(internet, "mnuInternetWeb", "&Larkmoor on the Web");
    add(web, "mnuInternetWebHome", "&Home Page", h.shell.webHome);
    add(web, "mnuInternetWebFreeware", "&Freeware Page", h.shell.webFreeware);
    web->addSeparator();
    add(web, "mnuInternetWebSuggest", "&Suggestion Box", h.shell.webSuggest);
    QMenu* mail = addMenu(internet, "mnuInternetEmail", "Contact Larkmoor by &Email");
    add(mail, "mnuInternetEmailSuggest", "Send &Suggestions", h.shell.mailSuggest);
    add(mail, "mnuInternetEmailSupport", "Contact &Tech Support", h.shell.mailSupport);
    internet->addSeparator();
    add(internet, "mnuInternetUpdate", "Check for &Updated Version ...", h.shell.update);

    QMenu* help = topMenu("MnuHelp", "&Help");
    add(help, "MnuHelpContents", "&Contents", h.shell.helpContents);
    add(help, "MnuHelpSearch", "&Search for Help On...", h.shell.helpSearch);
    add(help, "MnuHelpHow", "&How to Use Help", h.shell.helpHowTo);
    help->addSeparator();
    add(help, "MnuHelpGlossary", "Kelvarin &Glossary", h.shell.glossary);
    add(help, "MnuHelpDisclaimer", "&Disclaimer...", h.shell.disclaimer);
    help->addSeparator();
    add(help, "MnuHelpAbout", "&About...", h.shell.about);
}

void Menus::buildPopupMenus() {
    auto& h = m_hooks;
    m_popup = new QMenu(m_window);
    m_popup->setObjectName(QStringLiteral("MnuPopup"));
    addCalculatorEntries(m_popup, &workspace::PageInfo::popupMenu);
    m_popup->addSeparator();
    add(m_popup, "MnuPopGlossary", "Kelvarin &Glossary", h.shell.glossary);
    add(m_popup, "MnuPopDisclaimer", "&Disclaimer...", h.shell.disclaimer);
    m_popup->addSeparator();
    add(m_popup, "MnuPopHelp", "Help", h.shell.help);
    m_popup->addSeparator();
    add(m_popup, "MnuPopExit", "E&xit", m_exit);

    m_calculatorList = new QMenu(m_window);
    m_calculatorList->setObjectName(QStringLiteral("mnuPopCalcs"));
    addCalculatorEntries(m_calculatorList, &workspace::PageInfo::listMenu);
    m_calculatorList->addSeparator();
    add(m_calculatorList, "mnuPopCalcsGlossary", "Kelvarin &Glossary", h.shell.glossary);
    add(m_calculatorList, "mnuPopCalcsDisclaimer", "&Disclaimer ...", h.shell.disclaimer);

    m_reset = new QMenu(m_window);
    m_reset->setObjectName(QStringLiteral("mnuPopReset"));
    add(m_reset, "mnuResetThisZero", "&Reset THIS Calculator to Zero Values", h.reset.thisZeroClick);
    add(m_reset, "mnuResetAllZero", "Reset ALL Calculators to &Zero Values", h.reset.allZeroClick);
    m_reset->addSeparator();
    add(m_reset, "mnuResetSamples", "Use &Sample Values for THIS Calculator", h.reset.thisSamplesClick);
    add(m_reset, "mnuResetAllSamples", "Use Sample Values for &ALL Calculators", h.reset.allSamplesClick);
}

} // namespace kelvarin::app
