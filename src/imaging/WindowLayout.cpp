#include "imaging/WindowLayout.h"

#include "imaging/DisplayGeometry.h"

#include <algorithm>

QRect KeepInside(const QRect& frame, const QRect& workArea)
{
    QRect kept(frame.topLeft(), frame.size().boundedTo(workArea.size()));
    kept.moveLeft(std::clamp(kept.left(), workArea.left(), workArea.right() + 1 - kept.width()));
    kept.moveTop(std::clamp(kept.top(), workArea.top(), workArea.bottom() + 1 - kept.height()));
    return kept;
}

QPoint CascadeCorner(int index, int step, const QSize& frameSize, const QRect& workArea)
{
    if (step <= 0 || index <= 0)
        return workArea.topLeft();
    // How many steps fit on each axis before the frame would stick out.
    auto steps = [step](int room) { return std::max(0, room) / step + 1; };
    const int down = steps(workArea.height() - frameSize.height());
    const int across = steps(workArea.width() - frameSize.width());
    // Back up to the top, still moving right while there is room.
    const int x = index < across ? index : index % across;
    return workArea.topLeft() + QPoint(x * step, (index % down) * step);
}

std::vector<QRect> TileFrames(int count, const QRect& workArea)
{
    const int columns = count > 1 ? 2 : 1;
    const int rows = count > 2 ? 2 : 1;
    std::vector<QRect> frames;
    for (int i = 0; i < std::clamp(count, 0, 4); ++i) {
        const int column = i % columns;
        const int row = i / columns;
        const int left = workArea.left() + workArea.width() * column / columns;
        const int right = workArea.left() + workArea.width() * (column + 1) / columns;
        const int top = workArea.top() + workArea.height() * row / rows;
        const int bottom = workArea.top() + workArea.height() * (row + 1) / rows;
        frames.emplace_back(left, top, right - left, bottom - top);
    }
    return frames;
}

int TileZoom(const QSize& imageSize, const QSize& viewSize)
{
    if (imageSize.isEmpty() || viewSize.isEmpty())
        return kZoomFit;
    const double fitted = std::min(static_cast<double>(viewSize.width()) / imageSize.width(),
                                   static_cast<double>(viewSize.height()) / imageSize.height());
    for (int zoom = kZoomMaxIndex; zoom >= kZoomMinIndex; --zoom) {
        const double factor = ZoomFactor(zoom);
        if (factor <= fitted)
            return factor * 10 >= fitted * 9 ? zoom : kZoomFit;
    }
    return kZoomFit;
}

QRect WorkAreaOf(const QRect& frame, const std::vector<QRect>& workAreas, const QRect& fallback)
{
    QRect best = fallback;
    long long bestArea = 0;
    for (const QRect& area : workAreas) {
        const QRect common = area.intersected(frame);
        const long long size = static_cast<long long>(common.width()) * common.height();
        if (size > bestArea) {
            bestArea = size;
            best = area;
        }
    }
    return best;
}
