#pragma once

#include <functional>

namespace kelvarin::app {

// Commands and steps that the frame calls but other modules implement. Each module fills its
// own hooks in installFeatures (Features.cpp); the menu entries and buttons of a command whose
// hook is still empty are disabled, so that nothing offered silently does nothing.
using Hook = std::function<void()>;

inline void runHook(const Hook& hook) {
    if (hook)
        hook();
}

// File menu and button bar.
struct FileHooks {
    Hook open;           // btnOpenClick
    Hook save;           // btnSaveClick; also the Yes of the close prompt
    Hook saveAs;         // mnuFileSaveAsClick
    Hook exportSchedule; // Export Schedule as CSV: the amortization grid on screen
    Hook closeDocument;  // mnuFileCloseClick (the entry itself stays hidden)
    Hook clearHistory;   // mnuFileClearHistoryClick
    Hook print;          // Print: preview of the shown page's report
    Hook printSetup;     // printer setup dialog
};

// Zero and sample values: the reset menu and the page resets the frame runs itself.
struct ResetHooks {
    Hook thisZeroClick;
    Hook allZeroClick;
    Hook thisSamplesClick;
    Hook allSamplesClick;
};

// Help, small windows and web links.
struct ShellHooks {
    Hook help; // topic of the shown page
    Hook helpContents;
    Hook helpSearch;
    Hook helpHowTo;
    Hook glossary;
    Hook disclaimer;
    Hook about; // also a click on the main menu page's picture
    Hook popupCalculator;
    Hook update;
    Hook webHome;
    Hook webFreeware;
    Hook webSuggest;
    Hook mailSuggest;
    Hook mailSupport;
};

// Steps of the window's start that belong to other modules, around the session's own start-up
// (defaults, prepayment list, clock, resets), in the order run.
struct StartupHooks {
    Hook registerFileType;    // before the session starts
    Hook restoreRecentFiles;  // right after the initialisation
    Hook createHiddenWindows; // popup calculator and disclaimer, never shown
};

// Closing: saveRecentFiles once the close prompt lets the window close, then FormClose.
struct CloseHooks {
    Hook saveRecentFiles;
    Hook closeHelp;
    Hook releaseEngines;
};

struct Hooks {
    FileHooks file;
    ResetHooks reset;
    ShellHooks shell;
    StartupHooks startup;
    CloseHooks close;
};

} // namespace kelvarin::app
