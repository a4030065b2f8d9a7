#pragma once

#include "calculators/Documents.h"

#include <QObject>
#include <QString>

class QWidget;

namespace kelvarin::app {

class MainWindow;

inline constexpr const char* kDocumentFilter = "Kelvarin File (*.zlk)";

// The open and save dialogs over the window: the one filter, ".zlk" added to a name typed
// without it, the save dialog asking before it replaces a file.
class DocumentFileDialogs : public calculators::DocumentDialogs {
public:
    explicit DocumentFileDialogs(QWidget* parent) : m_parent(parent) {}
    std::optional<std::string> chooseFileToOpen() override;
    std::optional<std::string> chooseFileToSave(const std::string& proposedName) override;

private:
    QWidget* m_parent;
};

// The File menu's document commands on the window: the hooks, the dialogs and the caption.
class DocumentFeature : public QObject {
    Q_OBJECT
public:
    // The window owns the feature and outlives the session's use of its dialogs.
    explicit DocumentFeature(MainWindow& window);

private:
    DocumentFileDialogs m_dialogs;
};

// Creates the feature as a child of the window and fills hooks.file's document commands.
void installDocuments(MainWindow& window);

} // namespace kelvarin::app
