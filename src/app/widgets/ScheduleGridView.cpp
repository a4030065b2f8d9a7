#include "ScheduleGridView.h"

#include "Hints.h"

#include <QApplication>
#include <QColor>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QStyledItemDelegate>

namespace kelvarin::app {

namespace {

// Cells drawn with 2 pixels of room a side rather than the style's wider text margins: the
// grids' column widths were made for narrow cell margins ("May 2000" in 55 pixels).
class CompactCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        const QPalette::ColorRole role =
            cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(
            cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled, role));
        painter->drawText(cell.rect.adjusted(2, 0, -2, 0), static_cast<int>(cell.displayAlignment), text);
        painter->restore();
    }
};

} // namespace

ScheduleGridModel::ScheduleGridModel(const workspace::TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid) {}

int ScheduleGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(m_grid.rowCount() - 1, 0);
}

int ScheduleGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.colCount();
}

QVariant ScheduleGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const int col = index.column();
    if (row >= m_grid.rowCount() || col >= m_grid.colCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const std::string& text = m_grid.cell(col, row);
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(col < m_grid.fixedCols ? Qt::AlignCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const std::int32_t colour = m_grid.colour(col, row);
        if (colour != workspace::TextGrid::kNoColour)
            return QColor::fromRgb(static_cast<QRgb>(colour));
        if (col < m_grid.fixedCols)
            return QApplication::palette().button();
        return {};
    }
    default:
        return {};
    }
}

QVariant ScheduleGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || m_grid.rowCount() == 0 ||
        section >= m_grid.colCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const std::string& text = m_grid.cell(section, 0);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ScheduleGridModel::reload() {
    beginResetModel();
    endResetModel();
}

ScheduleGridView::ScheduleGridView(workspace::TextGrid& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new ScheduleGridModel(grid, this)) {
    setObjectName(QString::fromStdString(grid.name));
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setItemDelegate(new CompactCellDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(12);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (m_cellClick)
            m_cellClick(index.column(), index.row() + 1);
    });
    follow();
    const int id = grid.addObserver([this](const workspace::TextGrid&) { follow(); });
    QObject::connect(this, &QObject::destroyed, [&grid, id] { grid.removeObserver(id); });
}

void ScheduleGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitLastColumn();
}

// The last column takes what the others leave, so that no horizontal scrolling is needed.
void ScheduleGridView::fitLastColumn() {
    const int last = m_grid.colCount() - 1;
    if (last < 0)
        return;
    int used = 0;
    for (int col = 0; col < last; ++col)
        used += columnWidth(col);
    const int wanted = last < static_cast<int>(m_grid.colWidths.size())
                           ? m_grid.colWidths[static_cast<std::size_t>(last)]
                           : workspace::TextGrid::kDefaultColWidth;
    setColumnWidth(last, std::max(std::min(wanted, viewport()->width() - used), 12));
}

void ScheduleGridView::follow() {
    m_model->reload();
    for (int col = 0; col + 1 < m_grid.colCount() && col < static_cast<int>(m_grid.colWidths.size()); ++col)
        setColumnWidth(col, m_grid.colWidths[static_cast<std::size_t>(col)]);
    fitLastColumn();
    if (m_grid.selectedRow >= 1 && m_grid.selectedCol >= 0)
        setCurrentIndex(m_model->index(m_grid.selectedRow - 1, m_grid.selectedCol));
    else
        clearSelection();
    const QString hint = QString::fromStdString(m_grid.hint);
    if (hint != hintOf(this))
        setHint(this, hint);
    if (isHidden() == m_grid.visible)
        setVisible(m_grid.visible);
}

} // namespace kelvarin::app
