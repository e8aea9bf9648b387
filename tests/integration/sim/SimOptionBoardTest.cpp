// The option electronics behind the serial bridge, driven through the bridge
// registers exactly as docs/serial-bridge.md tells a host to.
#include "SimTestSupport.h"

#include "sim/SimOptionBoard.h"

#include <gtest/gtest.h>

#include <numeric>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;
namespace Bridge = SerialBridge;

constexpr auto kReplyTimeout = 500ms;

// The host side of one bridge port, over plain memory reads and writes.
class BridgePort {
public:
    BridgePort(CameraClient& client, int port) : client_(client), base_(Bridge::kPortBase[port]) {}

    uint32_t Word(uint32_t offset)
    {
        uint8_t bytes[4] = {};
        EXPECT_TRUE(client_.ReadMemory(base_ + offset, bytes, 4)) << client_.LastError();
        return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (uint32_t{bytes[3]} << 24);
    }

    void SetWord(uint32_t offset, uint32_t value)
    {
        const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                                  static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
        EXPECT_TRUE(client_.WriteMemory(base_ + offset, bytes, 4)) << client_.LastError();
    }

    bool Present() { return (Word(Bridge::kStatus) & Bridge::kStatusPresent) != 0; }

    void Open()
    {
        SetWord(Bridge::kControl, Bridge::kControlOpen);
        SetWord(Bridge::kRxReadIndex, Word(Bridge::kRxWriteIndex));
    }

    void Close() { SetWord(Bridge::kControl, 0); }

    // Writes the bytes and waits until the device took them.
    bool Send(const Bytes& bytes, std::chrono::milliseconds timeout = 1000ms)
    {
        Bytes padded = bytes;
        padded.resize((bytes.size() + 3) / 4 * 4, 0);
        EXPECT_TRUE(client_.WriteMemory(base_ + Bridge::kTxData, padded.data(), static_cast<uint32_t>(padded.size())));
        SetWord(Bridge::kTxLength, static_cast<uint32_t>(bytes.size()));
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (Word(Bridge::kTxLength) != 0) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(1ms);
        }
        return true;
    }

    // Takes up to count bytes, waiting at most timeout for all of them.
    Bytes Receive(size_t count, std::chrono::milliseconds timeout = kReplyTimeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        uint32_t waiting = 0;
        while ((waiting = Word(Bridge::kRxWriteIndex) - Word(Bridge::kRxReadIndex)) < count &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        const uint32_t read = Word(Bridge::kRxReadIndex);
        Bytes bytes(std::min<size_t>(waiting, count));
        for (size_t i = 0; i < bytes.size(); ++i) {
            uint8_t word[4] = {};
            const uint32_t at = (read + static_cast<uint32_t>(i)) % Bridge::kRxRingSize;
            client_.ReadMemory(base_ + Bridge::kRxRing + at / 4 * 4, word, 4);
            bytes[i] = word[at % 4];
        }
        SetWord(Bridge::kRxReadIndex, read + static_cast<uint32_t>(bytes.size()));
        return bytes;
    }

    Bytes Exchange(const Bytes& request, size_t replyBytes)
    {
        EXPECT_TRUE(Send(request));
        return Receive(replyBytes);
    }

private:
    CameraClient& client_;
    uint32_t base_;
};

Bytes ReadRequest(uint8_t bank, uint8_t address, uint8_t length)
{
    return {0x02, bank, address, length, 0x01, 0x03};
}

Bytes WriteRequest(uint8_t bank, uint8_t address, const Bytes& data)
{
    Bytes frame = {0x02, static_cast<uint8_t>(bank | 0x02), address, static_cast<uint8_t>(data.size())};
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(0x03);
    return frame;
}

Bytes BlockFrame(const uint8_t* data)
{
    Bytes frame(132);
    frame[0] = 0x02;
    frame[1] = 0x80;
    std::copy(data, data + 128, frame.begin() + 2);
    frame[130] = static_cast<uint8_t>(std::accumulate(data, data + 128, 0u));
    frame[131] = 0x03;
    return frame;
}

const Bytes kAck = {0x02, 0x00, 0x00, 0x03};

class SimOptionBoardTest : public SimCameraTest {};

} // namespace

TEST_F(SimOptionBoardTest, AnswersFramedReadsAndWritesOnBothPorts)
{
    SimOptions options = TestOptions();
    options.fivePins = true;
    ASSERT_NO_FATAL_FAILURE(Connect(options));
    BridgePort port0(*client_, 0);
    BridgePort port1(*client_, 1);
    ASSERT_TRUE(port0.Present());
    ASSERT_TRUE(port1.Present());
    port0.Open();

    // The option information read at connect: five pins in bit 4 of byte 11,
    // the binning flag in bits 1-2 of byte 156, the gain offsets in bank 0.
    Bytes reply = port0.Exchange(ReadRequest(0x80, 0, 12), 15);
    ASSERT_EQ(reply.size(), 15u);
    EXPECT_EQ(reply[0], 0x02);
    EXPECT_EQ(reply[1], 12);
    EXPECT_EQ(reply[2 + 11] & 0x10, 0x10);
    EXPECT_EQ(reply[14], 0x03);
    EXPECT_EQ(port0.Exchange(ReadRequest(0x80, 156, 1), 4), (Bytes{0x02, 0x01, 0x02, 0x03}));
    EXPECT_EQ(port0.Exchange(ReadRequest(0x00, 94, 2), 5), (Bytes{0x02, 0x02, 50, 0, 0x03}));

    EXPECT_EQ(port0.Exchange(WriteRequest(0x80, 192, {0x21, 0x03}), 4), kAck);
    EXPECT_EQ(sim_.ReadOptionRegisters(0, 0x80, 192, 2), (Bytes{0x21, 0x03}));
    EXPECT_EQ(port0.Exchange(ReadRequest(0x80, 192, 2), 5), (Bytes{0x02, 0x02, 0x21, 0x03, 0x03}));

    // The user FPGA on port 1: "Edge detection" with the other values 0.
    port0.Close();
    port1.Open();
    EXPECT_EQ(port1.Exchange({0x02, 0x02, 0x00, 0x05, 0x02, 0x00, 0x00, 0x00, 0x00, 0x03}, 4), kAck);
    EXPECT_EQ(sim_.ReadOptionRegisters(1, 0x00, 0, 5), (Bytes{0x02, 0, 0, 0, 0}));
    sim_.WriteOptionRegisters(1, 0x00, 7, {0x01});
    EXPECT_EQ(port1.Exchange(ReadRequest(0x00, 7, 1), 4), (Bytes{0x02, 0x01, 0x01, 0x03}));
}

TEST_F(SimOptionBoardTest, ProvokedStatusesSilenceAndRefusedWrites)
{
    ASSERT_NO_FATAL_FAILURE(Connect(TestOptions()));
    BridgePort port(*client_, 0);
    port.Open();

    sim_.AnswerNextRequests(0, 0x07);
    EXPECT_EQ(port.Exchange(ReadRequest(0x00, 50, 1), 4), (Bytes{0x02, 0x00, 0x07, 0x03}));
    EXPECT_EQ(port.Exchange(ReadRequest(0x00, 50, 1), 4), (Bytes{0x02, 0x01, 100, 0x03})) << "only once";

    // Statuses of the device's own: past the bank's end, no end byte, bad command.
    EXPECT_EQ(port.Exchange(ReadRequest(0x80, 250, 10), 4), (Bytes{0x02, 0x00, 0x11, 0x03}));
    EXPECT_EQ(port.Exchange({0x02, 0x00, 0x10, 0x01, 0x01, 0x04}, 4), (Bytes{0x02, 0x00, 0x10, 0x03}));
    EXPECT_EQ(port.Exchange({0x02, 0x40, 0x10, 0x01, 0x01, 0x03}, 4), (Bytes{0x02, 0x00, 0x12, 0x03}));

    sim_.IgnoreNextRequests(0);
    EXPECT_TRUE(port.Exchange(ReadRequest(0x00, 50, 1), 4).empty());
    EXPECT_EQ(port.Exchange(ReadRequest(0x00, 50, 1), 4).size(), 4u);

    sim_.RefuseWrites(0, true);
    EXPECT_FALSE(port.Send(ReadRequest(0x00, 50, 1), 100ms)) << "TX_LENGTH was cleared";
    EXPECT_NE(port.Word(Bridge::kTxLength), 0u);
    sim_.RefuseWrites(0, false);
    EXPECT_EQ(port.Receive(4), (Bytes{0x02, 0x01, 100, 0x03})) << "the held request is answered once taken";

    // A closed port takes bytes but never answers them.
    port.Close();
    EXPECT_TRUE(port.Send(ReadRequest(0x00, 50, 1)));
    EXPECT_TRUE(port.Receive(4, 100ms).empty());
}

TEST_F(SimOptionBoardTest, GammaUploadArrivesInBlocksAndTakesEffect)
{
    ASSERT_NO_FATAL_FAILURE(Connect(TestOptions()));
    BridgePort port(*client_, 0);
    port.Open();

    // An inverting table for the mono channel (3), to the register (F2/F0).
    Bytes table(8192);
    for (size_t i = 0; i < 4096; ++i) {
        const uint16_t entry = static_cast<uint16_t>(4095 - i);
        table[2 * i] = static_cast<uint8_t>(entry);
        table[2 * i + 1] = static_cast<uint8_t>(entry >> 8);
    }
    EXPECT_EQ(port.Exchange({0x02, 0xF2, 0x13, 0x40, 0x00, 0x03}, 4), kAck);
    for (size_t block = 0; block < 64; ++block)
        ASSERT_EQ(port.Exchange(BlockFrame(table.data() + block * 128), 4), kAck) << "block " << block;
    EXPECT_EQ(port.Exchange({0x02, 0xF0, 0x13, 0x40, 0x00, 0x03}, 4), kAck);

    const std::vector<SimTableUpload> uploads = sim_.TableUploads();
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0].startCommand, 0xF2);
    EXPECT_EQ(uploads[0].channelByte, 0x13);
    EXPECT_EQ(uploads[0].blocks, 64);
    EXPECT_TRUE(uploads[0].ended);
    EXPECT_EQ(uploads[0].data, table);
    const std::vector<uint16_t> gamma = sim_.GammaTable(0, 3);
    ASSERT_EQ(gamma.size(), 4096u);
    EXPECT_EQ(gamma[0], 4095);
    EXPECT_EQ(gamma[4095], 0);

    // A block with a wrong checksum is refused and an early end frame too.
    sim_.ClearTableUploads();
    EXPECT_EQ(port.Exchange({0x02, 0xF3, 0x10, 0x40, 0x00, 0x03}, 4), kAck);
    Bytes bad = BlockFrame(table.data());
    bad[130] ^= 0xFF;
    EXPECT_EQ(port.Exchange(bad, 4), (Bytes{0x02, 0x00, 0x10, 0x03}));
    EXPECT_EQ(port.Exchange({0x02, 0xF1, 0x10, 0x40, 0x00, 0x03}, 4), (Bytes{0x02, 0x00, 0x12, 0x03}));
    ASSERT_EQ(sim_.TableUploads().size(), 1u);
    EXPECT_EQ(sim_.TableUploads()[0].badChecksums, 1);
    EXPECT_FALSE(sim_.TableUploads()[0].ended);
}

TEST_F(SimOptionBoardTest, WithoutAnOptionBoardOnlyPortZeroIsPresent)
{
    SimOptions options = TestOptions();
    options.optionBoard = false;
    ASSERT_NO_FATAL_FAILURE(Connect(options));
    BridgePort port0(*client_, 0);
    BridgePort port1(*client_, 1);
    EXPECT_TRUE(port0.Present());
    EXPECT_FALSE(port1.Present());
    port1.Open();
    EXPECT_FALSE(port1.Send(ReadRequest(0x00, 0, 1), 100ms)) << "an absent port took bytes";
}
