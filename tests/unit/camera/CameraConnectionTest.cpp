#include "CameraFakes.h"
#include "RegisterPort.h"
#include "SerialReports.h"
#include "TempDir.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "camera/PixelFormats.h"
#include "sdk/SdkSerialPort.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

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
    EXPECT_EQ(camera_->Identity().tapCount, 0);

    auto* taps =
        AddFake<FakeEnum>(Features(), "SensorDigitizationTaps", std::vector<SdkGenEnumEntry>{{"One", 1, true}});
    EXPECT_EQ(camera_->SelectDigitizationTaps(), 0);
    EXPECT_EQ(camera_->Identity().tapCount, 1);
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
    EXPECT_EQ(camera_->Identity().tapCount, 2);
    EXPECT_EQ(taps->current, 0u);

    format->current = 1;
    EXPECT_EQ(camera_->SelectDigitizationTaps(), 1);
    EXPECT_EQ(taps->current, 1u);
}

TEST_F(CameraConnectionTest, GeometryStopsAtTheFirstFeatureThatCannotBeRead)
{
    AddFake<FakeInteger>(Features(), "Width", 640, 16, 1280, 8);
    AddFake<FakeInteger>(Features(), "Height", 480, 4, 960, 2);
    AddFake<FakeInteger>(Features(), "SensorHeight", 960);
    EXPECT_FALSE(camera_->ReadGeometry());
    EXPECT_EQ(camera_->Identity().connectWidth, 640);
    EXPECT_EQ(camera_->Identity().connectHeight, 480);
    EXPECT_EQ(camera_->Identity().widthMin, 16);
    EXPECT_EQ(camera_->Identity().widthIncrement, 8);
    EXPECT_EQ(camera_->Identity().heightMin, 0);
    EXPECT_EQ(camera_->Identity().sensorHeight, 0);

    AddFake<FakeInteger>(Features(), "SensorWidth", 1280);
    EXPECT_TRUE(camera_->ReadGeometry());
    EXPECT_EQ(camera_->Identity().sensorWidth, 1280);
    EXPECT_EQ(camera_->Identity().heightMin, 4);
    EXPECT_EQ(camera_->Identity().heightIncrement, 2);
    EXPECT_EQ(camera_->Identity().sensorHeight, 960);
}

TEST_F(CameraConnectionTest, FeatureGettersGiveZeroForMissingFeatures)
{
    EXPECT_EQ(camera_->Width(), 0);
    EXPECT_EQ(camera_->PixelFormat(), 0u);
    EXPECT_EQ(FloatFeatureOrZero(camera_->Features(), "AcquisitionFrameRate"), 0.0);
    AddPixelFormat(kPixelBGR8Packed);
    AddFake<FakeInteger>(Features(), "DeviceOptionFlg", int64_t{0x100000001});
    AddFake<FakeFloat>(Features(), "AcquisitionFrameRate", 29.5, 1.0, 60.0);
    EXPECT_EQ(camera_->PixelFormat(), kPixelBGR8Packed);
    EXPECT_EQ(IntFeatureOrZero(camera_->Features(), "DeviceOptionFlg"), 1);
    EXPECT_EQ(FloatFeatureOrZero(camera_->Features(), "AcquisitionFrameRate"), 29.5);
}

} // namespace
