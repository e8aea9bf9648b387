// The camera link against the simulated camera: connection, option board
// values through the serial bridge, the acquisition thread streaming real
// frames, and the context's settings at shutdown.
#include "SerialReports.h"
#include "TempDir.h"
#include "TestAddress.h"

#include "camera/AcquisitionThread.h"
#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "camera/FrameConverter.h"
#include "camera/FrameDisplayTarget.h"
#include "camera/OverlayRegistry.h"
#include "context/CameraContext.h"
#include "imaging/PixelFrameConverter.h"
#include "optionread/OptionBoardRead.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDiscovery.h"
#include "sim/SimCamera.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <sstream>
#include <thread>

namespace {

using namespace std::chrono_literals;

class CountingDisplay : public FrameDisplayTarget {
public:
    bool HasDisplayWindow() const override { return true; }
    int32_t InterpolationMethod() const override { return 3; }
    bool ShowImage(uint32_t, const uint8_t*, int32_t, int32_t) override
    {
        ++converted;
        return true;
    }
    bool ShowRawImage(uint32_t, int32_t, int32_t, const uint8_t*, size_t) override
    {
        ++raw;
        return true;
    }

    std::atomic<int> converted{0};
    std::atomic<int> raw{0};
};

// Sums the dropped counts that each displayed frame reports.
void SumDropped(QPainter&, uint8_t*, int32_t, int32_t, uint32_t, void* userData, const int32_t* dropped)
{
    *static_cast<int64_t*>(userData) += *dropped;
}

bool SetEnumeration(CameraConnection& camera, const std::string& name, const std::string& entry)
{
    auto* enumeration = dynamic_cast<SdkGenEnum*>(camera.Features()->Get(name));
    return enumeration && enumeration->SetValue(entry).IsOK();
}

class CameraIntegrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        options_.interfaceAddress = TestAddress();
        options_.colour = false;
        options_.width = 640;
        options_.height = 480;
        options_.deviceVersion = "3.25beta";
        options_.fps = 60.0;
        ASSERT_TRUE(sim_.Start(options_)) << sim_.ErrorText();
    }

    void Connect(CameraConnection& camera)
    {
        SdkDiscoveryRecord info;
        ASSERT_TRUE(SdkDiscoveryRecordFromAddress(TestAddress(), info));
        camera.GetSerial().SetReporter(&reporter_);
        ASSERT_EQ(camera.Connect(&info), 1);
        ReadOptionBoard(camera);
    }

    SimOptions options_;
    SimCamera sim_;
    FailOnSerialError reporter_;
};

TEST_F(CameraIntegrationTest, ConnectReadsGeometryAndOptionBoardValues)
{
    std::vector<uint8_t> info(12, 0);
    info[0] = 0x0C;  // gain scale kind 3: the kind is in register 158
    info[11] = 0x10; // five output pins
    sim_.WriteOptionRegisters(0, 0x80, 0, info);
    sim_.WriteOptionRegisters(0, 0x80, 158, {4});
    sim_.WriteOptionRegisters(0, 0x00, 50, {21});
    sim_.WriteOptionRegisters(0, 0x00, 94, {0x34, 0x12});
    sim_.WriteOptionRegisters(0, 0x80, 156, {0x04});

    CameraConnection camera;
    ASSERT_NO_FATAL_FAILURE(Connect(camera));
    EXPECT_EQ(camera.Identity().ipAddress, TestAddress());
    EXPECT_FALSE(camera.Identity().macAddress.empty());
    EXPECT_FALSE(camera.Identity().model.empty());

    EXPECT_EQ(camera.Identity().connectWidth, 640);
    EXPECT_EQ(camera.Identity().connectHeight, 480);
    EXPECT_EQ(camera.Identity().sensorWidth, 640);
    EXPECT_EQ(camera.Identity().sensorHeight, 480);
    int32_t min = 0, max = 0, increment = 0;
    ASSERT_TRUE(ReadIntRange(camera.Features(), "Width", min, max, increment));
    EXPECT_EQ(camera.Identity().widthMin, min);
    EXPECT_EQ(camera.Identity().widthIncrement, increment);
    EXPECT_GT(camera.Identity().heightIncrement, 0);

    EXPECT_EQ(camera.OptionBoard().optionFlagB, 1);
    EXPECT_EQ(camera.OptionBoard().gainScaleKind, 4);
    EXPECT_EQ(camera.OptionBoard().gainOffset1, 21);
    EXPECT_EQ(camera.OptionBoard().gainOffset2, 0x1234);
    EXPECT_EQ(camera.OptionBoard().optionFlagA, 2);
    EXPECT_DOUBLE_EQ(camera.OptionBoard().deviceVersion, 3.25);
    EXPECT_FALSE(camera.GetSerial().IsOpen());

    EXPECT_EQ(camera.Disconnect(), 1);
    EXPECT_FALSE(camera.GetDevice().IsConnected());
}

TEST_F(CameraIntegrationTest, AcquisitionThreadFeedsTheDisplayForTwoSeconds)
{
    CameraConnection camera;
    ASSERT_NO_FATAL_FAILURE(Connect(camera));
    camera.Acquisition().CreateOverlayRegistry();
    int64_t droppedAtDisplay = 0;
    camera.Acquisition().GetOverlayRegistry()->Add(SumDropped, &droppedAtDisplay);
    CountingDisplay display;
    PixelFrameConverter converter;

    ASSERT_TRUE(camera.Acquisition().StartThread(&display, converter));
    camera.Acquisition().StartAcquisition();
    std::this_thread::sleep_for(2s);
    camera.Acquisition().StopAcquisition();
    std::this_thread::sleep_for(200ms);
    const int32_t processed = camera.Acquisition().GetThread()->FrameCounter();
    camera.Acquisition().StopThread();

    const auto sent = static_cast<int64_t>(sim_.FramesSent());
    const int shown = display.converted;
    EXPECT_EQ(display.raw, 0);
    // About 60 frames a second arrive; at most one in 34 ms is shown, over
    // the two seconds and the 200 ms in which the thread still shows frames
    // that arrived before the stop (a slow, sanitized run gets there).
    EXPECT_GE(sent, 60);
    EXPECT_GE(shown, 30);
    EXPECT_LE(shown, (2000 + 200) / 34 + 1);
    EXPECT_GT(processed, shown);
    // Every frame received was either shown or counted as dropped by the
    // next shown one; only those after the last shown one go uncounted.
    const int64_t accounted = shown + droppedAtDisplay;
    EXPECT_LE(accounted, sent);
    EXPECT_GE(accounted, sent * 9 / 10);
}

TEST_F(CameraIntegrationTest, StopThreadReturnsQuicklyInTriggerModeWithoutATrigger)
{
    CameraConnection camera;
    ASSERT_NO_FATAL_FAILURE(Connect(camera));
    ASSERT_TRUE(SetEnumeration(camera, "TriggerMode", "On"));
    ASSERT_TRUE(SetEnumeration(camera, "TriggerSource", "Software"));
    CountingDisplay display;
    PixelFrameConverter converter;

    ASSERT_TRUE(camera.Acquisition().StartThread(&display, converter));
    camera.Acquisition().StartAcquisition();
    std::this_thread::sleep_for(300ms);
    const auto begin = std::chrono::steady_clock::now();
    camera.Acquisition().StopThread();
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 500ms);
    camera.Acquisition().StopAcquisition();
    EXPECT_EQ(display.raw + display.converted, 0);
}

TEST_F(CameraIntegrationTest, ContextRemembersTheFirstCamerasDrawingFile)
{
    TempDir dir;
    const std::string path = dir.file("lumivex.dat");
    std::string mac;
    {
        CameraContext context(path);
        CameraConnection* camera = context.AddCamera(std::make_unique<CameraConnection>());
        ASSERT_NE(camera, nullptr);
        ASSERT_NO_FATAL_FAILURE(Connect(*camera));
        mac = camera->Identity().macAddress;
        context.drawingManager->SetDrawingFileName("/tmp/shapes.drw");
    }
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    const std::string written = text.str();
    const size_t section = written.find("[" + mac + "]");
    ASSERT_NE(section, std::string::npos) << written;
    EXPECT_NE(written.find("DrawFileName=/tmp/shapes.drw", section), std::string::npos) << written;
}

} // namespace
