#pragma once

#include <string>
#include <vector>

namespace kelvarin::workspace {

// A single choice of a page: radio group, tab set or drop-down. Item texts keep their
// design form ("PMT (P && I)": a doubled ampersand shows as one).
struct Choice {
    std::string name;
    std::string page;
    std::vector<std::string> items;
    int index = 0;           // selected item, -1 none
    std::string text;        // shown text of a drop-down (may match no item)
    bool editable = false;   // editable drop-down (cbMonth)
    bool visible = true;
    bool enabled = true;
};

}  // namespace kelvarin::workspace
