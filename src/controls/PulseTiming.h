#pragma once

#include <cstdint>

// The software trigger's pulse train, made by the camera's Timer1: a pulse of
// `duration` ticks after `delay` ticks, repeating every period = delay +
// duration + 1 ticks. The trigger page shows the pulse width and the interval
// in microseconds, one tick being 30 us (TimerGranularityFactor 999).
inline constexpr int32_t kTimerTickUs = 30;
inline constexpr int32_t kTimerGranularityFactor = 999;

struct PulseTiming {
    int32_t duration = 1;
    int32_t delay = 1;

    int32_t Period() const { return delay + duration + 1; }
    int32_t WidthUs() const { return duration * kTimerTickUs; }
    int32_t IntervalUs() const { return Period() * kTimerTickUs; }
};

// The delay that keeps the period when the duration becomes newDuration.
inline int32_t DelayKeepingPeriod(int32_t period, int32_t newDuration)
{
    return period - newDuration - 1;
}

// The duration for a typed pulse width in microseconds.
inline int32_t DurationForWidthUs(int32_t widthUs)
{
    return widthUs / kTimerTickUs;
}

// The delay that gives a typed interval in microseconds with the duration.
inline int32_t DelayForIntervalUs(int32_t intervalUs, int32_t duration)
{
    return intervalUs / kTimerTickUs - duration - 1;
}
