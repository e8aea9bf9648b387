#pragma once

#include "camera/FrameRecorder.h"
#include "camera/FrameSink.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

// The movie recording hand-off between the recording control (user interface
// thread) and the acquisition thread of the recorded camera, on whose sink
// list the control puts it. The mutex guards the writer and the quality; the
// thread holds it while it feeds a frame.
struct RecorderSlot : public FrameSink {
    static constexpr int32_t kDefaultQuality = 75;

    std::unique_ptr<FrameRecorder> writer;
    int32_t quality = kDefaultQuality;
    // Read without the mutex to find consumers, checked again under it.
    std::atomic<bool> active{false};
    std::mutex mutex;

    // Every frame while recording.
    bool WantsFrame(bool shown) const override;
    // Feeds the writer; a finished recording's writer is deleted, which
    // finalises what it still holds, and the slot goes inactive.
    void TakeFrame(const SinkFrame& frame) override;
};
