#include "FakeCamera.h"

#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkStream.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr uint32_t kMono8 = 0x01080001;
constexpr uint32_t kFrameWaitMs = 2000;

bool SetInteger(SdkDevice& device, const char* name, int64_t value)
{
    auto* feature = dynamic_cast<SdkGenInteger*>(device.GetGenParameters()->Get(name));
    return feature != nullptr && feature->SetValue(value).IsOK();
}

SdkResult Execute(SdkDevice& device, const char* name)
{
    auto* command = dynamic_cast<SdkGenCommand*>(device.GetGenParameters()->Get(name));
    return command != nullptr ? command->Execute() : SdkResult(SdkResult::NOT_FOUND);
}

// One camera connected, small Mono8 frames at a high rate, packets that fit
// the loopback link.
struct Camera {
    explicit Camera(int addressOffset, const std::vector<std::string>& arguments = {}, int64_t width = 64)
        : simulator(TestAddress(addressOffset), arguments),
          pipeline(stream)
    {
        SdkDiscoveryRecord info;
        ready = simulator.IsReady() && SdkDiscoveryRecordFromAddress(simulator.Address(), info) &&
                device.Connect(info).IsOK() && device.NegotiatePacketSize(0, 1440).IsOK() &&
                SetInteger(device, "Width", width) && SetInteger(device, "Height", 48);
        auto* format = dynamic_cast<SdkGenEnum*>(device.GetGenParameters()->Get("PixelFormat"));
        auto* rate = dynamic_cast<SdkGenFloat*>(device.GetGenParameters()->Get("AcquisitionFrameRate"));
        double max = 0;
        ready = ready && format != nullptr && format->SetValue(int64_t{kMono8}).IsOK() && rate != nullptr &&
                rate->GetMax(max).IsOK() && rate->SetValue(max).IsOK();
    }

    SdkResult Open() { return stream.Open(device, simulator.Address()); }

    FakeCamera simulator;
    SdkDevice device;
    SdkStream stream;
    SdkPipeline pipeline;
    bool ready = false;
};

// Retrieves frames until count have been seen, keeping only the newest of
// those waiting each time as the acquisition thread does.
struct Tally {
    int processed = 0;
    int dropped = 0;
    int failed = 0;
    uint64_t lastBlockId = 0;
    bool ordered = true;
};

Tally TakeNewest(SdkPipeline& pipeline, int count, std::chrono::milliseconds work = 0ms)
{
    Tally tally;
    auto deadline = std::chrono::steady_clock::now() + 20s;
    while (tally.processed + tally.dropped < count && std::chrono::steady_clock::now() < deadline) {
        SdkBuffer* held = nullptr;
        if (!pipeline.RetrieveNextBuffer(held, kFrameWaitMs).IsOK()) {
            ++tally.failed;
            continue;
        }
        uint32_t waiting = pipeline.GetOutputQueueSize();
        for (uint32_t i = 0; i < waiting; ++i) {
            SdkBuffer* newer = nullptr;
            if (pipeline.RetrieveNextBuffer(newer, kSdkNoWait).IsOK()) {
                EXPECT_TRUE(pipeline.ReleaseBuffer(held).IsOK());
                held = newer;
                ++tally.dropped;
            }
        }
        tally.ordered = tally.ordered && held->GetBlockID() > tally.lastBlockId;
        tally.lastBlockId = held->GetBlockID();
        EXPECT_EQ(held->GetImage()->GetPixelType(), kMono8);
        // The consumer's work per frame, which the pipeline must outpace.
        std::this_thread::sleep_for(work);
        EXPECT_TRUE(pipeline.ReleaseBuffer(held).IsOK());
        ++tally.processed;
    }
    return tally;
}

class StreamTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(camera_.ready) << "no simulated camera at " << TestAddress(); }

    Camera camera_{0};
};

} // namespace

TEST_F(StreamTest, OpensOnTheCameraAddressWithAPortOfItsOwn)
{
    ASSERT_TRUE(camera_.Open().IsOK());
    EXPECT_TRUE(camera_.stream.IsOpen());
    EXPECT_NE(camera_.stream.GetLocalPort(), 0);
    std::string nic;
    dynamic_cast<SdkGenString*>(camera_.device.GetGenLink()->Get("IPAddress"))->GetValue(nic);
    EXPECT_EQ(camera_.stream.GetLocalIPAddress(), nic);
    ASSERT_NE(camera_.stream.GetParameters()->Get("Reset"), nullptr);
    EXPECT_EQ(camera_.stream.GetParameters()->Get("Reset")->GetType(), SDK_GEN_COMMAND);
    EXPECT_EQ(camera_.Open().GetCode(), SdkResult::STATE_ERROR);

    EXPECT_TRUE(
        camera_.device.SetStreamDestination(camera_.stream.GetLocalIPAddress(), camera_.stream.GetLocalPort()).IsOK());
    EXPECT_TRUE(camera_.stream.Close().IsOK());
    EXPECT_FALSE(camera_.stream.IsOpen());
    EXPECT_EQ(camera_.stream.Open(camera_.device, TestAddress(1)).GetCode(), SdkResult::INVALID_PARAMETER);
    EXPECT_EQ(camera_.stream.Open(camera_.device, camera_.simulator.Address(), 5000).GetCode(),
              SdkResult::NOT_SUPPORTED);
}

TEST_F(StreamTest, AHundredFramesArriveAndOnlyTheNewestIsKept)
{
    ASSERT_TRUE(camera_.Open().IsOK());
    EXPECT_EQ(camera_.pipeline.GetBufferSize(), 0u);
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    EXPECT_TRUE(camera_.pipeline.IsStarted());
    ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());

    // A consumer slower than the camera: older frames pile up and are dropped.
    Tally tally = TakeNewest(camera_.pipeline, 100, 10ms);
    Execute(camera_.device, "AcquisitionStop");
    EXPECT_GE(tally.processed + tally.dropped, 100);
    EXPECT_GT(tally.dropped, 0);
    EXPECT_TRUE(tally.ordered);
    EXPECT_TRUE(camera_.pipeline.Stop().IsOK());
    EXPECT_FALSE(camera_.pipeline.IsStarted());
}

TEST_F(StreamTest, FramesCarryTheirGeometryAndPixels)
{
    ASSERT_TRUE(camera_.Open().IsOK());
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());
    SdkBuffer* buffer = nullptr;
    SdkResult operation = SdkResult::NOT_INITIALIZED;
    ASSERT_TRUE(camera_.pipeline.RetrieveNextBuffer(buffer, kFrameWaitMs, &operation).IsOK());
    EXPECT_TRUE(operation.IsOK());
    EXPECT_EQ(buffer->GetImage()->GetWidth(), 64u);
    EXPECT_EQ(buffer->GetImage()->GetHeight(), 48u);
    EXPECT_EQ(buffer->GetDataSize(), 64u * 48u);
    ASSERT_NE(buffer->GetDataPointer(), nullptr);
    EXPECT_TRUE(camera_.pipeline.ReleaseBuffer(buffer).IsOK());
    EXPECT_EQ(camera_.pipeline.ReleaseBuffer(buffer).GetCode(), SdkResult::INVALID_PARAMETER);
    EXPECT_EQ(camera_.pipeline.ReleaseBuffer(nullptr).GetCode(), SdkResult::INVALID_PARAMETER);
    Execute(camera_.device, "AcquisitionStop");
}

TEST_F(StreamTest, WaitsEndOnTimeWithoutFrames)
{
    SdkBuffer* buffer = nullptr;
    EXPECT_EQ(camera_.pipeline.RetrieveNextBuffer(buffer, kSdkNoWait).GetCode(), SdkResult::STATE_ERROR);
    ASSERT_TRUE(camera_.Open().IsOK());
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    EXPECT_EQ(camera_.pipeline.RetrieveNextBuffer(buffer, kSdkNoWait).GetCode(), SdkResult::TIMEOUT);
    EXPECT_EQ(buffer, nullptr);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(camera_.pipeline.RetrieveNextBuffer(buffer, 60).GetCode(), SdkResult::TIMEOUT);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 60ms);
    EXPECT_LT(waited, 1s);
    EXPECT_EQ(camera_.pipeline.GetOutputQueueSize(), 0u);
}

TEST_F(StreamTest, StopEndsAWaitWithoutTimeLimit)
{
    ASSERT_TRUE(camera_.Open().IsOK());
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    auto waiting = std::async(std::launch::async, [&] {
        SdkBuffer* buffer = nullptr;
        return camera_.pipeline.RetrieveNextBuffer(buffer, kSdkNoTimeLimit).GetCode();
    });
    ASSERT_EQ(waiting.wait_for(100ms), std::future_status::timeout) << "the wait ended without a stop";
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(camera_.pipeline.Stop().IsOK());
    ASSERT_EQ(waiting.wait_for(2s), std::future_status::ready);
    EXPECT_EQ(waiting.get(), SdkResult::ABORTED);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
}

TEST_F(StreamTest, ABufferHeldAcrossStopIsReleasedAfterwards)
{
    ASSERT_TRUE(camera_.Open().IsOK());
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());
    SdkBuffer* buffer = nullptr;
    ASSERT_TRUE(camera_.pipeline.RetrieveNextBuffer(buffer, kFrameWaitMs).IsOK());
    Execute(camera_.device, "AcquisitionStop");
    ASSERT_TRUE(camera_.pipeline.Stop().IsOK());
    EXPECT_EQ(buffer->GetImage()->GetWidth(), 64u);
    EXPECT_TRUE(camera_.pipeline.ReleaseBuffer(buffer).IsOK());

    // A restarted pipeline streams again with fresh buffers.
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());
    Tally tally = TakeNewest(camera_.pipeline, 5);
    EXPECT_GE(tally.processed, 1);
    Execute(camera_.device, "AcquisitionStop");
}

TEST_F(StreamTest, ResetDropsCompletedFrames)
{
    ASSERT_TRUE(camera_.Open().IsOK());
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());
    auto deadline = std::chrono::steady_clock::now() + 5s;
    while (camera_.pipeline.GetOutputQueueSize() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    Execute(camera_.device, "AcquisitionStop");
    // A frame still on the wire lands before the reset; no event tells when.
    std::this_thread::sleep_for(50ms);
    ASSERT_GE(camera_.pipeline.GetOutputQueueSize(), 3u);
    EXPECT_TRUE(camera_.pipeline.Reset().IsOK());
    EXPECT_EQ(camera_.pipeline.GetOutputQueueSize(), 0u);

    ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());
    deadline = std::chrono::steady_clock::now() + 5s;
    while (camera_.pipeline.GetOutputQueueSize() < 2 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    Execute(camera_.device, "AcquisitionStop");
    // As above: the frames on the wire land first.
    std::this_thread::sleep_for(50ms);
    EXPECT_TRUE(dynamic_cast<SdkGenCommand*>(camera_.stream.GetParameters()->Get("Reset"))->Execute().IsOK());
    EXPECT_EQ(camera_.pipeline.GetOutputQueueSize(), 0u);
}

TEST_F(StreamTest, FramesLargerThanTheBuffersAreRefusedUntilThePipelineStartsAgain)
{
    ASSERT_TRUE(camera_.Open().IsOK());
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    // The area grows after the buffers were made for 64 x 48.
    ASSERT_TRUE(SetInteger(camera_.device, "Width", 128));
    ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());
    SdkBuffer* buffer = nullptr;
    SdkResult operation;
    EXPECT_EQ(camera_.pipeline.RetrieveNextBuffer(buffer, kFrameWaitMs, &operation).GetCode(),
              SdkResult::BUFFER_TOO_SMALL);
    EXPECT_EQ(operation.GetCode(), SdkResult::BUFFER_TOO_SMALL);
    EXPECT_EQ(buffer, nullptr);
    Execute(camera_.device, "AcquisitionStop");

    // A stale smaller size set before does not hold the new frames back either.
    ASSERT_TRUE(camera_.pipeline.Stop().IsOK());
    ASSERT_TRUE(camera_.pipeline.SetBufferSize(64 * 48).IsOK());
    ASSERT_TRUE(camera_.pipeline.Start().IsOK());
    ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());
    ASSERT_TRUE(camera_.pipeline.RetrieveNextBuffer(buffer, kFrameWaitMs, &operation).IsOK());
    EXPECT_EQ(buffer->GetImage()->GetWidth(), 128u);
    EXPECT_TRUE(camera_.pipeline.ReleaseBuffer(buffer).IsOK());
    Execute(camera_.device, "AcquisitionStop");
}

TEST_F(StreamTest, OpenAndCloseRepeatedly)
{
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(camera_.Open().IsOK()) << round;
        ASSERT_TRUE(camera_.pipeline.Start().IsOK()) << round;
        ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK());
        Tally tally = TakeNewest(camera_.pipeline, 3);
        EXPECT_GE(tally.processed, 1) << round;
        Execute(camera_.device, "AcquisitionStop");
        // Closing a stream whose pipeline still runs stops the pipeline first.
        if (round % 2 == 0) {
            ASSERT_TRUE(camera_.pipeline.Stop().IsOK());
        }
        ASSERT_TRUE(camera_.stream.Close().IsOK()) << round;
        EXPECT_FALSE(camera_.pipeline.IsStarted());
    }
}

TEST_F(StreamTest, IncompleteFramesAreReportedAsMissingPackets)
{
    // A second simulator that loses 1 packet in 10, with no resends.
    Camera lossy(1, {"-r", "100"});
    ASSERT_TRUE(lossy.ready);
    ASSERT_TRUE(lossy.Open().IsOK());
    ASSERT_TRUE(lossy.pipeline.Start().IsOK());
    ASSERT_TRUE(Execute(lossy.device, "AcquisitionStart").IsOK());
    int missing = 0;
    int complete = 0;
    for (int i = 0; i < 60 && (missing == 0 || complete == 0); ++i) {
        SdkBuffer* buffer = nullptr;
        SdkResult operation;
        SdkResult result = lossy.pipeline.RetrieveNextBuffer(buffer, kFrameWaitMs, &operation);
        if (result.IsOK()) {
            ++complete;
            lossy.pipeline.ReleaseBuffer(buffer);
        } else if (result == SdkResult::MISSING_PACKETS) {
            EXPECT_EQ(operation.GetCode(), SdkResult::MISSING_PACKETS);
            EXPECT_EQ(buffer, nullptr);
            ++missing;
        }
    }
    Execute(lossy.device, "AcquisitionStop");
    EXPECT_GT(missing, 0);
    EXPECT_GT(complete, 0) << "incomplete frames must go back to the pipeline";
}

TEST_F(StreamTest, TwoCamerasStreamAtOnce)
{
    Camera second(1, {}, 80);
    ASSERT_TRUE(second.ready);
    ASSERT_TRUE(camera_.Open().IsOK());
    ASSERT_TRUE(second.Open().IsOK());
    for (Camera* camera : {&camera_, &second}) {
        ASSERT_TRUE(camera->pipeline.Start().IsOK());
        ASSERT_TRUE(Execute(camera->device, "AcquisitionStart").IsOK());
    }
    auto first = std::async(std::launch::async, [&] { return TakeNewest(camera_.pipeline, 30); });
    Tally other = TakeNewest(second.pipeline, 30);
    Tally one = first.get();
    EXPECT_GE(one.processed + one.dropped, 30);
    EXPECT_GE(other.processed + other.dropped, 30);

    SdkBuffer* a = nullptr;
    SdkBuffer* b = nullptr;
    ASSERT_TRUE(camera_.pipeline.RetrieveNextBuffer(a, kFrameWaitMs).IsOK());
    ASSERT_TRUE(second.pipeline.RetrieveNextBuffer(b, kFrameWaitMs).IsOK());
    EXPECT_EQ(a->GetImage()->GetWidth(), 64u);
    EXPECT_EQ(b->GetImage()->GetWidth(), 80u);
    camera_.pipeline.ReleaseBuffer(a);
    second.pipeline.ReleaseBuffer(b);
    Execute(camera_.device, "AcquisitionStop");
    Execute(second.device, "AcquisitionStop");
}

// Another camera streams small frames fast on the same link while this
// camera's stream is opened and started a hundred times: every start sees its
// first frame soon, and only frames of this camera.
TEST_F(StreamTest, AnotherCamerasTrafficNeitherReachesNorStallsAStream)
{
    Camera other(1, {}, 32);
    ASSERT_TRUE(other.ready);
    ASSERT_TRUE(other.Open().IsOK());
    ASSERT_TRUE(other.pipeline.Start().IsOK());
    ASSERT_TRUE(Execute(other.device, "AcquisitionStart").IsOK());
    std::atomic<bool> done{false};
    auto drain = std::async(std::launch::async, [&] {
        while (!done) {
            SdkBuffer* buffer = nullptr;
            if (other.pipeline.RetrieveNextBuffer(buffer, 50).IsOK())
                other.pipeline.ReleaseBuffer(buffer);
        }
    });

    std::chrono::steady_clock::duration slowest{};
    int foreign = 0;
    for (int round = 0; round < 100; ++round) {
        ASSERT_TRUE(camera_.Open().IsOK()) << round;
        ASSERT_TRUE(camera_.pipeline.Start().IsOK()) << round;
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(Execute(camera_.device, "AcquisitionStart").IsOK()) << round;
        int frames = 0;
        while (frames < 3 && std::chrono::steady_clock::now() - start < 2s) {
            SdkBuffer* buffer = nullptr;
            if (!camera_.pipeline.RetrieveNextBuffer(buffer, 100).IsOK())
                continue;
            if (frames++ == 0)
                slowest = std::max(slowest, std::chrono::steady_clock::now() - start);
            const SdkImage& image = *buffer->GetImage();
            foreign += image.GetWidth() != 64 || image.GetHeight() != 48 || buffer->GetDataSize() != 64 * 48;
            camera_.pipeline.ReleaseBuffer(buffer);
        }
        EXPECT_EQ(frames, 3) << round;
        SdkStreamStatistics statistics;
        ASSERT_TRUE(camera_.stream.GetStatistics(statistics));
        EXPECT_EQ(statistics.mismatchedFrames, 0u) << "another camera's frame reached the stream in round " << round;
        Execute(camera_.device, "AcquisitionStop");
        ASSERT_TRUE(camera_.pipeline.Stop().IsOK());
        ASSERT_TRUE(camera_.stream.Close().IsOK());
    }
    done = true;
    drain.get();
    Execute(other.device, "AcquisitionStop");
    EXPECT_LT(slowest, 300ms);
    EXPECT_EQ(foreign, 0);
}
