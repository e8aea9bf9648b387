#include "imaging/FrameRateMeter.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameRateMeter, NeedsTwoStampsForARate)
{
    FrameRateMeter meter;
    const FrameRateMeter::Reading first = meter.Record(0, 5000);
    EXPECT_FALSE(first.hasRate);
    EXPECT_EQ(first.displayCount, 1u);
    EXPECT_EQ(first.frameCount, 1u);

    const FrameRateMeter::Reading second = meter.Record(0, 5100);
    EXPECT_TRUE(second.hasRate);
    EXPECT_FLOAT_EQ(second.rate, 10.0f);
}

TEST(FrameRateMeter, CountsDroppedFramesAsReceived)
{
    FrameRateMeter meter;
    meter.Record(0, 1000);
    meter.Record(0, 1100);
    const FrameRateMeter::Reading r = meter.Record(2, 1200);
    // Three stamps over 200 ms, two frames dropped in between: 4 intervals.
    EXPECT_FLOAT_EQ(r.rate, 20.0f);
    EXPECT_EQ(r.displayCount, 3u);
    EXPECT_EQ(r.frameCount, 5u);
    // A negative count is no count.
    EXPECT_EQ(meter.Record(-4, 1300).frameCount, 6u);
}

TEST(FrameRateMeter, KeepsTheLastHundredStampsAcrossAClockWrap)
{
    FrameRateMeter meter;
    uint32_t now = 0xFFFFFF00u;
    FrameRateMeter::Reading r;
    for (int i = 0; i < 250; ++i) {
        r = meter.Record(0, now);
        now += 10;
    }
    // 100 stamps, 10 ms apart: 99 intervals in 990 ms.
    EXPECT_NEAR(r.rate, 100.0f, 0.01f);
    EXPECT_EQ(r.displayCount, 250u);
}

TEST(FrameRateMeter, SameMillisecondGivesRateZeroAndResetStartsAfresh)
{
    FrameRateMeter meter;
    meter.Record(3, 700);
    const FrameRateMeter::Reading r = meter.Record(0, 700);
    EXPECT_TRUE(r.hasRate);
    EXPECT_FLOAT_EQ(r.rate, 0.0f);
    meter.Reset();
    const FrameRateMeter::Reading fresh = meter.Record(0, 900);
    EXPECT_FALSE(fresh.hasRate);
    EXPECT_EQ(fresh.displayCount, 1u);
    EXPECT_EQ(fresh.frameCount, 1u);
}

} // namespace
