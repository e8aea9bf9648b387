#pragma once

#include "camera/DisplaySettings.h"

#include <cstdint>
#include <utility>
#include <vector>

// The 8-bit value shown for each of the 65536 sample values under a deep view,
// rebuilt only when the window or the shift changes, so that a frame costs one
// look-up a pixel. One per acquisition thread: automatic levels follow that
// thread's camera.
class DeepGreyTable {
public:
    static constexpr int kValues = 65536;
    // Share of the samples, in parts per thousand, left below the automatic
    // black point and as many above the white point.
    static constexpr uint64_t kAutoClipPerMille = 1;

    // The view to show. Without automatic levels its black and white points
    // take effect at once; with them the points come from TakeAutoLevels.
    void SetView(const DeepView& view);
    const DeepView& View() const { return view_; }
    // Whether the view maps samples other than by their top 8 bits.
    bool Active() const { return view_.mode != kDeepViewTopBits; }

    // A zeroed histogram of kValues bins for the samples of a frame, then the
    // window of its percentiles; a histogram left empty keeps the window.
    uint32_t* ClearedHistogram();
    void TakeAutoLevels();

    // The window in effect (with automatic levels, the last one found).
    int32_t BlackPoint() const { return black_; }
    int32_t WhitePoint() const { return white_; }
    // kValues entries.
    const uint8_t* Values() const;

    // The black and white points that leave kAutoClipPerMille of the counted
    // samples below and above; (0, 1) for an empty histogram.
    static std::pair<int32_t, int32_t> PercentilePoints(const uint32_t* histogram, int bins);

private:
    void SetWindow(int32_t black, int32_t white);
    void Rebuild();

    DeepView view_;
    int32_t black_ = 0;
    int32_t white_ = 1;
    // What the table holds: mode, window and shift; invalid until first built.
    int32_t builtMode_ = -1;
    int32_t builtBlack_ = -1;
    int32_t builtWhite_ = -1;
    int32_t builtShift_ = -1;
    std::vector<uint8_t> values_;
    std::vector<uint32_t> histogram_;
};
