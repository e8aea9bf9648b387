#pragma once

#include "camera/FrameSink.h"
#include "camera/RepaintTarget.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

// The waveform window's record, a sink of the camera the window is opened
// for: its acquisition thread copies the selected row of each shown frame
// into the line buffer under the mutex, then marks the row on the frame.
struct WaveformRecord : public FrameSink {
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
    bool colour = false;
    int32_t bitDepth = 8;
    // Row length × (3 for colour, 1 for grey) bytes; its size is the capacity.
    std::vector<uint8_t> lineBuffer;
    // The selected row; written by the user interface thread without the mutex.
    std::atomic<int32_t> lineNumber{0};
    mutable std::mutex mutex;
    std::atomic<bool> active{false};
    RepaintTarget* window = nullptr;

    // Shown frames while active with a window and a line buffer.
    bool WantsFrame(bool shown) const override;
    // A frame of another width or kind than the window was opened for is
    // not copied, yet its row is marked.
    void TakeFrame(const SinkFrame& frame) override;
    void Paint(QPainter& painter, const SinkFrame& frame) override;

private:
    // The row of the frame in hand to mark, or -1; acquisition thread only.
    int32_t markedRow_ = -1;
};
