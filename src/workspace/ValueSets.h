#pragma once

#include <span>
#include <string_view>

namespace kelvarin::workspace {

class Workspace;

// The zero and sample values of a page, in the order the page reset writes them.
struct ValueSetEntry {
    std::string_view field;
    double zero;
    double sample;
};

// Empty for a page without a table.
std::span<const ValueSetEntry> valueSetOf(std::string_view pageName);

// Writes a page's zero (valueSet 0) or sample (any other) values into its fields, in table
// order; count fields are written as whole numbers. Field change handlers run as usual.
void writeValueSet(Workspace& ws, std::string_view pageName, int valueSet);

}  // namespace kelvarin::workspace
