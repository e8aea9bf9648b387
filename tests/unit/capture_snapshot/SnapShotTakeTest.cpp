#include "commands/SnapShotCapture.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/FrameSink.h"
#include "camera/PixelFormats.h"
#include "capturewindows/SnapShotList.h"
#include "context/CameraContext.h"
#include "drawing/CDrawingManagement.h"
#include "drawing/DrawingStyle.h"

#include "CameraFakes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr uint8_t kFill = 0x5A;
constexpr std::chrono::milliseconds kShortWait{200};
constexpr std::chrono::seconds kFeedWait{5};

// The context's camera, 64 × 48 Mono8 by its features, with its acquisition
// thread running on a scripted pipeline that is fed a frame of the current
// size and format every few milliseconds.
class TakeSnapShotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto device = std::make_unique<FakeDevice>();
        AddFake<FakeInteger>(device->features, "Width", 64);
        AddFake<FakeInteger>(device->features, "Height", 48);
        AddFake<FakeInteger>(device->features, "PixelFormat", kPixelMono8);
        auto pipeline = std::make_unique<FakePipeline>();
        pipeline_ = pipeline.get();
        camera_ = context_.AddCamera(std::make_unique<CameraConnection>(
            std::move(device), std::move(pipeline), std::make_unique<CRS232C_OM>(dir_.file("serial.ini"))));
        ASSERT_NE(camera_, nullptr);
        ASSERT_TRUE(camera_->Acquisition().StartThread(&display_, converter_));
        feeder_ = std::thread([this] {
            for (uint64_t block = 1; !stop_; ++block) {
                pipeline_->Push(MakeFrame(frameWidth_, frameHeight_, framePixelFormat_, block, kFill));
                // A camera's frame interval.
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }

    void TearDown() override
    {
        stop_ = true;
        feeder_.join();
        camera_->Acquisition().StopThread();
    }

    // Changes the frames fed and waits until the thread shows one of them:
    // older frames are gone from the pipeline then.
    void Feed(uint32_t width, uint32_t height, uint32_t pixelFormat)
    {
        frameWidth_ = width;
        frameHeight_ = height;
        framePixelFormat_ = pixelFormat;
        const auto deadline = std::chrono::steady_clock::now() + kFeedWait;
        while (std::chrono::steady_clock::now() < deadline) {
            const std::vector<FakeDisplay::Shown> shows = display_.Shows();
            if (!shows.empty() && shows.back().width == static_cast<int32_t>(width) &&
                shows.back().height == static_cast<int32_t>(height) && shows.back().pixelFormat == pixelFormat)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        FAIL() << "no " << width << " x " << height << " frame was shown";
    }

    bool Capture(const SnapShotSource& source, std::chrono::milliseconds timeout = kSnapShotFrameTimeout)
    {
        return CaptureSnapShot(source, context_.frameRequest, context_.drawingManager.get(), SnapShotListOf(context_),
                               timeout);
    }

    const SnapShotImage& Newest() { return *SnapShotListOf(context_).Newest(); }

    TempDir dir_;
    CameraContext context_{dir_.file("lumivex.dat")};
    FakeDisplay display_;
    FakeConverter converter_;
    FakePipeline* pipeline_ = nullptr;
    CameraConnection* camera_ = nullptr;
    std::atomic<uint32_t> frameWidth_{64};
    std::atomic<uint32_t> frameHeight_{48};
    std::atomic<uint32_t> framePixelFormat_{kPixelMono8};
    std::atomic<bool> stop_{false};
    std::thread feeder_;
};

std::vector<uint8_t> Pixels(const SnapShotImage& image)
{
    return std::vector<uint8_t>(image.Pixels(), image.Pixels() + image.ImageSize());
}

} // namespace

TEST_F(TakeSnapShotTest, AFrameOfAnotherSizeFailsAndTheNextSnapshotSucceeds)
{
    SnapShotList& list = SnapShotListOf(context_);
    EXPECT_EQ(&SnapShotListOf(context_), &list);

    Feed(80, 48, kPixelMono8);
    EXPECT_FALSE(TakeSnapShot(context_));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(context_.frameRequest.pending, 0);

    Feed(64, 48, kPixelMono8);
    ASSERT_TRUE(TakeSnapShot(context_));
    ASSERT_EQ(list.Count(), 1);
    const SnapShotImage& image = *list.At(0);
    EXPECT_EQ(image.Width(), 64u);
    EXPECT_EQ(image.Height(), 48u);
    EXPECT_FALSE(image.IsColour());
    EXPECT_EQ(Pixels(image), std::vector<uint8_t>(64 * 48, kFill));
}

TEST_F(TakeSnapShotTest, ColourFollowsThePixelFormat)
{
    Feed(30, 20, kPixelBGR8Packed);
    ASSERT_TRUE(Capture({30, 20, kPixelBGR8Packed, camera_->Acquisition().FrameSinks().get()}));
    EXPECT_TRUE(Newest().IsColour());
    EXPECT_EQ(Newest().ImageSize(), 30u * 20 * 3);

    Feed(30, 20, kPixelMono12Packed);
    ASSERT_TRUE(Capture({30, 20, kPixelMono12Packed, camera_->Acquisition().FrameSinks().get()}));
    EXPECT_FALSE(Newest().IsColour());
    EXPECT_EQ(Newest().ImageSize(), 30u * 20);
    // The frame as it came is kept for saving at full depth.
    ASSERT_NE(Newest().RawFrame(), nullptr);
    EXPECT_EQ(Newest().RawFrame()->pixelFormat, kPixelMono12Packed);
    EXPECT_EQ(Newest().RawFrame()->bytes.size(), 30u * 20 * 3 / 2);
    EXPECT_TRUE(Newest().HasDeepSamples());
}

TEST_F(TakeSnapShotTest, NothingIsTakenWithoutAFrameOfThatCamera)
{
    FrameSinkList otherCamera;
    EXPECT_FALSE(Capture({64, 48, kPixelMono8, &otherCamera}, kShortWait));
    EXPECT_FALSE(otherCamera.Contains(&context_.frameRequest));
    // An unusable size or no camera is refused before anything is asked of the thread.
    FrameSinkList* sinks = camera_->Acquisition().FrameSinks().get();
    EXPECT_FALSE(Capture({0, 48, kPixelMono8, sinks}, kShortWait));
    EXPECT_FALSE(Capture({64, -4, kPixelMono8, sinks}, kShortWait));
    EXPECT_FALSE(Capture({64, 48, kPixelMono8, nullptr}, kShortWait));
    EXPECT_EQ(context_.frameRequest.pending, 0);
    EXPECT_EQ(SnapShotListOf(context_).Count(), 0);
}

TEST_F(TakeSnapShotTest, DrawingsAreBurntInOnlyWhenAskedFor)
{
    Feed(60, 40, kPixelBGR8Packed);
    CDrawingManagement& drawing = *context_.drawingManager;
    ASSERT_TRUE(drawing.SetTool(kDrawingRectangle));
    drawing.OnPress(QPoint(10, 10), 0);
    drawing.OnMove(0, QPoint(40, 30));
    drawing.OnRelease();
    ASSERT_EQ(drawing.ObjectCount(), 1);
    const SnapShotSource source{60, 40, kPixelBGR8Packed, camera_->Acquisition().FrameSinks().get()};
    const std::vector<uint8_t> frame(60 * 40 * 3, kFill);

    ASSERT_TRUE(Capture(source));
    EXPECT_EQ(Pixels(Newest()), frame);

    drawing.SetDrawOnSnapshot(true);
    ASSERT_TRUE(Capture(source));
    std::vector<uint8_t> expected = frame;
    ASSERT_TRUE(drawing.DrawOnFrame(expected.data(), 60, 40, true));
    ASSERT_NE(expected, frame);
    EXPECT_EQ(Pixels(Newest()), expected);
}

TEST(TakeSnapShot, NeedsACamera)
{
    TempDir dir;
    CameraContext context(dir.file("lumivex.dat"));
    EXPECT_FALSE(TakeSnapShot(context));
    EXPECT_EQ(SnapShotListOf(context).Count(), 0);
    EXPECT_EQ(SnapShotListOf(context).Border(), CameraContext::kDefaultThumbnailBorder);
    EXPECT_EQ(SnapShotListOf(context).Zoom(), CameraContext::kDefaultThumbnailScale);
}
