#pragma once

#include <chrono>
#include <cstdint>

class CameraContext;
class CDrawingManagement;
class FrameSinkList;
class SnapShotList;
struct FrameRequest;

// How long a snapshot waits for the acquisition thread to copy a frame.
inline constexpr std::chrono::milliseconds kSnapShotFrameTimeout{1000};

// What a snapshot is taken of: the camera's frame size and pixel format as
// its features give them now, and the sink list its frames come through.
struct SnapShotSource {
    int32_t width = 0;
    int32_t height = 0;
    uint32_t pixelFormat = 0;
    FrameSinkList* sinks = nullptr;
};

// Asks the source camera's acquisition thread for its next converted frame
// through the frame request and waits for it at most timeout; burns the
// drawings in when the drawing manager (may be null) has "Draw To Snap Shot"
// on; adds the frame to the list. False, with the list unchanged, when the
// size is unusable, the source has no sink list, memory is short, no frame of
// that size came in time or the list refused it.
bool CaptureSnapShot(const SnapShotSource& source, FrameRequest& request, const CDrawingManagement* drawing,
                     SnapShotList& list, std::chrono::milliseconds timeout = kSnapShotFrameTimeout);

// The snapshot command's work: a snapshot of the context's first camera into
// the context's list. False when the context has no camera or the capture
// failed; no message is shown.
bool TakeSnapShot(CameraContext& context);

// The context's snapshot list, made on first use with the context's
// thumbnail border and scale.
SnapShotList& SnapShotListOf(CameraContext& context);
