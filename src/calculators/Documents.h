#pragma once

#include "CalculatorSet.h"
#include "workspace/DocumentFile.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace kelvarin::calculators {

// A document command that failed and changed nothing; what() says why. The window's error
// handler shows "An unidentified error has occurred." for it, kelvarin-calc the reason.
class DocumentFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file dialogs, which the window implements with Qt. Both offer the one filter
// "Kelvarin File (*.zlk)" and give a name typed without extension ".zlk".
class DocumentDialogs {
public:
    virtual ~DocumentDialogs() = default;
    // The open dialog, "*.zlk" in its name box; the file need not exist. nullopt on Cancel.
    virtual std::optional<std::string> chooseFileToOpen() = 0;
    // The save dialog proposing proposedName; asks before replacing an existing file.
    // nullopt on Cancel.
    virtual std::optional<std::string> chooseFileToSave(const std::string& proposedName) = 0;
};

inline constexpr std::string_view DocumentSuffix = ".zlk";

// The File menu's document commands. A document is named by DocumentFileName; the caption
// shows it. Every command either succeeds whole or changes nothing: a file is read and checked
// before the workspace is touched, and written through a temporary file renamed into place.
class Documents {
public:
    explicit Documents(CalculatorSet& calculators);

    // The dialogs to ask through; without them Open and Save As act as if cancelled.
    void setDialogs(DocumentDialogs* dialogs) { m_dialogs = dialogs; }
    // How bytes reach the disk (tests inject faults); empty for the atomic writer.
    void setWriter(workspace::DocumentWriter writer) { m_writer = std::move(writer); }
    // Told after a document was opened by name (the recent-files list).
    std::function<void(const std::string& path)> onOpened;
    // Told whenever DocumentFileName may have changed: the caption, the Reopen menu, a repaint.
    std::function<void()> onDocumentChanged;

    // Open: the dialog, then openDocument. Cancel changes nothing.
    void btnOpenClick();
    // Reads and checks the file, and only then closes the current document and applies it:
    // the schedule grids and prepayment list rebuilt, the closing costs amounts locked, the
    // loan spread recalculated when shown, DocumentFileName and the schedule start set, the
    // schedule recalculated. A missing file is reported, changes nothing and gives false; a bad
    // file throws DocumentFailure and changes nothing.
    bool openDocument(const std::string& path);
    // Save: writes to DocumentFileName, or asks for a name first when there is none.
    // False when the dialog was cancelled. A failed write throws DocumentFailure and leaves
    // the old file, DocumentFileName and the caption as they were.
    bool btnSaveClick();
    // Save As: asks for a name and writes the document there; that name is the document from
    // then on. False when cancelled.
    bool mnuFileSaveAsClick();
    // Writes the document to path (".zlk" added when it has no extension); on success path is
    // the document.
    void saveDocument(std::string path);
    // Close: the all-zero reset and no document, only when one is open.
    void mnuFileCloseClick();

    // The name the save dialog proposes: "untitled.zlk", then the name chosen last.
    const std::string& proposedSaveName() const { return m_proposedSaveName; }

private:
    void documentChanged();

    CalculatorSet& m_calculators;
    CalculatorContext& m_ctx;
    DocumentDialogs* m_dialogs = nullptr;
    workspace::DocumentWriter m_writer;
    std::string m_proposedSaveName = "untitled.zlk";
};

// path with ".zlk" added when its file name has no extension.
std::string withDocumentSuffix(std::string path);

} // namespace kelvarin::calculators
