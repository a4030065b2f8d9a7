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

// Picture characters: '#', 'i' and '9' hold digits; '$' the floating currency sign; ',' the
// thousands separator; '.' the decimal separator; anything else (here '%') is a literal.
constexpr bool isDigitPosition(char32_t maskChar) {
    return maskChar == U'#' || maskChar == U'i' || maskChar == U'9';
}
constexpr bool isLiteralPosition(char32_t maskChar) {
    return !isDigitPosition(maskChar) && maskChar != U'$' && maskChar != U',' && maskChar != U'.';
}

// Decimals shown: the digit positions right of the '.', or decimalPlaces when there is no '.'.
int shownDecimals(const MaskInfo& info);

}  // namespace kelvarin::workspace
