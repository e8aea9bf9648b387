#include "imaging/WindowFit.h"

#include "imaging/DisplayGeometry.h"

#include <algorithm>

namespace {

// A camera may report any 32-bit size. No sensor is near this side, and
// zoomed by 8 plus a window's frame it stays well within an int.
constexpr int kMaxImageSide = 1 << 20;

} // namespace

QSize ZoomedImageSize(int zoomIndex, int width, int height)
{
    width = std::clamp(width, 0, kMaxImageSide);
    height = std::clamp(height, 0, kMaxImageSide);
    if (zoomIndex < kZoomMinIndex || zoomIndex > kZoomMaxIndex)
        return {width, height};
    if (zoomIndex >= kZoomOneIndex) {
        const int shift = zoomIndex - kZoomOneIndex;
        return {width << shift, height << shift};
    }
    const int shift = kZoomOneIndex - zoomIndex;
    return {width >> shift, height >> shift};
}

QRect FitWindowRect(const QRect& window, const QRect& client, const QSize& clientSize, const QRect& workArea)
{
    const int width = std::min(clientSize.width() + window.width() - client.width(), workArea.width());
    const int height = std::min(clientSize.height() + window.height() - client.height(), workArea.height());
    QRect fitted(window.topLeft(), QSize(width, height));
    if (fitted.right() > workArea.right())
        fitted.moveRight(workArea.right());
    if (fitted.left() < workArea.left())
        fitted.moveLeft(workArea.left());
    if (fitted.bottom() > workArea.bottom())
        fitted.moveBottom(workArea.bottom());
    if (fitted.top() < workArea.top())
        fitted.moveTop(workArea.top());
    return fitted;
}
