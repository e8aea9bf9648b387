#include "CameraFakes.h"
#include "SerialReports.h"
#include "TempDir.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/PixelFormats.h"
#include "sdk/SdkSerialPort.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <map>

namespace {

// A serial port whose far end answers register reads from a table; a read of
// a register not in the table is refused as busy.
class RegisterPort : public SdkSerialPort {
public:
    SdkResult Open(SdkDevice&, int) override
    {
        open_ = !openFails;
        return SdkResult(open_ ? SdkResult::OK : SdkResult::NOT_SUPPORTED);
    }
    SdkResult Close() override
    {
        open_ = false;
        return SdkResult(SdkResult::OK);
    }
    bool IsOpen() const override { return open_; }
    SdkResult Write(const uint8_t* data, uint32_t count, uint32_t* written) override
    {
        *written = count;
        const uint8_t bank = data[1] & 0x80;
        const uint8_t address = data[2];
        const uint8_t length = data[3];
        reads.push_back({bank, address});
        auto found = registers.find({bank, address});
        if (found == registers.end() || found->second.size() != length) {
            rx_.insert(rx_.end(), {0x02, 0x00, 0x07, 0x03});
        } else {
            rx_.push_back(0x02);
            rx_.push_back(length);
            rx_.insert(rx_.end(), found->second.begin(), found->second.end());
            rx_.push_back(0x03);
        }
        return SdkResult(SdkResult::OK);
    }
    SdkResult Read(uint8_t* data, uint32_t count, uint32_t* read, uint32_t) override
    {
        uint32_t copied = 0;
        while (copied < count && !rx_.empty()) {
            data[copied++] = rx_.front();
            rx_.pop_front();
        }
        *read = copied;
        return SdkResult(copied == count ? SdkResult::OK : SdkResult::TIMEOUT);
    }
    SdkResult GetRxBytesReady(uint32_t* count) override
    {
        *count = static_cast<uint32_t>(rx_.size());
        return SdkResult(SdkResult::OK);
    }
    SdkResult FlushRxBuffer() override
    {
        rx_.clear();
        return SdkResult(SdkResult::OK);
    }

    bool openFails = false;
    std::map<std::pair<uint8_t, uint8_t>, std::vector<uint8_t>> registers;
    std::vector<std::pair<uint8_t, uint8_t>> reads;

private:
    bool open_ = false;
    std::deque<uint8_t> rx_;
};

class CameraConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No pause after a refused register read, and a short wait for a reply.
        std::ofstream(dir_.file("serial.ini")) << "[RS232C_OM]\nErrCmdDelayTime=0\nSndRevDelayTime=5\n";
        auto device = std::make_unique<FakeDevice>();
        device_ = device.get();
        auto pipeline = std::make_unique<FakePipeline>();
        pipeline_ = pipeline.get();
        auto port = std::make_unique<RegisterPort>();
        port_ = port.get();
        camera_ =
            std::make_unique<CameraConnection>(std::move(device), std::move(pipeline),
                                               std::make_unique<CRS232C_OM>(dir_.file("serial.ini"), std::move(port)));
        camera_->GetSerial().SetReporter(&reporter_);
    }

    SdkGenParameterArray& Features() { return device_->features; }

    FakeInteger* AddLock() { return AddFake<FakeInteger>(Features(), "TLParamsLocked", 0, 0, 1, 1); }
    FakeCommand* AddStart() { return AddFake<FakeCommand>(Features(), "AcquisitionStart"); }
    void AddMode(const std::string& mode)
    {
        AddFake<FakeEnum>(Features(), "AcquisitionMode", std::vector<SdkGenEnumEntry>{{mode, 0, true}});
    }
    void AddPixelFormat(uint32_t format)
    {
        AddFake<FakeEnum>(Features(), "PixelFormat", std::vector<SdkGenEnumEntry>{{"Format", format, true}});
    }

    TempDir dir_;
    CapturedReports reporter_;
    FakeDevice* device_ = nullptr;
    FakePipeline* pipeline_ = nullptr;
    RegisterPort* port_ = nullptr;
    std::unique_ptr<CameraConnection> camera_;
};

TEST_F(CameraConnectionTest, ContinuousAcquisitionKeepsParametersLockedUntilStopped)
{
    AddMode("Continuous");
    auto* lock = AddLock();
    auto* start = AddStart();
    auto* stop = AddFake<FakeCommand>(Features(), "AcquisitionStop");

    camera_->Acquisition().StartAcquisition();
    EXPECT_EQ(start->executed, 1);
    EXPECT_EQ(lock->value, 1);
    camera_->Acquisition().StopAcquisition();
    EXPECT_EQ(stop->executed, 1);
    EXPECT_EQ(lock->value, 0);
}

TEST_F(CameraConnectionTest, MultiFrameAcquisitionUnlocksRightAfterTheStart)
{
    AddMode("MultiFrame");
    auto* lock = AddLock();
    auto* start = AddStart();

    camera_->Acquisition().StartAcquisition();
    EXPECT_EQ(start->executed, 1);
    EXPECT_EQ(lock->writes, (std::vector<int64_t>{1, 0}));
}

TEST_F(CameraConnectionTest, OtherModesStartNothingAndMissingModeStartsContinuously)
{
    AddMode("Burst");
    auto* start = AddStart();
    camera_->Acquisition().StartAcquisition();
    EXPECT_EQ(start->executed, 0);

    SdkGenParameterArray& features = Features();
    features.Clear();
    auto* lock = AddLock();
    start = AddStart();
    camera_->Acquisition().StartAcquisition();
    EXPECT_EQ(start->executed, 1);
    EXPECT_EQ(lock->value, 1);
}

TEST_F(CameraConnectionTest, StopAcquisitionDoesNothingWhileDisconnected)
{
    auto* lock = AddLock();
    lock->value = 1;
    auto* stop = AddFake<FakeCommand>(Features(), "AcquisitionStop");
    device_->connected = false;
    camera_->Acquisition().StopAcquisition();
    EXPECT_EQ(stop->executed, 0);
    EXPECT_EQ(lock->value, 1);

    // Without AcquisitionStop the lock is still released.
    Features().Clear();
    lock = AddLock();
    lock->value = 1;
    device_->connected = true;
    camera_->Acquisition().StopAcquisition();
    EXPECT_EQ(lock->value, 0);
}

TEST_F(CameraConnectionTest, OneOrNoTapEntryKeepsTheSetting)
{
    EXPECT_EQ(camera_->SelectDigitizationTaps(), 0);
    EXPECT_EQ(camera_->GetTapCount(), 0);

    auto* taps =
        AddFake<FakeEnum>(Features(), "SensorDigitizationTaps", std::vector<SdkGenEnumEntry>{{"One", 1, true}});
    EXPECT_EQ(camera_->SelectDigitizationTaps(), 0);
    EXPECT_EQ(camera_->GetTapCount(), 1);
    EXPECT_EQ(taps->setCount, 0);
}

TEST_F(CameraConnectionTest, PackedRgbSelectsTheFirstTapEntryOtherFormatsTheSecond)
{
    auto* taps = AddFake<FakeEnum>(Features(), "SensorDigitizationTaps",
                                   std::vector<SdkGenEnumEntry>{{"One", 1, true}, {"Two", 2, true}}, 1);
    auto* format = AddFake<FakeEnum>(
        Features(), "PixelFormat",
        std::vector<SdkGenEnumEntry>{{"RGB8Packed", kPixelRGB8Packed, true}, {"Mono8", kPixelMono8, true}});

    EXPECT_EQ(camera_->SelectDigitizationTaps(), 1);
    EXPECT_EQ(camera_->GetTapCount(), 2);
    EXPECT_EQ(taps->current, 0u);

    format->current = 1;
    EXPECT_EQ(camera_->SelectDigitizationTaps(), 1);
    EXPECT_EQ(taps->current, 1u);
}

TEST(DeviceVersion, LeadingNumberOfTheFirstSixCharacters)
{
    EXPECT_DOUBLE_EQ(ParseDeviceVersion("2.15abc"), 2.15);
    EXPECT_DOUBLE_EQ(ParseDeviceVersion("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDeviceVersion("3.141592"), 3.1415);
    EXPECT_DOUBLE_EQ(ParseDeviceVersion(" 1.5 build 7"), 1.5);
    EXPECT_DOUBLE_EQ(ParseDeviceVersion(""), 0.0);
}

TEST_F(CameraConnectionTest, GeometryStopsAtTheFirstFeatureThatCannotBeRead)
{
    AddFake<FakeInteger>(Features(), "Width", 640, 16, 1280, 8);
    AddFake<FakeInteger>(Features(), "Height", 480, 4, 960, 2);
    AddFake<FakeInteger>(Features(), "SensorHeight", 960);
    EXPECT_FALSE(camera_->ReadGeometry());
    EXPECT_EQ(camera_->GetConnectWidth(), 640);
    EXPECT_EQ(camera_->GetConnectHeight(), 480);
    EXPECT_EQ(camera_->GetWidthMin(), 16);
    EXPECT_EQ(camera_->GetWidthIncrement(), 8);
    EXPECT_EQ(camera_->GetHeightMin(), 0);
    EXPECT_EQ(camera_->GetSensorHeight(), 0);

    AddFake<FakeInteger>(Features(), "SensorWidth", 1280);
    EXPECT_TRUE(camera_->ReadGeometry());
    EXPECT_EQ(camera_->GetSensorWidth(), 1280);
    EXPECT_EQ(camera_->GetHeightMin(), 4);
    EXPECT_EQ(camera_->GetHeightIncrement(), 2);
    EXPECT_EQ(camera_->GetSensorHeight(), 960);
}

TEST_F(CameraConnectionTest, FeatureGettersGiveZeroForMissingFeatures)
{
    EXPECT_EQ(camera_->Width(), 0);
    EXPECT_EQ(camera_->PixelFormat(), 0u);
    EXPECT_EQ(camera_->AcquisitionFrameRate(), 0.0);
    AddPixelFormat(kPixelBGR8Packed);
    AddFake<FakeInteger>(Features(), "DeviceOptionFlg", int64_t{0x100000001});
    AddFake<FakeFloat>(Features(), "AcquisitionFrameRate", 29.5, 1.0, 60.0);
    EXPECT_EQ(camera_->PixelFormat(), kPixelBGR8Packed);
    EXPECT_EQ(camera_->DeviceOptionFlg(), 1);
    EXPECT_EQ(camera_->AcquisitionFrameRate(), 29.5);
}

TEST_F(CameraConnectionTest, OptionInfoComesFromTheCameraRegisters)
{
    std::vector<uint8_t> info(12, 0);
    info[0] = 0x0C;  // gain scale kind 3: kept in register 158
    info[11] = 0x10; // five output pins
    port_->registers[{0x80, 0}] = info;
    port_->registers[{0x80, 158}] = {4};
    port_->registers[{0x00, 50}] = {7};
    port_->registers[{0x00, 94}] = {0x34, 0x12};
    port_->registers[{0x80, 156}] = {0x06};
    AddFake<FakeInteger>(Features(), "LineSourcePin2", 0, 0, 1, 1, SDK_VISIBILITY_EXPERT);
    AddFake<FakeString>(Features(), "DeviceVersion", "2.15abc");

    EXPECT_TRUE(camera_->ReadOptionInfo());
    EXPECT_EQ(camera_->GetOptionFlagB(), 1);
    EXPECT_EQ(camera_->GetGainScaleKind(), 4);
    EXPECT_EQ(camera_->GetGainOffset1(), 7);
    EXPECT_EQ(camera_->GetGainOffset2(), 0x1234);
    EXPECT_EQ(camera_->GetOptionFlagA(), 3);
    EXPECT_EQ(camera_->GetSecondLineSource(), 1);
    EXPECT_DOUBLE_EQ(camera_->GetDeviceVersion(), 2.15);
    EXPECT_FALSE(camera_->GetSerial().IsOpen());
    EXPECT_TRUE(reporter_.texts.empty());
}

TEST_F(CameraConnectionTest, FailedRegisterReadsKeepTheirDefaults)
{
    std::vector<uint8_t> info(12, 0);
    info[0] = 0x04; // gain scale kind 1
    port_->registers[{0x80, 0}] = info;
    port_->registers[{0x00, 50}] = {9};
    AddFake<FakeInteger>(Features(), "LineSourcePin2", 0, 0, 1, 1, SDK_VISIBILITY_INVISIBLE);

    EXPECT_FALSE(camera_->ReadOptionInfo());
    EXPECT_EQ(camera_->GetGainScaleKind(), 1);
    EXPECT_EQ(camera_->GetGainOffset1(), 9);
    EXPECT_EQ(camera_->GetGainOffset2(), 0);
    EXPECT_EQ(camera_->GetOptionFlagA(), 1);
    EXPECT_EQ(camera_->GetSecondLineSource(), 0);
    EXPECT_DOUBLE_EQ(camera_->GetDeviceVersion(), 2.0);
    EXPECT_EQ(port_->reads.size(), 4u);
    EXPECT_EQ(reporter_.texts.size(), 2u);
}

TEST_F(CameraConnectionTest, WithoutASerialChannelNoRegisterIsRead)
{
    port_->openFails = true;
    AddFake<FakeString>(Features(), "DeviceVersion", "abc");
    EXPECT_TRUE(camera_->ReadOptionInfo());
    EXPECT_TRUE(port_->reads.empty());
    EXPECT_TRUE(reporter_.texts.empty());
    EXPECT_EQ(camera_->GetOptionFlagA(), 1);
    EXPECT_EQ(camera_->GetGainScaleKind(), 0);
    EXPECT_DOUBLE_EQ(camera_->GetDeviceVersion(), 0.0);
}

} // namespace
