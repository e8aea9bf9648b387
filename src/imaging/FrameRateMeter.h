#pragma once

#include <array>
#include <cstdint>

// Statistics of the FPS overlay: counts displayed frames and received frames
// (displayed ones plus those dropped before each), and estimates the received
// frame rate from the times of the last kHistorySize displayed frames.
class FrameRateMeter {
public:
    static constexpr uint32_t kHistorySize = 100;

    struct Reading {
        bool hasRate = false; // false until two frames have been stamped
        float rate = 0.0f;    // received frames per second
        uint32_t displayCount = 0;
        uint32_t frameCount = 0;
    };

    // Starts afresh: no frames, no stamps.
    void Reset();
    // Records one displayed frame, preceded by `dropped` frames that were
    // received but not displayed, at the millisecond clock value nowMs.
    Reading Record(int32_t dropped, uint32_t nowMs);

private:
    uint32_t displayCount_ = 0;
    uint32_t frameCount_ = 0;
    std::array<uint32_t, kHistorySize> stamps_{};
    uint32_t stampPosition_ = 0;
    bool stampsFilled_ = false;
    std::array<int32_t, kHistorySize> droppedHistory_{};
    uint32_t droppedPosition_ = 0;
};
