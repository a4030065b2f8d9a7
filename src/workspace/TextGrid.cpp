#include "TextGrid.h"

#include <stdexcept>

namespace kelvarin::workspace {

void TextGrid::resize(int rows, int cols) {
    if (rows < 0 || cols < 0)
        throw std::invalid_argument("grid " + name + ": negative size");
    cells.resize(static_cast<std::size_t>(rows));
    for (auto& row : cells)
        row.resize(static_cast<std::size_t>(cols));
    rowColours.resize(static_cast<std::size_t>(rows), kNoColour);
    colColours.resize(static_cast<std::size_t>(cols), kNoColour);
    colWidths.resize(static_cast<std::size_t>(cols), kDefaultColWidth);
    std::erase_if(textColours, [rows, cols](const auto& entry) {
        return entry.first.first >= cols || entry.first.second >= rows;
    });
}

void TextGrid::clearTexts() {
    for (auto& row : cells)
        for (auto& text : row)
            text.clear();
}

std::int32_t TextGrid::colour(int col, int row) const {
    const std::int32_t byRow = rowColours.at(static_cast<std::size_t>(row));
    return byRow != kNoColour ? byRow : colColours.at(static_cast<std::size_t>(col));
}

int TextGrid::addObserver(Observer observer) {
    observers.emplace_back(nextObserverId, std::move(observer));
    return nextObserverId++;
}

void TextGrid::removeObserver(int id) {
    std::erase_if(observers, [id](const auto& entry) { return entry.first == id; });
}

void TextGrid::changed() const {
    for (auto told = observers; const auto& [id, observer] : told)
        observer(*this);
}

std::int32_t TextGrid::textColour(int col, int row) const {
    const auto it = textColours.find({col, row});
    return it == textColours.end() ? kNoColour : it->second;
}

}  // namespace kelvarin::workspace
