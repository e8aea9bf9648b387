#pragma once

#include "drawing/DrawingGeometry.h"
#include "drawing/DrawingStyle.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

// Pens, brushes, fonts and texts of the drawing on a frame. Frames are 8-bit
// grey or 24-bit colour images; grey frames get grey pens and brushes so that
// fills and lines come out in the same grey.

QColor ColorFromRef(uint32_t colorRef);
// Grey level of a 0x00BBGGRR colour (luma weights 0.299, 0.587, 0.114).
int GreyOfRef(uint32_t colorRef);
QColor DeviceColor(uint32_t colorRef, bool grey);
// Whether the painter paints on an 8-bit grey image.
bool IsGreyDevice(const QPainter& painter);

QPen MakeDrawingPen(int32_t penStyle, int32_t penWidth, uint32_t colorRef, bool grey);
QBrush MakeDrawingBrush(int32_t brushType, int32_t hatchStyle, uint32_t colorRef, bool grey);
QFont MakeDrawingFont(const LogicalFont& record);
// Background mode and colour, used by hatch brushes, styled pens and texts.
void SetDrawingBackground(QPainter& painter, int32_t backMode, uint32_t colorRef, bool grey);

// A text placed by an anchor point and how it aligns there: AlignRight puts
// the text's right edge on the anchor, AlignBottom its bottom, and so on.
struct PlacedText {
    QString text;
    QPoint anchor;
    Qt::Alignment align;

    bool operator==(const PlacedText&) const = default;
};

// Alignment that makes a text extend from its anchor in the direction
// (dx, dy); a zero component centres it on that axis.
Qt::Alignment AlignAway(int dx, int dy);
QRect PlacedTextRect(const QFontMetrics& metrics, const PlacedText& text);
// Draws with the painter's pen colour and font; with an opaque background
// mode the text's box is filled with the background colour first. The text is
// turned by the font's escapement around its anchor.
void DrawPlacedText(QPainter& painter, const PlacedText& text, int32_t escapement);

// Rectangle whose stroke covers the box from left to right and top to bottom
// inclusive; inside-frame pens wider than a pixel are kept within the box.
QRectF StrokeRect(const drawing::DrawingRect& box, int32_t penStyle, int32_t penWidth);
