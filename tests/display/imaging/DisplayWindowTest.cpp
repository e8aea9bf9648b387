#include "display/DisplaySurface.h"
#include "display/GlDisplayWindow.h"
#include "display/RasterSurface.h"
#include "imaging/PixelConversion.h"
#include "imaging/PixelFormat.h"

#include "TestFrames.h"

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

constexpr int kBlock = 16;

// A colour of its own for every 16 x 16 block, so that a misplaced, mirrored,
// swapped or scaled picture shows.
TruthRgb BlockColour(int x, int y)
{
    const int bx = x / kBlock;
    const int by = y / kBlock;
    return {static_cast<uint16_t>(40 + 50 * (bx % 4)), static_cast<uint16_t>(30 + 60 * (by % 4)),
            static_cast<uint16_t>(200 - 40 * ((bx + by) % 4))};
}

std::vector<uint8_t> BgrBlocks(int width, int height)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const TruthRgb c = BlockColour(x, y);
            uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = static_cast<uint8_t>(c.b);
            p[1] = static_cast<uint8_t>(c.g);
            p[2] = static_cast<uint8_t>(c.r);
        }
    }
    return pixels;
}

std::vector<uint8_t> GreyRamp(int width, int height)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>((x * 3 + y * 5) & 0xFF);
    return pixels;
}

// The window's frame pixel as blue, green, red.
struct Bgr {
    int b, g, r;
};

Bgr At(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return {qBlue(c), qGreen(c), qRed(c)};
}

#define EXPECT_BGR(actual, B, G, R)                                                                                    \
    do {                                                                                                               \
        const Bgr a_ = (actual);                                                                                       \
        EXPECT_EQ(a_.b, (B));                                                                                          \
        EXPECT_EQ(a_.g, (G));                                                                                          \
        EXPECT_EQ(a_.r, (R));                                                                                          \
    } while (0)

class DisplayWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent_.resize(800, 600);
        parent_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent_));
    }

    void CreateAt(int width, int height)
    {
        window_.SetPlacement(0, 0, width, height);
        ASSERT_TRUE(window_.Create(&parent_, 1000).IsOK());
        ASSERT_TRUE(window_.HasOpenGL());
        QTRY_VERIFY(!window_.GrabFrame().isNull());
    }

    SdkResult ShowBgr(const std::vector<uint8_t>& pixels, int width, int height)
    {
        return window_.ShowImage(height, pixels.data(), width, kPixelFormatBGR8Packed, pixels.size());
    }

    QWidget parent_;
    GlDisplayWindow window_;
};

TEST_F(DisplayWindowTest, ShowsAColourFrameAtNaturalSizeOnTheBackground)
{
    CreateAt(200, 150);
    window_.SetBackgroundColor(160, 161, 162);
    window_.SetZoom(kZoomOneIndex);
    const auto frame = BgrBlocks(64, 48);
    ASSERT_TRUE(ShowBgr(frame, 64, 48).IsOK());

    const QImage shown = window_.GrabFrame();
    ASSERT_EQ(shown.size(), QSize(200, 150));
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const uint8_t* p = &frame[(static_cast<size_t>(y) * 64 + x) * 3];
            const Bgr got = At(shown, x, y);
            ASSERT_TRUE(got.b == p[0] && got.g == p[1] && got.r == p[2]) << x << "," << y;
        }
    }
    EXPECT_BGR(At(shown, 64, 10), 162, 161, 160);
    EXPECT_BGR(At(shown, 10, 48), 162, 161, 160);
    EXPECT_BGR(At(shown, 199, 149), 162, 161, 160);
    EXPECT_FLOAT_EQ(window_.CurrentScale(), 1.0f);
}

TEST_F(DisplayWindowTest, FitScalesOnTheGpuAndCentres)
{
    // 64 x 48 in 127 x 95: both axes scale by 2, nothing to centre.
    CreateAt(127, 95);
    const auto frame = BgrBlocks(64, 48);
    ASSERT_TRUE(ShowBgr(frame, 64, 48).IsOK());
    QImage shown = window_.GrabFrame();
    EXPECT_FLOAT_EQ(window_.CurrentScale(), 2.0f);
    for (int by = 0; by < 3; ++by) {
        for (int bx = 0; bx < 4; ++bx) {
            const TruthRgb c = BlockColour(bx * kBlock, by * kBlock);
            // Block centres land at twice their image position.
            EXPECT_BGR(At(shown, (bx * kBlock + 8) * 2, (by * kBlock + 8) * 2), c.b, c.g, c.r);
        }
    }

    // 64 x 48 in 301 x 95: the height decides (scale 2), centred across.
    // The X server resizes the drawable asynchronously, so wait until the
    // last block shows where it belongs.
    window_.SetPlacement(0, 0, 301, 95);
    const int left = (301 - 128) / 2;
    const TruthRgb last = BlockColour(63, 47);
    const auto isLast = [&last](const Bgr& got) { return got.b == last.b && got.g == last.g && got.r == last.r; };
    QTRY_VERIFY(isLast(At(window_.GrabFrame(), left + 128 - 16, 95 - 16)));
    shown = window_.GrabFrame();
    EXPECT_FLOAT_EQ(window_.CurrentScale(), 2.0f);
    EXPECT_BGR(At(shown, left - 3, 40), 0, 0, 0);
    EXPECT_BGR(At(shown, left + 128 + 3, 40), 0, 0, 0);
    const TruthRgb first = BlockColour(0, 0);
    EXPECT_BGR(At(shown, left + 16, 16), first.b, first.g, first.r);
}

TEST_F(DisplayWindowTest, GreyFramesShowAsEqualChannels)
{
    CreateAt(100, 80);
    window_.SetZoom(kZoomOneIndex);
    const auto frame = GreyRamp(90, 70);
    ASSERT_TRUE(window_.ShowImage(70, frame.data(), 90, kPixelFormatMono8, frame.size()).IsOK());
    const QImage shown = window_.GrabFrame();
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < 90; ++x) {
            const int v = frame[static_cast<size_t>(y) * 90 + x];
            const Bgr got = At(shown, x, y);
            ASSERT_TRUE(got.b == v && got.g == v && got.r == v) << x << "," << y;
        }
    }
}

TEST_F(DisplayWindowTest, RawBayerAndWideGreyBuffersAreConvertedByTheWindow)
{
    CreateAt(100, 80);
    window_.SetZoom(kZoomOneIndex);
    window_.SetInterpolationMethod(2);
    const TestFrame raw = MakeColourFrame(kPixelFormatBayerRG8, 64, 48, BlockColour);
    ASSERT_TRUE(window_.ShowImage(48, raw.data.data(), 64, raw.pixelFormat, raw.data.size()).IsOK());
    // The framebuffer read back holds exactly what the CPU converter makes.
    std::vector<uint8_t> expected(64 * 48 * 3);
    ASSERT_TRUE(ConvertFrame(raw.pixelFormat, 48, raw.data.data(), raw.data.size(), 64, expected.data(), 2));
    QImage shown = window_.GrabFrame();
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const uint8_t* p = &expected[(static_cast<size_t>(y) * 64 + x) * 3];
            const Bgr got = At(shown, x, y);
            ASSERT_TRUE(got.b == p[0] && got.g == p[1] && got.r == p[2]) << x << "," << y;
        }
    }
    const TruthRgb inside = BlockColour(20, 20);
    EXPECT_BGR(At(shown, 20, 20), inside.b, inside.g, inside.r);

    const TestFrame mono12 = MakeGreyFrame(kPixelFormatMono12, 64, 48, [](int x, int) { return x * 64; });
    ASSERT_TRUE(window_.ShowImage(48, mono12.data.data(), 64, mono12.pixelFormat, mono12.data.size()).IsOK());
    shown = window_.GrabFrame();
    EXPECT_BGR(At(shown, 10, 5), 40, 40, 40);
    EXPECT_BGR(At(shown, 63, 47), 252, 252, 252);
}

TEST_F(DisplayWindowTest, RefusedFramesKeepThePreviousPicture)
{
    CreateAt(100, 80);
    window_.SetZoom(kZoomOneIndex);
    const auto frame = BgrBlocks(64, 48);
    ASSERT_TRUE(ShowBgr(frame, 64, 48).IsOK());
    const QImage before = window_.GrabFrame();

    const std::vector<uint8_t> signedGrey(64 * 48, 7);
    EXPECT_EQ(window_.ShowImage(48, signedGrey.data(), 64, kPixelFormatMono8Signed, signedGrey.size()).GetCode(),
              SdkResult::STATE_ERROR);
    EXPECT_EQ(window_.ShowImage(48, frame.data(), 64, kPixelFormatBGR8Packed, frame.size() - 1).GetCode(),
              SdkResult::STATE_ERROR);
    EXPECT_EQ(window_.ShowImage(0, frame.data(), 64, kPixelFormatBGR8Packed, frame.size()).GetCode(),
              SdkResult::STATE_ERROR);
    EXPECT_EQ(window_.GrabFrame(), before);
}

TEST_F(DisplayWindowTest, ZoomedImageScrollsWithItsBars)
{
    CreateAt(640, 480);
    const auto frame = BgrBlocks(640, 480);
    ASSERT_TRUE(ShowBgr(frame, 640, 480).IsOK());
    window_.SetZoom(5);
    QTRY_VERIFY(window_.Widget()->findChildren<QScrollBar*>().size() == 2);
    const auto bars = window_.Widget()->findChildren<QScrollBar*>();
    QScrollBar* horizontal = bars[0]->orientation() == Qt::Horizontal ? bars[0] : bars[1];
    QScrollBar* vertical = bars[0]->orientation() == Qt::Vertical ? bars[0] : bars[1];
    QTRY_VERIFY(horizontal->isVisible() && vertical->isVisible());

    int h = -1;
    int v = -1;
    ASSERT_TRUE(window_.GetScrollPosition(h, v).IsOK());
    EXPECT_EQ(h, 0);
    EXPECT_EQ(v, 0);

    horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
    vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_TRUE(window_.GetScrollPosition(h, v).IsOK());
    EXPECT_EQ(h, horizontal->pageStep());
    EXPECT_EQ(v, 1);
    EXPECT_EQ(horizontal->value(), h);

    // At x2 image pixel (ix, iy) is drawn at window pixel (2 (ix - h), 2 (iy - v)):
    // look at the centres of the first whole blocks in view.
    const QImage shown = window_.GrabFrame();
    EXPECT_FLOAT_EQ(window_.CurrentScale(), 2.0f);
    const int ix = (h / kBlock + 1) * kBlock + kBlock / 2;
    const int iy = (v / kBlock + 1) * kBlock + kBlock / 2;
    for (int step = 0; step < 3; ++step) {
        const TruthRgb c = BlockColour(ix + step * kBlock, iy);
        EXPECT_BGR(At(shown, 2 * (ix + step * kBlock - h), 2 * (iy - v)), c.b, c.g, c.r);
    }

    horizontal->triggerAction(QAbstractSlider::SliderToMaximum);
    ASSERT_TRUE(window_.GetScrollPosition(h, v).IsOK());
    EXPECT_EQ(h, horizontal->maximum());

    // Back to fit: no bars, no scroll position.
    window_.SetZoom(kZoomFit);
    ASSERT_TRUE(window_.GetScrollPosition(h, v).IsOK());
    EXPECT_EQ(h, 0);
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(horizontal->isVisible());
    EXPECT_FALSE(vertical->isVisible());
}

TEST_F(DisplayWindowTest, OneUploadPerShownFrameAndBuffersKeptWhileTheGeometryHolds)
{
    CreateAt(200, 150);
    const auto colour = BgrBlocks(64, 48);
    for (int i = 1; i <= 5; ++i) {
        ASSERT_TRUE(ShowBgr(colour, 64, 48).IsOK());
        QTRY_COMPARE(window_.Statistics().textureUploads, static_cast<uint64_t>(i));
    }
    // Frames arriving faster than paints are uploaded once.
    ASSERT_TRUE(ShowBgr(colour, 64, 48).IsOK());
    ASSERT_TRUE(ShowBgr(colour, 64, 48).IsOK());
    QTRY_COMPARE(window_.Statistics().textureUploads, 6u);
    DisplayStatistics stats = window_.Statistics();
    EXPECT_EQ(stats.framesAccepted, 7u);
    EXPECT_EQ(stats.textureAllocations, 1u);
    EXPECT_EQ(stats.stagingAllocations, 1u);

    // Grey of the same size: new staging buffer and texture.
    const std::vector<uint8_t> grey(64 * 48, 99);
    ASSERT_TRUE(window_.ShowImage(48, grey.data(), 64, kPixelFormatMono8, grey.size()).IsOK());
    QTRY_COMPARE(window_.Statistics().textureUploads, 7u);
    stats = window_.Statistics();
    EXPECT_EQ(stats.textureAllocations, 2u);
    EXPECT_EQ(stats.stagingAllocations, 2u);
    EXPECT_BGR(At(window_.GrabFrame(), 100, 75), 99, 99, 99);
}

TEST_F(DisplayWindowTest, GeometryChangeFromTheAcquisitionThreadUpdatesTheBars)
{
    CreateAt(300, 200);
    window_.SetZoom(kZoomOneIndex);
    const auto small = BgrBlocks(64, 48);
    const auto large = BgrBlocks(640, 480);
    std::atomic<bool> done{false};
    std::thread acquisition([&] {
        for (int i = 0; i < 40; ++i) {
            const bool big = i >= 20;
            ShowBgr(big ? large : small, big ? 640 : 64, big ? 480 : 48);
            // A camera's frame interval, so that frames and repaints interleave.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        done = true;
    });
    QTRY_VERIFY(done.load());
    acquisition.join();
    const auto bars = window_.Widget()->findChildren<QScrollBar*>();
    QTRY_VERIFY(bars[0]->isVisible() && bars[1]->isVisible());
    EXPECT_EQ(window_.Statistics().framesAccepted, 40u);
    EXPECT_EQ(window_.Statistics().stagingAllocations, 2u);
}

TEST_F(DisplayWindowTest, DestroyReleasesEverything)
{
    CreateAt(100, 80);
    EXPECT_EQ(window_.Create(&parent_, 1000).GetCode(), SdkResult::GENERIC_ERROR);
    EXPECT_TRUE(window_.Destroy().IsOK());
    EXPECT_EQ(window_.Widget(), nullptr);
    EXPECT_EQ(window_.Destroy().GetCode(), SdkResult::GENERIC_ERROR);
    const auto frame = BgrBlocks(64, 48);
    EXPECT_EQ(ShowBgr(frame, 64, 48).GetCode(), SdkResult::NOT_SUPPORTED);
    // And can be created again.
    CreateAt(100, 80);
    EXPECT_TRUE(ShowBgr(frame, 64, 48).IsOK());
}

// The owner turns mouse positions over the image into image coordinates, so
// presses on the image area reach it as if the area were one of its widgets.
class PressRecorder : public QWidget {
public:
    void mousePressEvent(QMouseEvent* event) override { presses.push_back(event->position().toPoint()); }
    std::vector<QPoint> presses;
};

TEST(DisplayWindowInput, MousePressesOnTheImageReachTheOwner)
{
    PressRecorder owner;
    owner.resize(300, 200);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    GlDisplayWindow window;
    window.SetPlacement(20, 10, 200, 150);
    ASSERT_TRUE(window.Create(&owner, 1000).IsOK());
    QTRY_VERIFY(!window.GrabFrame().isNull());

    QWindow* surface = nullptr;
    for (QWindow* candidate : QGuiApplication::allWindows())
        if (qobject_cast<DisplaySurface*>(candidate))
            surface = candidate;
    if (surface) {
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    } else {
        auto* area = window.Widget()->findChild<RasterSurface*>();
        ASSERT_NE(area, nullptr);
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    }
    ASSERT_EQ(owner.presses.size(), 1u);
    EXPECT_EQ(owner.presses[0], QPoint(50, 50));
}

} // namespace
