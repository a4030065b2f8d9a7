#pragma once

#include "Mask.h"

#include <string_view>

namespace kelvarin::workspace {

// Design-time description of one value field: one row of a page's field table.
struct FieldDesign {
    std::string_view name;         // unique in the workspace, e.g. "edtMPISalesPrice"
    std::string_view page;         // page name, e.g. "pgQuickCalculators"
    std::string_view panel;        // panel or tab page inside the page, "" when none
    MaskKind mask;
    std::string_view label;        // caption beside the field, "" when none; "&&" shows as one "&"
    std::string_view hint;         // "short|long" or plain; "" when none
    std::string_view exitHandler;  // recalculation run when the focus leaves, e.g. "CalcMPI"; "" none
    bool readOnly = false;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    bool leftJustified = false;    // count fields whose digits start in the first position
    bool resultLook = false;       // starts in the result look (yellow): computed fields
};

}  // namespace kelvarin::workspace
