#include "CameraFakes.h"
#include "TempDir.h"

#include "camera/AcquisitionThread.h"
#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/FrameRequest.h"
#include "camera/FrameSink.h"
#include "camera/OverlayRegistry.h"
#include "camera/PixelFormats.h"
#include "camera/RecorderSlot.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

namespace {

constexpr uint32_t kKey = 0x0A00000B;
constexpr int kWaitMs = 2000;

struct PainterLog {
    std::vector<uint32_t> blockIds;
    std::vector<int32_t> dropped;
    std::atomic<bool> idle{true}; // for painters registered with PainterIsIdle
};

bool PainterIsIdle(const void* userData)
{
    return static_cast<const PainterLog*>(userData)->idle;
}

void LogPainter(QPainter&, uint8_t*, int32_t, int32_t, uint32_t blockId, void* userData, const int32_t* dropped)
{
    auto* log = static_cast<PainterLog*>(userData);
    log->blockIds.push_back(blockId);
    log->dropped.push_back(dropped ? *dropped : -1);
}

class AcquisitionThreadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto device = std::make_unique<FakeDevice>();
        device_ = device.get();
        AddFake<FakeInteger>(device->features, "GevCurrentIPAddress", kKey);
        auto pipeline = std::make_unique<FakePipeline>();
        pipeline_ = pipeline.get();
        camera_ = std::make_unique<CameraConnection>(std::move(device), std::move(pipeline),
                                                     std::make_unique<CRS232C_OM>(dir_.file("serial.ini")));
        camera_->Acquisition().CreateOverlayRegistry();
        camera_->Acquisition().SetDisplaySettings(&settings_);
    }

    void TearDown() override { camera_->Acquisition().StopThread(); }

    void Start() { ASSERT_TRUE(camera_->Acquisition().StartThread(&display_, converter_)); }

    // Stops the thread once every pushed buffer has been processed and released.
    void DrainAndStop()
    {
        EXPECT_TRUE(pipeline_->WaitUntilDrained(kWaitMs));
        camera_->Acquisition().StopThread();
    }

    TempDir dir_;
    FrameRequest request_;
    RecorderSlot recorder_;
    DisplaySettings settings_;
    FakeDisplay display_;
    FakeConverter converter_;
    FakeDevice* device_ = nullptr;
    FakePipeline* pipeline_ = nullptr;
    std::unique_ptr<CameraConnection> camera_;
};

TEST(DisplayPacing, AtMostThirtyFramesASecondWithEveryFrameOfAThirtyFpsCamera)
{
    // Arrival times in microseconds and how many of them are shown.
    struct Case {
        const char* what;
        std::vector<int64_t> arrivals;
        size_t shown;
    };
    std::vector<int64_t> jittered, sixty, burst;
    for (int64_t i = 0; i < 90; ++i) {
        jittered.push_back(i * 33333 + (i % 2 == 0 ? 6000 : -6000));
        sixty.push_back(i * 16667);
        burst.push_back(1000000 + i * 3000);
    }
    const Case cases[] = {
        {"30 fps, 6 ms early or late", jittered, 90},
        {"60 fps", sixty, 46},
        {"frames 3 ms apart for 267 ms", burst, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DisplaySchedule schedule;
        size_t shown = 0;
        int64_t last = INT64_MIN / 2;
        for (const int64_t at : c.arrivals) {
            if (!schedule.IsDue(at))
                continue;
            ++shown;
            EXPECT_GE(at - last, kDisplaySlotUs / 2);
            last = at;
        }
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(AcquisitionThreadTest, StartsThePipelineAfterTheThreadAndStopsItAfterwards)
{
    Start();
    EXPECT_NE(camera_->Acquisition().GetThread(), nullptr);
    EXPECT_TRUE(pipeline_->IsStarted());
    EXPECT_FALSE(camera_->Acquisition().StartThread(&display_, converter_));
    camera_->Acquisition().StopThread();
    EXPECT_EQ(camera_->Acquisition().GetThread(), nullptr);
    EXPECT_FALSE(pipeline_->IsStarted());
}

TEST_F(AcquisitionThreadTest, FramesEnlargedWhileStoppedAreShownAfterOneRestart)
{
    // The stream learns nothing of the camera itself: the buffers are what
    // the connection sizes them to, in the main window's order of starting.
    pipeline_->payloadSize = 0;
    auto* payload = AddFake<FakeInteger>(device_->features, "PayloadSize", 8 * 4);
    const struct {
        uint32_t width, height, pixelFormat;
    } runs[] = {{8, 4, kPixelMono8}, {8, 4, kPixelMono16}, {16, 8, kPixelRGB8Packed}, {1, 1, kPixelMono8}};
    size_t shown = 0;
    for (const auto& run : runs) {
        payload->value = static_cast<int64_t>(RawFrameBytes(run.pixelFormat, run.width, run.height));
        Start();
        camera_->Acquisition().StartAcquisition();
        pipeline_->Push(MakeFrame(run.width, run.height, run.pixelFormat, shown + 1));
        ASSERT_TRUE(display_.WaitForShows(++shown, kWaitMs)) << run.width << "x" << run.height;
        EXPECT_EQ(display_.Shows().back().width, static_cast<int32_t>(run.width));
        camera_->Acquisition().StopAcquisition();
        camera_->Acquisition().StopThread();
    }
}

TEST_F(AcquisitionThreadTest, FramesThatOutgrowTheBuffersWhileRunningAreShownOnceTheBuffersAreRemade)
{
    // A user set the camera loads a moment after the restart: its frames
    // arrive larger than the buffers made for the old ones, before its
    // PayloadSize says so.
    pipeline_->payloadSize = 8 * 4;
    Start();
    pipeline_->Push(MakeFrame(16, 8, kPixelMono8, 1));
    EXPECT_FALSE(display_.WaitForShows(1, 300));
    pipeline_->Push(MakeFrame(16, 8, kPixelMono8, 2));
    ASSERT_TRUE(display_.WaitForShows(1, kWaitMs));
    EXPECT_EQ(display_.Shows().front().width, 16);
}

// A painter with nothing to paint (the drawing painter before anything is
// drawn) is no consumer: the raw buffer goes to the display until it has work.
TEST_F(AcquisitionThreadTest, WithoutConsumersTheRawBufferIsShownUnconverted)
{
    PainterLog log;
    camera_->Acquisition().GetOverlayRegistry()->Add(LogPainter, &log, &PainterIsIdle);
    Start();
    pipeline_->Push(MakeFrame(8, 4, kPixelMono12Packed, 1, 7));
    ASSERT_TRUE(display_.WaitForShows(1, kWaitMs));
    log.idle = false;
    // Past the display's next thirtieth of a second.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    pipeline_->Push(MakeFrame(8, 4, kPixelMono12Packed, 2, 7));
    ASSERT_TRUE(display_.WaitForShows(2, kWaitMs));
    DrainAndStop();

    const auto shows = display_.Shows();
    ASSERT_EQ(shows.size(), 2u);
    EXPECT_TRUE(shows[0].raw);
    EXPECT_EQ(shows[0].pixelFormat, kPixelMono12Packed);
    EXPECT_EQ(shows[0].width, 8);
    EXPECT_EQ(shows[0].height, 4);
    EXPECT_EQ(shows[0].pixels, std::vector<uint8_t>(48, 7));
    EXPECT_FALSE(shows[1].raw);
    EXPECT_EQ(converter_.conversions, 1);
    EXPECT_EQ(log.blockIds, std::vector<uint32_t>{2});
}

TEST_F(AcquisitionThreadTest, OnlyTheNewestOfThreeWaitingBuffersIsProcessed)
{
    PainterLog log;
    camera_->Acquisition().GetOverlayRegistry()->Add(LogPainter, &log);
    for (uint64_t id = 1; id <= 3; ++id)
        pipeline_->Push(MakeFrame(8, 4, kPixelMono8, id, static_cast<uint8_t>(id)));
    Start();
    ASSERT_TRUE(display_.WaitForShows(1, kWaitMs));
    EXPECT_TRUE(pipeline_->WaitUntilDrained(kWaitMs));
    EXPECT_EQ(camera_->Acquisition().GetThread()->FrameCounter(), 1);
    const StreamCounts counts = camera_->Acquisition().GetThread()->FrameCounts();
    EXPECT_EQ(counts.receivedFrames, 3u);
    EXPECT_EQ(counts.receivedBytes, 3u * 8 * 4);
    EXPECT_EQ(counts.droppedFrames, 2u);
    EXPECT_EQ(counts.shownFrames, 1u);
    camera_->Acquisition().StopThread();

    EXPECT_EQ(pipeline_->Released(), (std::vector<uint64_t>{1, 2, 3}));
    EXPECT_EQ(log.blockIds, std::vector<uint32_t>{3});
    EXPECT_EQ(log.dropped, std::vector<int32_t>{2});
    const auto shows = display_.Shows();
    ASSERT_EQ(shows.size(), 1u);
    EXPECT_FALSE(shows[0].raw);
    EXPECT_EQ(shows[0].pixelFormat, kPixelMono8);
    EXPECT_EQ(shows[0].pixels[0], 3);
    EXPECT_EQ(converter_.conversions, 1);
}

TEST_F(AcquisitionThreadTest, DisplayIsRefreshedAtMostThirtyTimesASecond)
{
    Start();
    const int64_t end = SteadyNowMs() + 400;
    uint64_t id = 0;
    while (SteadyNowMs() < end) {
        pipeline_->Push(MakeFrame(8, 4, kPixelMono8, ++id));
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    EXPECT_TRUE(pipeline_->WaitUntilDrained(kWaitMs));
    const int32_t processed = camera_->Acquisition().GetThread()->FrameCounter();
    camera_->Acquisition().StopThread();

    const auto shows = display_.Shows();
    ASSERT_GE(shows.size(), 5u);
    EXPECT_GT(static_cast<size_t>(processed), shows.size());
    // Over the whole burst, no more than one show per slot, the first at once.
    const int64_t spanMs = shows.back().atMs - shows.front().atMs;
    EXPECT_LE(static_cast<int64_t>(shows.size()) - 1, spanMs * 1000 / kDisplaySlotUs + 1);
}

TEST_F(AcquisitionThreadTest, FrameRequestOfAnotherGeometryIsFlaggedAndStaysPending)
{
    // An 8 x 4 grey frame: a smaller request, and one of the same byte count.
    const struct {
        int32_t width, height, bytesPerPixel;
    } requests[] = {{10, 1, 1}, {4, 8, 1}, {8, 4, 3}};
    for (const auto& posted : requests) {
        SCOPED_TRACE(std::to_string(posted.width) + "x" + std::to_string(posted.height));
        std::vector<uint8_t> destination(static_cast<size_t>(posted.width * posted.height * posted.bytesPerPixel),
                                         0xEE);
        request_.Post(*camera_->Acquisition().FrameSinks(), destination.data(), posted.width, posted.height,
                      posted.bytesPerPixel);
        Start();
        pipeline_->Push(MakeFrame(8, 4, kPixelMono8, 1, 5));
        DrainAndStop();

        EXPECT_EQ(request_.error, 1);
        EXPECT_EQ(request_.pending, 1);
        EXPECT_FALSE(request_.completed.IsSet());
        EXPECT_EQ(destination, std::vector<uint8_t>(destination.size(), 0xEE));
    }
}

TEST_F(AcquisitionThreadTest, FrameRequestIsServedOnlyByTheCameraItIsPostedTo)
{
    std::vector<uint8_t> destination(32, 0);
    FrameSinkList otherCamera;
    request_.Post(otherCamera, destination.data(), 8, 4, 1);
    Start();
    pipeline_->Push(MakeFrame(8, 4, kPixelMono8, 1, 5));
    EXPECT_TRUE(pipeline_->WaitUntilDrained(kWaitMs));
    EXPECT_FALSE(request_.completed.IsSet());
    EXPECT_EQ(request_.error, 0);

    request_.Post(*camera_->Acquisition().FrameSinks(), destination.data(), 8, 4, 1);
    EXPECT_FALSE(otherCamera.Contains(&request_));
    pipeline_->Push(MakeFrame(8, 4, kPixelMono8, 0x100000009, 6));
    uint32_t blockId = 0;
    EXPECT_TRUE(request_.Finish(std::chrono::milliseconds(kWaitMs), blockId));
    DrainAndStop();
    EXPECT_EQ(blockId, 9u);
    EXPECT_EQ(destination, std::vector<uint8_t>(32, 6));
}

TEST_F(AcquisitionThreadTest, RecordingOfAnotherCameraIsNotFed)
{
    std::atomic<int> finalised{0};
    auto writer = std::make_unique<FakeRecorder>(100, &finalised);
    FakeRecorder* recorder = writer.get();
    recorder_.writer = std::move(writer);
    FrameSinkList otherCamera;
    otherCamera.Add(recorder_);
    recorder_.active = true;
    Start();
    pipeline_->Push(MakeFrame(8, 4, kPixelMono8, 1));
    DrainAndStop();

    EXPECT_EQ(recorder->added, 0);
    EXPECT_EQ(converter_.conversions, 0);
}

TEST_F(AcquisitionThreadTest, FinishedRecordingIsFinalisedAndFedNoMore)
{
    std::atomic<int> finalised{0};
    auto writer = std::make_unique<FakeRecorder>(2, &finalised);
    FakeRecorder* recorder = writer.get();
    recorder_.writer = std::move(writer);
    camera_->Acquisition().FrameSinks()->Add(recorder_);
    recorder_.active = true;
    Start();
    pipeline_->Push(MakeFrame(8, 4, kPixelMono8, 1));
    EXPECT_TRUE(pipeline_->WaitUntilDrained(kWaitMs));
    EXPECT_EQ(recorder->added, 1);
    EXPECT_EQ(finalised, 0);
    for (uint64_t id = 2; id <= 3; ++id) {
        pipeline_->Push(MakeFrame(8, 4, kPixelMono8, id));
        EXPECT_TRUE(pipeline_->WaitUntilDrained(kWaitMs));
    }
    camera_->Acquisition().StopThread();

    EXPECT_EQ(finalised, 1);
    EXPECT_FALSE(recorder_.active);
    EXPECT_EQ(recorder_.writer, nullptr);
}

// Takes every frame and keeps the block ids it was given.
class LoggingSink : public FrameSink {
public:
    bool WantsFrame(bool) const override { return true; }
    void TakeFrame(const SinkFrame& frame) override
    {
        std::lock_guard lock(mutex_);
        blockIds_.push_back(frame.buffer.GetBlockID());
    }
    std::vector<uint64_t> BlockIds() const
    {
        std::lock_guard lock(mutex_);
        return blockIds_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<uint64_t> blockIds_;
};

TEST_F(AcquisitionThreadTest, SinksGetOnlyTheirCamerasFramesAndNoneOnceRemoved)
{
    auto otherPipeline = std::make_unique<FakePipeline>();
    FakePipeline& pipeline2 = *otherPipeline;
    CameraConnection other(std::make_unique<FakeDevice>(), std::move(otherPipeline),
                           std::make_unique<CRS232C_OM>(dir_.file("serial2.ini")));
    FakeDisplay display2;
    LoggingSink mine, theirs;
    camera_->Acquisition().FrameSinks()->Add(mine);
    other.Acquisition().FrameSinks()->Add(theirs);
    Start();
    ASSERT_TRUE(other.Acquisition().StartThread(&display2, converter_));

    // Each camera's frames, pushed while the other camera's arrive too.
    const struct {
        const char* what;
        FakePipeline& pipeline;
        uint64_t firstId;
    } feeds[] = {{"this camera", *pipeline_, 1}, {"the other camera", pipeline2, 101}};
    for (const auto& feed : feeds) {
        SCOPED_TRACE(feed.what);
        for (uint64_t id = feed.firstId; id < feed.firstId + 3; ++id) {
            feed.pipeline.Push(MakeFrame(8, 4, kPixelMono8, id));
            EXPECT_TRUE(feed.pipeline.WaitUntilDrained(kWaitMs));
        }
    }
    EXPECT_EQ(mine.BlockIds(), (std::vector<uint64_t>{1, 2, 3}));
    EXPECT_EQ(theirs.BlockIds(), (std::vector<uint64_t>{101, 102, 103}));

    // Removed while frames keep arriving: nothing after Remove returns.
    std::atomic<bool> stop{false};
    std::thread feeder([&] {
        for (uint64_t id = 4; !stop; ++id)
            pipeline_->Push(MakeFrame(8, 4, kPixelMono8, id));
    });
    const auto waitFor = [](const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
        while (!condition() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        return condition();
    };
    EXPECT_TRUE(waitFor([&] { return mine.BlockIds().size() > 5; }));
    EXPECT_TRUE(camera_->Acquisition().FrameSinks()->Remove(mine));
    const size_t taken = mine.BlockIds().size();
    const int32_t processed = camera_->Acquisition().GetThread()->FrameCounter();
    EXPECT_TRUE(waitFor([&] { return camera_->Acquisition().GetThread()->FrameCounter() > processed + 2; }));
    stop = true;
    feeder.join();
    EXPECT_EQ(mine.BlockIds().size(), taken);
    EXPECT_FALSE(camera_->Acquisition().FrameSinks()->Remove(mine));
    other.Acquisition().StopThread();
}

TEST_F(AcquisitionThreadTest, MirrorModeAloneConvertsWithTheDisplaysInterpolation)
{
    settings_.mirrorMode = 2;
    display_.interpolation = 5;
    Start();
    pipeline_->Push(MakeFrame(8, 4, kPixelRGB8Packed, 1, 3));
    ASSERT_TRUE(display_.WaitForShows(1, kWaitMs));
    DrainAndStop();

    EXPECT_EQ(converter_.conversions, 1);
    EXPECT_EQ(converter_.mirrors, 1);
    EXPECT_EQ(converter_.lastInterpolation, 5);
    const auto shows = display_.Shows();
    EXPECT_FALSE(shows[0].raw);
    EXPECT_EQ(shows[0].pixelFormat, kPixelBGR8Packed);
}

TEST_F(AcquisitionThreadTest, FailedOrImpossibleConversionShowsTheRawBuffer)
{
    settings_.mirrorMode = 1;
    converter_.fail = true;
    Start();
    pipeline_->Push(MakeFrame(8, 4, kPixelMono8, 1));
    ASSERT_TRUE(display_.WaitForShows(1, kWaitMs));
    converter_.fail = false;
    std::this_thread::sleep_for(std::chrono::microseconds(kDisplaySlotUs + 5000));
    FakeFrame truncated = MakeFrame(8, 4, kPixelMono16, 2);
    truncated.pixels.resize(40);
    pipeline_->Push(truncated);
    ASSERT_TRUE(display_.WaitForShows(2, kWaitMs));
    DrainAndStop();

    const auto shows = display_.Shows();
    EXPECT_TRUE(shows[0].raw);
    EXPECT_TRUE(shows[1].raw);
    EXPECT_EQ(shows[1].pixels.size(), 40u);
    EXPECT_EQ(converter_.conversions, 2);
}

TEST_F(AcquisitionThreadTest, StopThreadReturnsWithinHalfASecondWhenNothingArrives)
{
    Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    auto begin = std::chrono::steady_clock::now();
    camera_->Acquisition().StopThread();
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(500));

    device_->connected = false;
    Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    begin = std::chrono::steady_clock::now();
    camera_->Acquisition().StopThread();
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(500));
}

TEST_F(AcquisitionThreadTest, ASilentCameraIsLostOnlyWhenItNoLongerAnswers)
{
    // A camera in trigger mode sends nothing yet answers; a dead one does neither.
    for (const bool answers : {true, false}) {
        SCOPED_TRACE(answers ? "answers" : "silent");
        device_->answers = answers;
        Start();
        const auto begin = std::chrono::steady_clock::now();
        while (!camera_->Acquisition().GetThread()->CameraLost() &&
               std::chrono::steady_clock::now() - begin < std::chrono::milliseconds(1500))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(camera_->Acquisition().GetThread()->CameraLost(), !answers);

        // The next frame brings it back.
        pipeline_->Push(MakeFrame(8, 4, kPixelMono8, 1));
        EXPECT_TRUE(pipeline_->WaitUntilDrained(kWaitMs));
        EXPECT_FALSE(camera_->Acquisition().GetThread()->CameraLost());
        camera_->Acquisition().StopThread();
    }
}

} // namespace
