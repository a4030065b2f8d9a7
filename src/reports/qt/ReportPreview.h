#pragma once

#include "reports/Layout.h"

#include <QDialog>

class QPrinter;
class QPrintPreviewWidget;
class QToolButton;

namespace kelvarin::reports {

// Paints the document on a printer set to US Letter portrait, from the page's corner.
void printDocument(const LaidOutDocument& document, QPrinter& printer);

// The modal print preview: zoom, print, export and close; the pages scroll vertically.
class ReportPreview : public QDialog {
    Q_OBJECT

public:
    // `printer` is the one chosen in the printer setup (it keeps its choice after the preview).
    ReportPreview(LaidOutDocument document, QPrinter& printer, QWidget* parent = nullptr);

    // The zoom choices in menu order.
    static QStringList zoomChoices();
    void setZoom(const QString& choice);
    QString zoom() const;

    QToolButton* zoomButton() const { return m_zoom; }
    QToolButton* printButton() const { return m_print; }
    QToolButton* exportButton() const { return m_export; }
    QToolButton* closeButton() const { return m_close; }
    QPrintPreviewWidget* view() const { return m_view; }

    // Writes the PDF to `path`; shows a warning and returns false when it cannot.
    bool exportPdf(const QString& path);

private:
    void paint(QPrinter* printer);

    LaidOutDocument m_document;
    QPrinter& m_printer;
    QPrintPreviewWidget* m_view;
    QToolButton* m_zoom;
    QToolButton* m_print;
    QToolButton* m_export;
    QToolButton* m_close;
};

} // namespace kelvarin::reports
