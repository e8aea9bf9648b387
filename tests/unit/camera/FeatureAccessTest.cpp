#include "CameraFakes.h"

#include "camera/FeatureAccess.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class FeatureAccessTest : public ::testing::Test {
protected:
    SdkGenParameterArray features;
};

TEST_F(FeatureAccessTest, ReadsIntegersEnumerationsAndBooleansAsLow32Bits)
{
    AddFake<FakeInteger>(features, "Big", int64_t{0x100000005});
    AddFake<FakeInteger>(features, "AllOnes", int64_t{0xFFFFFFFF});
    AddFake<FakeEnum>(features, "PixelFormat",
                      std::vector<SdkGenEnumEntry>{{"Mono8", 0x01080001, true}, {"BGR8Packed", 0x02180015, true}}, 1);
    AddFake<FakeBoolean>(features, "Flag", true);

    int32_t value = 0;
    ASSERT_TRUE(ReadFeatureValue(&features, "Big", value));
    EXPECT_EQ(value, 5);
    ASSERT_TRUE(ReadFeatureValue(&features, "AllOnes", value));
    EXPECT_EQ(value, -1);
    ASSERT_TRUE(ReadFeatureValue(&features, "PixelFormat", value));
    EXPECT_EQ(value, 0x02180015);
    ASSERT_TRUE(ReadFeatureValue(&features, "Flag", value));
    EXPECT_EQ(value, 1);
}

TEST_F(FeatureAccessTest, MissingWrongTypeOrFailedFeatureGivesFailureAndKeepsOutputs)
{
    AddFake<FakeFloat>(features, "Gain", 1.5, 0.0, 10.0);
    AddFake<FakeInteger>(features, "Broken", 7)->failRead = true;
    AddFake<FakeCommand>(features, "AcquisitionStart");

    int32_t value = 42;
    EXPECT_FALSE(ReadFeatureValue(&features, "Missing", value));
    EXPECT_FALSE(ReadFeatureValue(&features, "Gain", value));
    EXPECT_FALSE(ReadFeatureValue(&features, "Broken", value));
    EXPECT_FALSE(ReadFeatureValue(nullptr, "Gain", value));
    EXPECT_EQ(value, 42);

    int32_t min = -1, max = -1, increment = -1;
    EXPECT_FALSE(ReadIntRange(&features, "Gain", min, max, increment));
    EXPECT_EQ(min, -1);
    double real = -1.0;
    EXPECT_FALSE(ReadFloatValue(&features, "Broken", real));
    EXPECT_EQ(real, -1.0);
    std::string text = "kept";
    EXPECT_FALSE(ReadFeatureText(&features, "Broken", text));
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(ExecuteCommand(&features, "Gain"));
    EXPECT_FALSE(WriteFeatureValue(&features, "AcquisitionStart", 1));
    EXPECT_FALSE(WriteFloatValue(&features, "Broken", 1.0));
}

TEST_F(FeatureAccessTest, WritesEachKindOnce)
{
    auto* width = AddFake<FakeInteger>(features, "Width", 640);
    auto* mode =
        AddFake<FakeEnum>(features, "TriggerMode", std::vector<SdkGenEnumEntry>{{"Off", 0, true}, {"On", 1, true}});
    auto* flag = AddFake<FakeBoolean>(features, "ReverseX", false);
    auto* command = AddFake<FakeCommand>(features, "UserSetLoad");

    EXPECT_TRUE(WriteFeatureValue(&features, "Width", 800));
    EXPECT_EQ(width->writes, std::vector<int64_t>{800});
    EXPECT_TRUE(WriteFeatureValue(&features, "TriggerMode", 1));
    EXPECT_EQ(mode->current, 1u);
    EXPECT_FALSE(WriteFeatureValue(&features, "TriggerMode", 5));
    EXPECT_TRUE(WriteFeatureValue(&features, "ReverseX", 7));
    EXPECT_TRUE(flag->value);
    EXPECT_TRUE(ExecuteCommand(&features, "UserSetLoad"));
    EXPECT_EQ(command->executed, 1);

    width->failWrite = true;
    EXPECT_FALSE(WriteFeatureValue(&features, "Width", 1024));
    EXPECT_EQ(width->value, 800);
}

TEST_F(FeatureAccessTest, ReadsRangesAndTexts)
{
    AddFake<FakeInteger>(features, "Height", 480, 2, 1200, 2);
    AddFake<FakeFloat>(features, "ExposureTime", 100.0, 10.0, 5000.0);
    AddFake<FakeEnum>(features, "AcquisitionMode", std::vector<SdkGenEnumEntry>{{"Continuous", 0, true}});
    AddFake<FakeString>(features, "DeviceVersion", "2.15abc");

    int32_t min = 0, max = 0, increment = 0;
    ASSERT_TRUE(ReadIntRange(&features, "Height", min, max, increment));
    EXPECT_EQ(min, 2);
    EXPECT_EQ(max, 1200);
    EXPECT_EQ(increment, 2);

    double floatMax = 0.0, floatMin = 0.0;
    ASSERT_TRUE(ReadFloatRange(&features, "ExposureTime", floatMax, floatMin));
    EXPECT_EQ(floatMax, 5000.0);
    EXPECT_EQ(floatMin, 10.0);

    std::string text;
    ASSERT_TRUE(ReadFeatureText(&features, "AcquisitionMode", text));
    EXPECT_EQ(text, "Continuous");
    ASSERT_TRUE(ReadFeatureText(&features, "DeviceVersion", text));
    EXPECT_EQ(text, "2.15abc");
    EXPECT_FALSE(ReadFeatureText(&features, "Height", text));
}

TEST_F(FeatureAccessTest, AvailabilityNeedsPresenceAndVisibility)
{
    AddFake<FakeInteger>(features, "Beginner", 0, 0, 1, 1, SDK_VISIBILITY_BEGINNER);
    AddFake<FakeInteger>(features, "Guru", 0, 0, 1, 1, SDK_VISIBILITY_GURU);
    AddFake<FakeInteger>(features, "Hidden", 0, 0, 1, 1, SDK_VISIBILITY_INVISIBLE);

    EXPECT_TRUE(IsFeatureAvailable(&features, "Beginner"));
    EXPECT_TRUE(IsFeatureAvailable(&features, "Guru"));
    EXPECT_FALSE(IsFeatureAvailable(&features, "Hidden"));
    EXPECT_FALSE(IsFeatureAvailable(&features, "Missing"));
    EXPECT_FALSE(IsFeatureAvailable(nullptr, "Beginner"));
}

// The value that lands in the feature after WriteIntClamped.
int64_t Clamped(int64_t min, int64_t max, int64_t increment, int32_t value)
{
    SdkGenParameterArray features;
    auto* feature = AddFake<FakeInteger>(features, "Offset", 0, min, max, increment);
    EXPECT_TRUE(WriteIntClamped(&features, "Offset", value));
    return feature->value;
}

TEST(WriteIntClamped, ClampsThenDropsTheRemainderCountedFromZero)
{
    EXPECT_EQ(Clamped(0, 1000, 4, 1005), 1000);
    EXPECT_EQ(Clamped(0, 1000, 4, 999), 996);
    EXPECT_EQ(Clamped(0, 1000, 4, -7), 0);
    // Multiples of the increment from zero, not from min.
    EXPECT_EQ(Clamped(2, 1000, 4, 7), 4);
    // Negative values move toward zero.
    EXPECT_EQ(Clamped(-1000, 1000, 4, -999), -996);
    EXPECT_EQ(Clamped(-1000, 1000, 4, -1005), -1000);
    // An increment below 1 counts as 1.
    EXPECT_EQ(Clamped(0, 1000, 0, 999), 999);
    EXPECT_EQ(Clamped(0, 1000, -4, 999), 999);
}

TEST(WriteIntClamped, WritesTheValueUnchangedWithoutARange)
{
    SdkGenParameterArray features;
    auto* feature = AddFake<FakeInteger>(features, "Offset", 0, 0, 1000, 4);
    feature->failRange = true;
    EXPECT_TRUE(WriteIntClamped(&features, "Offset", 1005));
    EXPECT_EQ(feature->value, 1005);

    AddFake<FakeEnum>(features, "Mode", std::vector<SdkGenEnumEntry>{{"Off", 0, true}, {"On", 1, true}});
    EXPECT_TRUE(WriteIntClamped(&features, "Mode", 1));
    EXPECT_FALSE(WriteIntClamped(&features, "Missing", 1));
}

TEST(WriteFloatClamped, ClampsWhenTheRangeCanBeRead)
{
    SdkGenParameterArray features;
    auto* gain = AddFake<FakeFloat>(features, "Gain", 0.0, 0.0, 24.0);
    EXPECT_TRUE(WriteFloatClamped(&features, "Gain", 30.0));
    EXPECT_EQ(gain->value, 24.0);
    EXPECT_TRUE(WriteFloatClamped(&features, "Gain", -1.0));
    EXPECT_EQ(gain->value, 0.0);
    gain->failRange = true;
    EXPECT_TRUE(WriteFloatClamped(&features, "Gain", 30.0));
    EXPECT_EQ(gain->value, 30.0);
}

// What a camera's out-of-the-ordinary numbers become: ranges saturate, an
// empty range or a float that is not finite is neither read nor written, and
// an enumeration entry with bit 31 set is written by its low 32 bits.
TEST(FeatureAccess, HostileNumbers)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    SdkGenParameterArray features;
    AddFake<FakeInteger>(features, "Wide", 0, std::numeric_limits<int64_t>::min(), int64_t{1} << 32, -3);
    auto* empty = AddFake<FakeInteger>(features, "Empty", 7, 10, 5);
    auto* gain = AddFake<FakeFloat>(features, "Gain", kNaN, 0.0, std::numeric_limits<double>::infinity());
    auto* inverted = AddFake<FakeFloat>(features, "Inverted", 3.0, 10.0, 5.0);
    auto* format =
        AddFake<FakeEnum>(features, "PixelFormat",
                          std::vector<SdkGenEnumEntry>{{"Mono8", 0x01080001, true}, {"Custom", 0x8000BEEF, true}});

    int32_t min = 0, max = 0, increment = 0;
    ASSERT_TRUE(ReadIntRange(&features, "Wide", min, max, increment));
    EXPECT_EQ(min, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(max, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(increment, 1);
    EXPECT_FALSE(WriteIntClamped(&features, "Empty", 8));
    EXPECT_TRUE(empty->writes.empty());

    double value = 1.0, floatMax = 0.0, floatMin = 0.0;
    EXPECT_FALSE(ReadFloatValue(&features, "Gain", value));
    EXPECT_FALSE(ReadFloatRange(&features, "Gain", floatMax, floatMin));
    EXPECT_FALSE(WriteFloatValue(&features, "Inverted", kNaN));
    EXPECT_FALSE(WriteFloatClamped(&features, "Inverted", 7.0));
    EXPECT_EQ(inverted->value, 3.0);
    EXPECT_TRUE(WriteFloatClamped(&features, "Gain", 1e308));
    EXPECT_EQ(gain->value, 1e308);

    int32_t code = 0;
    ASSERT_TRUE(WriteFeatureValue(&features, "PixelFormat", static_cast<int32_t>(0x8000BEEF)));
    ASSERT_TRUE(ReadFeatureValue(&features, "PixelFormat", code));
    EXPECT_EQ(format->current, 1u);
    EXPECT_EQ(code, static_cast<int32_t>(0x8000BEEF));
}

} // namespace
