#pragma once

#include "workspace/AtomicFile.h"
#include "workspace/RegionalSettings.h"
#include "workspace/TextGrid.h"

#include <filesystem>
#include <string>

namespace kelvarin::calculators {

// A schedule grid as CSV for spreadsheets (RFC 4180: CR LF line ends, a field holding a comma, a
// quote or a line break in quotes with its quotes doubled; UTF-8). The first record holds the grid's
// titles, then one record per data row. Amounts read back from the user's currency format and are
// written as plain numbers with "." and two decimals, no grouping ("5057.53", "-12.30"); a cell of the
// "Month" column ("Jan 2000") is written as "2000-01"; other cells as they stand, without blanks at
// the ends. Rows without text (the empty-schedule marker) are left out.
std::string scheduleCsv(const workspace::TextGrid& grid, const workspace::RegionalSettings& regional);

// Writes scheduleCsv of the grid to path atomically (a temporary file renamed over it).
workspace::WriteResult exportScheduleCsv(const std::filesystem::path& path, const workspace::TextGrid& grid,
                                         const workspace::RegionalSettings& regional);

} // namespace kelvarin::calculators
