#include "CameraFakes.h"
#include "TempDir.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/DisplaySettings.h"
#include "camera/OverlayRegistry.h"
#include "display/CPreview.h"
#include "display/GlDisplayWindow.h"
#include "imaging/OverlayPainterSet.h"
#include "imaging/PixelFormat.h"
#include "imaging/PixelFrameConverter.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

namespace {

constexpr int64_t kCameraKey = 0x0A000010;
// Longer than the thread's display interval, so that every pushed frame is shown.
constexpr int kFrameGapMs = 45;
constexpr int kWaitMs = 5000;

// One camera previewing into a preview window through the real acquisition
// thread, pixel conversion, overlay painters and display window; only the
// SDK device and pipeline are stand-ins.
class LiveDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto device = std::make_unique<FakeDevice>();
        AddFake<FakeInteger>(device->features, "GevCurrentIPAddress", kCameraKey);
        auto pipeline = std::make_unique<FakePipeline>();
        pipeline_ = pipeline.get();
        camera_ = std::make_unique<CameraConnection>(std::move(device), std::move(pipeline),
                                                     std::make_unique<CRS232C_OM>(dir_.file("serial.ini")));
        camera_->Acquisition().CreateOverlayRegistry();
        camera_->Acquisition().SetDisplaySettings(&settings_);
        painters_ =
            std::make_unique<OverlayPainterSet>(*camera_->Acquisition().GetOverlayRegistry(), dir_.file("lumivex.dat"));

        preview_.move(50, 50);
        preview_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview_));
        ASSERT_TRUE(preview_.CreateDisplayWindow(10002).IsOK());
        window_ = preview_.Display().DisplayWindow();
        window_->SetZoom(kZoomOneIndex);
        ASSERT_TRUE(preview_.FitWindowToImage(kZoomOneIndex, 65, 49));
        ASSERT_TRUE(camera_->Acquisition().StartThread(&preview_.Display(), converter_));
    }

    void TearDown() override
    {
        // The thread stops before the painters and the display go.
        camera_->Acquisition().StopThread();
        painters_.reset();
    }

    // Pushes the frame again and again, as a camera would, until the window
    // shows what the check expects.
    bool ShowUntil(const FakeFrame& frame, const std::function<bool(const QImage&)>& check)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
        while (std::chrono::steady_clock::now() < deadline) {
            pipeline_->Push(frame);
            QTest::qWait(kFrameGapMs);
            const QImage shown = window_->GrabFrame();
            if (!shown.isNull() && check(shown))
                return true;
        }
        return false;
    }

    TempDir dir_;
    DisplaySettings settings_;
    PixelFrameConverter converter_;
    FakePipeline* pipeline_ = nullptr;
    std::unique_ptr<CameraConnection> camera_;
    std::unique_ptr<OverlayPainterSet> painters_;
    CPreview preview_;
    GlDisplayWindow* window_ = nullptr;
};

int Red(const QImage& image, int x, int y)
{
    return qRed(image.pixel(x, y));
}

TEST_F(LiveDisplayTest, ConvertedFramesCarryTheSwitchedOnOverlays)
{
    // 65 x 49: grid lines every 16 pixels.
    ASSERT_TRUE(EnablePainter(painters_->Grid()));
    const FakeFrame grey = MakeFrame(65, 49, kPixelFormatMono8, 1, 200);
    EXPECT_TRUE(ShowUntil(grey, [](const QImage& shown) {
        return Red(shown, 16, 8) == 0 && Red(shown, 48, 40) == 0 && Red(shown, 8, 32) == 0 && Red(shown, 8, 8) == 200;
    }));

    // Switched off: the next frames come through clean.
    ASSERT_TRUE(DisablePainter(painters_->Grid(), painters_->Grid().Key()));
    painters_->Grid().SetKey(0);
    EXPECT_TRUE(ShowUntil(grey, [](const QImage& shown) { return Red(shown, 16, 8) == 200; }));
}

TEST_F(LiveDisplayTest, RawAndMirroredFramesAreConverted)
{
    // No consumer: the raw Bayer buffer goes to the window, which converts it.
    FakeFrame bayer = MakeFrame(64, 48, kPixelFormatBayerRG8, 1, 0);
    for (int y = 0; y < 48; y += 2)
        for (int x = 0; x < 64; x += 2)
            bayer.pixels[static_cast<size_t>(y) * 64 + x] = 240; // red sites of R G / G B
    EXPECT_TRUE(ShowUntil(bayer, [](const QImage& shown) {
        const QRgb c = shown.pixel(20, 20);
        return qRed(c) == 240 && qGreen(c) == 0 && qBlue(c) == 0;
    }));

    // A mirror mode makes the thread convert and mirror the frame itself.
    FakeFrame ramp = MakeFrame(64, 48, kPixelFormatMono8, 2, 0);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            ramp.pixels[static_cast<size_t>(y) * 64 + x] = static_cast<uint8_t>(x * 4);
    settings_.mirrorMode = 1;
    EXPECT_TRUE(
        ShowUntil(ramp, [](const QImage& shown) { return Red(shown, 0, 10) == 252 && Red(shown, 63, 10) == 0; }));
}

} // namespace
