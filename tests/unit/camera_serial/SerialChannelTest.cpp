#include "camera/CRS232C_OM.h"

#include "SerialReports.h"
#include "TempDir.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkSerialPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A serial port whose far end is a script: each accepted write makes the next
// scripted reply arrive; refused writes are counted and answer nothing.
class ScriptedPort : public SdkSerialPort {
public:
    std::deque<Bytes> replies;
    int refuseWrites = 0; // this many writes fail before they succeed
    std::vector<Bytes> written;
    std::vector<uint32_t> readTimeouts;
    Bytes received;
    int* closes = nullptr;
    bool open = true;
    int openedPort = -1;

    SdkResult Open(SdkDevice&, int port) override
    {
        openedPort = port;
        open = true;
        return SdkResult::OK;
    }
    SdkResult Close() override
    {
        ++*closes;
        open = false;
        return SdkResult::OK;
    }
    bool IsOpen() const override { return open; }
    SdkResult Write(const uint8_t* data, uint32_t count, uint32_t* done) override
    {
        written.emplace_back(data, data + count);
        if (refuseWrites > 0) {
            --refuseWrites;
            *done = 0;
            return SdkResult::TIMEOUT;
        }
        *done = count;
        if (!replies.empty()) {
            received.insert(received.end(), replies.front().begin(), replies.front().end());
            replies.pop_front();
        }
        return SdkResult::OK;
    }
    SdkResult Read(uint8_t* data, uint32_t count, uint32_t* read, uint32_t timeoutMs) override
    {
        readTimeouts.push_back(timeoutMs);
        *read = std::min<uint32_t>(count, static_cast<uint32_t>(received.size()));
        std::copy_n(received.begin(), *read, data);
        received.erase(received.begin(), received.begin() + *read);
        return *read == count ? SdkResult::OK : SdkResult::TIMEOUT;
    }
    SdkResult GetRxBytesReady(uint32_t* count) override
    {
        *count = static_cast<uint32_t>(received.size());
        return SdkResult::OK;
    }
    SdkResult FlushRxBuffer() override
    {
        received.clear();
        return SdkResult::OK;
    }
};

constexpr uint32_t kPollMs = 1;

class SerialChannel : public ::testing::Test {
protected:
    // Settings with distinct values, so that each can be told apart where
    // the channel uses it; an empty text leaves the file missing.
    void Build(const std::string& settings = "[RS232C_OM]\nErrCmdDelayTime=700\nSndRevDelayTime=50\n")
    {
        const std::string path = dir_.file("channel.ini");
        if (!settings.empty())
            std::ofstream(path) << settings;
        auto owned = std::make_unique<ScriptedPort>();
        port_ = owned.get();
        port_->closes = &closes_;
        channel_ = std::make_unique<CRS232C_OM>(path, std::move(owned));
        channel_->SetReporter(&reports_);
        channel_->SetSleep([this](uint32_t ms) {
            if (ms == kPollMs)
                ++polls_;
            else
                pauses_.push_back(ms);
        });
    }

    int ReadOne(const Bytes& reply)
    {
        port_->replies.push_back(reply);
        uint8_t value = 0xEE;
        return channel_->ReadRegister(0x00, 0x10, 1, &value);
    }

    int WriteOne(const Bytes& reply)
    {
        port_->replies.push_back(reply);
        const uint8_t value = 0x5A;
        return channel_->WriteRegister(0x00, 0x10, 1, &value);
    }

    struct Settings {
        size_t attempts;
        uint32_t pauseMs;
        int polls;
        uint32_t readTimeoutMs;
        uint32_t writeTimeoutMs;
    };

    // Sends a request that the port never takes, then a read and a write
    // that go through, and checks that each step used the given settings.
    void ExpectSettingsInUse(const Settings& expected)
    {
        port_->refuseWrites = 1000;
        uint8_t value = 0;
        EXPECT_EQ(channel_->ReadRegister(0x00, 0x10, 1, &value), 254);
        EXPECT_EQ(port_->written.size(), expected.attempts);
        EXPECT_EQ(pauses_, std::vector<uint32_t>(expected.attempts, expected.pauseMs));
        // Each failed send drains a late reply: the full wait, then a read
        // with the write timeout.
        EXPECT_EQ(polls_, static_cast<int>(expected.attempts) * expected.polls);
        EXPECT_EQ(port_->readTimeouts, std::vector<uint32_t>(expected.attempts, expected.writeTimeoutMs));

        port_->refuseWrites = 0;
        port_->readTimeouts.clear();
        EXPECT_EQ(ReadOne({0x02, 0x01, 0x00, 0x03}), 0);
        EXPECT_EQ(WriteOne({0x02, 0x00, 0x00, 0x03}), 0);
        EXPECT_EQ(port_->readTimeouts, (std::vector<uint32_t>{expected.readTimeoutMs, expected.writeTimeoutMs}));
    }

    TempDir dir_;
    ScriptedPort* port_ = nullptr;
    std::unique_ptr<CRS232C_OM> channel_;
    CapturedReports reports_;
    int polls_ = 0;
    int closes_ = 0;
    std::vector<uint32_t> pauses_;
};

TEST_F(SerialChannel, SuccessfulReadSendsTheReadFrameAndCopiesExactlyTheLength)
{
    Build();
    port_->replies.push_back({0x02, 0x03, 0xA1, 0xB2, 0xC3, 0x03});
    uint8_t buffer[5] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(channel_->ReadRegister(0x80, 0x21, 3, buffer), 0);
    EXPECT_EQ(port_->written, (std::vector<Bytes>{{0x02, 0x80, 0x21, 0x03, 0x01, 0x03}}));
    EXPECT_EQ(Bytes(buffer, buffer + 5), (Bytes{0xA1, 0xB2, 0xC3, 0xEE, 0xEE}));
    EXPECT_TRUE(reports_.texts.empty());
    EXPECT_TRUE(pauses_.empty());
}

TEST_F(SerialChannel, RefusedReadReportsTheStatusAndTheReplyFrame)
{
    Build();
    EXPECT_EQ(ReadOne({0x02, 0x00, 0x07, 0x03}), 0x8007);
    ASSERT_EQ(reports_.texts.size(), 1u);
    EXPECT_EQ(reports_.texts[0], "Busy(0x07).\r\n(4) 02 00 07 03");
    // A reply error is not retried: one request, one pause.
    EXPECT_EQ(port_->written.size(), 1u);
    EXPECT_EQ(pauses_, std::vector<uint32_t>{700});
}

TEST_F(SerialChannel, ReplyWithoutEndByteGivesCode2AndLeavesTheBufferAlone)
{
    Build();
    port_->replies.push_back({0x02, 0x01, 0x05, 0x04});
    uint8_t value = 0xEE;
    EXPECT_EQ(channel_->ReadRegister(0x00, 0x10, 1, &value), 2);
    EXPECT_EQ(value, 0xEE);
    ASSERT_EQ(reports_.texts.size(), 1u);
    EXPECT_EQ(reports_.texts[0], "Not found ETX.\r\n(4) 02 01 05 04");
}

TEST_F(SerialChannel, ReadRepliesAreCheckedByteByByte)
{
    Build();
    EXPECT_EQ(ReadOne({0x05, 0x01, 0x05, 0x03}), 1);
    EXPECT_EQ(ReadOne({0x02, 0x02, 0x05, 0x03}), 10);
    EXPECT_EQ(ReadOne({0x02, 0x00, 0x00, 0x03}), 10);
    EXPECT_EQ(ReadOne({0x02, 0x00, 0x01, 0x03}), 10);
    EXPECT_EQ(ReadOne({0x02, 0x00, 0x10, 0x03}), 0x8010);
    EXPECT_EQ(ReadOne({0x02, 0x00, 0x11, 0x03}), 0x8011);
    EXPECT_EQ(ReadOne({0x02, 0x00, 0x42, 0x03}), 0x8042);
    EXPECT_EQ(reports_.texts, (std::vector<std::string>{
                                  "Not found SOF.\r\n(4) 05 01 05 03", "Data Length Error.\r\n(4) 02 02 05 03",
                                  "Data Length Error.\r\n(4) 02 00 00 03", "Data Length Error.\r\n(4) 02 00 01 03",
                                  "Recieve Error(0x10).\r\n(4) 02 00 10 03", "Around Error(0x11).\r\n(4) 02 00 11 03",
                                  "Extra Error(0x42).\r\n(4) 02 00 42 03"}));
}

TEST_F(SerialChannel, ShortRepliesToLongerReads)
{
    Build();
    uint8_t buffer[8] = {};
    // A refusal is shorter than the data reply it stands for.
    port_->replies.push_back({0x02, 0x00, 0x11, 0x03});
    EXPECT_EQ(channel_->ReadRegister(0x00, 0x40, 8, buffer), 0x8011);
    EXPECT_EQ(polls_, 0);
    port_->replies.push_back({0x02, 0x08, 0x01, 0x02, 0x03});
    EXPECT_EQ(channel_->ReadRegister(0x00, 0x40, 8, buffer), 6);
    port_->replies.push_back({});
    EXPECT_EQ(channel_->ReadRegister(0x00, 0x40, 8, buffer), 4);
    EXPECT_EQ(reports_.texts,
              (std::vector<std::string>{"Around Error(0x11).\r\n(4) 02 00 11 03",
                                        "Data Length Error(PC).\r\n(5) 02 08 01 02 03", "Not Recieve(PC)."}));
    EXPECT_EQ(buffer[0], 0);
}

TEST_F(SerialChannel, PortThatNeverAcceptsWritesIsTriedTheAttemptCountThenReported)
{
    Build("[RS232C_OM]\nNGRepeatCount=2\nErrCmdDelayTime=700\nSndRevDelayTime=50\nWriteDelayTime=300\n"
          "ReadDelayTime=1500\n");
    ExpectSettingsInUse({2, 700, 50, 1500, 300});
    ASSERT_EQ(reports_.texts.size(), 1u);
    EXPECT_EQ(reports_.texts[0], "Send Error(SerialPort)\r\n(Code=26)(WriteSize=0)\r\n(6) 02 00 10 01 01 03");
}

// With the default settings (10 attempts, 10 s reply wait, 5 s read
// timeouts, 1 s pauses) a silent board or a port that takes nothing would
// hold the window for minutes: every operation keeps to the 2 s budget, the
// waits it slept and the read timeouts it gave the port together.
TEST_F(SerialChannel, EveryOperationKeepsToTheBudgetWithTheDefaultSettings)
{
    constexpr uint32_t kBudgetMs = 2000;
    struct Case {
        const char* what;
        int refuseWrites;
        std::function<int(CRS232C_OM&)> run;
        int code;
    };
    const uint8_t data[1] = {0x5A};
    const Bytes block(128, 0x01);
    const Case cases[] = {
        {"silent board, read", 0,
         [](CRS232C_OM& c) {
             uint8_t v = 0;
             return c.ReadRegister(0x00, 0x10, 1, &v);
         },
         4},
        {"silent board, write", 0, [&](CRS232C_OM& c) { return c.WriteRegister(0x00, 0x10, 1, data); }, 4},
        {"silent board, frame", 0, [&](CRS232C_OM& c) { return c.SendFrame(1, data); }, 4},
        {"silent board, block", 0, [&](CRS232C_OM& c) { return c.WriteBlock(block.data()); }, 0},
        {"port takes nothing, read", 1000,
         [](CRS232C_OM& c) {
             uint8_t v = 0;
             return c.ReadRegister(0x00, 0x10, 1, &v);
         },
         254},
        {"port takes nothing, frame", 1000, [&](CRS232C_OM& c) { return c.SendFrame(1, data); }, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Build("");
        port_->refuseWrites = c.refuseWrites;
        EXPECT_EQ(c.run(*channel_), c.code);
        uint32_t spent = static_cast<uint32_t>(polls_);
        for (const uint32_t ms : pauses_)
            spent += ms;
        for (const uint32_t ms : port_->readTimeouts)
            spent += ms;
        EXPECT_LE(spent, kBudgetMs);
        EXPECT_GE(port_->written.size(), 1u);
        EXPECT_EQ(reports_.texts.size(), 1u);
        reports_.texts.clear();
        polls_ = 0;
        pauses_.clear();
    }
}

TEST_F(SerialChannel, SettingsAreReadFromTheFile)
{
    Build("[rs232c_om]\nReadDelayTime=120\nWriteDelayTime=340\nNGRepeatCount=3\nSndRevDelayTime=7\n"
          "ErrCmdDelayTime=560\n");
    ExpectSettingsInUse({3, 560, 7, 120, 340});
}

TEST_F(SerialChannel, SendIsRetriedUntilItGoesThrough)
{
    Build("[RS232C_OM]\nNGRepeatCount=3\nErrCmdDelayTime=700\nSndRevDelayTime=50\n");
    port_->refuseWrites = 2;
    port_->replies.push_back({0x02, 0x00, 0x00, 0x03});
    const uint8_t data[2] = {0x12, 0x34};
    EXPECT_EQ(channel_->WriteRegister(0x80, 0x30, 2, data), 0);
    EXPECT_EQ(port_->written.size(), 3u);
    EXPECT_EQ(port_->written.back(), (Bytes{0x02, 0x82, 0x30, 0x02, 0x12, 0x34, 0x03}));
    EXPECT_TRUE(reports_.texts.empty());
}

TEST_F(SerialChannel, WriteAcknowledgementsOfRegisterWrites)
{
    Build();
    EXPECT_EQ(WriteOne({0x02, 0x00, 0x00, 0x03}), 0);
    EXPECT_EQ(WriteOne({0x02, 0x00, 0x01, 0x03}), 0);
    EXPECT_EQ(WriteOne({0x02, 0x00, 0x00, 0x04}), 2);
    EXPECT_EQ(WriteOne({0x02, 0x01, 0x00, 0x03}), 10);
    EXPECT_EQ(WriteOne({0x03, 0x00, 0x00, 0x03}), 1);
    EXPECT_EQ(WriteOne({0x02, 0x00, 0x14, 0x03}), 0x8004);
    EXPECT_EQ(reports_.texts.size(), 4u);
    EXPECT_EQ(reports_.texts.back(), "Extra Error(0x4).\r\n(4) 02 00 14 03");
}

TEST_F(SerialChannel, AcknowledgementStatusesMapToTheirCodes)
{
    struct Row {
        uint8_t status;
        int code;
        const char* text;
    };
    const Row rows[] = {
        {0x10, 0x8010, "Recieve Error(0x10)."}, {0x11, 0x8011, "Around Error(0x11)."},
        {0x12, 5, "Extra Error(0x5)."},         {0x13, 0x8006, "Extra Error(0x6)."},
        {0x14, 0x8004, "Extra Error(0x4)."},    {0x15, 3, "Extra Error(0x3)."},
        {0x16, 10, "Data Length Error."},       {0x07, 0x8000, "Extra Error(0x0)."},
        {0xA5, 0x8000, "Extra Error(0x0)."},
    };
    for (const Row& row : rows) {
        Build("[RS232C_OM]\nNGRepeatCount=1\n");
        const Bytes ack{0x02, 0x7F, row.status, 0x03};
        port_->replies.push_back(ack);
        const uint8_t frame[6] = {0x02, 0x02, 0x44, 0x01, 0x09, 0x03};
        EXPECT_EQ(channel_->SendFrame(sizeof frame, frame), row.code) << int(row.status);
        ASSERT_EQ(reports_.texts.size(), 1u);
        char dump[32];
        std::snprintf(dump, sizeof dump, "\r\n(4) 02 7f %02x 03", row.status);
        EXPECT_EQ(reports_.texts[0], std::string(row.text) + dump);
        reports_.texts.clear();
    }
}

TEST_F(SerialChannel, SendFrameTriesEachAttemptAndReportsOnlyTheLast)
{
    Build("[RS232C_OM]\nNGRepeatCount=3\nSndRevDelayTime=50\n");
    const uint8_t frame[6] = {0x02, 0x02, 0x44, 0x01, 0x09, 0x03};
    port_->replies = {{0x02, 0x00, 0x13, 0x03}, {0x02, 0x00, 0x00, 0x03}};
    EXPECT_EQ(channel_->SendFrame(sizeof frame, frame), 0);
    EXPECT_EQ(port_->written.size(), 2u);
    EXPECT_EQ(port_->written[0], Bytes(frame, frame + 6));
    EXPECT_TRUE(reports_.texts.empty());

    port_->written.clear();
    port_->refuseWrites = 3;
    EXPECT_EQ(channel_->SendFrame(sizeof frame, frame), -1);
    EXPECT_EQ(port_->written.size(), 3u);
    EXPECT_EQ(reports_.texts, std::vector<std::string>{"Extra Error(0xFF).\r\n(6) 02 02 44 01 09 03"});
}

TEST_F(SerialChannel, BlockFrameCarriesTheChecksum)
{
    Build();
    const Bytes block(128, 0xFF);
    port_->replies.push_back({0x02, 0x00, 0x00, 0x03});
    EXPECT_EQ(channel_->WriteBlock(block.data()), 1);
    ASSERT_EQ(port_->written.size(), 1u);
    const Bytes& frame = port_->written[0];
    ASSERT_EQ(frame.size(), 132u);
    EXPECT_EQ(frame[0], 0x02);
    EXPECT_EQ(frame[1], 0x80);
    EXPECT_EQ(Bytes(frame.begin() + 2, frame.begin() + 130), block);
    EXPECT_EQ(frame[130], 0x80);
    EXPECT_EQ(frame[131], 0x03);

    Bytes ramp(128);
    for (size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<uint8_t>(i);
    port_->replies.push_back({0x02, 0x00, 0x00, 0x03});
    EXPECT_EQ(channel_->WriteBlock(ramp.data()), 1);
    EXPECT_EQ(port_->written[1][130], (127 * 128 / 2) % 256);
}

TEST_F(SerialChannel, FailedBlockGivesZeroAndIsReported)
{
    Build("[RS232C_OM]\nNGRepeatCount=2\nSndRevDelayTime=50\n");
    const Bytes block(128, 0x01);
    port_->replies = {{0x02, 0x00, 0x15, 0x03}, {0x02, 0x00, 0x15, 0x03}};
    EXPECT_EQ(channel_->WriteBlock(block.data()), 0);
    EXPECT_EQ(port_->written.size(), 2u);
    EXPECT_EQ(reports_.texts, std::vector<std::string>{"Extra Error(0x3).\r\n(4) 02 00 15 03"});
}

TEST_F(SerialChannel, NonsensicalSettingsStillSendEachRequestOnce)
{
    Build("[RS232C_OM]\nNGRepeatCount=0\nErrCmdDelayTime=-5\nSndRevDelayTime=-1\n");
    port_->refuseWrites = 1000;
    const uint8_t frame[6] = {0x02, 0x02, 0x44, 0x01, 0x09, 0x03};
    EXPECT_EQ(channel_->SendFrame(sizeof frame, frame), -1);
    uint8_t value = 0;
    EXPECT_EQ(channel_->ReadRegister(0x00, 0x10, 1, &value), 254);
    EXPECT_EQ(port_->written.size(), 2u);
    EXPECT_EQ(pauses_, std::vector<uint32_t>{0});
    EXPECT_EQ(polls_, 0);
}

TEST_F(SerialChannel, PortsAreClosedBeforeOpeningAnotherAndAtTheEnd)
{
    Build();
    SdkDevice device;
    EXPECT_TRUE(channel_->OpenPort(device, 1));
    EXPECT_EQ(port_->openedPort, 1);
    EXPECT_EQ(closes_, 1);
    EXPECT_FALSE(channel_->OpenPort(device, 2));
    EXPECT_EQ(port_->openedPort, 1);
    EXPECT_EQ(closes_, 2);
    channel_->ClosePort();
    EXPECT_FALSE(channel_->IsOpen());
    EXPECT_EQ(closes_, 2);
    EXPECT_TRUE(channel_->OpenPort(device, 0));
    channel_.reset();
    EXPECT_EQ(closes_, 3);
}

} // namespace
