#include "RecordFeed.h"
#include "analysis/WaveformPlot.h"
#include "analysis/WaveformWindow.h"
#include "camera/FrameSink.h"
#include "imaging/PixelFormat.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <thread>

namespace {

// The sink list of the camera the windows are opened for.
std::shared_ptr<FrameSinkList> TheCamera()
{
    static const auto sinks = std::make_shared<FrameSinkList>();
    return sinks;
}
const QColor kGreyCurve(64, 64, 64);

AnalysisSource Vga(uint32_t pixelFormat)
{
    return {640, 480, pixelFormat, TheCamera()};
}

void SetRow(WaveformRecord& record, const std::vector<uint8_t>& samples)
{
    std::lock_guard lock(record.mutex);
    record.lineBuffer = samples;
}

} // namespace

TEST(GraphDlg, OpensOnTheMiddleRowAndTakesRowsInsideTheImage)
{
    WaveformWindow dlg;
    EXPECT_FALSE(dlg.SelectRow(10));
    dlg.Open(Vga(kPixelFormatMono8));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.windowTitle(), "Waveform");
    EXPECT_TRUE(dlg.IsActive());

    const WaveformRecord& record = *dlg.Record();
    EXPECT_EQ(record.imageWidth, 640);
    EXPECT_EQ(record.imageHeight, 480);
    EXPECT_FALSE(record.colour);
    EXPECT_EQ(record.lineBuffer.size(), 640u);
    EXPECT_EQ(record.window, static_cast<RepaintTarget*>(&dlg));
    EXPECT_TRUE(TheCamera()->Contains(&record));
    EXPECT_EQ(dlg.SelectedRow(), 240);

    EXPECT_TRUE(dlg.SelectRow(0));
    EXPECT_EQ(dlg.SelectedRow(), 0);
    EXPECT_FALSE(dlg.SelectRow(480));
    EXPECT_FALSE(dlg.SelectRow(-1));
    EXPECT_EQ(dlg.SelectedRow(), 0);
    EXPECT_TRUE(dlg.SelectRow(479));
    EXPECT_EQ(dlg.SelectedRow(), 479);
}

TEST(GraphDlg, ClosingReportsOnceAndReopeningRebuildsForTheNewFormat)
{
    WaveformWindow dlg;
    QSignalSpy closed(&dlg, &WaveformWindow::closed);
    dlg.Open(Vga(kPixelFormatMono8));
    dlg.SelectRow(7);
    dlg.close();
    EXPECT_FALSE(dlg.IsActive());
    dlg.reject();
    ASSERT_EQ(closed.count(), 1);
    EXPECT_FALSE(dlg.SelectRow(3));

    dlg.Open({320, 200, kPixelFormatBayerRG12, TheCamera()});
    EXPECT_TRUE(dlg.IsActive());
    EXPECT_EQ(dlg.SelectedRow(), 100);
    EXPECT_TRUE(dlg.Record()->colour);
    EXPECT_EQ(dlg.Record()->bitDepth, 12);
    EXPECT_EQ(dlg.Record()->lineBuffer.size(), 960u);
    dlg.accept();
    EXPECT_EQ(closed.count(), 2);
}

TEST(GraphDlg, FormatChangeKeepsARowThatStillFits)
{
    WaveformWindow dlg;
    dlg.Reformat(Vga(kPixelFormatMono8));
    EXPECT_TRUE(dlg.Record()->lineBuffer.empty());

    dlg.Open(Vga(kPixelFormatMono8));
    dlg.SelectRow(100);
    dlg.Reformat({1024, 768, kPixelFormatBGR8Packed, TheCamera()});
    EXPECT_EQ(dlg.SelectedRow(), 100);
    EXPECT_EQ(dlg.Record()->lineBuffer.size(), 1024u * 3);
    dlg.SelectRow(700);
    dlg.Reformat(Vga(kPixelFormatMono8));
    EXPECT_EQ(dlg.SelectedRow(), 240);
    EXPECT_EQ(dlg.Record()->lineBuffer.size(), 640u);
}

TEST(GraphDlg, TenBitCameraPlotsTheEightBitValuesAtFullHeight)
{
    WaveformWindow dlg;
    dlg.Open({100, 50, kPixelFormatMono10, TheCamera()});
    EXPECT_EQ(dlg.Record()->bitDepth, 10);
    SetRow(*dlg.Record(), std::vector<uint8_t>(100, 255));
    dlg.resize(56 + 100, 46 + 256);

    const QImage picture = Grab(dlg);
    const WaveformLayout layout = ComputeWaveformLayout(picture.width(), picture.height(), 100);
    // Value 255 is the top of the plot, where the 10-bit label reads 1023.
    EXPECT_EQ(QColor(picture.pixel(WaveformLayout::kLeft + 50, layout.bottom - 255)), kGreyCurve);
    EXPECT_EQ(QColor(picture.pixel(WaveformLayout::kLeft + 50, layout.bottom - 64)), QColor(Qt::white));
}

TEST(GraphDlg, WindowBelowTheMarginsStillPaints)
{
    WaveformWindow dlg;
    dlg.Open(Vga(kPixelFormatMono8));
    dlg.resize(40, 30);
    const QImage picture = Grab(dlg);
    EXPECT_EQ(picture.size(), QSize(40, 30));
    EXPECT_EQ(QColor(picture.pixel(2, 2)), QColor(Qt::white));
}

TEST(GraphDlg, ColourCameraDrawsBlueGreenRedCurvesRedLast)
{
    WaveformWindow dlg;
    dlg.Open({200, 100, kPixelFormatBGR8Packed, TheCamera()});
    dlg.resize(56 + 200, 46 + 256);
    std::vector<uint8_t> row;
    for (int i = 0; i < 200; ++i) {
        const bool apart = i < 100;
        row.insert(row.end(), {uint8_t(apart ? 40 : 128), uint8_t(apart ? 120 : 128), uint8_t(apart ? 200 : 128)});
    }
    SetRow(*dlg.Record(), row);

    const QImage picture = Grab(dlg);
    const WaveformLayout layout = ComputeWaveformLayout(picture.width(), picture.height(), 200);
    const int x = WaveformLayout::kLeft + 50;
    EXPECT_EQ(QColor(picture.pixel(x, layout.bottom - 40)), QColor(Qt::blue));
    EXPECT_EQ(QColor(picture.pixel(x, layout.bottom - 120)), QColor(Qt::green));
    EXPECT_EQ(QColor(picture.pixel(x, layout.bottom - 200)), QColor(Qt::red));
    // Where all three coincide, the red curve is on top.
    EXPECT_EQ(QColor(picture.pixel(WaveformLayout::kLeft + 150, layout.bottom - 128)), QColor(Qt::red));
}

TEST(GraphDlg, FeedFromAnotherThreadRepaintsWithoutTouchingTheWidget)
{
    WaveformWindow dlg;
    dlg.Open(Vga(kPixelFormatMono8));
    const TestFrame frame = MakeGreyFrame(kPixelFormatMono8, 640, 480, [](int x, int) { return x % 256; });
    const std::vector<uint8_t> converted = ConvertForAnalysis(frame);
    ASSERT_FALSE(converted.empty());
    std::thread feeder([&] {
        for (int i = 0; i < 50; ++i) {
            FeedWaveform(*dlg.Record(), converted);
            dlg.Record()->window->RequestRepaint();
        }
    });
    for (int i = 0; i < 50; ++i) {
        dlg.SelectRow(i);
        QCoreApplication::processEvents();
    }
    feeder.join();
    QCoreApplication::processEvents();
    std::lock_guard lock(dlg.Record()->mutex);
    EXPECT_EQ(dlg.Record()->lineBuffer[200], 200);
}
