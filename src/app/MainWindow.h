#pragma once

#include "ErrorHandler.h"
#include "Hooks.h"
#include "WindowUiPort.h"
#include "pages/PageContext.h"
#include "widgets/LeaveErrorReporter.h"

#include "calculators/CalculatorSet.h"
#include "workspace/DefaultsFile.h"
#include "workspace/HeldValues.h"
#include "workspace/Workspace.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>

namespace kelvarin::app {

class ButtonBar;
class Menus;
class Navigation;
class PageSet;
class StatusLine;
class TitleStrip;

// The main window: the frame around the workspace's pages (button bar, title strip, page
// set, status bar, menus), the UI port the calculators reach the user through, and the
// start-up and closing steps. Fixed client area of 611 by 430 below the menu bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 611;
    static constexpr int kClientHeight = 430;

    explicit MainWindow(workspace::Workspace& workspace, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's initialisation; run once, after installFeatures has filled the hooks.
    void FormCreate();
    // "Kelvarin, 2.1.00", with " - " and the document's file name while one is open.
    void updateCaption();
    // A second start asked for the window: restore it when minimised and bring it forward.
    void bringToFront();
    // Print button and Print Preview entry, always together.
    void setPrintingAvailable(bool available);
    // Asks the window to close (Exit, the exit button, the close box).
    void MnuFileExitClick();

    workspace::Workspace& workspace() { return m_workspace; }
    workspace::HeldValues& held() { return m_held; }
    // ZELK.INI, once start-up has located it (empty before).
    std::optional<workspace::DefaultsFile>& defaultsFile() { return m_defaults; }
    WindowUiPort& uiPort() { return m_ui; }
    ErrorHandler& errors() { return m_errors; }
    Hooks& hooks() { return m_hooks; }
    calculators::CalculatorSet& calculators() { return m_calculators; }
    Menus& menus() { return *m_menus; }
    Navigation& navigation() { return *m_navigation; }
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
    void readClock();
    bool FormCloseQuery();
    void FormClose();

    workspace::Workspace& m_workspace;
    workspace::HeldValues m_held;
    std::optional<workspace::DefaultsFile> m_defaults;
    Hooks m_hooks;
    WindowUiPort m_ui;
    ErrorHandler m_errors;
    LeaveErrorReporter m_leaveErrors;
    calculators::CalculatorSet m_calculators;
    std::unique_ptr<PageContext> m_pageContext;
    std::string m_helpFile;
    bool m_closed = false;

    ButtonBar* m_buttons = nullptr;
    TitleStrip* m_title = nullptr;
    PageSet* m_pages = nullptr;
    StatusLine* m_status = nullptr;
    Menus* m_menus = nullptr;
    std::unique_ptr<Navigation> m_navigation;
};

}  // namespace kelvarin::app
