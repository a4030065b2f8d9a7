#pragma once

#include <string_view>

namespace kelvarin::workspace {

// The ten picture masks of the value fields. The mask fixes the kind, the width,
// the decimals and which characters each position accepts.
enum class MaskKind {
    Money17,   // '$#,###,###,###.##'
    Money13,   // '$#,###,###.##'
    Money11,   // '$###,###.##'
    Money10,   // '$##,###.##'
    Percent,   // '###.####%'
    Points8,   // '###.####'
    Points12,  // '###,###.####'
    Ratio,     // '99'
    Count,     // 'iiiiii' (16-bit whole number)
    Decimal,   // '##########' (up to 2 decimals, floating point)
};

enum class DataType { Floating, Whole };

struct MaskInfo {
    MaskKind kind;
    std::u32string_view picture;
    DataType dataType;
    int decimalPlaces;  // used only when the picture has no '.': 2 for Decimal, else 0
    double low;         // range accepted from the keyboard
    double high;
};

const MaskInfo& maskInfo(MaskKind kind);

}  // namespace kelvarin::workspace
