#include "SimControlTest.h"

#include "camera/CRS232C_OM.h"
#include "camera/FeatureAccess.h"
#include "optionread/OptionBoardRead.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkDiscoveryRecord.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

} // namespace

SimControlTest::SimControlTest() : camera_(std::make_unique<CameraConnection>())
{
    camera_->GetSerial().SetReporter(&failOnSerialError_);
}

void SimControlTest::StartCamera()
{
    options_.interfaceAddress = TestAddress();
    ASSERT_TRUE(sim_.Start(options_)) << sim_.ErrorText();
    SdkDiscoveryRecord info;
    ASSERT_TRUE(SdkDiscoveryRecordFromAddress(TestAddress(), info));
    ASSERT_EQ(camera_->Connect(&info), 1);
    ReadOptionBoard(*camera_);
    host_.camera = camera_.get();
}

void SimControlTest::Start(bool colour)
{
    options_.colour = colour;
    options_.width = kWidth;
    options_.height = kHeight;
    StartCamera();
}

void SimControlTest::TearDown()
{
    camera_.reset();
    sim_.Stop();
}

int32_t SimControlTest::Value(const char* feature)
{
    int32_t value = -1;
    EXPECT_TRUE(ReadFeatureValue(camera_->Features(), feature, value)) << feature;
    return value;
}
