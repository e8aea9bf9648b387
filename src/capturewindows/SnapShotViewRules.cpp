#include "capturewindows/SnapShotViewRules.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kWheelNotch = 120;
constexpr int kWheelStepDivisor = 10;

} // namespace

int PagedPosition(int position, int page, bool back, int maxPosition)
{
    if (back)
        return position < page ? 0 : position - page;
    return std::min(position + page, maxPosition);
}

bool BelowDiagonal(QPoint pointer, QSize client)
{
    return int64_t{client.height()} * pointer.x() < int64_t{client.width()} * pointer.y();
}

int ExcessWheelStep(int content, int client)
{
    const int excess = std::max(content - client, 0);
    return excess > kWheelStepDivisor ? excess / kWheelStepDivisor : excess;
}

int CellWheelStep(int cell, int client)
{
    return cell * std::max(client / std::max(cell, 1), 1);
}

int ImageViewOffset(int position, int image, int client)
{
    if (image < client)
        return (image - client) / 2;
    return std::clamp(position, 0, image - client);
}

int WheelNotches::Take(int angleDelta)
{
    pending_ += angleDelta;
    const int notches = pending_ / kWheelNotch;
    pending_ -= notches * kWheelNotch;
    return notches;
}

QRect ThumbnailWindowFrame(QRect workArea, QRect mainWindowFrame, int neededWidth)
{
    const int right = workArea.right() + 1;
    int left = std::max(mainWindowFrame.right() + 1, workArea.left());
    if (neededWidth >= right - left)
        left = std::max(right - neededWidth, workArea.left());
    return QRect(QPoint(left, workArea.top()), QPoint(workArea.right(), workArea.bottom()));
}
