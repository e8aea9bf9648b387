#include "drawing/DrawingStyle.h"

#include <algorithm>

namespace {

constexpr int32_t kDefaultFontHeight = 13;
constexpr int32_t kNormalWeight = 400;
constexpr uint8_t kDefaultCharSet = 1;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kUpwardHatch = 3;

DrawingStyle CommonDefaults()
{
    DrawingStyle style;
    style.backMode = kBackTransparent;
    style.backColor = kWhite;
    style.brushType = kBrushNone;
    style.brushHatchStyle = kUpwardHatch;
    style.penStyle = kPenSolid;
    style.penWidth = 1;
    style.font.height = kDefaultFontHeight;
    style.font.weight = kNormalWeight;
    style.font.charSet = kDefaultCharSet;
    return style;
}

} // namespace

DrawingStyle StandaloneDrawingStyle()
{
    DrawingStyle style = CommonDefaults();
    style.textBackMode = kBackTransparent;
    style.textBackColor = kWhite;
    return style;
}

DrawingStyle ManagerDefaultDrawingStyle()
{
    return CommonDefaults();
}

bool IsBuildableStyle(const DrawingStyle& style)
{
    if (style.brushType == kBrushHatch && (style.brushHatchStyle < 0 || style.brushHatchStyle > kLastHatchStyle))
        return false;
    return style.penStyle >= kPenSolid && style.penStyle <= kPenInsideFrame;
}

int32_t ClampCoordinate(int32_t value)
{
    return std::clamp(value, -kMaxDrawingCoordinate, kMaxDrawingCoordinate);
}

void ClampToDrawable(DrawingStyle& style)
{
    style.penWidth = std::clamp(style.penWidth, kMinPenWidth, kMaxPenWidth);
    style.textOffsetX = ClampCoordinate(style.textOffsetX);
    style.textOffsetY = ClampCoordinate(style.textOffsetY);
    LogicalFont& font = style.font;
    font.height = std::clamp(font.height, -kMaxFontSize, kMaxFontSize);
    font.width = std::clamp(font.width, 0, kMaxFontSize);
    // The remainder keeps the angle, whatever turns the file added.
    font.escapement %= kFullTurnTenths;
    font.orientation %= kFullTurnTenths;
    font.weight = std::clamp(font.weight, 0, kMaxFontWeight);
}
