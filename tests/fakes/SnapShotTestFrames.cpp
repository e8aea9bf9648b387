#include "SnapShotTestFrames.h"

#include "imaging/PixelFormat.h"

namespace {

constexpr int kBlock = 4;
constexpr int kBase = 40;
constexpr int kSpan = 160;

uint16_t Level(int value)
{
    return static_cast<uint16_t>(kBase + value % kSpan);
}

} // namespace

uint8_t GreyAt(int x, int y)
{
    return static_cast<uint8_t>(Level(x / kBlock * 7 + y / kBlock * 3));
}

TruthRgb ColourAt(int x, int y)
{
    return TruthRgb{Level(x / kBlock), Level(y / kBlock), Level(x / kBlock + y / kBlock)};
}

TestFrame GreySnapShotFrame(int width, int height)
{
    return MakeGreyFrame(kPixelFormatMono8, width, height, [](int x, int y) { return GreyAt(x, y); });
}

TestFrame ColourSnapShotFrame(int width, int height)
{
    return MakeColourFrame(kPixelFormatBGR8Packed, width, height, ColourAt);
}
