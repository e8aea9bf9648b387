#pragma once

#include <atomic>
#include <cstdint>

// The display settings pair kept by the camera context: the colour
// interpolation method, then the mirror mode. The acquisition threads read
// the mirror mode for every frame.
struct DisplaySettings {
    static constexpr int32_t kDefaultInterpolationMethod = 3;
    static constexpr int32_t kDefaultMirrorMode = 0;

    std::atomic<int32_t> interpolationMethod{kDefaultInterpolationMethod};
    std::atomic<int32_t> mirrorMode{kDefaultMirrorMode};
};
