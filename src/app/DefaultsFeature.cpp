#include "DefaultsFeature.h"

#include "MainWindow.h"

#include <QStandardPaths>

#include <filesystem>

namespace kelvarin::app {

namespace {

std::filesystem::path userConfigFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? std::filesystem::path() : std::filesystem::path(folder.toStdString());
}

}  // namespace

void installDefaults(MainWindow& window) {
    window.hooks().startup.loadDefaults = [&window] {
        auto& state = window.workspace().state();
        const auto file = workspace::locateDefaultsFile(state.ProgramFolder, userConfigFolder());
        window.defaultsFile().emplace(file, window.workspace().regional());
        window.held() = workspace::loadDefaults(*window.defaultsFile(), state);
        window.calculators().estimatedClosingCosts().setDefaultsFile(&*window.defaultsFile());
    };
}

}  // namespace kelvarin::app
