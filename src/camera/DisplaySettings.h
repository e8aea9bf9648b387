#pragma once

#include <atomic>
#include <cstdint>

// How grey samples wider than 8 bits (Mono10 to Mono16, packed or not) become
// the 8 bits shown: their top 8 bits; a window from a black point (0) to a
// white point (255) stretched over the 256 levels; or the 8 bits from a
// chosen bit upward.
enum DeepViewMode : int32_t {
    kDeepViewTopBits = 0,
    kDeepViewWindowLevel = 1,
    kDeepViewBitShift = 2,
};

struct DeepView {
    static constexpr int32_t kMaxSample = 65535;
    static constexpr int32_t kMaxBitShift = 8;

    int32_t mode = kDeepViewTopBits;
    // In the camera's own sample values.
    int32_t blackPoint = 0;
    int32_t whitePoint = 4095;
    // The window follows each frame: its 0.1 % and 99.9 % percentiles.
    bool autoLevels = false;
    int32_t bitShift = 4;

    bool operator==(const DeepView&) const = default;
};

// The display settings kept by the camera context: the colour interpolation
// method, the mirror mode and the view of deep grey samples. The acquisition
// threads read them for every frame.
struct DisplaySettings {
    static constexpr int32_t kDefaultInterpolationMethod = 3;
    static constexpr int32_t kDefaultMirrorMode = 0;

    std::atomic<int32_t> interpolationMethod{kDefaultInterpolationMethod};
    std::atomic<int32_t> mirrorMode{kDefaultMirrorMode};

    std::atomic<int32_t> deepViewMode{kDeepViewTopBits};
    std::atomic<int32_t> blackPoint{DeepView{}.blackPoint};
    std::atomic<int32_t> whitePoint{DeepView{}.whitePoint};
    std::atomic<bool> autoLevels{false};
    std::atomic<int32_t> bitShift{DeepView{}.bitShift};

    DeepView LoadDeepView() const
    {
        return {deepViewMode.load(), blackPoint.load(), whitePoint.load(), autoLevels.load(), bitShift.load()};
    }
    void StoreDeepView(const DeepView& view)
    {
        deepViewMode = view.mode;
        blackPoint = view.blackPoint;
        whitePoint = view.whitePoint;
        autoLevels = view.autoLevels;
        bitShift = view.bitShift;
    }
};
