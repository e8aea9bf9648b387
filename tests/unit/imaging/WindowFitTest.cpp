#include "imaging/WindowFit.h"

#include <gtest/gtest.h>

namespace {

// A window with a 4-pixel frame and a 26-pixel title bar above its client area.
QRect ClientOf(const QRect& window)
{
    return window.adjusted(4, 30, -4, -4);
}

TEST(WindowFit, ZoomShiftsTheImageSize)
{
    EXPECT_EQ(ZoomedImageSize(6, 1600, 1200), QSize(6400, 4800));
    EXPECT_EQ(ZoomedImageSize(4, 640, 480), QSize(640, 480));
    EXPECT_EQ(ZoomedImageSize(1, 640, 480), QSize(80, 60));
    EXPECT_EQ(ZoomedImageSize(0, 640, 480), QSize(640, 480));
    // As a camera may report them: no shift overflows.
    EXPECT_EQ(ZoomedImageSize(7, 0x7FFFFFFF, -1), QSize(1 << 23, 0));
    EXPECT_EQ(ZoomedImageSize(0, -640, 0x7FFFFFFF), QSize(0, 1 << 20));
}

TEST(WindowFit, ClientAreaGetsTheImageSizeWherePossible)
{
    const QRect workArea(0, 0, 1920, 1040);
    const QRect window(50, 50, 300, 200);
    const QRect fitted = FitWindowRect(window, ClientOf(window), QSize(640, 480), workArea);
    EXPECT_EQ(fitted, QRect(50, 50, 640 + 8, 480 + 34));
}

TEST(WindowFit, TooLargeImagesAreClampedToTheWorkArea)
{
    const QRect workArea(0, 24, 1920, 1016);
    const QRect window(100, 100, 300, 200);
    const QRect fitted = FitWindowRect(window, ClientOf(window), QSize(6400, 4800), workArea);
    EXPECT_EQ(fitted, workArea);
}

TEST(WindowFit, WindowsStickingOutAreMovedBackIn)
{
    const QRect workArea(0, 24, 1920, 1016);
    const QRect right(1700, 900, 300, 200);
    EXPECT_EQ(FitWindowRect(right, ClientOf(right), QSize(640, 480), workArea),
              QRect(1920 - 648, 1040 - 514, 648, 514));
    const QRect above(-40, 0, 300, 200);
    EXPECT_EQ(FitWindowRect(above, ClientOf(above), QSize(640, 480), workArea), QRect(0, 24, 648, 514));
}

} // namespace
