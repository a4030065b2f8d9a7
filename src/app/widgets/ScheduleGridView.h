#pragma once

#include "workspace/TextGrid.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

namespace kelvarin::app {

// A workspace text grid as a table model: the grid's row 0 gives the column titles, its other rows
// the table's rows. The model reads the grid's texts as the view asks for the rows it shows, so a
// schedule of thousands of rows fills and scrolls at once.
class ScheduleGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ScheduleGridModel(const workspace::TextGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The grid changed as a whole (a fill or a reset).
    void reload();

private:
    const workspace::TextGrid& m_grid;
};

// The table view of a grid: it follows the grid's texts, column widths, colours, visibility and
// selection whenever a calculator tells the grid's views. Columns left of fixedCols look like
// headings. A click on a cell reports the grid's column and row (titles are row 0).
class ScheduleGridView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 18;

    ScheduleGridView(workspace::TextGrid& grid, QWidget* parent = nullptr);

    ScheduleGridModel* gridModel() const { return m_model; }
    void setCellClick(std::function<void(int col, int row)> handler) { m_cellClick = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void follow();
    void fitLastColumn();

    workspace::TextGrid& m_grid;
    ScheduleGridModel* m_model;
    std::function<void(int, int)> m_cellClick;
};

} // namespace kelvarin::app
