#include "capturewindows/SnapShotViewRules.h"

#include <gtest/gtest.h>

TEST(SnapShotViewRules, PagesStopAtTheEnds)
{
    EXPECT_EQ(PagedPosition(200, 130, true, 500), 70);
    EXPECT_EQ(PagedPosition(129, 130, true, 500), 0);
    EXPECT_EQ(PagedPosition(130, 130, true, 500), 0);
    EXPECT_EQ(PagedPosition(200, 130, false, 500), 330);
    EXPECT_EQ(PagedPosition(450, 130, false, 500), 500);
}

TEST(SnapShotViewRules, TheDiagonalSplitsHorizontalFromVerticalWheeling)
{
    const QSize client(400, 200);
    EXPECT_TRUE(BelowDiagonal(QPoint(10, 190), client));
    EXPECT_FALSE(BelowDiagonal(QPoint(390, 10), client));
    EXPECT_FALSE(BelowDiagonal(QPoint(200, 100), client)); // on the diagonal
    EXPECT_TRUE(BelowDiagonal(QPoint(199, 100), client));
}

TEST(SnapShotViewRules, WheelStepsFollowTheExcessAndTheCells)
{
    EXPECT_EQ(ExcessWheelStep(1000, 400), 60);
    EXPECT_EQ(ExcessWheelStep(410, 400), 10);
    EXPECT_EQ(ExcessWheelStep(411, 400), 1);
    EXPECT_EQ(ExcessWheelStep(300, 400), 0);
    EXPECT_EQ(CellWheelStep(130, 400), 390);
    EXPECT_EQ(CellWheelStep(130, 100), 130);
}

TEST(SnapShotViewRules, ImagesSmallerThanTheWindowAreCentred)
{
    EXPECT_EQ(ImageViewOffset(0, 100, 300), -100);
    EXPECT_EQ(ImageViewOffset(50, 101, 300), -99);
    EXPECT_EQ(ImageViewOffset(50, 640, 300), 50);
    // The last column can be brought into view, and no further.
    EXPECT_EQ(ImageViewOffset(1000, 640, 300), 340);
    EXPECT_EQ(ImageViewOffset(-3, 640, 300), 0);
    EXPECT_EQ(ImageViewOffset(7, 300, 300), 0);
}

TEST(SnapShotViewRules, WheelNotchesAddUpFromParts)
{
    WheelNotches wheel;
    EXPECT_EQ(wheel.Take(240), 2);
    EXPECT_EQ(wheel.Take(60), 0);
    EXPECT_EQ(wheel.Take(60), 1);
    EXPECT_EQ(wheel.Take(-100), 0);
    EXPECT_EQ(wheel.Take(-20), -1);
}

TEST(SnapShotViewRules, TheThumbnailWindowGoesBesideTheMainWindowWhenItFits)
{
    const QRect workArea(0, 0, 1920, 1040);
    EXPECT_EQ(ThumbnailWindowFrame(workArea, QRect(0, 0, 1300, 900), 200), QRect(1300, 0, 620, 1040));
    // No room for one column: against the right edge, as wide as one column needs.
    EXPECT_EQ(ThumbnailWindowFrame(workArea, QRect(0, 0, 1800, 900), 200), QRect(1720, 0, 200, 1040));
    EXPECT_EQ(ThumbnailWindowFrame(workArea, QRect(0, 0, 1720, 900), 200), QRect(1720, 0, 200, 1040));
    // Wider than the screen: the whole work area.
    EXPECT_EQ(ThumbnailWindowFrame(QRect(0, 30, 800, 570), QRect(0, 30, 400, 300), 2000), QRect(0, 30, 800, 570));
}
