#include "analysis/HistogramPlot.h"
#include "analysis/HistogramArea.h"

#include "LabelValues.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QSize kVga(640, 480);

} // namespace

TEST(HistogramArea, InitialAreaAndFullScaleOnVga)
{
    const HistogramArea area = InitialHistogramArea(640, 480);
    EXPECT_EQ(area, (HistogramArea{160, 120, 480, 360}));
    // 321 x 241 pixels counting both edges.
    EXPECT_EQ(HistogramFullScale(area, 1.0), 3868);
    EXPECT_EQ(HistogramFullScale(area, 4.0), 15472);
    EXPECT_EQ(HistogramFullScale(area, 0.5), 1934);
}

TEST(HistogramArea, FullScaleOfASmallAreaAtOneEighthIsZero)
{
    // A 16 x 16 image opens on 9 x 9 pixels: 81 / 20 = 4, x 1/8 = 0.
    EXPECT_EQ(HistogramFullScale(InitialHistogramArea(16, 16), 0.125), 0);
    EXPECT_EQ(HistogramFullScale(InitialHistogramArea(16, 16), 0.25), 1);
    // A very large area does not overflow.
    EXPECT_EQ(HistogramFullScale({0, 0, 99999, 99999}, 1.0), int64_t{500000000});
}

TEST(HistogramArea, CornersWinOverTheInsideInHitTestOrder)
{
    const HistogramArea area{100, 100, 120, 120};
    EXPECT_EQ(HitTestArea(area, {105, 100}), AreaDrag::TopLeft);
    EXPECT_EQ(HitTestArea(area, {120, 121}), AreaDrag::BottomRight);
    EXPECT_EQ(HitTestArea(area, {127, 97}), AreaDrag::TopRight);
    EXPECT_EQ(HitTestArea(area, {94, 126}), AreaDrag::BottomLeft);
    // Exactly 10 pixels from the corners is not near any of them.
    EXPECT_EQ(HitTestArea(area, {110, 100}), AreaDrag::Move);
    EXPECT_EQ(HitTestArea(area, {110, 110}), AreaDrag::Move);
    EXPECT_EQ(HitTestArea(area, {130, 110}), AreaDrag::None);
    EXPECT_EQ(HitTestArea(area, {110, 131}), AreaDrag::None);
}

TEST(HistogramArea, CornerDragsKeepTwentyPixels)
{
    HistogramArea area{160, 120, 480, 360};
    ApplyAreaDrag(area, AreaDrag::TopLeft, {600, 400}, {160, 120}, kVga);
    EXPECT_EQ(area, (HistogramArea{460, 340, 480, 360}));
    ApplyAreaDrag(area, AreaDrag::TopLeft, {-30, -5}, {600, 400}, kVga);
    EXPECT_EQ(area, (HistogramArea{0, 0, 480, 360}));

    ApplyAreaDrag(area, AreaDrag::BottomRight, {-50, -50}, {480, 360}, kVga);
    EXPECT_EQ(area, (HistogramArea{0, 0, 20, 20}));
    // Corners may reach past the image; the counting then pauses.
    ApplyAreaDrag(area, AreaDrag::BottomRight, {700, 500}, {20, 20}, kVga);
    EXPECT_EQ(area, (HistogramArea{0, 0, 700, 500}));
    EXPECT_FALSE(AreaFitsImage(area, 640, 480));

    area = {100, 100, 200, 200};
    ApplyAreaDrag(area, AreaDrag::TopRight, {50, 300}, {200, 100}, kVga);
    EXPECT_EQ(area, (HistogramArea{100, 180, 120, 200}));
    ApplyAreaDrag(area, AreaDrag::BottomLeft, {300, 50}, {100, 200}, kVga);
    EXPECT_EQ(area, (HistogramArea{100, 180, 120, 200}));
    ApplyAreaDrag(area, AreaDrag::BottomLeft, {30, 260}, {100, 200}, kVga);
    EXPECT_EQ(area, (HistogramArea{30, 180, 120, 260}));
}

TEST(HistogramArea, MovesKeepTheSizeAgainstEveryEdge)
{
    HistogramArea area{160, 120, 480, 360};
    ApplyAreaDrag(area, AreaDrag::Move, {100, 200}, {300, 200}, kVga);
    EXPECT_EQ(area, (HistogramArea{0, 120, 320, 360}));
    ApplyAreaDrag(area, AreaDrag::Move, {900, 0}, {300, 200}, kVga);
    EXPECT_EQ(area, (HistogramArea{319, 0, 639, 240}));
    ApplyAreaDrag(area, AreaDrag::Move, {0, 900}, {0, 0}, kVga);
    EXPECT_EQ(area, (HistogramArea{319, 239, 639, 479}));
    EXPECT_TRUE(AreaFitsImage(area, 640, 480));

    // An area wider than the image stays at the left edge.
    area = {0, 0, 700, 100};
    ApplyAreaDrag(area, AreaDrag::Move, {10, 0}, {0, 0}, kVga);
    EXPECT_EQ(area, (HistogramArea{0, 0, 700, 100}));

    ApplyAreaDrag(area, AreaDrag::None, {300, 300}, {0, 0}, kVga);
    EXPECT_EQ(area, (HistogramArea{0, 0, 700, 100}));
}

TEST(HistogramPlot, LayoutOfTheOpeningWindowIsOnePixelPerValue)
{
    const QSize client = HistogramClientSize({1920, 1040});
    EXPECT_EQ(client, QSize(335, 541));
    const HistogramLayout layout = ComputeHistogramLayout(client.width(), client.height());
    EXPECT_DOUBLE_EQ(layout.xScale, 1.0);
    EXPECT_EQ(layout.plotHeight, 500);
    EXPECT_EQ(layout.extent, 255);
    EXPECT_EQ(layout.right, 63 + 255);
    EXPECT_EQ(layout.bottom, 16 + 500);

    EXPECT_EQ(HistogramClientSize({300, 400}), QSize(299, 399));
    const HistogramLayout tiny = ComputeHistogramLayout(79, 41);
    EXPECT_EQ(tiny.plotWidth, 1);
    EXPECT_EQ(tiny.plotHeight, 1);
    EXPECT_EQ(tiny.extent, 0);
}

TEST(HistogramPlot, LabelsOfATwelveBitGreyCamera)
{
    const HistogramLayout layout = ComputeHistogramLayout(335, 541);
    const auto values = HistogramValueLabels(layout, 12);
    EXPECT_EQ(LabelValues(values), (std::vector<int64_t>{0, 1023, 2047, 3071, 4095}));
    EXPECT_EQ(values[1], (AxisLabel{63 + 63, 1023, true}));
    EXPECT_EQ(values[4], (AxisLabel{63 + 255, 4095, false}));
    EXPECT_EQ(LabelValues(HistogramValueLabels(layout, 8)), (std::vector<int64_t>{0, 63, 127, 191, 255}));

    // F = 3868: quarters 967, 1934, 2901, 3868, divided by 16.
    const auto counts = HistogramCountLabels(layout, 3868, 12);
    EXPECT_EQ(LabelValues(counts), (std::vector<int64_t>{0, 60, 120, 181, 241}));
    EXPECT_EQ(counts[2], (AxisLabel{516 - 250, 120, true}));
    EXPECT_EQ(LabelValues(HistogramCountLabels(layout, 3868, 8)), (std::vector<int64_t>{0, 967, 1934, 2901, 3868}));
}

TEST(HistogramPlot, CurveHeightsScaleByTheFullScaleAndStayInside)
{
    const HistogramLayout layout = ComputeHistogramLayout(335, 541);
    std::vector<uint32_t> counts(256, 0);
    counts[0] = 1934;        // half of F
    counts[1] = 4000000000u; // far above F
    counts[255] = 3868;
    const QPolygon curve = HistogramCurve(layout, counts.data(), 256, 3868);
    ASSERT_EQ(curve.size(), 256);
    EXPECT_EQ(curve[0], QPoint(63, 516 - 250));
    EXPECT_EQ(curve[1], QPoint(64, 516 - 499));
    EXPECT_EQ(curve[2], QPoint(65, 516));
    EXPECT_EQ(curve[255], QPoint(63 + 255, 516 - 499));

    // count x plot height passes 32 bits.
    counts[0] = 10000000;
    EXPECT_EQ(HistogramCurve(layout, counts.data(), 256, 20000000)[0], QPoint(63, 516 - 250));

    EXPECT_TRUE(HistogramCurve(layout, counts.data(), 256, 0).isEmpty());
    EXPECT_TRUE(HistogramCurve(layout, counts.data(), 100, 10).isEmpty());
}

TEST(HistogramPlot, DeepGreyBinsShareTheValueStepsAndCountPerSensorValue)
{
    EXPECT_EQ(HistogramBinCount(false, 12), 4096);
    EXPECT_EQ(HistogramBinCount(false, 10), 1024);
    EXPECT_EQ(HistogramBinCount(false, 16), 4096);
    EXPECT_EQ(HistogramBinCount(true, 12), 256);

    const HistogramLayout layout = ComputeHistogramLayout(335, 541);
    std::vector<uint32_t> counts(4096, 0);
    // 3868 / 16 counts per sensor value reach the top label.
    counts[16] = 241;
    counts[4095] = 121;
    const QPolygon curve = HistogramCurve(layout, counts.data(), 4096, 3868);
    ASSERT_EQ(curve.size(), 4096);
    EXPECT_EQ(curve[15], QPoint(63 + 0, 516));
    EXPECT_EQ(curve[16], QPoint(63 + 1, 516 - 498));
    EXPECT_EQ(curve[4095], QPoint(63 + 255, 516 - 250));
}
