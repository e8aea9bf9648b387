#pragma once

#include "camera/FrameSink.h"
#include "camera/ManualResetEvent.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

// A one-shot request for a copy of the next converted frame of one camera
// (snapshots). The user interface thread posts it on the camera's sink list
// and waits; that camera's acquisition thread copies the frame under the
// mutex and sets the completion event. A frame of another geometry sets the
// error flag and leaves the request pending.
struct FrameRequest : public FrameSink {
    ManualResetEvent completed;
    std::mutex mutex;
    uint8_t* buffer = nullptr;
    // The converted frame the buffer is made for: packed rows of width
    // pixels of bytesPerPixel bytes (1 grey, 3 colour).
    int32_t width = 0;
    int32_t height = 0;
    int32_t bytesPerPixel = 0;
    int32_t error = 0;
    // Low 32 bits of the copied frame's block id.
    uint32_t blockId = 0;
    // When set, also gets the frame's bytes as the camera sent them, with
    // their pixel format and the mirror mode the converted copy was made with.
    std::vector<uint8_t>* raw = nullptr;
    uint32_t rawPixelFormat = 0;
    int32_t rawMirror = 0;
    // 1 = copy the next frame. Read without the mutex to find consumers.
    std::atomic<int32_t> pending{0};

    // Poster: asks for the next frame of the camera whose sinks these are to
    // be copied into destination, which holds a frame of that geometry.
    void Post(FrameSinkList& sinks, uint8_t* destination, int32_t frameWidth, int32_t frameHeight,
              int32_t frameBytesPerPixel, std::vector<uint8_t>* rawDestination = nullptr);
    // Poster: waits at most timeout for the copy, then withdraws the request
    // so that the buffer is never written after this returns. True, with the
    // frame's block id, when a frame was copied.
    bool Finish(std::chrono::milliseconds timeout, uint32_t& copiedBlockId);

    // While pending, every frame.
    bool WantsFrame(bool shown) const override;
    void TakeFrame(const SinkFrame& frame) override;

private:
    FrameSinkList* postedTo_ = nullptr;
};
