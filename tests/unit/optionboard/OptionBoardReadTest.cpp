// The option board values read at connect time over the serial channel.
#include "CameraFakes.h"
#include "RegisterPort.h"
#include "SerialReports.h"
#include "TempDir.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "optionread/OptionBoardRead.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class OptionBoardReadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No pause after a refused register read, and a short wait for a reply.
        std::ofstream(dir_.file("serial.ini")) << "[RS232C_OM]\nErrCmdDelayTime=0\nSndRevDelayTime=5\n";
        auto device = std::make_unique<FakeDevice>();
        device_ = device.get();
        auto port = std::make_unique<RegisterPort>();
        port_ = port.get();
        camera_ =
            std::make_unique<CameraConnection>(std::move(device), std::make_unique<FakePipeline>(),
                                               std::make_unique<CRS232C_OM>(dir_.file("serial.ini"), std::move(port)));
        camera_->GetSerial().SetReporter(&reporter_);
    }

    SdkGenParameterArray& Features() { return device_->features; }
    const OptionBoardValues& Values() const { return camera_->OptionBoard(); }

    TempDir dir_;
    CapturedReports reporter_;
    FakeDevice* device_ = nullptr;
    RegisterPort* port_ = nullptr;
    std::unique_ptr<CameraConnection> camera_;
};

TEST_F(OptionBoardReadTest, OptionInfoComesFromTheCameraRegisters)
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

    EXPECT_TRUE(ReadOptionBoard(*camera_));
    EXPECT_EQ(Values().optionFlagB, 1);
    EXPECT_EQ(Values().gainScaleKind, 4);
    EXPECT_EQ(Values().gainOffset1, 7);
    EXPECT_EQ(Values().gainOffset2, 0x1234);
    EXPECT_EQ(Values().optionFlagA, 3);
    EXPECT_EQ(Values().secondLineSource, 1);
    EXPECT_DOUBLE_EQ(Values().deviceVersion, 2.15);
    EXPECT_FALSE(camera_->GetSerial().IsOpen());
    EXPECT_TRUE(reporter_.texts.empty());
}

TEST_F(OptionBoardReadTest, FailedRegisterReadsKeepTheirDefaults)
{
    std::vector<uint8_t> info(12, 0);
    info[0] = 0x04; // gain scale kind 1
    port_->registers[{0x80, 0}] = info;
    port_->registers[{0x00, 50}] = {9};
    AddFake<FakeInteger>(Features(), "LineSourcePin2", 0, 0, 1, 1, SDK_VISIBILITY_INVISIBLE);

    EXPECT_FALSE(ReadOptionBoard(*camera_));
    EXPECT_EQ(Values().gainScaleKind, 1);
    EXPECT_EQ(Values().gainOffset1, 9);
    EXPECT_EQ(Values().gainOffset2, 0);
    EXPECT_EQ(Values().optionFlagA, 1);
    EXPECT_EQ(Values().secondLineSource, 0);
    EXPECT_DOUBLE_EQ(Values().deviceVersion, 2.0);
    EXPECT_EQ(port_->reads.size(), 4u);
    EXPECT_EQ(reporter_.texts.size(), 2u);
}

TEST_F(OptionBoardReadTest, WithoutASerialChannelNoRegisterIsRead)
{
    port_->openFails = true;
    AddFake<FakeString>(Features(), "DeviceVersion", "abc");
    EXPECT_TRUE(ReadOptionBoard(*camera_));
    EXPECT_TRUE(port_->reads.empty());
    EXPECT_TRUE(reporter_.texts.empty());
    EXPECT_EQ(Values().optionFlagA, 1);
    EXPECT_EQ(Values().gainScaleKind, 0);
    EXPECT_DOUBLE_EQ(Values().deviceVersion, 0.0);
}

TEST(DeviceVersion, LeadingNumberOfTheFirstSixCharacters)
{
    EXPECT_DOUBLE_EQ(ParseDeviceVersion("2.15abc"), 2.15);
    EXPECT_DOUBLE_EQ(ParseDeviceVersion("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDeviceVersion("3.141592"), 3.1415);
    EXPECT_DOUBLE_EQ(ParseDeviceVersion(" 1.5 build 7"), 1.5);
    EXPECT_DOUBLE_EQ(ParseDeviceVersion(""), 0.0);
}

} // namespace
