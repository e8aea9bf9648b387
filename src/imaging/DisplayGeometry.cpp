#include "imaging/DisplayGeometry.h"

#include <algorithm>

float ZoomFactor(int zoomIndex)
{
    constexpr float kFactors[] = {0.125f, 0.25f, 0.5f, 1.0f, 2.0f, 4.0f, 8.0f};
    if (zoomIndex < kZoomMinIndex || zoomIndex > kZoomMaxIndex)
        return 0.0f;
    return kFactors[zoomIndex - kZoomMinIndex];
}

DrawTransform ComputeDrawTransform(int zoomIndex, int windowWidth, int windowHeight, int imageWidth, int imageHeight,
                                   int scrollX, int scrollY)
{
    DrawTransform transform;
    if (imageWidth <= 0 || imageHeight <= 0)
        return transform;

    const float factor = ZoomFactor(zoomIndex);
    if (factor > 0.0f) {
        transform.scale = factor;
        transform.offsetX = static_cast<float>(-scrollX);
        transform.offsetY = static_cast<float>(-scrollY);
        return transform;
    }

    // Fit: the smaller of the two axis scales wins; the other axis is centred.
    // The offsets are in image pixels because the scale applies to them too.
    const float sx = static_cast<float>(windowWidth + 1) / static_cast<float>(imageWidth);
    const float sy = static_cast<float>(windowHeight + 1) / static_cast<float>(imageHeight);
    if (sx == sy) {
        transform.scale = sx;
    } else if (sy < sx) {
        transform.scale = sy;
        transform.offsetX = (static_cast<float>(windowWidth) - static_cast<float>(imageWidth) * sy) / (2.0f * sy);
    } else {
        transform.scale = sx;
        transform.offsetY = (static_cast<float>(windowHeight) - static_cast<float>(imageHeight) * sx) / (2.0f * sx);
    }
    return transform;
}

namespace {

ScrollBarLayout ShownBar(int imageSize, int visibleExtent, int position)
{
    ScrollBarLayout bar;
    bar.shown = true;
    bar.range = imageSize;
    bar.page = visibleExtent + 1;
    bar.position = std::max(0, std::min(position, bar.range - bar.page));
    return bar;
}

} // namespace

ScrollLayout ComputeScrollLayout(int zoomIndex, int windowWidth, int windowHeight, int imageWidth, int imageHeight,
                                 int scrollX, int scrollY, int barExtent)
{
    ScrollLayout layout;
    const float factor = ZoomFactor(zoomIndex);
    if (factor <= 0.0f || imageWidth <= 0 || imageHeight <= 0)
        return layout;

    int visibleWidth = windowWidth;
    int visibleHeight = windowHeight;
    bool horizontal = false;
    bool vertical = false;
    int extentWidth = 0;
    int extentHeight = 0;
    for (;;) {
        extentWidth = static_cast<int>(static_cast<float>(visibleWidth) / factor);
        extentHeight = static_cast<int>(static_cast<float>(visibleHeight) / factor);
        if (extentWidth < imageWidth && !horizontal) {
            horizontal = true;
            visibleHeight = windowHeight - barExtent;
        } else if (extentHeight < imageHeight && !vertical) {
            vertical = true;
            visibleWidth = windowWidth - barExtent;
        } else {
            break;
        }
    }
    if (horizontal)
        layout.horizontal = ShownBar(imageWidth, extentWidth, scrollX);
    if (vertical)
        layout.vertical = ShownBar(imageHeight, extentHeight, scrollY);
    return layout;
}

int ScrollLimit(int range, int page)
{
    return std::max(0, range - page + 1);
}

int ApplyScrollAction(ScrollAction action, int position, int range, int page, int trackPosition)
{
    const int limit = ScrollLimit(range, page);
    int next = position;
    switch (action) {
    case ScrollAction::LineUp:
        if (position > 0)
            next = position - 1;
        break;
    case ScrollAction::LineDown:
        next = position + 1;
        break;
    case ScrollAction::PageUp:
        next = page < position ? position - page : 0;
        break;
    case ScrollAction::PageDown:
        next = position + page;
        break;
    case ScrollAction::Top:
        next = 0;
        break;
    case ScrollAction::Bottom:
        next = limit;
        break;
    case ScrollAction::Track:
        next = trackPosition;
        break;
    case ScrollAction::End:
        break;
    }
    return std::clamp(next, 0, limit);
}
