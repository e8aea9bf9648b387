#pragma once

class CameraConnection;
struct DisplaySettings;

// What the control dialog and its pages need from the window that owns them
// (the main window implements it).
class ControlHost {
public:
    virtual ~ControlHost() = default;

    // The camera every page acts on: the first connected camera, or null when
    // none is connected.
    virtual CameraConnection* ControlCamera() = 0;

    // Stops the preview of every camera (acquisition, then the acquisition
    // thread and the pipeline) for a change the camera refuses while
    // streaming. Gives whether a preview was running and is now stopped.
    virtual bool StopPreview() = 0;
    // Starts the preview of every camera again after StopPreview stopped it:
    // the acquisition threads with their displays, then acquisition.
    virtual void StartPreview() = 0;
    // The user chose another colour interpolation method: the main display
    // converts with it from its next frame.
    virtual void SetDisplayInterpolation(int method) = 0;
    // Ends the movie recording in progress, finalising its file.
    virtual void CloseRecording() = 0;
    // Whether a movie is being recorded.
    virtual bool IsRecording() const = 0;
    // The interpolation and mirror settings every camera's frames are
    // converted with; null when the host keeps none.
    virtual DisplaySettings* Display() = 0;
};
