#pragma once

#include "Hooks.h"

#include <QObject>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace kelvarin::calculators {
class ErrorHandler;
}
namespace kelvarin::workspace {
class Workspace;
struct PageInfo;
} // namespace kelvarin::workspace

namespace kelvarin::app {

// The window's menus: the main menu, the right-click menu, the Calculator List menu and the
// reset menu, with their captions, shortcuts and start states. Every entry is found by its
// design name (action()); its command runs through the error handler. The navigation entries
// follow the workspace's control states of the same names.
class Menus : public QObject {
    Q_OBJECT
public:
    using Navigate = std::function<void(std::string_view command)>;

    Menus(QMainWindow* window, calculators::ErrorHandler& errors, Hooks& hooks, workspace::Workspace& ws,
          Navigate navigate, Hook exitCommand);

    QMenu* popupMenu() const { return m_popup; }
    QMenu* calculatorList() const { return m_calculatorList; }
    QMenu* resetMenu() const { return m_reset; }

    QAction* action(std::string_view name) const;
    // Disables every entry whose command no module has filled in yet.
    void disableUnbuiltCommands();

private:
    // The entry runs the hook (a member of Hooks, filled in later) when chosen.
    QAction* add(QMenu* menu, const char* name, const char* caption, const Hook& command);
    QAction* addInert(QMenu* menu, const char* name, const char* caption); // no effect
    QAction* addHidden(QMenu* menu, const char* name, const char* caption);
    QMenu* addMenu(QMenu* parent, const char* name, const char* caption);
    void addCalculatorEntries(QMenu* menu, std::string_view workspace::PageInfo::*column);
    void buildMainMenu();
    void buildPopupMenus();

    QMainWindow* m_window;
    calculators::ErrorHandler& m_errors;
    Hooks& m_hooks;
    workspace::Workspace& m_ws;
    std::vector<std::pair<QAction*, const Hook*>> m_commands;
    Navigate m_navigate;
    Hook m_exit;
    QMenu* m_popup = nullptr;
    QMenu* m_calculatorList = nullptr;
    QMenu* m_reset = nullptr;
};

} // namespace kelvarin::app
