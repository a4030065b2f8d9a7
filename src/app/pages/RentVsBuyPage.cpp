#include "RentVsBuyPage.h"

#include "workspace/Workspace.h"

namespace kelvarin::app {

namespace {
// Each column: a label of up to two lines, then the field against the column's right edge.
constexpr int kTop = 14, kRowPitch = 35;
constexpr int kLabelHeight = 30;
constexpr int kLeftX = 8, kRightX = 298;
constexpr int kColumnWidth = 274;
constexpr int kFieldRoom = 90; // the widest field, '$#,###,###.##', and a gap
constexpr int kRowsPerColumn = 10;
} // namespace

RentVsBuyPage::RentVsBuyPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent)
    : Page(info, context, parent) {
    // In the design's tab order: the left column's ten fields, then the right column's.
    int row = 0;
    for (const workspace::ValueField* field : ws().pageFields(info.name)) {
        const int x = row < kRowsPerColumn ? kLeftX : kRightX;
        const int y = kTop + (row % kRowsPerColumn) * kRowPitch;
        const int width = widthFor(*field);
        addFieldLabel(field->name(), QRect(x, y + (kFieldHeight - kLabelHeight) / 2,
                                           kColumnWidth - kFieldRoom, kLabelHeight));
        addField(field->name(), QRect(x + kColumnWidth - width, y, width, kFieldHeight));
        ++row;
    }
}

} // namespace kelvarin::app
