#include "drawing/CDrawingManagement.h"
#include "drawing/DrawingOverlayPainter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// Makes a shape with the given tool by pressing at the first point, moving to
// the second and releasing.
void DrawByMouse(CDrawingManagement& manager, int32_t tool, QPoint from, QPoint to)
{
    ASSERT_TRUE(manager.SetTool(tool));
    manager.OnPress(from, 0);
    manager.OnMove(0, to);
    manager.OnRelease();
}

std::vector<bool> Selection(const CDrawingManagement& manager)
{
    std::vector<bool> selected;
    for (int i = 0; i < manager.ObjectCount(); ++i) {
        DrawingStyle style;
        EXPECT_TRUE(manager.GetObjectStyle(i, style));
        selected.push_back(style.selected != 0);
    }
    return selected;
}

// Three lines far apart, the middle one selected.
void ThreeLines(CDrawingManagement& manager)
{
    DrawByMouse(manager, kDrawingLine, {50, 50}, {150, 50});
    DrawByMouse(manager, kDrawingLine, {50, 200}, {150, 200});
    DrawByMouse(manager, kDrawingLine, {50, 350}, {150, 350});
    manager.SelectOnly(1, true);
}

} // namespace

TEST(DrawingManagement, PressMoveReleaseMakesALineAndEndsTheTool)
{
    CDrawingManagement manager;
    ASSERT_TRUE(manager.SetTool(kDrawingLine));
    manager.OnPress({100, 100}, 0);
    EXPECT_EQ(manager.State(), CDrawingManagement::kPlacing);
    EXPECT_TRUE(manager.IsCreating());
    EXPECT_EQ(manager.OnMove(kShiftKeyFlag, {200, 110}), Qt::CrossCursor); // snapped horizontal
    EXPECT_EQ(manager.ObjectPoints(0), (std::vector<QPoint>{{100, 100}, {200, 100}}));
    manager.OnRelease();
    EXPECT_EQ(manager.Tool(), kDrawingSelect);
    EXPECT_FALSE(manager.IsCreating());
    EXPECT_EQ(manager.State(), CDrawingManagement::kIdle);
    EXPECT_EQ(Selection(manager), std::vector<bool>{true});
    EXPECT_EQ(manager.ObjectListLines(), QStringList{QStringLiteral("0. Line")});
}

TEST(DrawingManagement, MultiPressShapes)
{
    CDrawingManagement manager;
    // Degree: press-drag to the vertex, then press-drag the second arm; the
    // second release ends it.
    ASSERT_TRUE(manager.SetTool(kDrawingDegree));
    manager.OnPress({300, 100}, 0);
    manager.OnMove(0, {200, 100});
    manager.OnRelease();
    EXPECT_TRUE(manager.IsCreating());
    manager.OnPress({200, 200}, 0);
    manager.OnMove(0, {200, 220});
    manager.OnRelease();
    EXPECT_FALSE(manager.IsCreating());
    EXPECT_EQ(manager.ObjectPoints(0), (std::vector<QPoint>{{300, 100}, {200, 100}, {200, 220}}));

    // Polygon: presses add points until the caller finishes it.
    ASSERT_TRUE(manager.SetTool(kDrawingPolygon));
    manager.OnPress({10, 10}, 0);
    manager.OnMove(0, {60, 10});
    manager.OnRelease();
    manager.OnPress({60, 60}, 0);
    manager.OnRelease();
    manager.OnPress({10, 60}, 0);
    manager.OnRelease();
    EXPECT_TRUE(manager.IsCreating());
    EXPECT_TRUE(manager.FinishCreation());
    EXPECT_FALSE(manager.FinishCreation());
    EXPECT_EQ(manager.Tool(), kDrawingSelect);
    EXPECT_EQ(manager.ObjectPoints(1), (std::vector<QPoint>{{10, 10}, {60, 10}, {60, 60}, {10, 60}}));

    // Free hand: every move adds a point; the release ends it.
    ASSERT_TRUE(manager.SetTool(kDrawingFreeHand));
    manager.OnPress({0, 0}, 0);
    for (int i = 1; i <= 5; ++i)
        manager.OnMove(0, {i, 2 * i});
    manager.OnRelease();
    EXPECT_EQ(manager.ObjectPoints(2).size(), 6u);
    EXPECT_EQ(manager.Tool(), kDrawingSelect);

    // Text: one press reaches the target; the press goes on as a drag.
    ASSERT_TRUE(manager.SetTool(kDrawingText));
    manager.OnPress({400, 400}, 0);
    EXPECT_EQ(manager.Tool(), kDrawingSelect);
    EXPECT_EQ(manager.State(), CDrawingManagement::kDragging);
    EXPECT_EQ(manager.HitCode(), 1u);
    manager.OnMove(0, {410, 405});
    manager.OnRelease();
    EXPECT_EQ(manager.ObjectPoints(3), std::vector<QPoint>{QPoint(410, 405)});
}

TEST(DrawingManagement, ShiftClickOnASelectedObjectDeselectsItAndStartsARubberBand)
{
    CDrawingManagement manager;
    ThreeLines(manager);
    manager.SelectOnly(0, true);
    manager.OnPress({100, 350}, kShiftKeyFlag); // adds the top line
    manager.OnRelease();
    EXPECT_EQ(Selection(manager), (std::vector<bool>{true, false, true}));
    manager.OnPress({100, 50}, kShiftKeyFlag); // removes the bottom line
    EXPECT_EQ(Selection(manager), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(manager.State(), CDrawingManagement::kRubberBand);
    EXPECT_EQ(manager.HitCode(), kHitNone);
}

TEST(DrawingManagement, PressOnEmptySpaceDeselectsEverything)
{
    CDrawingManagement manager;
    ThreeLines(manager);
    manager.OnPress({500, 450}, 0);
    EXPECT_EQ(Selection(manager), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(manager.State(), CDrawingManagement::kRubberBand);
    // The band picks what it overlaps as it grows, then stays on release.
    manager.OnMove(0, {20, 190});
    EXPECT_EQ(Selection(manager), (std::vector<bool>{false, true, true}));
    manager.OnRelease();
    EXPECT_EQ(manager.CountSelected(), 2);
    EXPECT_EQ(manager.TopSelectedIndex(), 2);
}

TEST(DrawingManagement, DraggingMovesEverySelectedObject)
{
    CDrawingManagement manager;
    ThreeLines(manager);
    manager.SelectOnly(2, true);
    // A press on a selected object keeps the other selections: a drag of the
    // end point becomes a move of the whole selection.
    manager.OnPress({100, 50}, kShiftKeyFlag);
    manager.OnRelease();
    manager.OnPress({150, 350}, 0);
    EXPECT_EQ(manager.HitCode(), kHitBody);
    EXPECT_EQ(manager.OnMove(0, {160, 345}), Qt::SizeAllCursor);
    manager.OnRelease();
    EXPECT_EQ(manager.ObjectPoints(2), (std::vector<QPoint>{{60, 345}, {160, 345}}));
    EXPECT_EQ(manager.ObjectPoints(1), (std::vector<QPoint>{{50, 200}, {150, 200}}));
    EXPECT_EQ(manager.ObjectPoints(0), (std::vector<QPoint>{{60, 45}, {160, 45}}));

    // A single selected object drags by its point.
    manager.OnPress({50, 200}, 0);
    EXPECT_EQ(manager.HitCode(), 1u);
    EXPECT_EQ(Selection(manager), (std::vector<bool>{false, true, false}));
    manager.OnMove(0, {40, 210});
    manager.OnRelease();
    EXPECT_EQ(manager.ObjectPoints(1), (std::vector<QPoint>{{40, 210}, {150, 200}}));

    // Locked objects are neither hit nor dragged.
    DrawingStyle style;
    ASSERT_TRUE(manager.GetObjectStyle(1, style));
    style.lock = 1;
    ASSERT_TRUE(manager.SetObjectStyle(1, style));
    EXPECT_EQ(manager.OnMove(0, {150, 200}), Qt::ArrowCursor);
    manager.OnPress({150, 200}, 0);
    EXPECT_EQ(manager.State(), CDrawingManagement::kRubberBand);
}

TEST(DrawingManagement, ZOrderSelectionAndDeletion)
{
    CDrawingManagement manager;
    ThreeLines(manager);
    EXPECT_EQ(manager.MoveInZOrder(2, true, false), 2); // already on top
    EXPECT_EQ(manager.MoveInZOrder(0, false, true), 0);
    EXPECT_EQ(manager.MoveInZOrder(0, true, true), 2);
    EXPECT_EQ(manager.ObjectPoints(2).front(), QPoint(50, 50));
    EXPECT_EQ(manager.MoveInZOrder(2, false, false), 1);
    EXPECT_EQ(manager.ObjectPoints(1).front(), QPoint(50, 50));
    EXPECT_EQ(manager.MoveInZOrder(7, true, true), 7);

    manager.SelectOnly(2, true);
    EXPECT_EQ(manager.TopSelectedIndex(), 2);
    manager.SelectOnly(5, true);
    EXPECT_EQ(manager.CountSelected(), 0);
    EXPECT_EQ(manager.TopSelectedIndex(), 0);
    EXPECT_FALSE(manager.DeleteSelected());

    manager.SelectOnly(1, true);
    EXPECT_TRUE(manager.DeleteSelected());
    EXPECT_EQ(manager.ObjectCount(), 2);
    DrawingStyle style;
    EXPECT_FALSE(manager.GetObjectStyle(2, style));
    EXPECT_FALSE(manager.SetObjectStyle(-1, style));
}

TEST(DrawingManagement, DeletingTheShapeInProgressCancelsItsCreation)
{
    CDrawingManagement manager;
    ASSERT_TRUE(manager.SetTool(kDrawingPolygon));
    manager.OnPress({10, 10}, 0);
    manager.OnRelease();
    EXPECT_TRUE(manager.DeleteSelected());
    EXPECT_FALSE(manager.IsCreating());
    // The next press starts a new polygon instead of placing on a deleted one.
    manager.OnPress({20, 20}, 0);
    EXPECT_EQ(manager.ObjectCount(), 1);
    EXPECT_EQ(manager.ObjectPoints(0).size(), 3u);
}

TEST(DrawingManagement, ChoosingAToolClearsSelectionsAndRefusesUnknownTools)
{
    CDrawingManagement manager;
    ThreeLines(manager);
    EXPECT_FALSE(manager.SetTool(13));
    EXPECT_EQ(manager.CountSelected(), 1);
    EXPECT_TRUE(manager.SetTool(kDrawingRoundRect));
    EXPECT_EQ(manager.CountSelected(), 0);
    EXPECT_EQ(manager.OnMove(0, {100, 50}), Qt::CrossCursor);
}

TEST(DrawingManagement, GridLinesOnTheFrame)
{
    CDrawingManagement manager;
    DrawingSettings settings = manager.Defaults();
    settings.grid.horizontalCount = 3;
    settings.grid.verticalCount = 1;
    settings.grid.penColor = 0x0000FF;
    manager.SetDefaults(settings);
    EXPECT_TRUE(manager.DrawsNothing()); // no frame size yet
    manager.SetImageSize(kWidth, kHeight);
    EXPECT_FALSE(manager.DrawsNothing());

    std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * 3, 0xFF);
    ASSERT_TRUE(manager.DrawOnFrame(pixels.data(), kWidth, kHeight, true));
    auto red = [&](int x, int y) {
        const uint8_t* p = &pixels[(size_t(y) * kWidth + x) * 3];
        return p[0] == 0 && p[1] == 0 && p[2] == 0xFF;
    };
    for (int x = 0; x < kWidth; ++x)
        EXPECT_EQ(red(x, 100), x == 160 || x == 320 || x == 480) << x;
    for (int y = 0; y < kHeight; ++y)
        EXPECT_EQ(red(100, y), y == 240) << y;

    // Without a frame size there is no grid; an empty frame is refused.
    manager.SetImageSize(0, 0);
    std::vector<uint8_t> grey(size_t(101) * 7, 0xFF);
    ASSERT_TRUE(manager.DrawOnFrame(grey.data(), 101, 7, false));
    EXPECT_TRUE(std::all_of(grey.begin(), grey.end(), [](uint8_t v) { return v == 0xFF; }));
    EXPECT_FALSE(manager.DrawOnFrame(nullptr, 10, 10, false));
    EXPECT_FALSE(manager.DrawOnFrame(grey.data(), 0, 7, false));
}

TEST(DrawingManagement, PainterDrawsObjectsAndTheRubberBand)
{
    CDrawingManagement manager;
    DrawingOverlayPainter painter(manager);
    manager.SetImageSize(kWidth, kHeight);
    EXPECT_TRUE(painter.DrawsNothing());
    manager.OnPress({300, 300}, 0); // empty space: rubber band
    EXPECT_FALSE(painter.DrawsNothing());
    manager.OnRelease();
    DrawByMouse(manager, kDrawingRectangle, {100, 100}, {200, 150});
    EXPECT_FALSE(painter.DrawsNothing());
    manager.OnPress({300, 300}, 0);
    manager.OnMove(0, {400, 350});

    EXPECT_EQ(DrawingOverlayPainter::Name(), QStringLiteral("Drawing"));
    // An odd width makes rows that are not 4-byte aligned.
    std::vector<uint8_t> pixels(size_t(641) * kHeight, 0x80);
    ASSERT_TRUE(painter.Paint(pixels.data(), 641, kHeight, false));
    auto at = [&](int x, int y) { return int(pixels[size_t(y) * 641 + x]); };
    EXPECT_EQ(at(150, 100), 0); // the rectangle's black top edge
    EXPECT_EQ(at(150, 125), 0x80);
    // The band's dotted edge alternates white dots with black gaps.
    int white = 0;
    int black = 0;
    for (int x = 310; x < 390; ++x) {
        white += at(x, 300) == 0xFF;
        black += at(x, 300) == 0;
    }
    EXPECT_GT(white, 30);
    EXPECT_GT(black, 30);
    EXPECT_EQ(at(350, 325), 0x80);

    manager.OnRelease();
    QImage frame(kWidth, kHeight, QImage::Format_BGR888);
    frame.fill(Qt::white);
    painter.Paint(frame);
    EXPECT_EQ(frame.pixelColor(150, 100), QColor(Qt::black));
    EXPECT_EQ(frame.pixelColor(350, 300), QColor(Qt::white)); // no band once released
}

// The acquisition thread paints every frame while the user interface thread
// makes and deletes shapes; the manager's lock keeps the painter off objects
// that are being deleted.
TEST(DrawingManagement, PaintingWhileEditingFromAnotherThread)
{
    CDrawingManagement manager;
    manager.SetImageSize(kWidth, kHeight);
    std::atomic<bool> stop{false};
    std::atomic<int> frames{0};
    std::thread painter([&] {
        std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * 3);
        while (!stop) {
            manager.DrawOnFrame(pixels.data(), kWidth, kHeight, true);
            ++frames;
        }
    });
    for (int round = 0; round < 200; ++round) {
        DrawByMouse(manager, kFirstDrawingType + round % 12, {round, 10}, {round + 50, 90});
        manager.FinishCreation();
        if (round % 3 == 2) {
            manager.SelectOnly(0, true);
            manager.DeleteSelected();
        }
    }
    while (frames < 5)
        std::this_thread::yield();
    stop = true;
    painter.join();
    EXPECT_GT(manager.ObjectCount(), 100);
}
