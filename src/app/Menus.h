#pragma once

#include "Hooks.h"
#include "NavigationTable.h"

#include <QObject>

#include <array>
#include <functional>
#include <string_view>

class QAction;
class QMainWindow;
class QMenu;

namespace kelvarin::app {

class ErrorHandler;

// The window's menus: the main menu, the right-click menu, the Calculator List menu and the
// reset menu, with their captions, shortcuts and start states. Every entry is found by its
// design name (action()); its command runs through the error handler.
class Menus : public QObject {
    Q_OBJECT
public:
    using Navigate = std::function<void(std::string_view command)>;

    Menus(QMainWindow* window, ErrorHandler& errors, Hooks& hooks, Navigate navigate, Hook exitCommand);

    QMenu* popupMenu() const { return m_popup; }
    QMenu* calculatorList() const { return m_calculatorList; }
    QMenu* resetMenu() const { return m_reset; }

    QAction* action(std::string_view name) const;
    // The target's entries in the Calculators menu, the right-click menu and the Calculator List menu.
    std::array<QAction*, 3> entriesOf(const NavigationTarget& target) const;

private:
    QAction* add(QMenu* menu, const char* name, const char* caption, Hook command);
    QAction* addInert(QMenu* menu, const char* name, const char* caption);  // no effect
    QAction* addHidden(QMenu* menu, const char* name, const char* caption);
    QMenu* addMenu(QMenu* parent, const char* name, const char* caption);
    void addCalculatorEntries(QMenu* menu, std::string_view NavigationTarget::*column);
    void buildMainMenu();
    void buildPopupMenus();

    QMainWindow* m_window;
    ErrorHandler& m_errors;
    Hooks& m_hooks;
    Navigate m_navigate;
    Hook m_exit;
    QMenu* m_popup = nullptr;
    QMenu* m_calculatorList = nullptr;
    QMenu* m_reset = nullptr;
};

}  // namespace kelvarin::app
