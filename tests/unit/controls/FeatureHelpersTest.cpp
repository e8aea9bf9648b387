// Helpers over the camera's features: enumerations by entry name, the
// transport-layer lock around timer writes, the pulse timing arithmetic, and
// the features window's tree and integer fitting.
#include "CameraFakes.h"

#include "camerasettings/EnumFeatures.h"
#include "camerasettings/PulseTiming.h"
#include "camerasettings/ScopedParamsUnlock.h"
#include "controls/FeatureTree.h"

#include <gtest/gtest.h>

namespace {

std::vector<SdkGenEnumEntry> ExposureModes()
{
    return {{"Off", 0, true}, {"Timed", 1, true}, {"TriggerWidth", 2, false}};
}

} // namespace

TEST(EnumFeatures, EntriesByNameAndIndex)
{
    SdkGenParameterArray features;
    FakeEnum* mode = AddFake<FakeEnum>(features, "ExposureMode", ExposureModes(), 1);
    AddFake<FakeInteger>(features, "Width", 640);

    std::vector<SdkGenEnumEntry> entries;
    ASSERT_TRUE(ReadEnumEntries(&features, "ExposureMode", entries));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].GetName(), "TriggerWidth");
    EXPECT_FALSE(entries[2].IsAvailable());

    EXPECT_TRUE(HasEnumEntry(&features, "ExposureMode", "Off"));
    EXPECT_FALSE(HasEnumEntry(&features, "ExposureMode", "off"));
    EXPECT_TRUE(WriteEnumEntry(&features, "ExposureMode", "Off"));
    EXPECT_EQ(mode->current, 0u);
    EXPECT_FALSE(WriteEnumEntry(&features, "ExposureMode", "Bulb"));
    EXPECT_EQ(mode->current, 0u);
}

TEST(EnumFeatures, OtherTypesAndMissingFeaturesFail)
{
    SdkGenParameterArray features;
    AddFake<FakeInteger>(features, "Width", 640);
    std::vector<SdkGenEnumEntry> entries;
    EXPECT_FALSE(ReadEnumEntries(&features, "Width", entries));
    EXPECT_FALSE(ReadEnumEntries(&features, "Missing", entries));
    EXPECT_FALSE(ReadEnumEntries(nullptr, "Width", entries));
    EXPECT_FALSE(WriteEnumEntry(&features, "Width", "Off"));
    EXPECT_FALSE(HasEnumEntry(nullptr, "ExposureMode", "Off"));
}

TEST(ScopedParamsUnlock, ReleasesASetLockForItsScopeOnly)
{
    SdkGenParameterArray features;
    FakeInteger* lock = AddFake<FakeInteger>(features, "TLParamsLocked", 1, 0, 1);
    {
        ScopedParamsUnlock unlock(&features);
        EXPECT_EQ(lock->value, 0);
    }
    EXPECT_EQ(lock->value, 1);
    EXPECT_EQ(lock->writes, (std::vector<int64_t>{0, 1}));
}

TEST(ScopedParamsUnlock, LeavesAClearOrMissingLockAlone)
{
    SdkGenParameterArray features;
    FakeInteger* lock = AddFake<FakeInteger>(features, "TLParamsLocked", 0, 0, 1);
    {
        ScopedParamsUnlock unlock(&features);
    }
    EXPECT_TRUE(lock->writes.empty());

    SdkGenParameterArray none;
    {
        ScopedParamsUnlock unlock(&none);
    }
    {
        ScopedParamsUnlock unlock(nullptr);
    }
}

TEST(ScopedParamsUnlock, RelocksOnlyWhatItUnlocked)
{
    SdkGenParameterArray features;
    FakeInteger* lock = AddFake<FakeInteger>(features, "TLParamsLocked", 1, 0, 1);
    lock->failWrite = true;
    {
        ScopedParamsUnlock unlock(&features);
    }
    EXPECT_TRUE(lock->writes.empty());
    EXPECT_EQ(lock->value, 1);
}

TEST(PulseTiming, TicksOfThirtyMicroseconds)
{
    const PulseTiming timing{1, 1};
    EXPECT_EQ(timing.Period(), 3);
    EXPECT_EQ(timing.IntervalUs(), 90);
    EXPECT_EQ(timing.WidthUs(), 30);
    // 3000 us typed with a duration of 9: 100 ticks less 9 less 1.
    EXPECT_EQ(DelayForIntervalUs(3000, 9), 90);
    EXPECT_EQ(DurationForWidthUs(3000), 100);
    EXPECT_EQ(DurationForWidthUs(59), 1);
    // A wider pulse takes its ticks from the delay.
    EXPECT_EQ(DelayKeepingPeriod(PulseTiming{1, 8}.Period(), 4), 5);
    // A camera's counts at the ends of the int range saturate.
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ((PulseTiming{kMax, kMax}.IntervalUs()), kMax);
    EXPECT_EQ((PulseTiming{-kMax, -kMax}.Period()), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(DelayKeepingPeriod(std::numeric_limits<int32_t>::min(), kMax), std::numeric_limits<int32_t>::min());
}

TEST(FeatureTree, IntegersFitTheRangeAndStep)
{
    struct Case {
        int64_t value, min, max, increment;
        IntegerFit fit;
    };
    const Case cases[] = {
        {100, 32, 640, 8, {104, false, true}}, // nearest step above min
        {99, 32, 640, 8, {96, false, true}},
        {1000, 32, 640, 8, {640, true, false}}, // clamped to the maximum
        {0, 32, 640, 8, {32, true, false}},
        {39, 32, 39, 8, {32, false, true}},  // the step past max is not taken
        {-7, -10, 10, 4, {-6, false, true}}, // steps count from a negative min
        {5, 0, 10, 0, {5, false, false}},    // an increment below 1 counts as 1
        {INT64_MAX, INT64_MIN, INT64_MAX, 1, {INT64_MAX, false, false}},
    };
    for (const Case& c : cases) {
        const IntegerFit fit = FitInteger(c.value, c.min, c.max, c.increment);
        EXPECT_EQ(fit.value, c.fit.value) << c.value;
        EXPECT_EQ(fit.clamped, c.fit.clamped) << c.value;
        EXPECT_EQ(fit.rounded, c.fit.rounded) << c.value;
    }
}

TEST(FeatureTree, CategoriesFromRootWithTheRestUnderOther)
{
    SdkGenParameterArray features;
    for (const char* name : {"Width", "Height", "Gain", "Loose"})
        AddFake<FakeInteger>(features, name, 1);
    // Image lists itself through Inner; Empty and a member the camera lacks are left out.
    const std::vector<SdkFeatureCategory> categories = {
        {"Root", {"Image", "Analog", "Empty"}},
        {"Image", {"Width", "Inner", "Missing"}},
        {"Inner", {"Height", "Image"}},
        {"Analog", {"Gain", "Width"}},
        {"Empty", {"Missing"}},
    };
    const FeatureTreeNode root = BuildFeatureTree(categories, features);
    auto names = [](const FeatureTreeNode& node) {
        std::vector<std::string> list;
        for (const FeatureTreeNode& child : node.children)
            list.push_back(child.name);
        return list;
    };
    ASSERT_EQ(names(root), (std::vector<std::string>{"Image", "Analog", "Other"}));
    EXPECT_EQ(names(root.children[0]), (std::vector<std::string>{"Width", "Inner"}));
    EXPECT_EQ(names(root.children[0].children[1]), (std::vector<std::string>{"Height"}));
    EXPECT_EQ(names(root.children[1]), (std::vector<std::string>{"Gain"}));
    EXPECT_EQ(names(root.children[2]), (std::vector<std::string>{"Loose"}));

    // Without categories every feature is a child of the root.
    EXPECT_EQ(names(BuildFeatureTree({}, features)), (std::vector<std::string>{"Width", "Height", "Gain", "Loose"}));
}
