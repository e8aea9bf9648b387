#include "imaging/DroppedFramesPainter.h"
#include "imaging/EllipsePainter.h"
#include "imaging/FrameRatePainter.h"
#include "imaging/GridPainter.h"
#include "imaging/LogoPainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <set>
#include <vector>

namespace {

constexpr uint8_t kWhite = 255;

// Gives the tests the painters' way of writing text.
struct TextWriter : OverlayPainter {
    using OverlayPainter::DrawText;
};

// A frame as the acquisition thread has it: packed rows, painted through a
// QImage over its own pixels.
struct Frame {
    Frame(int w, int h, bool colour)
        : width(w),
          height(h),
          bytesPerPixel(colour ? 3 : 1),
          pixels(static_cast<size_t>(w) * h * bytesPerPixel, kWhite)
    {
    }

    void Paint(OverlayPainter& painter, uint32_t blockId = 0, const int32_t* dropped = nullptr)
    {
        QImage image(pixels.data(), width, height, width * bytesPerPixel,
                     bytesPerPixel == 3 ? QImage::Format_BGR888 : QImage::Format_Grayscale8);
        QPainter qp(&image);
        OverlayPainter::Trampoline(qp, pixels.data(), width, height, blockId, &painter, dropped);
    }

    const uint8_t* At(int x, int y) const { return &pixels[(static_cast<size_t>(y) * width + x) * bytesPerPixel]; }
    bool IsDark(int x, int y) const { return At(x, y)[0] < 128; }
    bool IsWhite(int x, int y) const
    {
        for (int c = 0; c < bytesPerPixel; ++c)
            if (At(x, y)[c] != kWhite)
                return false;
        return true;
    }

    // Columns whose pixel in row y is dark.
    std::set<int> DarkColumns(int y) const
    {
        std::set<int> columns;
        for (int x = 0; x < width; ++x)
            if (IsDark(x, y))
                columns.insert(x);
        return columns;
    }
    std::set<int> DarkRows(int x) const
    {
        std::set<int> rows;
        for (int y = 0; y < height; ++y)
            if (IsDark(x, y))
                rows.insert(y);
        return rows;
    }
    bool AnyDarkIn(int x0, int y0, int x1, int y1) const
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (IsDark(x, y))
                    return true;
        return false;
    }

    int width;
    int height;
    int bytesPerPixel;
    std::vector<uint8_t> pixels;
};

TEST(GridPainter, DefaultGridSplitsTheFrameInFourByThree)
{
    for (const bool colour : {false, true}) {
        Frame frame(640, 480, colour);
        GridPainter grid(nullptr);
        frame.Paint(grid);
        EXPECT_EQ(frame.DarkColumns(100), (std::set<int>{0, 159, 319, 479, 639})) << colour;
        EXPECT_EQ(frame.DarkRows(100), (std::set<int>{0, 159, 319, 479})) << colour;
        // Lines are black in every channel.
        EXPECT_EQ(frame.At(159, 10)[0], 0);
        EXPECT_EQ(frame.At(159, 10)[frame.bytesPerPixel - 1], 0);
    }
}

TEST(GridPainter, OffsetsShiftByLessThanOneCell)
{
    Frame frame(640, 480, false);
    GridPainter grid(nullptr, {4, 3, 200, 160});
    frame.Paint(grid);
    // 200 mod 159 = 41; 160 mod 159 = 1. The last lines fall outside.
    EXPECT_EQ(frame.DarkColumns(100), (std::set<int>{41, 200, 360, 520}));
    EXPECT_EQ(frame.DarkRows(100), (std::set<int>{1, 160, 320}));
}

TEST(GridPainter, ZeroAndHugeCountsStayBounded)
{
    GridPainter zero(nullptr, {0, 0, 5, 5});
    EXPECT_EQ(zero.Settings().columns, 1u);
    EXPECT_EQ(zero.Settings().rows, 1u);
    Frame outline(64, 48, false);
    outline.Paint(zero);
    // One cell: its border, shifted by 5.
    EXPECT_EQ(outline.DarkColumns(20), (std::set<int>{5}));

    // More columns than pixels: cells of width 0, offset ignored, every
    // column covered, and done at once.
    Frame dense(64, 48, false);
    GridPainter huge(nullptr, {4000000000u, 3, 17, 0});
    const auto start = std::chrono::steady_clock::now();
    dense.Paint(huge);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(dense.DarkColumns(20).size(), 64u);
}

TEST(EllipsePainter, DrawsUntilAnEllipseLiesOutsideOnAllSides)
{
    Frame frame(640, 480, true);
    EllipsePainter ellipse(nullptr);
    frame.Paint(ellipse);
    // Left edges of the radii 100, 200 and 300 on the centre row.
    EXPECT_TRUE(frame.AnyDarkIn(219, 238, 221, 242));
    EXPECT_TRUE(frame.AnyDarkIn(119, 238, 121, 242));
    EXPECT_TRUE(frame.AnyDarkIn(19, 238, 21, 242));
    EXPECT_FALSE(frame.AnyDarkIn(0, 230, 15, 250));
    // Radius 400 would pass through the corners: it ends the loop undrawn.
    EXPECT_FALSE(frame.AnyDarkIn(0, 0, 4, 4));
    EXPECT_FALSE(frame.AnyDarkIn(635, 475, 639, 479));
    // Radius 300 reaches the top and bottom edges only beyond the frame.
    EXPECT_FALSE(frame.IsDark(320, 0));
    EXPECT_TRUE(frame.IsWhite(320, 240));
}

TEST(EllipsePainter, ZeroAndHugeStepsStayBounded)
{
    EllipsePainter zero(nullptr, {0, 0});
    EXPECT_EQ(zero.Settings().radiusStepX, 1u);
    EXPECT_EQ(zero.Settings().radiusStepY, 1u);
    Frame frame(64, 48, false);
    frame.Paint(zero);
    EXPECT_TRUE(frame.IsDark(31, 24));

    Frame wide(64, 48, false);
    EllipsePainter huge(nullptr, {4000000000u, 10});
    wide.Paint(huge);
    EXPECT_TRUE(wide.AnyDarkIn(0, 0, 63, 47));
}

TEST(FpsPainter, FirstFrameShowsTheCountOnlyAndResetStartsAfresh)
{
    FrameRateMeter::Reading first;
    first.displayCount = 1;
    first.frameCount = 1;
    EXPECT_EQ(FrameRatePainter::RateText(first), "DispFPS:?/DispCount:1");
    FrameRateMeter::Reading later;
    later.hasRate = true;
    later.rate = 29.97f;
    later.frameCount = 1234;
    EXPECT_EQ(FrameRatePainter::RateText(later), "FPS:30.0/FrameCount:1234");

    // The painter's top rows equal the expected text written the same way.
    const auto topRows = [](const Frame& f) {
        return std::vector<uint8_t>(f.pixels.begin(), f.pixels.begin() + 20 * f.width);
    };
    const auto expectedTop = [&](const QString& text) {
        Frame reference(320, 240, false);
        QImage image(reference.pixels.data(), 320, 240, 320, QImage::Format_Grayscale8);
        QPainter qp(&image);
        TextWriter::DrawText(qp, 319, 0, Qt::AlignRight | Qt::AlignTop, text);
        qp.end();
        return topRows(reference);
    };

    FrameRatePainter fps(nullptr);
    const int32_t dropped = 3;
    Frame frame(320, 240, false);
    frame.Paint(fps, 0, &dropped);
    EXPECT_EQ(topRows(frame), expectedTop("DispFPS:?/DispCount:1"));
    // The date and time at the bottom-right corner, nothing elsewhere.
    EXPECT_TRUE(frame.AnyDarkIn(200, 220, 319, 239));
    EXPECT_FALSE(frame.AnyDarkIn(0, 40, 319, 200));
    EXPECT_FALSE(frame.AnyDarkIn(0, 0, 60, 20));

    Frame second(320, 240, false);
    second.Paint(fps, 0, &dropped);
    EXPECT_NE(topRows(second), expectedTop("DispFPS:?/DispCount:2"));

    fps.Reset();
    Frame afresh(320, 240, false);
    afresh.Paint(fps, 0, &dropped);
    EXPECT_EQ(topRows(afresh), expectedTop("DispFPS:?/DispCount:1"));
}

TEST(FramesReceivedPainter, WritesTheBlockIdBottomLeft)
{
    DroppedFramesPainter received(nullptr);
    EXPECT_EQ(received.Name(), "Frames Received");
    Frame frame(320, 240, true);
    frame.Paint(received, 4242);
    EXPECT_TRUE(frame.AnyDarkIn(0, 220, 120, 239));
    EXPECT_FALSE(frame.AnyDarkIn(0, 0, 319, 200));
    EXPECT_FALSE(frame.AnyDarkIn(200, 220, 319, 239));
}

TEST(LogoPainter, BlendsTheLogoHalfTransparentAtTheOrigin)
{
    LogoPainter logoPainter(nullptr);
    const QImage& logo = logoPainter.Logo();
    ASSERT_FALSE(logo.isNull());
    Frame frame(320, 240, true);
    frame.Paint(logoPainter);
    const double alpha = 127.0 / 255.0;
    for (const QPoint p : {QPoint(2, 2), QPoint(28, 28), QPoint(100, 30), QPoint(logo.width() - 1, 5)}) {
        const QRgb l = logo.pixel(p);
        const uint8_t* got = frame.At(p.x(), p.y());
        EXPECT_NEAR(got[0], qBlue(l) * alpha + kWhite * (1 - alpha), 2.0);
        EXPECT_NEAR(got[1], qGreen(l) * alpha + kWhite * (1 - alpha), 2.0);
        EXPECT_NEAR(got[2], qRed(l) * alpha + kWhite * (1 - alpha), 2.0);
    }
    EXPECT_TRUE(frame.IsWhite(logo.width(), 5));
    EXPECT_TRUE(frame.IsWhite(5, logo.height()));

    Frame grey(320, 240, false);
    grey.Paint(logoPainter);
    EXPECT_LT(grey.At(2, 2)[0], kWhite);
    EXPECT_TRUE(grey.IsWhite(logo.width(), 5));
}

} // namespace
