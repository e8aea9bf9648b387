// Helpers over the camera's features: enumerations by entry name, the
// transport-layer lock around timer writes, and the pulse timing arithmetic.
#include "CameraFakes.h"

#include "controls/EnumFeatures.h"
#include "controls/PulseTiming.h"
#include "controls/ScopedParamsUnlock.h"

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
    { ScopedParamsUnlock unlock(&features); }
    EXPECT_TRUE(lock->writes.empty());

    SdkGenParameterArray none;
    { ScopedParamsUnlock unlock(&none); }
    { ScopedParamsUnlock unlock(nullptr); }
}

TEST(ScopedParamsUnlock, RelocksOnlyWhatItUnlocked)
{
    SdkGenParameterArray features;
    FakeInteger* lock = AddFake<FakeInteger>(features, "TLParamsLocked", 1, 0, 1);
    lock->failWrite = true;
    { ScopedParamsUnlock unlock(&features); }
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
}
