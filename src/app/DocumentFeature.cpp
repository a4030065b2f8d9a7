#include "DocumentFeature.h"

#include "MainWindow.h"

#include <QFileDialog>

namespace kelvarin::app {

namespace {

std::optional<std::string> run(QFileDialog& dialog) {
    dialog.setNameFilter(QString::fromLatin1(kDocumentFilter));
    dialog.setDefaultSuffix(QStringLiteral("zlk"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

std::optional<std::string> DocumentFileDialogs::chooseFileToOpen() {
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the file need not exist
    dialog.selectFile(QStringLiteral("*.zlk"));
    return run(dialog);
}

std::optional<std::string> DocumentFileDialogs::chooseFileToSave(const std::string& proposedName) {
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setSizeGripEnabled(true);
    dialog.selectFile(QString::fromStdString(proposedName));
    return run(dialog);
}

DocumentFeature::DocumentFeature(MainWindow& window) : QObject(&window), m_dialogs(&window) {
    auto& documents = window.session().documents();
    documents.setDialogs(&m_dialogs);
    documents.onDocumentChanged = [&window] { window.updateCaption(); };
    auto& file = window.hooks().file;
    file.open = [&documents] { documents.btnOpenClick(); };
    file.save = [&documents] { documents.btnSaveClick(); };
    file.saveAs = [&documents] { documents.mnuFileSaveAsClick(); };
    file.closeDocument = [&documents] { documents.mnuFileCloseClick(); };
}

void installDocuments(MainWindow& window) {
    new DocumentFeature(window);
}

} // namespace kelvarin::app
