#pragma once

#include "Hooks.h"
#include "WindowUiPort.h"
#include "calculators/Session.h"
#include "pages/PageContext.h"
#include "widgets/LeaveErrorReporter.h"

#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>

namespace kelvarin::app {

class ButtonBar;
class Menus;
class PageSet;
class StatusLine;
class TitleStrip;

// The main window: the frame around the session's pages (button bar, title strip, page set,
// status bar, menus), the UI port the calculators reach the user through, and the start-up
// and closing steps. It owns the Session, the whole program state; the frame only shows it.
// Fixed client area of 611 by 430 below the menu bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 611;
    static constexpr int kClientHeight = 430;

    explicit MainWindow(const workspace::RegionalSettings& regional, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's initialisation; run once, after installFeatures has filled the hooks.
    void FormCreate();
    // "Kelvarin, 2.1.00", with " - " and the document's file name while one is open.
    void updateCaption();
    // A second start asked for the window: restore it when minimised and bring it forward.
    void bringToFront();
    // Print button and Print Preview entry, always together (off while printing is not built).
    void setPrintingAvailable(bool available);
    // Asks the window to close (Exit, the exit button, the close box).
    void MnuFileExitClick();
    // A navigation command by name ("btnQC", "mnuPopLSC", ...), through the error handler.
    void navigate(std::string_view command);

    calculators::Session& session() { return m_session; }
    workspace::Workspace& workspace() { return m_session.workspace(); }
    calculators::ErrorHandler& errors() { return m_session.errors(); }
    WindowUiPort& uiPort() { return m_ui; }
    Hooks& hooks() { return m_hooks; }
    Menus& menus() { return *m_menus; }
    PageSet& pages() { return *m_pages; }
    TitleStrip& titleStrip() { return *m_title; }
    StatusLine& statusLine() { return *m_status; }
    ButtonBar& buttonBar() { return *m_buttons; }
    const std::string& helpFile() const { return m_helpFile; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildFrame();
    void connectButtons();
    void followNavigation();
    void disableUnbuiltCommands();
    bool FormCloseQuery();
    void FormClose();

    Hooks m_hooks;
    WindowUiPort m_ui;
    calculators::Session m_session;
    LeaveErrorReporter m_leaveErrors;
    std::unique_ptr<PageContext> m_pageContext;
    std::string m_helpFile;
    bool m_closed = false;

    ButtonBar* m_buttons = nullptr;
    TitleStrip* m_title = nullptr;
    PageSet* m_pages = nullptr;
    StatusLine* m_status = nullptr;
    Menus* m_menus = nullptr;
};

} // namespace kelvarin::app
