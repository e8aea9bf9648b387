#pragma once

#include "camera/RepaintTarget.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

// The waveform window's hand-off record: the acquisition thread copies the
// selected row of each displayed converted frame into the line buffer under
// the mutex.
struct WaveformRecord {
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
    bool colour = false;
    int32_t bitDepth = 8;
    // Row length × (3 for colour, 1 for grey) bytes; its size is the capacity.
    std::vector<uint8_t> lineBuffer;
    // The selected row; written by the user interface thread without the mutex.
    std::atomic<int32_t> lineNumber{0};
    std::mutex mutex;
    std::atomic<bool> active{false};
    RepaintTarget* window = nullptr;
    uint32_t cameraKey = 0;
};
