#include "Documents.h"

#include "workspace/UiPort.h"

#include <algorithm>
#include <filesystem>

namespace kelvarin::calculators {

namespace fs = std::filesystem;

std::string withDocumentSuffix(std::string path) {
    if (!path.empty() && !fs::path(path).has_extension())
        path += DocumentSuffix;
    return path;
}

namespace {

std::string fullPath(const std::string& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

} // namespace

Documents::Documents(CalculatorSet& calculators) : m_calculators(calculators), m_ctx(calculators.context()) {}

void Documents::documentChanged() {
    if (onDocumentChanged)
        onDocumentChanged();
    m_ctx.ui.refresh();
}

void Documents::btnOpenClick() {
    if (m_dialogs == nullptr)
        return;
    const std::optional<std::string> chosen = m_dialogs->chooseFileToOpen();
    if (!chosen || chosen->empty())
        return;
    openDocument(withDocumentSuffix(*chosen));
}

bool Documents::openDocument(const std::string& path) {
    const workspace::LoadedDocument loaded = workspace::loadDocumentFile(path, m_ctx.ws.regional());
    if (loaded.status == workspace::ReadStatus::Missing) {
        m_ctx.ui.message("The file " + path + " does not exist.", workspace::MessageIcon::Error,
                         workspace::MessageButtons::Ok);
        return false;
    }
    if (!loaded.content)
        throw DocumentFailure("Could not open " + path + ": " + loaded.error.reason);

    mnuFileCloseClick();
    workspace::applyDocument(m_ctx.ws, m_ctx.held, *loaded.content);
    m_calculators.afterDocumentRead();

    auto& state = m_ctx.ws.state();
    if (onOpened)
        onOpened(fullPath(path));
    state.DocumentFileName = fullPath(path);
    const workspace::Choice& month = m_ctx.ws.choice("cbMonth");
    if (const auto it = std::ranges::find(month.items, month.text); it != month.items.end())
        state.ScheduleStartMonth = static_cast<std::int32_t>(it - month.items.begin()) + 1;
    state.ScheduleStartYear = m_ctx.ws.field("edtYear").readWhole();
    documentChanged();

    // The rows are rebuilt from the stored loan and the prepayments of the stored rows.
    m_calculators.CalcAmortization();
    m_calculators.CreatePrepaymentList();
    m_ctx.ui.refresh();
    return true;
}

void Documents::saveDocument(std::string path) {
    path = withDocumentSuffix(std::move(path));
    const workspace::WriteResult written = workspace::saveDocumentFile(path, m_ctx.ws, m_ctx.held, m_writer);
    m_calculators.CreatePrepaymentList();
    if (!written)
        throw DocumentFailure(written.message);
    m_ctx.ws.state().DocumentFileName = fullPath(path);
    documentChanged();
}

bool Documents::btnSaveClick() {
    const std::string& document = m_ctx.ws.state().DocumentFileName;
    if (document.empty())
        return mnuFileSaveAsClick();
    saveDocument(document);
    return true;
}

bool Documents::mnuFileSaveAsClick() {
    if (m_dialogs == nullptr)
        return false;
    const std::optional<std::string> chosen = m_dialogs->chooseFileToSave(m_proposedSaveName);
    if (!chosen || chosen->empty())
        return false;
    const std::string path = withDocumentSuffix(*chosen);
    m_proposedSaveName = path;
    saveDocument(path);
    return true;
}

void Documents::mnuFileCloseClick() {
    auto& state = m_ctx.ws.state();
    if (state.DocumentFileName.empty())
        return;
    m_calculators.ResetAllToZero();
    state.DocumentFileName.clear();
    documentChanged();
}

} // namespace kelvarin::calculators
