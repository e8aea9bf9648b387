#include "imaging/FrameRateMeter.h"

#include <numeric>

void FrameRateMeter::Reset()
{
    *this = FrameRateMeter();
}

FrameRateMeter::Reading FrameRateMeter::Record(int32_t dropped, uint32_t nowMs)
{
    const int32_t d = dropped > 0 ? dropped : 0;
    ++displayCount_;
    frameCount_ += static_cast<uint32_t>(d) + 1;

    droppedHistory_[droppedPosition_] = d;
    const int64_t droppedSum = std::accumulate(droppedHistory_.begin(), droppedHistory_.end(), int64_t{0});
    droppedPosition_ = (droppedPosition_ + 1) % kHistorySize;

    const uint32_t newest = nowMs;
    stamps_[stampPosition_] = nowMs;
    if (++stampPosition_ == kHistorySize) {
        stampPosition_ = 0;
        stampsFilled_ = true;
    }
    const uint32_t stampCount = stampsFilled_ ? kHistorySize : stampPosition_;
    const uint32_t oldest = stamps_[stampsFilled_ ? stampPosition_ : 0];

    Reading reading;
    reading.displayCount = displayCount_;
    reading.frameCount = frameCount_;
    if (stampCount < 2)
        return reading;
    reading.hasRate = true;
    // Unsigned, so that a wrap of the millisecond clock still gives the span.
    const uint32_t span = newest - oldest;
    if (span != 0) {
        reading.rate =
            static_cast<float>(static_cast<double>(stampCount + droppedSum - 1) * 1000.0 / static_cast<double>(span));
    }
    return reading;
}
