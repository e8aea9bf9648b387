#include "imaging/WindowLayout.h"

#include <gtest/gtest.h>

namespace {

// A 1920x1080 screen with a 30-pixel panel at the top.
const QRect kWorkArea(0, 30, 1920, 1050);

TEST(WindowLayout, FramesAreKeptInsideTheWorkArea)
{
    struct Case {
        QRect frame;
        QRect kept;
    };
    const Case cases[] = {
        {{100, 100, 800, 600}, {100, 100, 800, 600}},  // already inside
        {{1700, 50, 800, 600}, {1120, 50, 800, 600}},  // off the right edge
        {{200, 0, 800, 600}, {200, 30, 800, 600}},     // title bar above the top
        {{-4000, 5000, 800, 600}, {0, 480, 800, 600}}, // far off screen
        {{300, 300, 2500, 1200}, kWorkArea},           // larger than the area
        {{-10, 900, 640, 2000}, {0, 30, 640, 1050}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepInside(c.frame, kWorkArea), c.kept) << c.frame.x() << ',' << c.frame.y();
}

TEST(WindowLayout, TheCascadeStartsInTheWorkAreaAndWraps)
{
    struct Case {
        int index;
        QSize frame;
        QPoint corner;
    };
    const Case cases[] = {
        {0, {648, 540}, {0, 30}},
        {3, {648, 540}, {150, 180}},
        // 1400x1000 leaves room for one step down: the third window goes
        // on from the top, still to the right, until the right edge.
        {1, {1400, 1000}, {50, 80}},
        {2, {1400, 1000}, {100, 30}},
        {10, {1400, 1000}, {500, 30}},
        {11, {1400, 1000}, {0, 80}},
        {12, {1400, 1000}, {50, 30}},
        {1, {2000, 1200}, {0, 30}}, // no room at all
    };
    for (const Case& c : cases) {
        const QPoint corner = CascadeCorner(c.index, 50, c.frame, kWorkArea);
        EXPECT_EQ(corner, c.corner) << c.index << ' ' << c.frame.width();
        EXPECT_TRUE(kWorkArea.contains(QRect(corner, c.frame.boundedTo(kWorkArea.size()))));
    }
}

TEST(WindowLayout, TilesFillTheWorkAreaWithoutOverlap)
{
    const QRect odd(7, 23, 1279, 697);
    struct Case {
        int count;
        QRect area;
        std::vector<QRect> frames;
    };
    const Case cases[] = {
        {1, kWorkArea, {kWorkArea}},
        {2, kWorkArea, {{0, 30, 960, 1050}, {960, 30, 960, 1050}}},
        {3, kWorkArea, {{0, 30, 960, 525}, {960, 30, 960, 525}, {0, 555, 960, 525}}},
        {4, odd, {{7, 23, 639, 348}, {646, 23, 640, 348}, {7, 371, 639, 349}, {646, 371, 640, 349}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TileFrames(c.count, c.area), c.frames) << c.count;
}

TEST(WindowLayout, TileZoomIsTheLargestStepThatFillsElseFitted)
{
    struct Case {
        QSize image;
        QSize view;
        int zoom;
    };
    const Case cases[] = {
        {{640, 480}, {1280, 960}, 5},  // exactly x2
        {{640, 480}, {1300, 1000}, 5}, // x2 with a margin
        {{640, 480}, {640, 470}, 0},   // x1 misses by a little: fitted
        {{1280, 960}, {640, 480}, 3},  // x1/2
        {{1280, 960}, {940, 450}, 0},  // x1/4 would waste half the room
        {{640, 480}, {5200, 3900}, 7}, // x8 is the largest step
        {{4000, 3000}, {300, 200}, 0}, // below x1/8
        {{0, 0}, {300, 200}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TileZoom(c.image, c.view), c.zoom) << c.image.width() << " in " << c.view.width();
}

TEST(WindowLayout, AFrameBelongsToTheScreenHoldingMostOfIt)
{
    const QRect left(0, 0, 1920, 1050);
    const QRect right(1920, 0, 1280, 1024);
    const std::vector<QRect> areas = {left, right};
    EXPECT_EQ(WorkAreaOf({1800, 100, 400, 300}, areas, left), right);
    EXPECT_EQ(WorkAreaOf({1600, 100, 400, 300}, areas, right), left);
    // The monitor it was on is gone: the fallback.
    EXPECT_EQ(WorkAreaOf({3500, 100, 400, 300}, areas, left), left);
}

} // namespace
