// The option board dialog's exchanges against the simulated option board,
// through the real serial bridge; the frames sent are recorded on their way.
#include "SerialReports.h"
#include "TempDir.h"
#include "TestAddress.h"

#include "camera/CRS232C_OM.h"
#include "optionboard/OptionBoardLink.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkSerialPort.h"
#include "sim/SimCamera.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kBusy = 0x07;

struct SentFrame {
    int port;
    Bytes bytes;
};

// The tunnelled port, recording every frame written and the port it went to.
class RecordingPort : public SdkSerialPort {
public:
    explicit RecordingPort(std::vector<SentFrame>& sent) : sent_(sent) {}

    SdkResult Open(SdkDevice& device, int port) override
    {
        port_ = port;
        return inner_.Open(device, port);
    }
    SdkResult Close() override { return inner_.Close(); }
    SdkResult Write(const uint8_t* data, uint32_t count, uint32_t* written) override
    {
        sent_.push_back({port_, Bytes(data, data + count)});
        return inner_.Write(data, count, written);
    }
    bool IsOpen() const override { return inner_.IsOpen(); }
    SdkResult Read(uint8_t* data, uint32_t count, uint32_t* read, uint32_t timeoutMs) override
    {
        return inner_.Read(data, count, read, timeoutMs);
    }
    SdkResult GetRxBytesReady(uint32_t* count) override { return inner_.GetRxBytesReady(count); }
    SdkResult FlushRxBuffer() override { return inner_.FlushRxBuffer(); }

private:
    SdkSerialPort inner_;
    std::vector<SentFrame>& sent_;
    int port_ = -1;
};

class OptionBoardLinkSim : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimOptions options;
        options.interfaceAddress = TestAddress();
        options.width = 160;
        options.height = 120;
        ASSERT_TRUE(sim_.Start(options)) << sim_.ErrorText();
        SdkDiscoveryRecord info;
        ASSERT_TRUE(SdkDiscoveryRecordFromAddress(TestAddress(), info));
        ASSERT_TRUE(device_.Connect(info).IsOK());
        const std::string settings = dir_.file("channel.ini");
        std::ofstream(settings) << "[RS232C_OM]\nReadDelayTime=300\nWriteDelayTime=300\nNGRepeatCount=2\n"
                                   "SndRevDelayTime=300\nErrCmdDelayTime=10\n";
        serial_ = std::make_unique<CRS232C_OM>(settings, std::make_unique<RecordingPort>(sent_));
        serial_->SetReporter(&reports_);
        link_ = std::make_unique<OptionBoardLink>(*serial_, device_);
    }

    // The state the board holds now, read back through a fresh read.
    OptionState ReadBack()
    {
        OptionState state;
        EXPECT_TRUE(link_->ReadState(state));
        return state;
    }

    TempDir dir_;
    SimCamera sim_;
    SdkDevice device_;
    std::vector<SentFrame> sent_;
    CapturedReports reports_;
    std::unique_ptr<CRS232C_OM> serial_;
    std::unique_ptr<OptionBoardLink> link_;
};

TEST_F(OptionBoardLinkSim, ReadsTheStateFromTheCameraRegisters)
{
    sim_.WriteOptionRegisters(0, 0x80, 192, {0x21, 0x15});
    sim_.WriteOptionRegisters(0, 0x80, 24, {0x01});
    sim_.WriteOptionRegisters(0, 0x80, 25, {0xFF});

    OptionState state;
    state.edgeLevel = 9;
    ASSERT_TRUE(link_->ReadState(state));
    EXPECT_EQ(state.dataToUserFpga, 1);
    EXPECT_EQ(state.dataFromUserFpga, 2);
    EXPECT_EQ(state.outputSource, (std::array<uint8_t, 5>{1, 0, 1, 0, 1}));
    EXPECT_EQ(state.jtagConnection, 1);
    EXPECT_EQ(state.userFpgaEnable, 1);
    EXPECT_EQ(state.edgeLevel, 9) << "user FPGA settings are never read";
    EXPECT_TRUE(reports_.texts.empty());
    ASSERT_FALSE(sent_.empty());
    EXPECT_EQ(sent_.front().bytes, (Bytes{0x02, 0x80, 192, 0x02, 0x01, 0x03}));
    EXPECT_TRUE(serial_->IsOpen()) << "the channel stays open on port 0";
}

TEST_F(OptionBoardLinkSim, AFailedReadStopsTheReadingAndKeepsWhatCameBefore)
{
    sim_.WriteOptionRegisters(0, 0x80, 192, {0x02, 0x00});
    sim_.WriteOptionRegisters(0, 0x80, 24, {0x01});
    sim_.WriteOptionRegisters(0, 0x80, 25, {0x01});
    sim_.AnswerNextRequests(0, kBusy, 1);

    OptionState state;
    state.dataToUserFpga = 1;
    EXPECT_FALSE(link_->ReadState(state));
    OptionState unchanged;
    unchanged.dataToUserFpga = 1;
    EXPECT_EQ(state, unchanged);
    EXPECT_EQ(sent_.size(), 1u) << "nothing read after the refusal";
    ASSERT_EQ(reports_.texts.size(), 1u);
    EXPECT_EQ(reports_.texts[0].rfind("Busy(0x07).", 0), 0u);
}

TEST_F(OptionBoardLinkSim, CameraRegisterWritesLandAndReadBack)
{
    OptionState wanted;
    wanted.dataToUserFpga = 2;
    wanted.dataFromUserFpga = 1;
    wanted.outputSource = {0, 1, 1, 0, 0};
    ASSERT_EQ(link_->WriteDataPath(wanted), 0);
    EXPECT_EQ(sent_.back().bytes, (Bytes{0x02, 0x82, 192, 0x02, 0x12, 0x06, 0x03})) << "low byte first";
    EXPECT_EQ(sim_.ReadOptionRegisters(0, 0x80, 192, 2), (Bytes{0x12, 0x06}));

    wanted.jtagConnection = 1;
    wanted.userFpgaEnable = 1;
    ASSERT_EQ(link_->WriteJtagConnection(wanted), 0);
    ASSERT_EQ(link_->WriteUserFpgaEnable(wanted), 0);
    EXPECT_EQ(sim_.ReadOptionRegisters(0, 0x80, 24, 2), (Bytes{0x01, 0x01}));
    EXPECT_EQ(ReadBack(), wanted);
    for (const SentFrame& frame : sent_)
        EXPECT_EQ(frame.port, 0);
    EXPECT_TRUE(reports_.texts.empty());
}

TEST_F(OptionBoardLinkSim, EdgeDetectionGoesToTheUserFpgaAsOneFrame)
{
    OptionState wanted;
    wanted.processingMode = 2;
    ASSERT_EQ(link_->WriteImageProcessing(wanted), 0);
    ASSERT_EQ(sent_.size(), 1u);
    EXPECT_EQ(sent_[0].port, 1);
    EXPECT_EQ(sent_[0].bytes, (Bytes{0x02, 0x02, 0x00, 0x05, 0x02, 0x00, 0x00, 0x00, 0x00, 0x03}));
    EXPECT_EQ(sim_.ReadOptionRegisters(1, 0x00, 0, 5), (Bytes{2, 0, 0, 0, 0}));

    // The channel is back on port 0: a camera register read works at once.
    EXPECT_TRUE(link_->ReadState(wanted));
    EXPECT_EQ(sent_.back().port, 0);
}

TEST_F(OptionBoardLinkSim, FrameMemoryAndOutputControlOnThePort1Addresses)
{
    OptionState wanted;
    wanted.stillImage = 1;
    wanted.zoomSlideShow = 1;
    wanted.outputControl = {0, 1, 0, 0, 1};
    ASSERT_EQ(link_->WriteFrameMemory(wanted), 0);
    ASSERT_EQ(link_->WriteOutputControl(wanted), 0);
    ASSERT_EQ(sent_.size(), 2u);
    EXPECT_EQ(sent_[0].bytes, (Bytes{0x02, 0x02, 0x07, 0x02, 0x01, 0x01, 0x03}));
    EXPECT_EQ(sent_[1].bytes, (Bytes{0x02, 0x02, 0x06, 0x01, 0x12, 0x03}));
    EXPECT_EQ(sim_.ReadOptionRegisters(1, 0x00, 6, 3), (Bytes{0x12, 0x01, 0x01}));
}

TEST_F(OptionBoardLinkSim, ARefusedWriteIsReportedAndChangesNothing)
{
    sim_.WriteOptionRegisters(0, 0x80, 192, {0x01, 0x00});
    sim_.AnswerNextRequests(0, kBusy, 1);
    OptionState wanted;
    wanted.dataToUserFpga = 2;
    EXPECT_EQ(link_->WriteDataPath(wanted), 0x8000) << "a busy acknowledgement";
    EXPECT_EQ(sim_.ReadOptionRegisters(0, 0x80, 192, 2), (Bytes{0x01, 0x00}));
    ASSERT_EQ(reports_.texts.size(), 1u);

    // A user FPGA refusal still returns the channel to port 0.
    sim_.AnswerNextRequests(1, kBusy, 1);
    EXPECT_EQ(link_->WriteImageProcessing(wanted), 0x8000);
    EXPECT_EQ(ReadBack().dataToUserFpga, 1);
    EXPECT_EQ(sent_.back().port, 0);
}

} // namespace
