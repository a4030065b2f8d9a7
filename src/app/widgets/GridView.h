#pragma once

#include "workspace/TextGrid.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

namespace kelvarin::app {

// A table model over a workspace grid: its texts, background colours (fixed rows and columns in
// the button face colour, like headings) and text colours. It reads the grid on every request
// and follows it through the grid's observers.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextGridModel(workspace::TextGrid& grid, QObject* parent = nullptr);
    ~TextGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const workspace::TextGrid& grid() const { return m_grid; }

signals:
    // After the model has taken a change of the grid.
    void gridChanged();

private:
    void follow();

    workspace::TextGrid& m_grid;
    int m_observer = 0;
    int m_rows = 0;
    int m_cols = 0;
};

// A view of a workspace grid as the program's grids look: no headers of Qt's own (the grid's
// fixed rows and columns are its headings), grid lines, the grid's column widths (scaled down
// together when they do not fit the view) and its selected cell as the current cell, drawn
// with the cell's own colour and a focus frame rather than a selection highlight.
class GridView : public QTableView {
    Q_OBJECT
public:
    GridView(workspace::TextGrid& grid, QWidget* parent = nullptr);

    TextGridModel* gridModel() const { return m_model; }
    // A cell clicked with the mouse, or made current with the keyboard (col, row).
    void onCellClick(std::function<void(int col, int row)> handler) { m_onClick = std::move(handler); }
    // The mouse moved over the grid.
    void onMouseMove(std::function<void()> handler) { m_onMouseMove = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void takeGrid();
    void applyWidths();

    TextGridModel* m_model;
    std::function<void(int, int)> m_onClick;
    std::function<void()> m_onMouseMove;
};

} // namespace kelvarin::app
