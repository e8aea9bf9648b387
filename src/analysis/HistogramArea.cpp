#include "analysis/HistogramArea.h"

#include <algorithm>

namespace {

constexpr int kCornerGrabDistance = 10;
constexpr int kMinAreaSize = 20;

bool NearCorner(QPoint point, int32_t x, int32_t y)
{
    const int64_t dx = point.x() - x;
    const int64_t dy = point.y() - y;
    return dx * dx + dy * dy < int64_t{kCornerGrabDistance} * kCornerGrabDistance;
}

int32_t LeadingEdge(int32_t position, int32_t trailingEdge)
{
    return std::max(0, std::min(position, trailingEdge - kMinAreaSize));
}

int32_t TrailingEdge(int32_t position, int32_t leadingEdge)
{
    return std::max(leadingEdge + kMinAreaSize, position);
}

// Shifts [low, high] by delta, then back inside [0, limit) keeping its span;
// a span longer than the range stays at 0.
void ShiftSpan(int32_t& low, int32_t& high, int32_t delta, int32_t limit)
{
    const int32_t span = high - low;
    low += delta;
    high += delta;
    if (high >= limit) {
        high = limit - 1;
        low = high - span;
    }
    if (low < 0) {
        low = 0;
        high = span;
    }
}

} // namespace

HistogramArea InitialHistogramArea(int32_t imageWidth, int32_t imageHeight)
{
    return {imageWidth / 4, imageHeight / 4, 3 * imageWidth / 4, 3 * imageHeight / 4};
}

bool AreaFitsImage(const HistogramArea& area, int32_t imageWidth, int32_t imageHeight)
{
    return area.left >= 0 && area.top >= 0 && area.left <= area.right && area.top <= area.bottom &&
           area.right < imageWidth && area.bottom < imageHeight;
}

AreaDrag HitTestArea(const HistogramArea& area, QPoint point)
{
    if (NearCorner(point, area.left, area.top))
        return AreaDrag::TopLeft;
    if (NearCorner(point, area.right, area.bottom))
        return AreaDrag::BottomRight;
    if (NearCorner(point, area.right, area.top))
        return AreaDrag::TopRight;
    if (NearCorner(point, area.left, area.bottom))
        return AreaDrag::BottomLeft;
    const bool inside =
        point.x() >= area.left && point.x() < area.right && point.y() >= area.top && point.y() < area.bottom;
    return inside ? AreaDrag::Move : AreaDrag::None;
}

void ApplyAreaDrag(HistogramArea& area, AreaDrag mode, QPoint point, QPoint last, QSize image)
{
    switch (mode) {
    case AreaDrag::TopLeft:
        area.left = LeadingEdge(point.x(), area.right);
        area.top = LeadingEdge(point.y(), area.bottom);
        break;
    case AreaDrag::BottomRight:
        area.right = TrailingEdge(point.x(), area.left);
        area.bottom = TrailingEdge(point.y(), area.top);
        break;
    case AreaDrag::TopRight:
        area.right = TrailingEdge(point.x(), area.left);
        area.top = LeadingEdge(point.y(), area.bottom);
        break;
    case AreaDrag::BottomLeft:
        area.left = LeadingEdge(point.x(), area.right);
        area.bottom = TrailingEdge(point.y(), area.top);
        break;
    case AreaDrag::Move:
        ShiftSpan(area.left, area.right, point.x() - last.x(), image.width());
        ShiftSpan(area.top, area.bottom, point.y() - last.y(), image.height());
        break;
    case AreaDrag::None:
        break;
    }
}

Qt::CursorShape AreaCursor(AreaDrag mode)
{
    switch (mode) {
    case AreaDrag::None:
        return Qt::ArrowCursor;
    case AreaDrag::Move:
        return Qt::SizeAllCursor;
    default:
        return Qt::CrossCursor;
    }
}
