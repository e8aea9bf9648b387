#include "sdk/SdkDevice.h"
#include "sdk/SdkSerialBridge.h"
#include "sdk/SdkSerialPort.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using namespace SerialBridge;

constexpr const uint32_t* kBase = kPortBase;

using Bytes = std::vector<uint8_t>;

// A camera whose register space is memory, with the device side of the
// serial bridge: it takes transmitted bytes when the doorbell rings, answers
// through the receive ring and clears the doorbell.
class BridgeDevice : public SdkDevice {
public:
    BridgeDevice() : memory_(0x10000) { SetWord(kBase[0] + kStatus, 1); }

    SdkResult ReadMemory(uint32_t address, void* data, uint32_t size) override
    {
        if (uint64_t{address} + size > memory_.size())
            return SdkResult::INVALID_PARAMETER;
        std::memcpy(data, memory_.data() + address, size);
        return SdkResult::OK;
    }

    SdkResult WriteMemory(uint32_t address, const void* data, uint32_t size) override
    {
        if (address % 4 != 0 || size % 4 != 0 || uint64_t{address} + size > memory_.size())
            return SdkResult::INVALID_PARAMETER;
        std::memcpy(memory_.data() + address, data, size);
        if (address == kBase[0] + kTxData || address == kBase[1] + kTxData)
            txWriteSizes.push_back(size);
        for (int port : {0, 1})
            if (address == kBase[port] + kTxLength)
                TakeBytes(port);
        return SdkResult::OK;
    }

    uint32_t Word(uint32_t address) const
    {
        const uint8_t* p = memory_.data() + address;
        return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24;
    }

    void SetWord(uint32_t address, uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            memory_[address + i] = static_cast<uint8_t>(value >> (8 * i));
    }

    // Puts bytes into a port's receive ring as the device would.
    void Deliver(int port, const Bytes& bytes)
    {
        uint32_t base = kBase[port];
        uint32_t write = Word(base + kRxWriteIndex);
        for (uint8_t byte : bytes) {
            if (write - Word(base + kRxReadIndex) >= kRxRingSize)
                break;
            memory_[base + kRxRing + write % kRxRingSize] = byte;
            ++write;
        }
        SetWord(base + kRxWriteIndex, write);
    }

    bool clearsDoorbell = true;
    std::function<Bytes(const Bytes&)> answer;
    Bytes taken[2];
    std::vector<uint32_t> chunkSizes;
    std::vector<uint32_t> txWriteSizes;

private:
    void TakeBytes(int port)
    {
        uint32_t base = kBase[port];
        uint32_t count = Word(base + kTxLength);
        if (count == 0 || !clearsDoorbell)
            return;
        Bytes bytes(memory_.begin() + base + kTxData, memory_.begin() + base + kTxData + count);
        taken[port].insert(taken[port].end(), bytes.begin(), bytes.end());
        chunkSizes.push_back(count);
        if (answer)
            Deliver(port, answer(bytes));
        SetWord(base + kTxLength, 0);
    }

    std::vector<uint8_t> memory_;
};

class SdkSerialPortTest : public ::testing::Test {
protected:
    BridgeDevice device;
    SdkSerialPort port;
};

} // namespace

TEST_F(SdkSerialPortTest, OpenMarksThePortOpenAndSkipsBytesFromAnEarlierSession)
{
    device.Deliver(0, {1, 2, 3});
    ASSERT_TRUE(port.Open(device, 0).IsOK());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(device.Word(kBase[0] + kControl), 1u);
    EXPECT_EQ(device.Word(kBase[0] + kRxReadIndex), 3u);
    uint32_t ready = 99;
    EXPECT_TRUE(port.GetRxBytesReady(&ready).IsOK());
    EXPECT_EQ(ready, 0u);

    EXPECT_TRUE(port.Close().IsOK());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(device.Word(kBase[0] + kControl), 0u);
}

TEST_F(SdkSerialPortTest, APortWithoutHardwareOrAnUnknownPortDoesNotOpen)
{
    EXPECT_EQ(port.Open(device, 1).GetCode(), SdkResult::NOT_SUPPORTED);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Open(device, 2).GetCode(), SdkResult::INVALID_PARAMETER);
    SdkDevice unconnected;
    EXPECT_EQ(port.Open(unconnected, 0).GetCode(), SdkResult::NOT_CONNECTED);

    uint32_t written = 99;
    const uint8_t byte = 0x02;
    EXPECT_EQ(port.Write(&byte, 1, &written).GetCode(), SdkResult::STATE_ERROR);
    EXPECT_EQ(written, 0u);
}

TEST_F(SdkSerialPortTest, WritesAFrameAndReadsTheReply)
{
    device.SetWord(kBase[1] + kStatus, 1);
    device.answer = [](const Bytes& request) { return Bytes{0x02, request[3], 0x5A, 0x03}; };
    ASSERT_TRUE(port.Open(device, 1).IsOK());
    const Bytes request{0x02, 0x00, 0x20, 0x01, 0x01, 0x03};
    uint32_t written = 0;
    ASSERT_TRUE(port.Write(request.data(), 6, &written).IsOK());
    EXPECT_EQ(written, 6u);
    EXPECT_EQ(device.taken[1], request);
    EXPECT_TRUE(device.taken[0].empty());
    // Six bytes travel as two whole words; the length says six.
    EXPECT_EQ(device.txWriteSizes.back(), 8u);
    EXPECT_EQ(device.chunkSizes.back(), 6u);

    uint8_t reply[4] = {};
    uint32_t read = 0;
    ASSERT_TRUE(port.Read(reply, 4, &read, 100).IsOK());
    EXPECT_EQ(read, 4u);
    EXPECT_EQ(Bytes(reply, reply + 4), (Bytes{0x02, 0x01, 0x5A, 0x03}));
    EXPECT_EQ(device.Word(kBase[1] + kRxReadIndex), device.Word(kBase[1] + kRxWriteIndex));
}

TEST_F(SdkSerialPortTest, SplitsLongWritesIntoChunksOf256)
{
    ASSERT_TRUE(port.Open(device, 0).IsOK());
    Bytes data(600);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 7);
    uint32_t written = 0;
    ASSERT_TRUE(port.Write(data.data(), 600, &written).IsOK());
    EXPECT_EQ(written, 600u);
    EXPECT_EQ(device.chunkSizes, (std::vector<uint32_t>{256, 256, 88}));
    EXPECT_EQ(device.taken[0], data);
}

TEST_F(SdkSerialPortTest, ReadsAcrossTheEndOfTheRing)
{
    device.SetWord(kBase[0] + kRxWriteIndex, 1020);
    device.SetWord(kBase[0] + kRxReadIndex, 1020);
    ASSERT_TRUE(port.Open(device, 0).IsOK());
    const Bytes sent{10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    device.Deliver(0, sent);
    uint8_t received[10] = {};
    uint32_t read = 0;
    ASSERT_TRUE(port.Read(received, 10, &read, 100).IsOK());
    EXPECT_EQ(Bytes(received, received + read), sent);
    EXPECT_EQ(device.Word(kBase[0] + kRxReadIndex), 1030u);
}

TEST_F(SdkSerialPortTest, CountsWaitingBytesAcrossTheIndexWrap)
{
    device.SetWord(kBase[0] + kRxWriteIndex, 0xFFFFFFFC);
    device.SetWord(kBase[0] + kRxReadIndex, 0xFFFFFFFC);
    ASSERT_TRUE(port.Open(device, 0).IsOK());
    device.Deliver(0, {1, 2, 3, 4, 5, 6, 7, 8});
    uint32_t ready = 0;
    ASSERT_TRUE(port.GetRxBytesReady(&ready).IsOK());
    EXPECT_EQ(ready, 8u);
    uint8_t received[8] = {};
    uint32_t read = 0;
    ASSERT_TRUE(port.Read(received, 8, &read, 100).IsOK());
    EXPECT_EQ(Bytes(received, received + 8), (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(device.Word(kBase[0] + kRxReadIndex), 4u);
}

TEST_F(SdkSerialPortTest, AReadTimeoutGivesTheBytesThatCame)
{
    ASSERT_TRUE(port.Open(device, 0).IsOK());
    device.Deliver(0, {0x02, 0x00, 0x07});
    uint8_t received[8] = {};
    uint32_t read = 0;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.Read(received, 8, &read, 50).GetCode(), SdkResult::TIMEOUT);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(Bytes(received, received + 3), (Bytes{0x02, 0x00, 0x07}));
    uint32_t ready = 99;
    port.GetRxBytesReady(&ready);
    EXPECT_EQ(ready, 0u);
}

TEST_F(SdkSerialPortTest, FlushDropsWaitingBytesOnly)
{
    ASSERT_TRUE(port.Open(device, 0).IsOK());
    device.Deliver(0, {1, 2, 3, 4, 5});
    ASSERT_TRUE(port.FlushRxBuffer().IsOK());
    uint32_t ready = 99;
    port.GetRxBytesReady(&ready);
    EXPECT_EQ(ready, 0u);
    device.Deliver(0, {6, 7});
    uint8_t received[2] = {};
    uint32_t read = 0;
    ASSERT_TRUE(port.Read(received, 2, &read, 100).IsOK());
    EXPECT_EQ(Bytes(received, received + 2), (Bytes{6, 7}));
}

TEST_F(SdkSerialPortTest, ADoorbellTheDeviceNeverClearsFailsTheWriteWithNothingWritten)
{
    ASSERT_TRUE(port.Open(device, 0).IsOK());
    device.clearsDoorbell = false;
    const uint8_t frame[] = {0x02, 0x02, 0x10, 0x01, 0x55, 0x03};
    uint32_t written = 99;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.Write(frame, sizeof frame, &written).GetCode(), SdkResult::TIMEOUT);
    EXPECT_EQ(written, 0u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));

    // The doorbell is still rung: the next write must not overwrite TX_DATA.
    const uint8_t next[] = {0xAA, 0xBB, 0xCC, 0xDD};
    size_t dataWrites = device.txWriteSizes.size();
    EXPECT_EQ(port.Write(next, sizeof next, &written).GetCode(), SdkResult::TIMEOUT);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(device.txWriteSizes.size(), dataWrites);
}
