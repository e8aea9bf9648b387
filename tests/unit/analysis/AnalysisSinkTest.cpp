#include "CameraFakes.h"
#include "TempDir.h"

#include "analysis/HistogramRecord.h"
#include "analysis/WaveformRecord.h"
#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/PixelFormats.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

constexpr int kWaitMs = 2000;
// The marker colour (0, 255, 0) on grey frames.
constexpr uint8_t kGreyMarker = 85;

// The analysis records as sinks of a camera whose acquisition thread runs on
// a scripted pipeline.
class AnalysisSinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto pipeline = std::make_unique<FakePipeline>();
        pipeline_ = pipeline.get();
        camera_ = std::make_unique<CameraConnection>(std::make_unique<FakeDevice>(), std::move(pipeline),
                                                     std::make_unique<CRS232C_OM>(dir_.file("serial.ini")));
    }

    void TearDown() override { camera_->Acquisition().StopThread(); }

    void Start() { ASSERT_TRUE(camera_->Acquisition().StartThread(&display_, converter_)); }

    void DrainAndStop()
    {
        EXPECT_TRUE(pipeline_->WaitUntilDrained(kWaitMs));
        camera_->Acquisition().StopThread();
    }

    // Opens the waveform window's record on the given row.
    WaveformRecord& OpenWaveform(size_t lineBytes, bool colour, int32_t row)
    {
        waveformRecord_.colour = colour;
        waveformRecord_.lineBuffer.assign(lineBytes, 0xEE);
        waveformRecord_.lineNumber = row;
        waveformRecord_.window = &window_;
        waveformRecord_.active = true;
        camera_->Acquisition().FrameSinks()->Add(waveformRecord_);
        return waveformRecord_;
    }

    // Opens the histogram window's record for 16 × 12 frames on an area.
    HistogramRecord& OpenHistogram(bool colour, int32_t left, int32_t top, int32_t right, int32_t bottom)
    {
        histogramRecord_.imageWidth = 16;
        histogramRecord_.imageHeight = 12;
        histogramRecord_.colour = colour;
        histogramRecord_.left = left;
        histogramRecord_.top = top;
        histogramRecord_.right = right;
        histogramRecord_.bottom = bottom;
        histogramRecord_.window = &window_;
        histogramRecord_.active = true;
        camera_->Acquisition().FrameSinks()->Add(histogramRecord_);
        return histogramRecord_;
    }

    TempDir dir_;
    FakeRepaint window_;
    WaveformRecord waveformRecord_;
    HistogramRecord histogramRecord_;
    FakeDisplay display_;
    FakeConverter converter_;
    FakePipeline* pipeline_ = nullptr;
    std::unique_ptr<CameraConnection> camera_;
};

// An 8-bit grey frame whose pixel (x, y) is y * 16 + x.
FakeFrame RowPatternFrame(uint32_t width, uint32_t height, uint64_t blockId)
{
    FakeFrame frame = MakeFrame(width, height, kPixelMono8, blockId);
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x)
            frame.pixels[y * width + x] = static_cast<uint8_t>(y * 16 + x);
    return frame;
}

TEST_F(AnalysisSinkTest, WaveformGetsTheSelectedRowBeforeItsMarkerIsDrawn)
{
    WaveformRecord& record = OpenWaveform(8, false, 2);
    Start();
    pipeline_->Push(RowPatternFrame(8, 4, 1));
    ASSERT_TRUE(display_.WaitForShows(1, kWaitMs));
    DrainAndStop();

    std::vector<uint8_t> row2(8);
    std::iota(row2.begin(), row2.end(), uint8_t{32});
    EXPECT_EQ(record.lineBuffer, row2);
    EXPECT_EQ(window_.requests, 1);
    const auto shown = display_.Shows().at(0).pixels;
    EXPECT_EQ(std::vector<uint8_t>(shown.begin() + 16, shown.begin() + 24), std::vector<uint8_t>(8, kGreyMarker));
    EXPECT_EQ(shown[8], 16);
}

TEST_F(AnalysisSinkTest, WaveformOfAnotherKindIsNotCopied)
{
    // Grey rows are a third as long as the colour line the window expects.
    WaveformRecord& record = OpenWaveform(64 * 3, true, 3);
    Start();
    pipeline_->Push(MakeFrame(64, 4, kPixelMono8, 1, 9));
    DrainAndStop();

    EXPECT_EQ(record.lineBuffer, std::vector<uint8_t>(64 * 3, 0xEE));
}

TEST_F(AnalysisSinkTest, HistogramCountsItsAreaAndDrawsItsRectangle)
{
    HistogramRecord& record = OpenHistogram(false, 2, 3, 10, 8);
    Start();
    pipeline_->Push(MakeFrame(16, 12, kPixelMono8, 1, 40));
    ASSERT_TRUE(display_.WaitForShows(1, kWaitMs));
    DrainAndStop();

    // Grey areas exclude the right and bottom edges.
    EXPECT_EQ(record.counts[0][40], 8u * 5u);
    EXPECT_EQ(std::accumulate(record.counts[0].begin(), record.counts[0].end(), 0u), 40u);
    EXPECT_EQ(window_.requests, 1);
    const auto shown = display_.Shows().at(0).pixels;
    auto at = [&shown](int x, int y) { return shown[static_cast<size_t>(y * 16 + x)]; };
    EXPECT_EQ(at(2, 3), kGreyMarker);
    EXPECT_EQ(at(9, 7), kGreyMarker);
    EXPECT_EQ(at(5, 5), 40);
    EXPECT_EQ(at(10, 8), 40);
}

TEST_F(AnalysisSinkTest, ColourHistogramCountsEveryChannelWithEdgesIncluded)
{
    HistogramRecord& record = OpenHistogram(true, 1, 1, 4, 2);
    Start();
    pipeline_->Push(MakeFrame(16, 12, kPixelBGR8Packed, 1, 77));
    DrainAndStop();

    for (const auto& table : record.counts)
        EXPECT_EQ(table[77], 4u * 2u);
}

TEST_F(AnalysisSinkTest, HistogramOfAnotherFrameSizeIsNotCounted)
{
    HistogramRecord& record = OpenHistogram(false, 0, 0, 4, 4);
    record.counts[0][1] = 99;
    Start();
    pipeline_->Push(MakeFrame(20, 12, kPixelMono8, 1, 1));
    DrainAndStop();

    EXPECT_EQ(record.counts[0][1], 99u);
    EXPECT_EQ(window_.requests, 0);
}

} // namespace
