#include "imaging/DisplayGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBar = 17;

TEST(DisplayGeometry, FitWithEqualAxisScalesHasNoOffset)
{
    const DrawTransform t = ComputeDrawTransform(kZoomFit, 319, 239, 640, 480, 50, 50);
    EXPECT_FLOAT_EQ(t.scale, 0.5f);
    EXPECT_FLOAT_EQ(t.offsetX, 0.0f);
    EXPECT_FLOAT_EQ(t.offsetY, 0.0f);
}

TEST(DisplayGeometry, FitTakesTheSmallerScaleAndCentresTheOtherAxis)
{
    const DrawTransform wide = ComputeDrawTransform(kZoomFit, 641, 241, 640, 480, 0, 0);
    const float scale = 242.0f / 480.0f;
    EXPECT_FLOAT_EQ(wide.scale, scale);
    EXPECT_FLOAT_EQ(wide.offsetX, (641.0f - 640.0f * scale) / (2.0f * scale));
    EXPECT_FLOAT_EQ(wide.offsetY, 0.0f);
    // Centred: the drawn image leaves the same margin on both sides.
    const float left = wide.offsetX * scale;
    const float right = 641.0f - (wide.offsetX + 640.0f) * scale;
    EXPECT_NEAR(left, right, 0.01f);

    const DrawTransform tall = ComputeDrawTransform(kZoomFit, 300, 900, 600, 400, 0, 0);
    EXPECT_FLOAT_EQ(tall.scale, 301.0f / 600.0f);
    EXPECT_FLOAT_EQ(tall.offsetX, 0.0f);
    EXPECT_GT(tall.offsetY, 0.0f);
}

TEST(DisplayGeometry, ZoomIndexesScaleByPowersOfTwoAndShiftByTheScrollPosition)
{
    const float expected[] = {0.125f, 0.25f, 0.5f, 1.0f, 2.0f, 4.0f, 8.0f};
    for (int index = kZoomMinIndex; index <= kZoomMaxIndex; ++index) {
        const DrawTransform t = ComputeDrawTransform(index, 100, 100, 640, 480, 30, 7);
        EXPECT_FLOAT_EQ(t.scale, expected[index - kZoomMinIndex]) << index;
        EXPECT_FLOAT_EQ(t.offsetX, -30.0f);
        EXPECT_FLOAT_EQ(t.offsetY, -7.0f);
    }
    EXPECT_FLOAT_EQ(ZoomFactor(8), 0.0f);
    EXPECT_FLOAT_EQ(ZoomFactor(-1), 0.0f);
}

TEST(DisplayGeometry, EmptyImageNeitherDividesByZeroNorScrolls)
{
    const DrawTransform t = ComputeDrawTransform(kZoomFit, 100, 100, 0, 0, 0, 0);
    EXPECT_FLOAT_EQ(t.scale, 1.0f);
    const ScrollLayout layout = ComputeScrollLayout(5, 100, 100, 0, 480, 10, 10, kBar);
    EXPECT_FALSE(layout.horizontal.shown);
    EXPECT_FALSE(layout.vertical.shown);
}

TEST(DisplayGeometry, DoubledImageInAWindowOfItsSizeNeedsBothBars)
{
    const ScrollLayout layout = ComputeScrollLayout(5, 640, 480, 640, 480, 0, 0, kBar);
    ASSERT_TRUE(layout.horizontal.shown);
    ASSERT_TRUE(layout.vertical.shown);
    // Each bar narrows the view of the other axis.
    EXPECT_EQ(layout.horizontal.range, 640);
    EXPECT_EQ(layout.horizontal.page, (640 - kBar) / 2 + 1);
    EXPECT_EQ(layout.vertical.range, 480);
    EXPECT_EQ(layout.vertical.page, (480 - kBar) / 2 + 1);
}

TEST(DisplayGeometry, OneBarCanCallForTheOther)
{
    // Only the width overflows at first; the horizontal bar then hides enough
    // rows for the vertical bar to be needed too.
    const ScrollLayout both = ComputeScrollLayout(kZoomOneIndex, 300, 485, 640, 480, 0, 0, kBar);
    EXPECT_TRUE(both.horizontal.shown);
    EXPECT_TRUE(both.vertical.shown);
    EXPECT_EQ(both.vertical.page, 485 - kBar + 1);

    const ScrollLayout one = ComputeScrollLayout(kZoomOneIndex, 300, 600, 640, 480, 0, 0, kBar);
    EXPECT_TRUE(one.horizontal.shown);
    EXPECT_FALSE(one.vertical.shown);
    EXPECT_EQ(one.vertical.range, 0);
    EXPECT_EQ(one.vertical.page, 0);
}

TEST(DisplayGeometry, FitAndSmallImagesShowNoBars)
{
    const ScrollLayout fit = ComputeScrollLayout(kZoomFit, 100, 100, 640, 480, 10, 10, kBar);
    EXPECT_FALSE(fit.horizontal.shown);
    EXPECT_FALSE(fit.vertical.shown);
    EXPECT_EQ(fit.horizontal.position, 0);
    const ScrollLayout small = ComputeScrollLayout(3, 640, 480, 640, 480, 10, 10, kBar);
    EXPECT_FALSE(small.horizontal.shown);
    EXPECT_FALSE(small.vertical.shown);
}

TEST(DisplayGeometry, TooLargeScrollPositionIsPulledBack)
{
    // At x8 the position 600 was fine; at x2 the page is larger.
    const ScrollLayout layout = ComputeScrollLayout(5, 640, 480, 640, 480, 600, 470, kBar);
    EXPECT_EQ(layout.horizontal.position, layout.horizontal.range - layout.horizontal.page);
    EXPECT_EQ(layout.vertical.position, layout.vertical.range - layout.vertical.page);
    const ScrollLayout kept = ComputeScrollLayout(5, 640, 480, 640, 480, 12, -5, kBar);
    EXPECT_EQ(kept.horizontal.position, 12);
    EXPECT_EQ(kept.vertical.position, 0);
}

TEST(DisplayGeometry, ScrollActionsMoveAndStopAtTheEnds)
{
    const int range = 640;
    const int page = 101;
    const int limit = range - page + 1;
    EXPECT_EQ(ScrollLimit(range, page), limit);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::LineUp, 0, range, page, 0), 0);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::LineUp, 5, range, page, 0), 4);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::LineDown, 5, range, page, 0), 6);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::LineDown, limit, range, page, 0), limit);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::PageUp, 150, range, page, 0), 49);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::PageUp, 101, range, page, 0), 0);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::PageDown, 500, range, page, 0), limit);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::Top, 300, range, page, 0), 0);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::Bottom, 3, range, page, 0), limit);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::Track, 3, range, page, 200), 200);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::Track, 3, range, page, 9999), limit);
    EXPECT_EQ(ApplyScrollAction(ScrollAction::End, 77, range, page, 200), 77);
}

} // namespace
