#pragma once

#include "camera/FrameRecorder.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

// The movie recording hand-off between the recording control (user interface
// thread) and the acquisition thread of the recorded camera. The mutex guards
// the writer and the quality; the thread holds it while it feeds a frame.
struct RecorderSlot {
    static constexpr int32_t kDefaultQuality = 75;

    std::unique_ptr<FrameRecorder> writer;
    int32_t quality = kDefaultQuality;
    // Read without the mutex to find consumers, checked again under it.
    std::atomic<bool> active{false};
    std::mutex mutex;
    std::atomic<uint32_t> cameraKey{0};
};
