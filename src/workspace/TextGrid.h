#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kelvarin::workspace {

// A text grid: every cell is a text; computed grids write formatted texts into it.
// Colours are 0xRRGGBB; a row colour, where set, wins over a column colour.
struct TextGrid {
    static constexpr std::int32_t kNoColour = -1;
    static constexpr std::int32_t kYellow = 0xFFFF00;
    static constexpr std::int32_t kRed = 0xFF0000;
    static constexpr int kDefaultColWidth = 64;

    std::string name;
    std::string page;
    int fixedRows = 1;
    int fixedCols = 0;
    std::vector<std::vector<std::string>> cells;  // [row][col]
    std::vector<std::int32_t> rowColours;         // -1: none
    std::vector<std::int32_t> colColours;         // -1: none
    std::vector<int> colWidths;                   // pixels
    // Text colours of single cells by (col, row); the other cells use the grid's text colour.
    std::map<std::pair<int, int>, std::int32_t> textColours;
    int selectedCol = 0;  // -1 with selectedRow -1: no selection
    int selectedRow = 0;
    std::string hint;                             // shown in the status bar under the mouse
    bool visible = true;

    int rowCount() const { return static_cast<int>(cells.size()); }
    int colCount() const { return cells.empty() ? 0 : static_cast<int>(cells.front().size()); }
    // Keeps the texts, colours, text colours and widths that stay inside; new cells are empty,
    // new rows and columns uncoloured, new columns kDefaultColWidth wide. Throws
    // std::invalid_argument when rows or cols is negative.
    void resize(int rows, int cols);
    // Empties every cell; size, colours and widths stay.
    void clearTexts();
    // Background of a cell: its row colour, else its column colour, else kNoColour.
    std::int32_t colour(int col, int row) const;
    // Text colour of a cell, kNoColour for the grid's own.
    std::int32_t textColour(int col, int row) const;
    std::string& cell(int col, int row) { return cells.at(row).at(col); }
    const std::string& cell(int col, int row) const { return cells.at(row).at(col); }

    // Views (a table model) are told by changed(), which whoever changes the grid calls once
    // its change is complete (or has stopped at an error). An observer may add or remove
    // observers while being told; those take effect from the next change.
    using Observer = std::function<void(const TextGrid&)>;
    int addObserver(Observer observer);
    void removeObserver(int id);
    void changed() const;

    std::vector<std::pair<int, Observer>> observers;
    int nextObserverId = 1;
};

}  // namespace kelvarin::workspace
