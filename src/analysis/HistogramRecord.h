#pragma once

#include "camera/FrameSink.h"
#include "camera/RepaintTarget.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

// The histogram window's record, a sink of the camera the window is opened
// for: its acquisition thread recounts the area of each shown frame under the
// mutex, then outlines the area on the frame.
struct HistogramRecord : public FrameSink {
    static constexpr int kBinCount = 4096;
    static constexpr int kChannelCount = 3;

    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
    bool colour = false;
    // 8, 10 or 12: the bins a grey sample is counted in span 2^bitDepth.
    int32_t bitDepth = 8;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    std::array<std::array<uint32_t, kBinCount>, kChannelCount> counts{};
    mutable std::mutex mutex;
    std::atomic<bool> active{false};
    RepaintTarget* window = nullptr;

    // Shown frames while active with a window.
    bool WantsFrame(bool shown) const override;
    // Counts only frames of the size and kind the window was opened for:
    // colour ones from the converted image, grey ones from the raw buffer.
    void TakeFrame(const SinkFrame& frame) override;
    // Outlines the area of a counted frame.
    void Paint(QPainter& painter, const SinkFrame& frame) override;

    // The following are called with the mutex held.

    // True when the area lies inside a frame of that size.
    bool AreaInside(int32_t frameWidth, int32_t frameHeight) const;
    // Counts the pixels of a converted colour frame (packed BGR rows of
    // frameWidth pixels) with left <= x <= right and top <= y <= bottom into
    // tables 0, 1 and 2 by their blue, green and red bytes.
    void CountColour(const uint8_t* bgr, int32_t frameWidth);
    // Counts the raw grey samples with left <= x < right and top <= y < bottom
    // into table 0. The area is where the user sees it: on the converted frame
    // after mirroring by mirrorMode (1 rows reversed, 2 row order reversed, 3
    // both), so it is mirrored back onto the raw frame of frameWidth x
    // frameHeight before counting. Each sample is unpacked from its format and
    // scaled to bitDepth bits, so no bin outside the table is ever touched.
    // False, with the table untouched, for a format that is not grey or a
    // buffer too short for the area.
    bool CountGrey(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int32_t frameWidth, int32_t frameHeight,
                   int32_t mirrorMode);

private:
    // The area counted in the frame in hand, outlined when it is painted;
    // acquisition thread only.
    bool counted_ = false;
    std::array<int32_t, 4> outline_{};
};
