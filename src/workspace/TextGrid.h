#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvarin::workspace {

// A text grid: every cell is a text; computed grids write formatted texts into it.
// Colours are 0xRRGGBB; a row colour, where set, wins over a column colour.
struct TextGrid {
    std::string name;
    std::string page;
    int fixedRows = 1;
    int fixedCols = 0;
    std::vector<std::vector<std::string>> cells;  // [row][col]
    std::vector<std::int32_t> rowColours;         // -1: none
    std::vector<std::int32_t> colColours;         // -1: none
    bool visible = true;

    int rowCount() const { return static_cast<int>(cells.size()); }
    int colCount() const { return cells.empty() ? 0 : static_cast<int>(cells.front().size()); }
    void resize(int rows, int cols);
    std::string& cell(int col, int row) { return cells.at(row).at(col); }
    const std::string& cell(int col, int row) const { return cells.at(row).at(col); }
};

}  // namespace kelvarin::workspace
