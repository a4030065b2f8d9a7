#include "ReportPreview.h"

#include "ReportRendering.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvarin::reports {

namespace {

void letterPortrait(QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
}

QToolButton* button(QWidget* parent, const QString& text, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

void printDocument(const LaidOutDocument& document, QPrinter& printer) {
    letterPortrait(printer);
    printer.setDocName(QString::fromStdString(document.title));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        paintPage(painter, document.pages[i], printer.resolution());
    }
    painter.end();
}

QStringList ReportPreview::zoomChoices() {
    return {"200%", "150%", "100%", "75%", "50%", "25%", "10%", "Page width", "Whole page", "Two pages"};
}

ReportPreview::ReportPreview(LaidOutDocument document, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_document(std::move(document)), m_printer(printer) {
    setWindowTitle(QStringLiteral("Print preview"));
    setModal(true);
    letterPortrait(m_printer);

    m_zoom = button(this, QStringLiteral("100%"), QStringLiteral("Zoom View of Page"));
    m_zoom->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(m_zoom);
    for (const QString& choice : zoomChoices())
        menu->addAction(choice, this, [this, choice] { setZoom(choice); });
    m_zoom->setMenu(menu);
    m_print = button(this, QStringLiteral("Print"), QStringLiteral("Print This Report ..."));
    m_export =
        button(this, QStringLiteral("Export PDF ..."), QStringLiteral("Export This Report as PDF ..."));
    m_close = button(this, QStringLiteral("Close"), QStringLiteral("Exit Preview ..."));

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_zoom);
    bar->addWidget(m_print);
    bar->addWidget(m_export);
    bar->addStretch();
    bar->addWidget(m_close);

    m_view = new QPrintPreviewWidget(&m_printer, this);
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView); // pages one below the other
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paint);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);

    connect(m_print, &QToolButton::clicked, this, [this] { printDocument(m_document, m_printer); });
    connect(m_export, &QToolButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export PDF"),
                                                          QString::fromStdString(m_document.title) + ".pdf",
                                                          QStringLiteral("PDF files (*.pdf)"));
        if (!path.isEmpty())
            exportPdf(path);
    });
    connect(m_close, &QToolButton::clicked, this, &QDialog::accept);
    resize(900, 1000);
    setZoom(QStringLiteral("100%"));
}

void ReportPreview::paint(QPrinter* printer) {
    QPainter painter(printer);
    for (std::size_t i = 0; i < m_document.pages.size(); ++i) {
        if (i > 0)
            printer->newPage();
        paintPage(painter, m_document.pages[i], printer->resolution());
    }
}

void ReportPreview::setZoom(const QString& choice) {
    if (choice == "Page width") {
        m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
        m_view->fitToWidth();
    } else if (choice == "Whole page") {
        m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
        m_view->fitInView();
    } else if (choice == "Two pages") {
        m_view->setViewMode(QPrintPreviewWidget::FacingPagesView);
        m_view->fitInView();
    } else {
        QString percent = choice;
        percent.chop(1);
        bool ok = false;
        const double factor = percent.toDouble(&ok) / 100.0;
        if (!ok)
            return;
        m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
        // The view's 100% is the page at the screen's resolution.
        m_view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_view->setZoomFactor(factor);
    }
    m_zoom->setText(choice);
}

QString ReportPreview::zoom() const {
    return m_zoom->text();
}

bool ReportPreview::exportPdf(const QString& path) {
    QString error;
    if (writePdf(m_document, path, &error))
        return true;
    QMessageBox::warning(this, QStringLiteral("Export PDF"),
                         QStringLiteral("Cannot write %1: %2").arg(path, error));
    return false;
}

} // namespace kelvarin::reports
