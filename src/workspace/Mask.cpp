#include "Mask.h"

#include <array>
#include <stdexcept>

namespace kelvarin::workspace {

namespace {

constexpr double kFloatLow = -1.7e308;
constexpr double kFloatHigh = 1.7e308;

constexpr std::array<MaskInfo, 10> kMasks{{
    {MaskKind::Money17, U"$#,###,###,###.##", DataType::Floating, 0, kFloatLow, kFloatHigh},
    {MaskKind::Money13, U"$#,###,###.##", DataType::Floating, 0, kFloatLow, kFloatHigh},
    {MaskKind::Money11, U"$###,###.##", DataType::Floating, 0, kFloatLow, kFloatHigh},
    {MaskKind::Money10, U"$##,###.##", DataType::Floating, 0, kFloatLow, kFloatHigh},
    {MaskKind::Percent, U"###.####%", DataType::Floating, 0, kFloatLow, kFloatHigh},
    {MaskKind::Points8, U"###.####", DataType::Floating, 0, kFloatLow, kFloatHigh},
    {MaskKind::Points12, U"###,###.####", DataType::Floating, 0, kFloatLow, kFloatHigh},
    {MaskKind::Ratio, U"99", DataType::Floating, 0, kFloatLow, kFloatHigh},
    {MaskKind::Count, U"iiiiii", DataType::Whole, 0, -32768.0, 32767.0},
    {MaskKind::Decimal, U"##########", DataType::Floating, 2, kFloatLow, kFloatHigh},
}};

}  // namespace

const MaskInfo& maskInfo(MaskKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    if (index >= kMasks.size() || kMasks[index].kind != kind)
        throw std::invalid_argument("unknown mask kind");
    return kMasks[index];
}

int shownDecimals(const MaskInfo& info) {
    const auto point = info.picture.find(U'.');
    if (point == std::u32string_view::npos)
        return info.decimalPlaces;
    int count = 0;
    for (auto c : info.picture.substr(point + 1))
        count += isDigitPosition(c) ? 1 : 0;
    return count;
}

}  // namespace kelvarin::workspace
