#include "GridView.h"

#include "Hints.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <numeric>

namespace kelvarin::app {

TextGridModel::TextGridModel(workspace::TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rows(grid.rowCount()), m_cols(grid.colCount()) {
    m_observer = grid.addObserver([this](const workspace::TextGrid&) { follow(); });
}

TextGridModel::~TextGridModel() {
    m_grid.removeObserver(m_observer);
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_grid.rowCount() || index.column() >= m_grid.colCount())
        return {};
    const int row = index.row();
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_grid.cell(col, row));
    case Qt::BackgroundRole: {
        if (row < m_grid.fixedRows || col < m_grid.fixedCols)
            return QApplication::palette().color(QPalette::Button);
        const std::int32_t colour = m_grid.colour(col, row);
        if (colour == workspace::TextGrid::kNoColour)
            return {};
        return QColor(QRgb(colour));
    }
    case Qt::ForegroundRole: {
        const std::int32_t colour = m_grid.textColour(col, row);
        if (colour == workspace::TextGrid::kNoColour)
            return {};
        return QColor(QRgb(colour));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

void TextGridModel::follow() {
    if (m_grid.rowCount() != m_rows || m_grid.colCount() != m_cols) {
        beginResetModel();
        m_rows = m_grid.rowCount();
        m_cols = m_grid.colCount();
        endResetModel();
    } else if (m_rows > 0 && m_cols > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
    }
    emit gridChanged();
}

GridView::GridView(workspace::TextGrid& grid, QWidget* parent)
    : QTableView(parent), m_model(new TextGridModel(grid, this)) {
    setObjectName(QString::fromStdString(grid.name));
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setEditTriggers(NoEditTriggers);
    // The current cell shows its own colour (the yellow cross) with a focus frame, no highlight.
    setSelectionMode(NoSelection);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    viewport()->setMouseTracking(true);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (m_onClick)
            m_onClick(index.column(), index.row());
    });
    connect(m_model, &TextGridModel::gridChanged, this, &GridView::takeGrid);
    takeGrid();
}

void GridView::takeGrid() {
    const workspace::TextGrid& grid = m_model->grid();
    applyWidths();
    setVisible(grid.visible);
    const QModelIndex selected = m_model->index(grid.selectedRow, grid.selectedCol);
    if (selected.isValid() && selected != currentIndex())
        setCurrentIndex(selected);
    const QString hint = QString::fromStdString(grid.hint);
    if (hint != hintOf(this)) {
        setHint(this, hint);
        // The status line reads hints on mouse moves, and it saw this one before the hint changed.
        if (underMouse()) {
            const QPointF global = QCursor::pos();
            QCoreApplication::postEvent(viewport(),
                                        new QMouseEvent(QEvent::MouseMove, viewport()->mapFromGlobal(global),
                                                        global, Qt::NoButton, Qt::NoButton, Qt::NoModifier));
        }
    }
}

// The grid's widths, or all of them scaled down by one factor when together they are wider
// than the view (the last column takes what rounding leaves).
void GridView::applyWidths() {
    const std::vector<int>& widths = m_model->grid().colWidths;
    const int count = std::min(static_cast<int>(widths.size()), m_model->columnCount());
    const int total = std::accumulate(widths.begin(), widths.begin() + count, 0);
    const int room = viewport()->width();
    int used = 0;
    for (int col = 0; col < count; ++col) {
        int width = widths[static_cast<std::size_t>(col)];
        if (total > room && room > 0)
            width = col == count - 1 ? room - used : width * room / total;
        setColumnWidth(col, width);
        used += width;
    }
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    applyWidths();
}

// A key that moves the current cell clicks the cell it reaches, as the mouse would.
void GridView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && m_onClick)
        m_onClick(after.column(), after.row());
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    if (m_onMouseMove)
        m_onMouseMove();
}

} // namespace kelvarin::app
