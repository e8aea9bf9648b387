// Frames of the simulated camera as an Aravis client receives them.
#include "SimTestSupport.h"

#include "sim/SimFeatureTable.h"
#include "sim/SimPixelFormat.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr auto kFrameTimeout = 2000ms;
// Rows of the 240-row test sensor: the colour bars fill 0-79 (eight bands of
// ten rows), the ramp 80-159 with black lines at 96 and 128, the moving
// saw-tooth 160-239.
constexpr int kBarBand2Row = 25;
constexpr int kRampRow = 100;
constexpr int kStaticRows = 160;
constexpr int kBarWidth = 40;

SimOptions MonoOptions()
{
    SimOptions options = TestOptions();
    options.colour = false;
    return options;
}

Frame GrabOne(CameraClient& client)
{
    EXPECT_TRUE(client.StartStream()) << client.LastError();
    std::optional<Frame> frame = client.NextFrame(kFrameTimeout);
    client.StopStream();
    EXPECT_TRUE(frame.has_value());
    return frame.value_or(Frame{});
}

// The first frame of a stream started right after a format change may still
// carry the old format on a loaded machine; take the first one in the new one.
Frame GrabInFormat(CameraClient& client, uint32_t pixelFormat)
{
    constexpr int kAttempts = 5;
    Frame frame;
    for (int i = 0; i < kAttempts && frame.pixelFormat != pixelFormat; ++i)
        frame = GrabOne(client);
    EXPECT_EQ(frame.pixelFormat, pixelFormat);
    return frame;
}

double Mean(const std::vector<uint8_t>& values)
{
    return values.empty() ? 0.0 : std::accumulate(values.begin(), values.end(), 0.0) / values.size();
}

// High bytes of a row in a two-pixels-in-three-bytes format.
std::vector<uint8_t> PackedHighBytes(const Frame& frame, int y)
{
    const size_t rowBytes = static_cast<size_t>(frame.width) * 3 / 2;
    std::vector<uint8_t> high;
    for (size_t i = 0; i < rowBytes; i += 3) {
        high.push_back(frame.data[y * rowBytes + i]);
        high.push_back(frame.data[y * rowBytes + i + 2]);
    }
    return high;
}

std::vector<uint8_t> WordHighBytes(const Frame& frame, int y, int shift)
{
    std::vector<uint8_t> high;
    for (int x = 0; x < frame.width; ++x) {
        const size_t at = 2 * (static_cast<size_t>(y) * frame.width + x);
        const int value = frame.data[at] | (frame.data[at + 1] << 8);
        high.push_back(static_cast<uint8_t>(value >> shift));
    }
    return high;
}

class SimStreamTest : public SimCameraTest {};

} // namespace

TEST_F(SimStreamTest, FramesInEveryFormatHaveTheirPayloadSize)
{
    for (bool colour : {true, false}) {
        SimOptions options = TestOptions();
        options.colour = colour;
        ASSERT_NO_FATAL_FAILURE(Connect(options));
        CameraClient& client = Client();
        for (const SimPixelFormat& format : AllSimPixelFormats()) {
            if (!SimOffersPixelFormat(options, format) || (format.IsBayer() && format.pattern != SimBayerPattern::GR))
                continue;
            SCOPED_TRACE(format.name);
            ASSERT_TRUE(client.SetEnumeration("PixelFormat", std::string(format.name).c_str())) << client.LastError();
            const uint64_t payload = format.ImageBytes(320, 240);
            EXPECT_EQ(*client.Integer("PayloadSize"), static_cast<int64_t>(payload));
            const Frame frame = GrabOne(client);
            EXPECT_EQ(frame.pixelFormat, format.code);
            EXPECT_EQ(frame.width, 320);
            EXPECT_EQ(frame.height, 240);
            EXPECT_EQ(frame.data.size(), payload);
        }
    }
}

TEST_F(SimStreamTest, DeepFormatsCarryTheSameImageAsMono8)
{
    ASSERT_NO_FATAL_FAILURE(Connect(MonoOptions()));
    CameraClient& client = Client();

    const Frame mono8 = GrabOne(client);
    ASSERT_TRUE(client.SetEnumeration("PixelFormat", "Mono12Packed"));
    const Frame packed = GrabOne(client);
    ASSERT_TRUE(client.SetEnumeration("PixelFormat", "Mono10"));
    const Frame mono10 = GrabOne(client);
    ASSERT_TRUE(client.SetEnumeration("PixelFormat", "Mono16"));
    const Frame mono16 = GrabOne(client);
    for (int y : {kBarBand2Row, kRampRow}) {
        EXPECT_EQ(PackedHighBytes(packed, y), Row(mono8, y));
        EXPECT_EQ(WordHighBytes(mono10, y, 2), Row(mono8, y));
        EXPECT_EQ(WordHighBytes(mono16, y, 8), Row(mono8, y));
    }
}

TEST_F(SimStreamTest, PatternFollowsReverseXAndTheAreaOfInterest)
{
    ASSERT_NO_FATAL_FAILURE(Connect(MonoOptions()));
    CameraClient& client = Client();

    const Frame full = GrabOne(client);
    const std::vector<uint8_t> ramp = Row(full, kRampRow);
    EXPECT_TRUE(std::is_sorted(ramp.begin(), ramp.end()));
    EXPECT_GT(ramp.back() - ramp.front(), 200);

    ASSERT_TRUE(client.SetBoolean("ReverseX", true));
    const Frame mirrored = GrabOne(client);
    for (int y = 0; y < kStaticRows; ++y) {
        std::vector<uint8_t> expected = Row(full, y);
        std::reverse(expected.begin(), expected.end());
        ASSERT_EQ(Row(mirrored, y), expected) << "row " << y;
    }
    ASSERT_TRUE(client.SetBoolean("ReverseX", false));

    ASSERT_TRUE(client.SetInteger("Width", 128));
    ASSERT_TRUE(client.SetInteger("Height", 64));
    ASSERT_TRUE(client.SetInteger("OffsetX", 64));
    ASSERT_TRUE(client.SetInteger("OffsetY", 40));
    const Frame area = GrabOne(client);
    ASSERT_EQ(area.width, 128);
    ASSERT_EQ(area.height, 64);
    EXPECT_EQ(area.offsetX, 64);
    EXPECT_EQ(area.offsetY, 40);
    for (int y = 0; y < area.height; ++y) {
        const std::vector<uint8_t> fullRow = Row(full, y + 40);
        ASSERT_EQ(Row(area, y), std::vector<uint8_t>(fullRow.begin() + 64, fullRow.begin() + 192)) << "row " << y;
    }
}

TEST_F(SimStreamTest, GainExposureAndBlackLevelChangeTheImage)
{
    ASSERT_NO_FATAL_FAILURE(Connect(MonoOptions()));
    CameraClient& client = Client();

    const double plain = Mean(Row(GrabOne(client), kRampRow));
    ASSERT_TRUE(client.SetInteger("GainRaw", 60));
    const double gained = Mean(Row(GrabOne(client), kRampRow));
    EXPECT_GT(gained, plain * 1.3);
    ASSERT_TRUE(client.SetInteger("GainRaw", 0));
    ASSERT_TRUE(client.SetInteger("ExposureTimeRaw", 5000));
    EXPECT_NEAR(Mean(Row(GrabOne(client), kRampRow)), plain / 2, 3.0);

    // The black bar on the right of the bars is lifted by the black level.
    const std::vector<uint8_t> bars = Row(GrabOne(client), kBarBand2Row);
    EXPECT_EQ(bars.back(), 0);
    ASSERT_TRUE(client.SetInteger("BlackLevelRaw", 16));
    EXPECT_EQ(Row(GrabOne(client), kBarBand2Row).back(), 16);
}

TEST_F(SimStreamTest, ColourFormatsPutEachChannelInItsPlace)
{
    ASSERT_NO_FATAL_FAILURE(Connect(TestOptions()));
    CameraClient& client = Client();

    // The sixth bar is red: R high, B zero.
    const int redBarX = 5 * kBarWidth + kBarWidth / 2;
    ASSERT_TRUE(client.SetEnumeration("PixelFormat", "RGB8Packed"));
    constexpr uint32_t kRGB8Packed = 0x02180014;
    Frame rgb = GrabInFormat(client, kRGB8Packed);
    const size_t at = 3 * (static_cast<size_t>(kBarBand2Row) * rgb.width + redBarX);
    EXPECT_GT(rgb.data[at], 150);
    EXPECT_EQ(rgb.data[at + 2], 0);
    ASSERT_TRUE(client.SetEnumeration("PixelFormat", "BGR8Packed"));
    constexpr uint32_t kBGR8Packed = 0x02180015;
    Frame bgr = GrabInFormat(client, kBGR8Packed);
    EXPECT_EQ(bgr.data[at], 0);
    EXPECT_EQ(bgr.data[at + 2], rgb.data[at]);

    // BayerGR8 in the white bar: G at (0,0), R at (1,0), B at (0,1).
    ASSERT_TRUE(client.SetEnumeration("PixelFormat", "BayerGR8"));
    constexpr uint32_t kBayerGR8 = 0x01080008;
    const Frame bayer = GrabInFormat(client, kBayerGR8);
    const int y = kBarBand2Row - 1; // even row
    const uint8_t green = bayer.data[y * 320 + 4];
    const uint8_t red = bayer.data[y * 320 + 5];
    const uint8_t blue = bayer.data[(y + 1) * 320 + 4];
    // The scene's warm light: red above green above blue until balanced.
    EXPECT_GT(red, green + 10);
    EXPECT_LT(blue + 10, green);
}

TEST_F(SimStreamTest, FrameRateIsHonoured)
{
    ASSERT_NO_FATAL_FAILURE(Connect(MonoOptions()));
    CameraClient& client = Client();
    ASSERT_TRUE(client.SetFloat("AcquisitionFrameRate", 20.0));
    ASSERT_TRUE(client.StartStream()) << client.LastError();
    ASSERT_TRUE(client.NextFrame(kFrameTimeout));
    const uint64_t before = sim_.FramesSent();
    // The frames sent in one second are what is measured.
    std::this_thread::sleep_for(1000ms);
    const uint64_t frames = sim_.FramesSent() - before;
    client.StopStream();
    // The fake camera's frame timer is loose.
    EXPECT_GE(frames, 12u);
    EXPECT_LE(frames, 30u);
}

namespace {

// A bare GVCP client on a UDP socket of its own, as a program that takes
// control of a camera and may vanish without a word.
class RawGvcpClient {
public:
    explicit RawGvcpClient(const std::string& camera)
    {
        socket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(3956);
        inet_pton(AF_INET, camera.c_str(), &to.sin_addr);
        connect(socket_, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    ~RawGvcpClient() { close(socket_); }

    // The acknowledge's status, or nullopt when none came.
    std::optional<uint16_t> WriteRegister(uint32_t address, uint32_t value)
    {
        const uint8_t command[] = {0x42,
                                   0x01,
                                   0x00,
                                   0x82,
                                   0x00,
                                   0x08,
                                   static_cast<uint8_t>(++id_ >> 8),
                                   static_cast<uint8_t>(id_),
                                   static_cast<uint8_t>(address >> 24),
                                   static_cast<uint8_t>(address >> 16),
                                   static_cast<uint8_t>(address >> 8),
                                   static_cast<uint8_t>(address),
                                   static_cast<uint8_t>(value >> 24),
                                   static_cast<uint8_t>(value >> 16),
                                   static_cast<uint8_t>(value >> 8),
                                   static_cast<uint8_t>(value)};
        send(socket_, command, sizeof command, 0);
        pollfd p{socket_, POLLIN, 0};
        uint8_t ack[64];
        if (poll(&p, 1, 1000) <= 0 || recv(socket_, ack, sizeof ack, 0) < 8)
            return std::nullopt;
        return static_cast<uint16_t>(ack[0] << 8 | ack[1]);
    }

private:
    int socket_ = -1;
    uint16_t id_ = 0;
};

// A UDP port on 127.0.0.1 that takes stream packets.
class StreamReceiver {
public:
    StreamReceiver()
    {
        socket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(socket_, reinterpret_cast<const sockaddr*>(&local), sizeof local);
        socklen_t size = sizeof local;
        getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &size);
        port_ = ntohs(local.sin_port);
    }
    ~StreamReceiver() { close(socket_); }
    uint16_t Port() const { return port_; }
    // Whether a packet came within wait.
    bool Receive(std::chrono::milliseconds wait)
    {
        pollfd p{socket_, POLLIN, 0};
        uint8_t packet[65536];
        return poll(&p, 1, static_cast<int>(wait.count())) > 0 && recv(socket_, packet, sizeof packet, 0) > 0;
    }

private:
    int socket_ = -1;
    uint16_t port_ = 0;
};

} // namespace

// A controlling client that vanishes: the camera streams on until its
// heartbeat expires, then releases control, closes the stream channel and
// lets another client take control, as a device does.
TEST(SimHeartbeatTest, AVanishedControllerLosesControlAndStreamWhenItsHeartbeatExpires)
{
    constexpr uint32_t kControlChannelPrivilege = 0x0A00;
    constexpr uint32_t kHeartbeatTimeout = 0x0938;
    constexpr uint32_t kStreamChannelPort = 0x0D00;
    constexpr uint32_t kStreamChannelAddress = 0x0D18;
    constexpr uint32_t kControl = 2;
    constexpr uint16_t kAccessDenied = 0x8006;
    constexpr auto kGrace = 500ms;
    constexpr auto kQuiet = 300ms; // no packet for this long: the stream stopped
    for (const auto timeout : {700ms, 1500ms}) {
        SCOPED_TRACE(timeout.count());
        SimCamera sim;
        ASSERT_TRUE(sim.Start(TestOptions())) << sim.ErrorText();
        const uint32_t acquisitionStart = sim.FeatureAddress("AcquisitionStart").value_or(0);
        StreamReceiver receiver;
        std::optional<RawGvcpClient> controller(std::in_place, TestAddress());
        for (const auto& [address, value] : std::initializer_list<std::pair<uint32_t, uint32_t>>{
                 {kControlChannelPrivilege, kControl},
                 {kHeartbeatTimeout, static_cast<uint32_t>(timeout.count())},
                 {kStreamChannelAddress, INADDR_LOOPBACK},
                 {kStreamChannelPort, receiver.Port()},
                 {acquisitionStart, 1}})
            ASSERT_EQ(controller->WriteRegister(address, value), 0);
        const auto lastCommand = std::chrono::steady_clock::now();
        controller.reset();
        ASSERT_TRUE(receiver.Receive(kFrameTimeout));

        RawGvcpClient other(TestAddress());
        EXPECT_EQ(other.WriteRegister(kControlChannelPrivilege, kControl), kAccessDenied);

        auto lastPacket = lastCommand;
        while (std::chrono::steady_clock::now() - lastCommand < timeout + kGrace + kFrameTimeout) {
            if (!receiver.Receive(kQuiet))
                break;
            lastPacket = std::chrono::steady_clock::now();
        }
        EXPECT_LE(lastPacket - lastCommand, timeout + kGrace);
        EXPECT_GE(lastPacket - lastCommand, timeout / 2);
        EXPECT_EQ(sim.ReadRegister(kControlChannelPrivilege), 0u);
        EXPECT_EQ(sim.ReadRegister(kStreamChannelPort), 0u);
        EXPECT_EQ(other.WriteRegister(kControlChannelPrivilege, kControl), 0);
    }
}
