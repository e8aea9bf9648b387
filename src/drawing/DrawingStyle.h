#pragma once

#include <QString>
#include <cstdint>

// Drawing type codes: the kind of a drawing object, also the tool numbers of
// the drawing modes (0 is the selection tool).
enum DrawingType : int32_t {
    kDrawingSelect = 0,
    kDrawingLine = 1,
    kDrawingRectangle = 2,
    kDrawingEllipse = 3,
    kDrawingText = 4,
    kDrawingDegree = 5,
    kDrawingPolygon = 6,
    kDrawingPerpendicular = 7,
    kDrawingArc = 8,
    kDrawingBezier = 9,
    kDrawingFreeHand = 10,
    kDrawingCross = 11,
    kDrawingRoundRect = 12,
};
constexpr int32_t kFirstDrawingType = kDrawingLine;
constexpr int32_t kLastDrawingType = kDrawingRoundRect;

// Bits of the display text mode: which measurement texts an object shows.
enum DisplayTextBits : int32_t {
    kTextTopLeft = 0x0001,
    kTextTopRight = 0x0002,
    kTextBottomLeft = 0x0004,
    kTextBottomRight = 0x0008,
    kTextName = 0x0010,
    kTextLength = 0x0020,
    kTextArea = 0x0040,
    kTextTime = 0x0100,
    kTextDate = 0x0200,
    kTextDegree = 0x0400,
    kTextWidth = 0x0800,
    kTextHeight = 0x1000,
    kTextCenter = 0x2000,
};

enum BrushType : int32_t { kBrushNone = 0, kBrushSolid = 1, kBrushHatch = 2 };
// Hatch styles 0..5: horizontal, vertical, downward diagonal, upward diagonal,
// cross, diagonal cross.
constexpr int32_t kLastHatchStyle = 5;
enum BackgroundMode : int32_t { kBackTransparent = 1, kBackOpaque = 2 };
enum PenStyle : int32_t {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenNull = 5,
    kPenInsideFrame = 6,
};
enum PolyFillMode : int32_t { kFillAlternate = 1, kFillWinding = 2 };

// Longest name, unit name and font face name kept (the stored texts had fixed
// buffers of 260 and 32 characters including the terminator).
constexpr int kMaxNameLength = 259;
constexpr int kMaxFaceNameLength = 31;

// The logical font record of the drawing style: the fields the font chooser
// and the drawing file exchange. Height follows the usual convention: negative
// is the character height in pixels, positive the cell height, 0 the default.
struct LogicalFont {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0; // text angle in tenths of a degree
    int32_t orientation = 0;
    int32_t weight = 0; // 100..900, 400 normal, 700 bold, 0 default
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    QString faceName;

    bool operator==(const LogicalFont&) const = default;
};

// The style block shared by the drawing objects, the manager's default style,
// the property dialog and the drawing file. Colours are 0x00BBGGRR.
struct DrawingStyle {
    int32_t selected = 0; // not saved
    int32_t hide = 0;
    int32_t lock = 0;
    int32_t drawingType = 0;
    int32_t dispTextMode = 0;
    int32_t textOffsetX = 0;
    int32_t textOffsetY = 0;
    QString name;
    LogicalFont font;
    int32_t textBackMode = 0;
    uint32_t textBackColor = 0;
    int32_t brushType = kBrushNone;
    int32_t brushHatchStyle = 0;
    uint32_t brushColor = 0;
    int32_t backMode = 0;
    uint32_t backColor = 0;
    int32_t penStyle = kPenSolid;
    int32_t penWidth = 0;
    uint32_t penColor = 0;
    uint32_t textColor = 0;
    int32_t polyFillMode = 0;

    bool operator==(const DrawingStyle&) const = default;
};

// What the program can draw, and so what a drawing file may hold: pen widths
// as the property pages offer them, coordinates and text offsets far beyond
// any sensor, font sizes a screen can show, text angles within one turn.
constexpr int32_t kMinPenWidth = 1;
constexpr int32_t kMaxPenWidth = 31;
constexpr int32_t kMaxGridCount = 31;
constexpr int32_t kMaxDrawingCoordinate = 1000000;
constexpr int32_t kMaxFontSize = 1000;
constexpr int32_t kFullTurnTenths = 3600;
constexpr int32_t kMaxFontWeight = 1000;

// The style that objects made without a default style start from.
DrawingStyle StandaloneDrawingStyle();
// The drawing manager's initial default style for new objects.
DrawingStyle ManagerDefaultDrawingStyle();
// Whether pens and brushes can be built from the style: a hatch brush needs
// a known hatch style and the pen a known pen style.
bool IsBuildableStyle(const DrawingStyle& style);
// Brings every number of the style into what the program can draw (see the
// limits above); a style made in the property pages is left as it is.
void ClampToDrawable(DrawingStyle& style);
// A coordinate or offset within +-kMaxDrawingCoordinate.
int32_t ClampCoordinate(int32_t value);
