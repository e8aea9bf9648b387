#pragma once

#include "camera/FrameSink.h"

#include <memory>

class FrameConverter;
class FrameDisplayTarget;
class OverlayRegistry;
class SdkDevice;
class SdkPipeline;
class SdkStream;
class AcquisitionThread;
struct DisplaySettings;

// One connected camera's acquisition: the camera side (starting and stopping
// it), the acquisition thread, and the consumers of its frames — the sink
// list and the overlay registry on it. The connection owns it and outlives
// it. All operations run on the user interface thread.
class CameraAcquisition {
public:
    // device, stream and pipeline belong to the connection.
    CameraAcquisition(SdkDevice& device, SdkStream& stream, SdkPipeline& pipeline);
    // Stops the thread.
    ~CameraAcquisition();
    CameraAcquisition(const CameraAcquisition&) = delete;
    CameraAcquisition& operator=(const CameraAcquisition&) = delete;

    // Camera side. A camera without AcquisitionMode is started as
    // continuous; missing AcquisitionStart, AcquisitionStop, TLParamsLocked
    // or stream Reset are skipped.
    void StartAcquisition();
    void StopAcquisition();
    // Thread side: builds and starts the acquisition thread showing into
    // display and feeding the sinks, then starts the pipeline. False when a
    // thread exists already or cannot start. converter must outlive the thread.
    bool StartThread(FrameDisplayTarget* display, const FrameConverter& converter);
    // Stops and deletes the thread, then stops the pipeline if it is started.
    void StopThread();
    AcquisitionThread* GetThread() const { return thread_.get(); }

    // The registry is one of the sinks, painting over the markers.
    void CreateOverlayRegistry();
    void DestroyOverlayRegistry();
    OverlayRegistry* GetOverlayRegistry() const { return overlays_.get(); }
    // The consumers of the camera's frames. Shared so that an owner may
    // still take its sink out after the camera is gone.
    const std::shared_ptr<FrameSinkList>& FrameSinks() const { return sinks_; }
    // The mirror mode and deep grey view the thread converts with (null:
    // none); they must outlive the thread.
    void SetDisplaySettings(DisplaySettings* settings) { displaySettings_ = settings; }

private:
    // The pipeline's buffers fit the camera's PayloadSize, rounded up to 32 bytes.
    void SizeBuffersToPayload();

    SdkDevice& device_;
    SdkStream& stream_;
    SdkPipeline& pipeline_;
    std::unique_ptr<OverlayRegistry> overlays_;
    std::shared_ptr<FrameSinkList> sinks_ = std::make_shared<FrameSinkList>();
    DisplaySettings* displaySettings_ = nullptr;
    // Last: it stops before what it reads goes.
    std::unique_ptr<AcquisitionThread> thread_;
};
