// The serial channel and lumivex-cli serial against the simulated camera's
// option electronics, through the real serial bridge.
#include "SerialReports.h"
#include "TestAddress.h"

#include "TempDir.h"
#include "camera/CRS232C_OM.h"
#include "cli/CliCommand.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "sim/SimCamera.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>

// The handler of lumivex-cli serial (declared for lumivex-cli by its command
// table).
int CliSerial(CliContext& context);

namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr uint8_t kBusy = 0x07;

class SerialChannelSim : public ::testing::Test {
protected:
    void Start(bool optionBoard = true)
    {
        SimOptions options;
        options.interfaceAddress = TestAddress();
        options.width = 160;
        options.height = 120;
        options.optionBoard = optionBoard;
        ASSERT_TRUE(sim_.Start(options)) << sim_.ErrorText();
    }

    // The channel, on a connection of its own (lumivex-cli makes its own).
    // Without short waits it has the default settings.
    void Connect(bool shortWaits = true)
    {
        SdkDiscoveryRecord info;
        ASSERT_TRUE(SdkDiscoveryRecordFromAddress(TestAddress(), info));
        ASSERT_TRUE(device_.Connect(info).IsOK());
        // Short waits, so that the failures below take well under a second each.
        const std::string settings = dir_.file("channel.ini");
        if (shortWaits)
            std::ofstream(settings) << "[RS232C_OM]\nReadDelayTime=300\nWriteDelayTime=300\nNGRepeatCount=2\n"
                                       "SndRevDelayTime=300\nErrCmdDelayTime=50\n";
        channel_ = std::make_unique<CRS232C_OM>(settings);
        channel_->SetReporter(&reports_);
    }

    struct CliRun {
        int status;
        std::string out;
        std::string err;
    };

    CliRun Cli(std::vector<std::string> args)
    {
        std::ostringstream out;
        std::ostringstream err;
        args.insert(args.begin(), {"-c", TestAddress()});
        CliContext context{args, out, err};
        const int status = CliSerial(context);
        return {status, out.str(), err.str()};
    }

    TempDir dir_;
    SimCamera sim_;
    SdkDevice device_;
    std::unique_ptr<CRS232C_OM> channel_;
    CapturedReports reports_;
};

} // namespace

TEST_F(SerialChannelSim, RegistersRoundTripOnBothPorts)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_TRUE(channel_->OpenPort(device_, 0));
    const Bytes data{0x11, 0x22, 0x33};
    EXPECT_EQ(channel_->WriteRegister(0x80, 0x20, 3, data.data()), 0);
    EXPECT_EQ(sim_.ReadOptionRegisters(0, 0x80, 0x20, 3), data);
    Bytes back(3);
    EXPECT_EQ(channel_->ReadRegister(0x80, 0x20, 3, back.data()), 0);
    EXPECT_EQ(back, data);

    ASSERT_TRUE(channel_->OpenPort(device_, 1));
    sim_.WriteOptionRegisters(1, 0x00, 0x05, {0xA5});
    uint8_t value = 0;
    EXPECT_EQ(channel_->ReadRegister(0x00, 0x05, 1, &value), 0);
    EXPECT_EQ(value, 0xA5);
    EXPECT_TRUE(reports_.texts.empty());
}

TEST_F(SerialChannelSim, PortOneNeedsTheOptionBoard)
{
    ASSERT_NO_FATAL_FAILURE(Start(false));
    ASSERT_NO_FATAL_FAILURE(Connect());
    EXPECT_FALSE(channel_->OpenPort(device_, 1));
    EXPECT_TRUE(channel_->OpenPort(device_, 0));
    channel_->ClosePort();
    device_.Disconnect();
    const CliRun run = Cli({"--port", "1", "read", "0", "0", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("has no serial port 1"), std::string::npos) << run.err;
}

TEST_F(SerialChannelSim, ARefusedLongReadFailsAtOnceWithTheRefusal)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_TRUE(channel_->OpenPort(device_, 0));
    sim_.AnswerNextRequests(0, kBusy);
    Bytes buffer(16);
    const auto start = Clock::now();
    EXPECT_EQ(channel_->ReadRegister(0x00, 0x10, 16, buffer.data()), 0x8007);
    // Waiting for all 19 reply bytes would take the 300 polls and the 300 ms
    // read timeout.
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(450));
    EXPECT_EQ(reports_.texts, std::vector<std::string>{"Busy(0x07).\r\n(4) 02 00 07 03"});
}

TEST_F(SerialChannelSim, UnansweredAndUnsentRequestsAreReported)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_TRUE(channel_->OpenPort(device_, 0));
    sim_.IgnoreNextRequests(0);
    uint8_t value = 0;
    EXPECT_EQ(channel_->ReadRegister(0x00, 0x10, 1, &value), 4);

    sim_.RefuseWrites(0, true);
    EXPECT_EQ(channel_->WriteRegister(0x00, 0x10, 1, &value), 254);
    ASSERT_EQ(reports_.texts.size(), 2u);
    EXPECT_EQ(reports_.texts[0], "Not Recieve(PC).");
    EXPECT_EQ(reports_.texts[1], "Send Error(SerialPort)\r\n(Code=26)(WriteSize=0)\r\n(6) 02 02 10 01 00 03");
}

TEST_F(SerialChannelSim, BlocksUploadWithTheirChecksums)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_TRUE(channel_->OpenPort(device_, 0));
    const Bytes startFrame{0x02, 0xF2, 0x13, 0x02, 0x00, 0x03};
    const Bytes endFrame{0x02, 0xF0, 0x13, 0x02, 0x00, 0x03};
    Bytes first(128, 0xFF);
    Bytes second(128);
    for (size_t i = 0; i < second.size(); ++i)
        second[i] = static_cast<uint8_t>(i * 7);
    EXPECT_EQ(channel_->SendFrame(6, startFrame.data()), 0);
    EXPECT_EQ(channel_->WriteBlock(first.data()), 1);
    EXPECT_EQ(channel_->WriteBlock(second.data()), 1);
    EXPECT_EQ(channel_->SendFrame(6, endFrame.data()), 0);

    const std::vector<SimTableUpload> uploads = sim_.TableUploads();
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_TRUE(uploads[0].ended);
    EXPECT_EQ(uploads[0].blocks, 2);
    EXPECT_EQ(uploads[0].badChecksums, 0);
    Bytes both = first;
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_EQ(uploads[0].data, both);
    EXPECT_TRUE(reports_.texts.empty());
}

TEST_F(SerialChannelSim, CliWritesAndReadsRegisters)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    CliRun run = Cli({"--port", "1", "write", "0x80", "0x40", "0xde", "173", "0x01"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(sim_.ReadOptionRegisters(1, 0x80, 0x40, 3), (Bytes{0xDE, 0xAD, 0x01}));

    run = Cli({"--port=1", "read", "0x80", "0x40", "3"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "de ad 01\n");

    sim_.AnswerNextRequests(0, kBusy);
    run = Cli({"read", "0", "0x10", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "lumivex-cli: Busy(0x07).\n(4) 02 00 07 03\n");

    EXPECT_EQ(Cli({"read", "0x40", "0", "1"}).status, 2);
}

// With the default settings (10 attempts, 10 s reply waits, 1 s pauses) a
// board that never answers, or a port that takes nothing, gives up within
// about 2 s per operation.
TEST_F(SerialChannelSim, ASilentBoardGivesUpWithinTwoSecondsPerOperation)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(Connect(false));
    ASSERT_TRUE(channel_->OpenPort(device_, 1));
    struct Case {
        const char* what;
        bool refuseWrites;
        std::function<int()> run;
        int code;
        std::chrono::milliseconds limit;
    };
    uint8_t value = 0;
    const Bytes block(128, 0x01);
    const Case cases[] = {
        {"read", false, [&] { return channel_->ReadRegister(0x00, 0x10, 1, &value); }, 4,
         std::chrono::milliseconds(2300)},
        {"write", false, [&] { return channel_->WriteRegister(0x00, 0x10, 1, &value); }, 4,
         std::chrono::milliseconds(2300)},
        {"block", false, [&] { return channel_->WriteBlock(block.data()); }, 0, std::chrono::milliseconds(2300)},
        // One write may still wait out the port's 1 s for the bytes to be taken.
        {"read, port takes nothing", true, [&] { return channel_->ReadRegister(0x00, 0x10, 1, &value); }, 254,
         std::chrono::milliseconds(3300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim_.IgnoreNextRequests(1, 100);
        sim_.RefuseWrites(1, c.refuseWrites);
        const auto start = Clock::now();
        EXPECT_EQ(c.run(), c.code);
        EXPECT_LT(Clock::now() - start, c.limit);
    }
    EXPECT_EQ(reports_.texts.size(), std::size(cases));
}
