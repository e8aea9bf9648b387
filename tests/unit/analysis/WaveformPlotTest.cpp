#include "analysis/WaveformPlot.h"
#include "analysis/AnalysisSource.h"
#include "imaging/PixelFormat.h"

#include "LabelValues.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AnalysisSource, ColourFlagAndSensorDepthFollowThePixelFormat)
{
    EXPECT_FALSE(IsColourSource(kPixelFormatMono12Packed));
    EXPECT_FALSE(IsColourSource(kPixelFormatMono16));
    EXPECT_TRUE(IsColourSource(kPixelFormatBayerRG8));
    EXPECT_TRUE(IsColourSource(kPixelFormatBGR8Packed));

    EXPECT_EQ(SensorBitDepth(kPixelFormatMono10Packed), 10);
    EXPECT_EQ(SensorBitDepth(kPixelFormatBayerBG10), 10);
    EXPECT_EQ(SensorBitDepth(kPixelFormatMono12), 12);
    EXPECT_EQ(SensorBitDepth(kPixelFormatBayerGR12Packed), 12);
    // Depths the bin tables do not span count as 8 bits.
    EXPECT_EQ(SensorBitDepth(kPixelFormatMono14), 8);
    EXPECT_EQ(SensorBitDepth(kPixelFormatMono16), 8);
    EXPECT_EQ(SensorBitDepth(kPixelFormatRGB8Packed), 8);
}

TEST(WaveformPlot, LayoutOfTheOpeningWindow)
{
    const QSize client = WaveformClientSize(640, {1920, 1040});
    EXPECT_EQ(client, QSize(706, 332));
    const WaveformLayout layout = ComputeWaveformLayout(client.width(), client.height(), 640);
    EXPECT_DOUBLE_EQ(layout.xScale, 650.0 / 640);
    EXPECT_DOUBLE_EQ(layout.yScale, 286.0 / 256);
    EXPECT_EQ(layout.plotWidth, 648);
    EXPECT_EQ(layout.plotHeight, 284);
    EXPECT_EQ(layout.right, 40 + 648);
    EXPECT_EQ(layout.bottom, 16 + 284);

    // A wide camera's window stays inside the work area.
    EXPECT_EQ(WaveformClientSize(2448, {1920, 300}), QSize(1919, 299));
}

TEST(WaveformPlot, ClientSmallerThanTheMarginsGivesASinglePixelPlot)
{
    const WaveformLayout layout = ComputeWaveformLayout(30, 20, 640);
    EXPECT_DOUBLE_EQ(layout.xScale, 1.0 / 640);
    EXPECT_DOUBLE_EQ(layout.yScale, 1.0 / 256);
    EXPECT_EQ(layout.plotWidth, 0);
    EXPECT_EQ(layout.plotHeight, 0);
    for (const AxisLabel& label : WaveformIndexLabels(layout))
        EXPECT_EQ(label.position, 40);
    EXPECT_EQ(ComputeWaveformLayout(-5, -5, 0).plotWidth, 0);
}

TEST(WaveformPlot, ValueLabelsShowTheSensorRange)
{
    const WaveformLayout layout = ComputeWaveformLayout(706, 332, 640);
    EXPECT_EQ(LabelValues(WaveformValueLabels(layout, 8)), (std::vector<int64_t>{0, 63, 127, 191, 255}));
    EXPECT_EQ(LabelValues(WaveformValueLabels(layout, 12)), (std::vector<int64_t>{0, 1023, 2047, 3071, 4095}));

    const auto labels = WaveformValueLabels(layout, 10);
    EXPECT_EQ(LabelValues(labels), (std::vector<int64_t>{0, 255, 511, 767, 1023}));
    EXPECT_EQ(labels[0], (AxisLabel{300, 0, false}));
    EXPECT_EQ(labels[1], (AxisLabel{300 - 71, 255, true}));
    EXPECT_EQ(labels[2], (AxisLabel{300 - 142, 511, true}));
    EXPECT_EQ(labels[3], (AxisLabel{300 - 213, 767, true}));
    EXPECT_EQ(labels[4], (AxisLabel{16, 1023, false}));
}

TEST(WaveformPlot, IndexLabelsEveryTwoHundredSamplesThatFit)
{
    const auto labels = WaveformIndexLabels(ComputeWaveformLayout(706, 332, 640));
    EXPECT_EQ(LabelValues(labels), (std::vector<int64_t>{0, 200, 400, 600}));
    EXPECT_EQ(labels[0], (AxisLabel{40, 0, false}));
    EXPECT_EQ(labels[3], (AxisLabel{40 + 609, 600, true}));

    // 201 samples at one pixel each: the label at 200 sits on the right edge
    // and gets no grid line.
    const WaveformLayout exact = ComputeWaveformLayout(56 + 201, 332, 201);
    const auto edge = WaveformIndexLabels(exact);
    ASSERT_EQ(edge.size(), 2u);
    EXPECT_EQ(edge[1].position, exact.right);
    EXPECT_FALSE(edge[1].gridLine);
}

TEST(WaveformPlot, CurvePicksItsChannelFromInterleavedSamples)
{
    // Two blue, green, red pixels.
    const std::vector<uint8_t> row{10, 20, 255, 0, 128, 64};
    const WaveformLayout layout = ComputeWaveformLayout(56 + 2, 46 + 256, 2);
    EXPECT_DOUBLE_EQ(layout.yScale, 1.0);
    const QPolygon red = WaveformCurve(layout, row.data(), 2, 3, 2);
    EXPECT_EQ(red, QPolygon({QPoint(40, layout.bottom - 255), QPoint(41, layout.bottom - 64)}));
    const QPolygon blue = WaveformCurve(layout, row.data(), 2, 3, 0);
    EXPECT_EQ(blue, QPolygon({QPoint(40, layout.bottom - 10), QPoint(41, layout.bottom)}));
    EXPECT_TRUE(WaveformCurve(layout, row.data(), 2, 3, 3).isEmpty());
    EXPECT_TRUE(WaveformCurve(layout, nullptr, 2, 3, 0).isEmpty());
}
