// The SDK layer against the project's simulated camera, which has the serial
// bridge and a feature set like the real cameras'.
#include "TestAddress.h"

#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkSerialPort.h"
#include "sdk/SdkStream.h"
#include "sim/SimCamera.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kReplyTimeoutMs = 1000;
constexpr uint8_t kStart = 0x02;
constexpr uint8_t kEnd = 0x03;
constexpr uint8_t kWriteBit = 0x02;
constexpr uint8_t kBusy = 0x07;

Bytes ReadRequest(uint8_t bank, uint8_t address, uint8_t length)
{
    return {kStart, bank, address, length, 0x01, kEnd};
}

Bytes WriteRequest(uint8_t bank, uint8_t address, const Bytes& data)
{
    Bytes frame{kStart, static_cast<uint8_t>(bank | kWriteBit), address, static_cast<uint8_t>(data.size())};
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(kEnd);
    return frame;
}

class SimCameraSdkTest : public ::testing::Test {
protected:
    void Start(SimOptions options = {})
    {
        options.interfaceAddress = TestAddress();
        options.width = 160;
        options.height = 120;
        ASSERT_TRUE(sim_.Start(options)) << sim_.ErrorText();
        SdkDiscoveryRecord info;
        ASSERT_TRUE(SdkDiscoveryRecordFromAddress(options.interfaceAddress, info));
        ASSERT_TRUE(device_.Connect(info).IsOK());
    }

    // Sends one request frame and reads a reply of replySize bytes.
    Bytes Exchange(const Bytes& request, uint32_t replySize)
    {
        uint32_t written = 0;
        EXPECT_TRUE(port_.Write(request.data(), static_cast<uint32_t>(request.size()), &written).IsOK());
        EXPECT_EQ(written, request.size());
        Bytes reply(replySize);
        uint32_t read = 0;
        port_.Read(reply.data(), replySize, &read, kReplyTimeoutMs);
        reply.resize(read);
        return reply;
    }

    SimCamera sim_;
    SdkDevice device_;
    SdkSerialPort port_;
};

} // namespace

TEST_F(SimCameraSdkTest, RegisterReadsAndWritesTravelThroughBothPorts)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    sim_.WriteOptionRegisters(0, 0x00, 50, {0x2A});
    ASSERT_TRUE(port_.Open(device_, 0).IsOK());
    EXPECT_EQ(Exchange(ReadRequest(0x00, 50, 1), 4), (Bytes{kStart, 0x01, 0x2A, kEnd}));

    Bytes ack = Exchange(WriteRequest(0x00, 94, {0x12, 0x34}), 4);
    ASSERT_EQ(ack.size(), 4u);
    EXPECT_EQ(ack[0], kStart);
    EXPECT_LE(ack[2], 1) << "status";
    EXPECT_EQ(ack[3], kEnd);
    EXPECT_EQ(sim_.ReadOptionRegisters(0, 0x00, 94, 2), (Bytes{0x12, 0x34}));

    // Port 1 is the option board's FPGA, with registers of its own.
    ASSERT_TRUE(port_.Open(device_, 1).IsOK());
    sim_.WriteOptionRegisters(1, 0x80, 10, {1, 2, 3});
    EXPECT_EQ(Exchange(ReadRequest(0x80, 10, 3), 6), (Bytes{kStart, 3, 1, 2, 3, kEnd}));
}

TEST_F(SimCameraSdkTest, ARefusalStatusReachesTheHost)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(port_.Open(device_, 0).IsOK());
    sim_.AnswerNextRequests(0, kBusy);
    EXPECT_EQ(Exchange(ReadRequest(0x80, 0, 12), 4), (Bytes{kStart, 0x00, kBusy, kEnd}));
    // Only the next request was refused.
    EXPECT_EQ(Exchange(ReadRequest(0x80, 0, 12), 15).size(), 15u);
}

TEST_F(SimCameraSdkTest, AnUnansweredRequestTimesOutWithNothingRead)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(port_.Open(device_, 0).IsOK());
    sim_.IgnoreNextRequests(0);
    const Bytes request = ReadRequest(0x00, 50, 1);
    uint32_t written = 0;
    ASSERT_TRUE(port_.Write(request.data(), 6, &written).IsOK());
    uint8_t reply[4] = {};
    uint32_t read = 99;
    EXPECT_EQ(port_.Read(reply, 4, &read, 100).GetCode(), SdkResult::TIMEOUT);
    EXPECT_EQ(read, 0u);
}

TEST_F(SimCameraSdkTest, APortThatTakesNoBytesFailsTheWrite)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(port_.Open(device_, 0).IsOK());
    sim_.RefuseWrites(0, true);
    const Bytes request = ReadRequest(0x00, 50, 1);
    uint32_t written = 99;
    EXPECT_EQ(port_.Write(request.data(), 6, &written).GetCode(), SdkResult::TIMEOUT);
    EXPECT_EQ(written, 0u);
}

TEST_F(SimCameraSdkTest, WithoutAnOptionBoardOnlyPortZeroOpens)
{
    SimOptions options;
    options.optionBoard = false;
    ASSERT_NO_FATAL_FAILURE(Start(options));
    EXPECT_EQ(port_.Open(device_, 1).GetCode(), SdkResult::NOT_SUPPORTED);
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_TRUE(port_.Open(device_, 0).IsOK());
}

TEST_F(SimCameraSdkTest, FeaturesCarryEveryVisibilityLevelAndTheCameraKey)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    std::map<SdkVisibility, int> levels;
    const SdkGenParameterArray& features = *device_.GetGenParameters();
    for (uint32_t i = 0; i < features.GetCount(); ++i)
        ++levels[features.Get(i)->GetVisibility()];
    EXPECT_GT(levels[SDK_VISIBILITY_BEGINNER], 0);
    EXPECT_GT(levels[SDK_VISIBILITY_EXPERT], 0);
    EXPECT_GT(levels[SDK_VISIBILITY_GURU], 0);
    EXPECT_GT(levels[SDK_VISIBILITY_INVISIBLE], 0);
    EXPECT_EQ(features.Get("ModelCode")->GetVisibility(), SDK_VISIBILITY_EXPERT);
    EXPECT_EQ(features.Get("PLC_ctrl0")->GetVisibility(), SDK_VISIBILITY_GURU);
    EXPECT_FALSE(features.Get("PLC_ctrl0")->IsVisible(SDK_VISIBILITY_EXPERT));

    auto* key = dynamic_cast<SdkGenInteger*>(features.Get("GevCurrentIPAddress"));
    ASSERT_NE(key, nullptr);
    int64_t address = 0;
    ASSERT_TRUE(key->GetValue(address).IsOK());
    in_addr expected{};
    inet_pton(AF_INET, TestAddress().c_str(), &expected);
    EXPECT_EQ(address, ntohl(expected.s_addr));
}

TEST_F(SimCameraSdkTest, FramesArriveInTheCamerasFormatAndGeometry)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(device_.NegotiatePacketSize().IsOK());
    SdkStream stream;
    ASSERT_TRUE(stream.Open(device_, TestAddress()).IsOK());
    SdkPipeline pipeline(stream);
    ASSERT_TRUE(pipeline.Start().IsOK());
    auto* start = dynamic_cast<SdkGenCommand*>(device_.GetGenParameters()->Get("AcquisitionStart"));
    ASSERT_TRUE(start != nullptr && start->Execute().IsOK());

    auto* format = dynamic_cast<SdkGenEnum*>(device_.GetGenParameters()->Get("PixelFormat"));
    int64_t pixelFormat = 0;
    ASSERT_TRUE(format->GetValue(pixelFormat).IsOK());
    uint64_t lastBlock = 0;
    for (int frame = 0; frame < 3; ++frame) {
        SdkBuffer* buffer = nullptr;
        // A loaded machine may drop a packet of a frame now and then.
        SdkResult retrieved = pipeline.RetrieveNextBuffer(buffer, 3000);
        for (int retry = 0; retrieved.GetCode() == SdkResult::MISSING_PACKETS && retry < 3; ++retry)
            retrieved = pipeline.RetrieveNextBuffer(buffer, 3000);
        ASSERT_TRUE(retrieved.IsOK()) << retrieved.GetCode();
        EXPECT_EQ(buffer->GetImage()->GetWidth(), 160u);
        EXPECT_EQ(buffer->GetImage()->GetHeight(), 120u);
        EXPECT_EQ(buffer->GetImage()->GetPixelType(), pixelFormat);
        EXPECT_GT(buffer->GetBlockID(), lastBlock);
        lastBlock = buffer->GetBlockID();
        pipeline.ReleaseBuffer(buffer);
    }
    auto* stop = dynamic_cast<SdkGenCommand*>(device_.GetGenParameters()->Get("AcquisitionStop"));
    EXPECT_TRUE(stop->Execute().IsOK());
}

// The stream over an imperfect link, through the SDK layer as the program
// sets it up: lost packets are asked for again and arrive, a frame the camera
// never sent is missed, and lost acknowledges neither fail a feature access
// nor cost the camera (the control-loss row holds for a real 30 s).
TEST_F(SimCameraSdkTest, StreamAndControlHoldOnALossyLink)
{
    using namespace std::chrono_literals;
    struct Link {
        const char* name;
        int lossPerMille;
        int controlLossPerMille;
        int frameSkip;
        std::chrono::seconds duration;
        double minCompleted; // share of the frames the camera sent
        double maxCompleted;
        bool resends;
    };
    const Link links[] = {
        {"0.5% stream loss", 5, 0, 0, 4s, 0.99, 1.0, true},
        {"2% stream loss", 20, 0, 0, 4s, 0.95, 1.0, true},
        {"every fifth frame never sent", 0, 0, 5, 2s, 0.78, 0.81, false},
        {"5% control loss", 0, 50, 0, 30s, 0.99, 1.0, false},
    };
    constexpr double kFps = 50.0;
    constexpr int64_t kPacketSize = 576; // 160x120 Mono8 in 38 packets
    constexpr uint32_t kWaitMs = 200;
    constexpr auto kFeatureReadInterval = 100ms;
    for (const Link& link : links) {
        SCOPED_TRACE(link.name);
        SimOptions options;
        options.colour = false;
        options.fps = kFps;
        options.lossPerMille = link.lossPerMille;
        options.controlLossPerMille = link.controlLossPerMille;
        options.frameSkip = link.frameSkip;
        ASSERT_NO_FATAL_FAILURE(Start(options));
        auto* auto_ = dynamic_cast<SdkGenBoolean*>(device_.GetGenLink()->Get("AutoNegotiation"));
        auto* size = dynamic_cast<SdkGenInteger*>(device_.GetGenLink()->Get("DefaultPacketSize"));
        auto* recovery = dynamic_cast<SdkGenBoolean*>(device_.GetGenLink()->Get("StreamRecoveryEnabled"));
        ASSERT_TRUE(auto_ && size && recovery);
        ASSERT_TRUE(auto_->SetValue(false).IsOK() && size->SetValue(kPacketSize).IsOK() &&
                    recovery->SetValue(true).IsOK());
        ASSERT_TRUE(device_.NegotiatePacketSize().IsOK());
        auto* width = dynamic_cast<SdkGenInteger*>(device_.GetGenParameters()->Get("Width"));
        ASSERT_TRUE(width != nullptr);

        SdkStream stream;
        ASSERT_TRUE(stream.Open(device_, TestAddress()).IsOK());
        SdkPipeline pipeline(stream);
        ASSERT_TRUE(pipeline.Start().IsOK());
        auto* start = dynamic_cast<SdkGenCommand*>(device_.GetGenParameters()->Get("AcquisitionStart"));
        auto* stop = dynamic_cast<SdkGenCommand*>(device_.GetGenParameters()->Get("AcquisitionStop"));
        ASSERT_TRUE(start->Execute().IsOK());

        uint64_t completed = 0;
        auto take = [&] {
            SdkBuffer* buffer = nullptr;
            const bool ok = pipeline.RetrieveNextBuffer(buffer, kWaitMs).IsOK();
            if (ok) {
                ++completed;
                pipeline.ReleaseBuffer(buffer);
            }
            return ok;
        };
        // Feature reads go on beside the stream, as the window's do beside
        // the acquisition thread.
        std::atomic<bool> streaming{true};
        std::atomic<bool> readerDone{false};
        std::atomic<int> failedReads{0};
        std::thread reader([&] {
            while (streaming) {
                int64_t value = 0;
                if (!width->GetValue(value).IsOK() || value != 160)
                    ++failedReads;
                // A reader's pace: reads go on while the stream runs.
                std::this_thread::sleep_for(kFeatureReadInterval);
            }
            readerDone = true;
        });
        const auto end = std::chrono::steady_clock::now() + link.duration;
        while (std::chrono::steady_clock::now() < end && device_.IsConnected())
            take();
        streaming = false;
        while (!readerDone)
            take();
        reader.join();
        EXPECT_EQ(failedReads, 0);
        ASSERT_TRUE(device_.IsConnected());
        EXPECT_TRUE(stop->Execute().IsOK());
        while (take()) {
        }
        const uint64_t sent = sim_.FramesSent();
        SdkStreamStatistics statistics;
        ASSERT_TRUE(stream.GetStatistics(statistics));
        ASSERT_GT(sent, 0u);
        const double share = static_cast<double>(completed) / static_cast<double>(sent);
        EXPECT_GE(share, link.minCompleted) << completed << " of " << sent << ", failed " << statistics.failedBuffers
                                            << ", underruns " << statistics.underruns;
        EXPECT_LE(share, link.maxCompleted) << completed << " of " << sent;
        EXPECT_EQ(statistics.resentPackets > 0, link.resends) << statistics.resentPackets;
        EXPECT_TRUE(device_.IsConnected());
        pipeline.Stop();
        stream.Close();
        device_.Disconnect();
    }
}
