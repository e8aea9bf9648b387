#pragma once

#include "camera/DeepGreyTable.h"
#include "camera/DisplaySettings.h"
#include "camera/StreamStatistics.h"

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

class FrameConverter;
class FrameDisplayTarget;
class FrameImage;
class FrameSink;
class FrameSinkList;
class SdkBuffer;
class SdkDevice;
class SdkPipeline;

// Frames are displayed at most 30 times a second, one slot of this many
// microseconds each.
inline constexpr int64_t kDisplaySlotUs = 1000000 / 30;
// Longest wait for a buffer, so that a stop is seen even when the camera
// sends nothing (trigger mode, stopped acquisition, vanished camera).
inline constexpr uint32_t kBufferWaitMs = 100;
// Pause between checks while the device is disconnected.
inline constexpr int kDisconnectedPauseMs = 10;
// After this long without a frame the thread asks whether the camera still
// answers, waiting kAliveProbeWaitMs for each answer; kProbesBeforeLost
// unanswered questions in a row mean the camera is gone.
inline constexpr int64_t kSilenceBeforeProbeMs = 600;
inline constexpr int kAliveProbeWaitMs = 200;
inline constexpr int kProbesBeforeLost = 2;
// The pipeline's buffers are made anew at most this often for frames that do
// not fit them.
inline constexpr int64_t kResizeIntervalMs = 1000;
// The camera's stream channel settings are read again at most this often,
// and only while its frames arrive.
inline constexpr int64_t kChannelRereadMs = 10000;

// The camera's packet size and inter-packet delay on stream channel 0, as
// last read from its bootstrap registers (0 and -1 until read).
struct StreamChannelSettings {
    uint32_t packetSize = 0;
    int32_t packetDelay = -1;
};

// When frames are shown: a frame is due once the next display slot has come,
// and each frame shown moves the slot on by one thirtieth of a second, or to
// half a slot after the frame when the camera paused. A camera at 30 frames a
// second has every frame shown though each arrives up to half a slot early or
// late; a faster one is shown 30 times a second.
class DisplaySchedule {
public:
    bool IsDue(int64_t nowUs);

private:
    int64_t nextSlotUs_ = INT64_MIN;
};

// One previewing camera's acquisition thread. It takes the newest completed
// buffer from the pipeline (releasing older ones as dropped), converts it into
// the work image only when some sink of the camera's list wants the frame,
// hands it to those sinks, lets them paint on frames to be shown, and shows
// the frame at most every 34 ms or more; when nothing needs converted pixels
// the raw buffer goes to the display window as it is. The display stays
// outside the sink list: its schedule decides which frames the sinks paint.
class AcquisitionThread {
public:
    // display and displaySettings may be null (nothing is shown; frames are
    // neither mirrored nor viewed in depth); sinks, displaySettings and
    // converter must outlive the thread.
    AcquisitionThread(SdkDevice& device, SdkPipeline& pipeline, FrameSinkList& sinks, DisplaySettings* displaySettings,
                      FrameDisplayTarget* display, const FrameConverter& converter);
    virtual ~AcquisitionThread();
    AcquisitionThread(const AcquisitionThread&) = delete;
    AcquisitionThread& operator=(const AcquisitionThread&) = delete;

    // Starts the system thread, raised above normal priority where the
    // system permits it. False when it is running already or cannot start.
    bool Start();
    // Sets the stop flag and waits for the system thread to end.
    void Stop();
    bool IsRunning() const { return thread_.joinable(); }

    // Buffers processed since the thread started.
    int32_t FrameCounter() const { return frameCounter_; }
    int32_t ExitCode() const { return exitCode_; }
    // Frames and bytes received, shown and dropped since the thread was
    // built (the SDK's counts left at 0); read from any thread.
    StreamCounts FrameCounts() const;
    // The camera stopped sending and no longer answers; cleared by the next frame.
    bool CameraLost() const { return cameraLost_; }
    // Read by this thread while frames arrive: a read from the window could
    // hold it for the control channel's timeouts if the camera has just gone.
    StreamChannelSettings ChannelSettings() const { return {packetSize_.load(), packetDelay_.load()}; }

protected:
    // The run loop, until the stop flag is set; gives 0.
    virtual int32_t Run();

private:
    // Gives false when nothing was converted for the display, so that the
    // caller shows the raw buffer.
    bool ProcessFrame(const SdkBuffer& buffer, FrameImage& image, int32_t& droppedCount, bool displayDue);
    // Through the deep view where one is chosen for a deep grey frame, else the plain conversion.
    bool ConvertInto(const SdkBuffer& buffer, FrameImage& image, bool deepView, const DeepView& view);
    void CountReceived(const SdkBuffer& buffer);
    // Called when no frame came: asks a long-silent camera whether it is alive.
    void WatchSilence();
    // Reads the stream channel's packet size and delay when they are due.
    void ReadChannelSettings();
    // Called when a frame did not fit the pipeline's buffers.
    void ResizeBuffers();

    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int32_t> frameCounter_{0};
    std::atomic<int32_t> exitCode_{0};
    std::atomic<bool> cameraLost_{false};
    // When the camera last sent a frame or answered; unanswered questions since.
    int64_t lastSignOfLifeMs_ = 0;
    int unansweredProbes_ = 0;
    std::atomic<uint32_t> packetSize_{0};
    std::atomic<int32_t> packetDelay_{-1};
    int64_t channelReadMs_ = INT64_MIN;
    int64_t lastResizeMs_ = 0;
    std::atomic<uint64_t> receivedFrames_{0};
    std::atomic<uint64_t> receivedBytes_{0};
    std::atomic<uint64_t> shownFrames_{0};
    std::atomic<uint64_t> droppedFrames_{0};
    FrameDisplayTarget* display_;
    SdkDevice& device_;
    SdkPipeline& pipeline_;
    FrameSinkList& sinks_;
    DisplaySettings* displaySettings_;
    const FrameConverter& converter_;
    DeepGreyTable deepGrey_;
    // The sinks that want the frame in hand; kept to reuse its storage.
    std::vector<FrameSink*> wanting_;
};
