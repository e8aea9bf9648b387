#include "camera/OverlayRegistry.h"
#include "controls/AreaBorders.h"
#include "controls/AreaOverlay.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

TEST(AreaBorders, MovedBorderStaysBetweenItsNeighbours)
{
    const std::array<int32_t, 4> borders = {100, 200, 300, 400};
    // X2 dragged below X1 stays one above it; above X3 one below it.
    EXPECT_EQ(OrderedBorder(borders, 1, 50), 101);
    EXPECT_EQ(OrderedBorder(borders, 1, 350), 299);
    EXPECT_EQ(OrderedBorder(borders, 1, 250), 250);
    // The first border is only kept below the second, the last above the
    // third.
    EXPECT_EQ(OrderedBorder(borders, 0, 0), 0);
    EXPECT_EQ(OrderedBorder(borders, 0, 250), 199);
    EXPECT_EQ(OrderedBorder(borders, 3, 999), 999);
    EXPECT_EQ(OrderedBorder(borders, 3, 250), 301);
}

TEST(AreaBorders, PairKeepsItsOrder)
{
    const std::array<int32_t, 2> borders = {320, 960};
    EXPECT_EQ(OrderedBorder(borders, 0, 1000), 959);
    EXPECT_EQ(OrderedBorder(borders, 1, 100), 321);
}

TEST(AreaBorders, MiddleBorderBetweenTouchingNeighboursTakesTheUpperLimit)
{
    // Raised above 100 to 101, then lowered below 101 to 100.
    const std::array<int32_t, 3> borders = {100, 150, 101};
    EXPECT_EQ(OrderedBorder(borders, 1, 0), 100);
}

TEST(AreaBorders, NeighboursAtTheEndsOfTheIntRange)
{
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    const std::array<int32_t, 3> borders = {kMax, 0, kMin};
    EXPECT_EQ(OrderedBorder(borders, 1, 5), 5);
}

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

// Paints the overlay on a black frame of the given format, as the
// acquisition thread does: a QPainter over the frame's own pixels.
QImage PaintFrame(AreaOverlay& overlay, QImage::Format format)
{
    QImage frame(kWidth, kHeight, format);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    overlay.Paint(painter, kWidth, kHeight);
    return frame;
}

bool ColumnPainted(const QImage& frame, int x)
{
    for (int y = 0; y < frame.height(); ++y) {
        if (frame.pixelColor(x, y) == Qt::black)
            return false;
    }
    return true;
}

bool RowPainted(const QImage& frame, int y)
{
    for (int x = 0; x < frame.width(); ++x) {
        if (frame.pixelColor(x, y) == Qt::black)
            return false;
    }
    return true;
}

} // namespace

TEST(AreaOverlay, DrawsIncreasingBordersRedAcrossTheFrame)
{
    AreaOverlay overlay("AWBAREA");
    overlay.SetBorders({16, 40}, {12, 30});
    const QImage frame = PaintFrame(overlay, QImage::Format_BGR888);
    EXPECT_TRUE(ColumnPainted(frame, 16));
    EXPECT_TRUE(ColumnPainted(frame, 40));
    EXPECT_TRUE(RowPainted(frame, 12));
    EXPECT_TRUE(RowPainted(frame, 30));
    EXPECT_EQ(frame.pixelColor(16, 5), QColor(Qt::red));
    EXPECT_FALSE(ColumnPainted(frame, 28));
    EXPECT_EQ(frame.pixelColor(28, 20), QColor(Qt::black));
}

TEST(AreaOverlay, SkipsBordersNotBeyondTheLastOneDrawn)
{
    AreaOverlay overlay("ALCAREA");
    // 0 and the unread -1 are never drawn; 20 after 30 neither.
    overlay.SetBorders({0, 30, 20, -1}, {-1, 10, 10, 40});
    const QImage frame = PaintFrame(overlay, QImage::Format_BGR888);
    EXPECT_FALSE(ColumnPainted(frame, 0));
    EXPECT_TRUE(ColumnPainted(frame, 30));
    EXPECT_FALSE(ColumnPainted(frame, 20));
    EXPECT_TRUE(RowPainted(frame, 10));
    EXPECT_TRUE(RowPainted(frame, 40));
}

TEST(AreaOverlay, GreyFramesGetGreyLinesAndWeightBoxes)
{
    AreaOverlay overlay("ALCAREA");
    overlay.SetBorders({10, 30, 50, 60}, {5, 20, 35, 45});
    overlay.SetWeights({1, 2, 3, 4, 5, 6, 7, 8, 9});
    const QImage frame = PaintFrame(overlay, QImage::Format_Grayscale8);
    const int redGrey = qGray(QColor(Qt::red).rgb());
    EXPECT_EQ(qGray(frame.pixel(10, 2)), redGrey);
    // The first weight's white box starts at (X1, Y1).
    EXPECT_EQ(qGray(frame.pixel(12, 8)), 255);
}

TEST(AreaOverlay, WeightsSitAtTheirCellsTopLeftCorner)
{
    AreaOverlay overlay("ALCAREA");
    overlay.SetBorders({2, 20, 40, 60}, {2, 16, 32, 44});
    overlay.SetWeights({8, -1, -1, -1, -1, -1, -1, -1, 4});
    const QImage frame = PaintFrame(overlay, QImage::Format_BGR888);
    // "%3u" starts with blanks: white box just right of and below the
    // corner. Cell (0, 0) at (X1, Y1) and cell (2, 2) at (X3, Y3) have one;
    // cell (0, 1), its weight unknown, has none at (X2, Y1).
    EXPECT_EQ(frame.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(43, 35), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(23, 5), QColor(Qt::black));
}

TEST(AreaOverlay, AttachedOverlayPaintsThroughTheRegistryUntilDetached)
{
    OverlayRegistry registry;
    QImage frame(kWidth, kHeight, QImage::Format_BGR888);
    {
        AreaOverlay overlay("AWBAREA");
        overlay.SetBorders({16}, {});
        overlay.Attach(&registry);
        EXPECT_FALSE(registry.IsEmpty());
        frame.fill(Qt::black);
        QPainter painter(&frame);
        registry.PaintAll(painter, frame.bits(), kWidth, kHeight, 1, nullptr);
    }
    EXPECT_TRUE(ColumnPainted(frame, 16));
    EXPECT_TRUE(registry.IsEmpty());
}
