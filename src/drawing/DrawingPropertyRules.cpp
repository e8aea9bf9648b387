#include "drawing/DrawingPropertyRules.h"

#include "drawing/DrawingPaint.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>

namespace {

// Pens from this width on draw solid whatever their style.
constexpr int32_t kWidestStyledPen = 1;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

QString Translated(const char* text)
{
    return QCoreApplication::translate("CDrawingManagementDlg", text);
}

// Kinds that fill an area: they take a brush and always a background.
bool IsAreaKind(int32_t kind)
{
    return kind == kDrawingRectangle || kind == kDrawingEllipse || kind == kDrawingPolygon || kind == kDrawingRoundRect;
}

// The pen style lists: values in list order, named by the pen style.
ListEntries PenEntries(std::initializer_list<int32_t> styles)
{
    static const char* const kPenNames[] = {
        QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Solid"),
        QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Dash"),
        QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Dot"),
        QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Dashes And Dots"),
        QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Dashes And Double Dot"),
        QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Null"),
    };
    ListEntries entries;
    for (const int32_t style : styles)
        entries.push_back({Translated(kPenNames[style]), style});
    return entries;
}

ListEntries StyledPenEntries(int32_t penWidth)
{
    if (penWidth > kWidestStyledPen)
        return PenEntries({kPenSolid, kPenNull});
    return PenEntries({kPenSolid, kPenDash, kPenDot, kPenDashDot, kPenDashDotDot, kPenNull});
}

// The display text bits each kind offers.
int32_t OfferedDisplayBits(int32_t kind)
{
    switch (kind) {
    case kDrawingLine:
        return kTextName | kTextWidth | kTextHeight | kTextLength;
    case kDrawingRectangle:
    case kDrawingEllipse:
    case kDrawingPolygon:
        return kTextName | kTextWidth | kTextHeight | kTextLength | kTextArea;
    case kDrawingText:
        return kTextName | kTextDate | kTextTime;
    case kDrawingDegree:
        return kTextName | kTextDegree;
    case kDrawingPerpendicular:
        return kTextName | kTextLength;
    case kDrawingArc:
        return kTextName | kTextWidth | kTextHeight | kTextLength | kTextDegree;
    case kDrawingBezier:
        return kTextName;
    case kDrawingFreeHand:
    case kDrawingRoundRect:
        return kTextName | kTextWidth | kTextHeight;
    case kDrawingCross:
        return kTextName | kTextWidth | kTextHeight | kTextCenter;
    default:
        return 0;
    }
}

} // namespace

ListEntries PenStyleEntries(int32_t kind, int32_t penWidth)
{
    // The cross draws its lines as bands of one-pixel lines, so it keeps
    // dashes and dots at every width.
    if (kind == kDrawingCross)
        return PenEntries({kPenSolid, kPenDash, kPenDot, kPenNull});
    return StyledPenEntries(penWidth);
}

ListEntries GridPenStyleEntries(int32_t penWidth)
{
    return StyledPenEntries(penWidth);
}

ListEntries BrushTypeEntries()
{
    return {{Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Null")), kBrushNone},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Solid")), kBrushSolid},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Hatch")), kBrushHatch}};
}

ListEntries BrushStyleEntries()
{
    return {{Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "45-degree upward left-to-right")), 3},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Horizontal and vertical cross")), 4},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "45-degree cross")), 5},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "45-degree downward left-to-right")), 2},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Horizontal")), 0},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Vertical")), 1}};
}

ListEntries BackModeEntries()
{
    return {{Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Transparent")), kBackTransparent},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Opaque")), kBackOpaque}};
}

ListEntries PolyFillModeEntries()
{
    return {{Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Alternate")), kFillAlternate},
            {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Winding")), kFillWinding}};
}

ListEntries DisplayTypeEntries(int32_t kind)
{
    const ListEntries fixedOrder{
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Name")), kTextName},
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Width")), kTextWidth},
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Height")), kTextHeight},
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Length")), kTextLength},
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Area")), kTextArea},
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Degree")), kTextDegree},
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Date")), kTextDate},
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Time")), kTextTime},
        {Translated(QT_TRANSLATE_NOOP("CDrawingManagementDlg", "Center Position")), kTextCenter},
    };
    const int32_t offered = OfferedDisplayBits(kind);
    ListEntries entries;
    std::copy_if(fixedOrder.begin(), fixedOrder.end(), std::back_inserter(entries),
                 [offered](const ListEntry& entry) { return (entry.value & offered) != 0; });
    return entries;
}

int32_t DisplayTypeMode(int32_t kind, int32_t oldMode, int32_t selectedBits)
{
    const int32_t offered = OfferedDisplayBits(kind);
    return (oldMode & ~offered) | (selectedBits & offered);
}

PenPageRules PenPageRulesFor(const DrawingStyle& style, bool hasSelection)
{
    PenPageRules rules;
    if (!hasSelection)
        return rules;
    const int32_t kind = style.drawingType;
    const bool area = IsAreaKind(kind);
    rules.penStyle = kind != kDrawingText;
    rules.penWidth = true;
    rules.penColor = rules.penStyle;
    rules.brushType = area;
    rules.brushStyle = area && style.brushType == kBrushHatch;
    rules.brushColor = area && style.brushType != kBrushNone;
    rules.backMode = area || (style.penStyle != kPenSolid && style.penStyle != kPenNull);
    rules.backColor = rules.backMode;
    rules.polyFillMode = kind == kDrawingPolygon;
    return rules;
}

bool GridBackModeApplies(int32_t gridPenStyle)
{
    return gridPenStyle != kPenSolid && gridPenStyle != kPenNull;
}

QFont ChooserFontFromRecord(const LogicalFont& record)
{
    QFont font = MakeDrawingFont(record);
    font.setPointSizeF(font.pixelSize() / kPixelsPerPoint);
    return font;
}

LogicalFont RecordFromChosenFont(const QFont& font, const LogicalFont& base)
{
    LogicalFont record = base;
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kPixelsPerPoint;
    record.height = -std::max(1, int(std::lround(pixels)));
    record.weight = font.weight();
    record.italic = font.italic() ? 1 : 0;
    record.underline = font.underline() ? 1 : 0;
    record.strikeOut = font.strikeOut() ? 1 : 0;
    record.faceName = font.family().left(kMaxFaceNameLength);
    return record;
}

uint32_t ColorRefFromColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return uint32_t(rgb.red()) | uint32_t(rgb.green()) << 8 | uint32_t(rgb.blue()) << 16;
}
