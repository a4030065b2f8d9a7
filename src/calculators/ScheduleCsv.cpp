#include "ScheduleCsv.h"

#include "ScheduleGrids.h"
#include "workspace/CurrencyText.h"

#include <charconv>
#include <cstdio>

namespace kelvarin::calculators {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void appendField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// "Jan 2000" as "2000-01"; the year with at least four digits ("0000-01", "-0005-01").
std::string isoMonth(std::string_view cell) {
    const int month = monthNumber(ParseMonth(cell));
    const std::string year = ParseYear(cell);
    int value = 0;
    const auto [end, error] = std::from_chars(year.data(), year.data() + year.size(), value);
    if (month == 0 || cell.size() < 4 || cell[3] != ' ' || year.empty() || error != std::errc() ||
        end != year.data() + year.size())
        return std::string(cell);
    char text[32];
    std::snprintf(text, sizeof text, value < 0 ? "%05d-%02d" : "%04d-%02d", value, month);
    return text;
}

std::string plainAmount(double value) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

} // namespace

std::string scheduleCsv(const workspace::TextGrid& grid, const workspace::RegionalSettings& regional) {
    const workspace::CurrencyFormat format(regional, workspace::CurrencyBlank::NoBreak);
    std::string out;
    const int cols = grid.colCount();
    int monthColumn = -1;
    for (int col = 0; col < cols && grid.rowCount() > 0; ++col)
        if (grid.cell(col, 0) == "Month")
            monthColumn = col;
    for (int row = 0; row < grid.rowCount(); ++row) {
        const auto& cells = grid.cells[static_cast<std::size_t>(row)];
        bool hasText = false;
        for (const std::string& cell : cells)
            hasText = hasText || !trimmed(cell).empty();
        if (!hasText)
            continue;
        for (int col = 0; col < cols; ++col) {
            if (col > 0)
                out += ',';
            const std::string_view cell = trimmed(cells[static_cast<std::size_t>(col)]);
            if (row == 0) {
                appendField(out, cell);
            } else if (col == monthColumn) {
                appendField(out, isoMonth(cell));
            } else if (const auto amount = format.parse(cell)) {
                out += plainAmount(*amount);
            } else {
                appendField(out, cell);
            }
        }
        out += "\r\n";
    }
    return out;
}

workspace::WriteResult exportScheduleCsv(const std::filesystem::path& path, const workspace::TextGrid& grid,
                                         const workspace::RegionalSettings& regional) {
    return workspace::writeFileAtomically(path, scheduleCsv(grid, regional));
}

} // namespace kelvarin::calculators
