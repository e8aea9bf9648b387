#include "RecordFeed.h"
#include "analysis/CHistogramDlg.h"
#include "analysis/WaveformWindow.h"
#include "imaging/PixelFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

// Pictures of both windows fed with synthetic frames, for looking at: written
// only when LUMIVEX_SCREENSHOT_DIR names a folder.

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

std::string ScreenshotPath(const char* name)
{
    const char* folder = std::getenv("LUMIVEX_SCREENSHOT_DIR");
    return folder ? std::string(folder) + "/" + name : std::string();
}

TestFrame ColourScene()
{
    return MakeColourFrame(kPixelFormatBayerRG8, kWidth, kHeight, [](int x, int y) {
        const double wave = 0.5 + 0.5 * std::sin(x / 40.0);
        return TruthRgb{uint16_t(x * 255 / (kWidth - 1)), uint16_t(60 + 120 * wave),
                        uint16_t((y * 255 / (kHeight - 1) + x / 8) % 256)};
    });
}

TestFrame GreyScene(uint32_t pixelFormat, int bits)
{
    const double top = (1 << bits) - 1;
    return MakeGreyFrame(pixelFormat, kWidth, kHeight, [top](int x, int y) {
        const double v = 0.5 + 0.35 * std::sin(x / 50.0) * std::cos(y / 40.0) + 0.1 * std::sin(x / 7.0);
        return uint16_t(std::clamp(v, 0.0, 1.0) * top);
    });
}

void ShootWaveform(const TestFrame& frame, const char* name)
{
    WaveformWindow dlg;
    dlg.Open({frame.width, frame.height, frame.pixelFormat, nullptr});
    FeedWaveform(*dlg.Record(), ConvertForAnalysis(frame));
    ASSERT_TRUE(Grab(dlg).save(QString::fromStdString(ScreenshotPath(name))));
}

void ShootHistogram(const TestFrame& frame, const char* name)
{
    CHistogramDlg dlg;
    dlg.Open({frame.width, frame.height, frame.pixelFormat, nullptr});
    FeedHistogram(*dlg.Record(), frame, ConvertForAnalysis(frame));
    ASSERT_TRUE(Grab(dlg).save(QString::fromStdString(ScreenshotPath(name))));
}

} // namespace

TEST(AnalysisScreenshots, BothWindowsWithSyntheticFrames)
{
    if (ScreenshotPath("").empty())
        GTEST_SKIP() << "LUMIVEX_SCREENSHOT_DIR is not set";
    ShootWaveform(ColourScene(), "waveform-colour.png");
    ShootWaveform(GreyScene(kPixelFormatMono10, 10), "waveform-mono10.png");
    ShootHistogram(ColourScene(), "histogram-colour.png");
    ShootHistogram(GreyScene(kPixelFormatMono12, 12), "histogram-mono12.png");
}
