#include "drawing/DrawingStyle.h"

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

}  // namespace

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
