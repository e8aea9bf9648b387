#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// The software trigger's pulse train, made by the camera's Timer1: a pulse of
// `duration` ticks after `delay` ticks, repeating every period = delay +
// duration + 1 ticks. The trigger page shows the pulse width and the interval
// in microseconds, one tick being 30 us (TimerGranularityFactor 999).
inline constexpr int32_t kTimerTickUs = 30;
inline constexpr int32_t kTimerGranularityFactor = 999;

// The camera may give any 32-bit counts: the arithmetic is 64-bit and its
// results saturate.
inline int32_t SaturatedTiming(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

struct PulseTiming {
    int32_t duration = 1;
    int32_t delay = 1;

    int32_t Period() const { return SaturatedTiming(int64_t{delay} + duration + 1); }
    int32_t WidthUs() const { return SaturatedTiming(int64_t{duration} * kTimerTickUs); }
    int32_t IntervalUs() const { return SaturatedTiming((int64_t{delay} + duration + 1) * kTimerTickUs); }
};

// The delay that keeps the period when the duration becomes newDuration.
inline int32_t DelayKeepingPeriod(int32_t period, int32_t newDuration)
{
    return SaturatedTiming(int64_t{period} - newDuration - 1);
}

// The duration for a typed pulse width in microseconds.
inline int32_t DurationForWidthUs(int32_t widthUs)
{
    return widthUs / kTimerTickUs;
}

// The delay that gives a typed interval in microseconds with the duration.
inline int32_t DelayForIntervalUs(int32_t intervalUs, int32_t duration)
{
    return SaturatedTiming(int64_t{intervalUs / kTimerTickUs} - duration - 1);
}
