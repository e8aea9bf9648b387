#pragma once

#include <QPoint>
#include <QSize>
#include <Qt>

#include <cstdint>

// The histogram's area in image pixels, both edges included in the counting
// of colour images.
struct HistogramArea {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const HistogramArea&) const = default;
};

// What a press on the preview grabs: a corner (numbered in hit-test order) or
// the whole area.
enum class AreaDrag { None = 0, TopLeft = 1, BottomRight = 2, TopRight = 3, BottomLeft = 4, Move = 5 };

// The middle half of the image: width/4, height/4 to 3 width/4, 3 height/4.
HistogramArea InitialHistogramArea(int32_t imageWidth, int32_t imageHeight);

// True when the area lies inside an image of that size.
bool AreaFitsImage(const HistogramArea& area, int32_t imageWidth, int32_t imageHeight);

// The first corner closer than 10 pixels, tried top-left, bottom-right,
// top-right, bottom-left; else Move for a point inside the area; else None.
AreaDrag HitTestArea(const HistogramArea& area, QPoint point);

// Applies a drag in that mode to the point. Corners keep the area at least 20
// pixels wide and high and never move the left or top edge below 0; a move
// shifts the area by point - last and pushes it back inside the image
// without changing its size (an area larger than the image keeps left or top
// at 0).
void ApplyAreaDrag(HistogramArea& area, AreaDrag mode, QPoint point, QPoint last, QSize image);

// The preview's cursor over a corner (cross), inside the area (four-way move)
// or elsewhere (arrow), and during a drag of that mode.
Qt::CursorShape AreaCursor(AreaDrag mode);
