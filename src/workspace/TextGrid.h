#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvarin::workspace {

// A text grid: every cell is a text; computed grids write formatted texts into it.
// Colours are 0xRRGGBB; a row colour, where set, wins over a column colour.
struct TextGrid {
    static constexpr std::int32_t kNoColour = -1;
    static constexpr std::int32_t kYellow = 0xFFFF00;
    static constexpr int kDefaultColWidth = 64;

    std::string name;
    std::string page;
    int fixedRows = 1;
    int fixedCols = 0;
    std::vector<std::vector<std::string>> cells;  // [row][col]
    std::vector<std::int32_t> rowColours;         // -1: none
    std::vector<std::int32_t> colColours;         // -1: none
    std::vector<int> colWidths;                   // pixels
    int selectedCol = 0;  // -1 with selectedRow -1: no selection
    int selectedRow = 0;
    std::string hint;                             // shown in the status bar under the mouse
    bool visible = true;

    int rowCount() const { return static_cast<int>(cells.size()); }
    int colCount() const { return cells.empty() ? 0 : static_cast<int>(cells.front().size()); }
    // Keeps the texts, colours and widths that stay inside; new cells are empty, new rows and
    // columns uncoloured, new columns kDefaultColWidth wide. Throws std::invalid_argument when
    // rows or cols is negative.
    void resize(int rows, int cols);
    // Empties every cell; size, colours and widths stay.
    void clearTexts();
    // Background of a cell: its row colour, else its column colour, else kNoColour.
    std::int32_t colour(int col, int row) const;
    std::string& cell(int col, int row) { return cells.at(row).at(col); }
    const std::string& cell(int col, int row) const { return cells.at(row).at(col); }

    // Views (the grid widget) are told once a calculator is done changing the grid: it calls
    // changed() after a fill, a reset or a switch of visibility. An observer may add or remove
    // observers while being told; those take effect from the next change.
    using Observer = std::function<void(const TextGrid&)>;
    int addObserver(Observer observer) {
        observers.emplace_back(nextObserverId, std::move(observer));
        return nextObserverId++;
    }
    void removeObserver(int id) {
        std::erase_if(observers, [id](const auto& entry) { return entry.first == id; });
    }
    void changed() const {
        for (auto told = observers; auto& [id, observer] : told)
            observer(*this);
    }
    std::vector<std::pair<int, Observer>> observers;
    int nextObserverId = 1;
};

}  // namespace kelvarin::workspace
