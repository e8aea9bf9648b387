#pragma once

#include "camera/FrameRecorder.h"
#include "camera/RecordingStarter.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

// The movie recording hand-off between the recording control (user interface
// thread) and the acquisition thread of the recorded camera. The recursive
// mutex guards the writer and every field below it; the thread re-enters it
// when it starts the next numbered file.
struct RecorderSlot {
    static constexpr int32_t kDefaultQuality = 75;

    std::unique_ptr<FrameRecorder> writer;
    int32_t quality = kDefaultQuality;
    // Read without the mutex to find consumers, checked again under it.
    std::atomic<bool> active{false};
    std::recursive_mutex mutex;
    std::atomic<uint32_t> cameraKey{0};
    // Numbered files after the first (0 = one file) and the index of the
    // current one; the next file gets index + 1.
    int32_t fileCount = 0;
    int32_t fileIndex = 0;
    // What the next numbered file is started with, and who starts it; without
    // a starter no further file is started.
    std::string baseFileName;
    uint32_t compressor = 0;
    uint32_t plannedFrames = 0;
    RecordingStarter* starter = nullptr;
};
