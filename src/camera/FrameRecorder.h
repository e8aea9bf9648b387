#pragma once

#include <cstddef>
#include <cstdint>

// A converted frame as the acquisition thread hands it on: packed rows, top
// to bottom, 8-bit grey (1 byte per pixel) or 24-bit BGR (3 bytes). Whoever
// copies it reads at most width × height × bytesPerPixel bytes.
struct FrameView {
    const uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bytesPerPixel = 0;
    // The frame as the camera sent it (null when not at hand), its format,
    // the camera's block id and timestamp, and the host's time of arrival.
    const uint8_t* raw = nullptr;
    size_t rawSize = 0;
    uint32_t pixelFormat = 0;
    uint64_t frameId = 0;
    uint64_t cameraTimestampNs = 0;
    uint64_t hostTimeNs = 0;
};

// The movie writer as the acquisition thread feeds it. The capture subsystem's
// AVI writers implement it; destroying the writer finalises its file.
class FrameRecorder {
public:
    virtual ~FrameRecorder() = default;
    // Adds one converted frame with the thread's frame counter as its number.
    // True when the recording is finished: its last file's planned frames are
    // reached, its size limit is hit, writing failed, or the frame is not of
    // the geometry the file was opened with (the frame is then not written).
    // A recorder of several files moves on to the next one by itself.
    virtual bool AddFrame(uint32_t frameNumber, const FrameView& frame) = 0;
};
