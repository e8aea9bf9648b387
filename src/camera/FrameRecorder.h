#pragma once

#include <cstdint>

// The movie writer as the acquisition thread feeds it. The capture subsystem's
// AVI writers implement it; destroying the writer finalises its file.
class FrameRecorder {
public:
    virtual ~FrameRecorder() = default;
    // Adds one converted frame (packed rows, 8-bit grey or 24-bit BGR) with
    // the thread's frame counter as its number. True when the file is
    // finished: its planned frames are reached or its size limit is hit.
    virtual bool AddFrame(uint32_t frameNumber, const uint8_t* pixels) = 0;
};
