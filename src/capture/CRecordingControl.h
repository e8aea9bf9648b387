#pragma once

#include "camera/FrameSink.h"
#include "capture/FrameLog.h"
#include "capture/RecordingSettings.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

class AviWriter;
class CameraConnection;
struct RecorderSlot;

// The movie recording control. It starts a recording on the recorder slot,
// which it puts on the recorded camera's sink list, with an AVI writer
// for the chosen compressor. The slot's recorder rolls over into each further
// numbered file itself, between two frames, so no frame is lost or reordered
// and the acquisition thread never calls back into this object. The main
// window and lumivex-cli use it alike.
//
// The slot's mutex guards every step; the acquisition thread holds it while
// it feeds a frame (and so while a file rolls over). The slot must outlive
// this object. The signals are always delivered through this object's event
// queue, so receivers on the user interface thread never run inside the
// acquisition thread or inside Record.
class CRecordingControl : public QObject {
    Q_OBJECT

public:
    // Why a recording ended.
    enum class EndReason {
        // Its last planned file was written.
        Completed,
        // Stop() ended it.
        Stopped,
        // A file could not be started or written: EndProblem() says why.
        Failed,
        // The camera stopped answering and the recording did not wait for it.
        CameraLost,
    };
    Q_ENUM(EndReason)

    explicit CRecordingControl(RecorderSlot& slot, QObject* parent = nullptr);
    // A file still being recorded is finalised with what it holds, without a
    // notification.
    ~CRecordingControl() override;
    CRecordingControl(const CRecordingControl&) = delete;
    CRecordingControl& operator=(const CRecordingControl&) = delete;

    // Starts recording camera's frames into path with the chosen compressor,
    // frame count and quality, repeated into numbered files when "Retry" was
    // ticked. The quality is kept even while a recording runs; the repeat and
    // everything else only when none is active. True when the first file
    // started.
    bool Record(CameraConnection& camera, const std::string& path, const RecordingSettings& settings);

    bool IsActive() const;
    // Ends the recording now: the file being written is finalised with the
    // frames it holds (a recording waiting for its camera has none) and the
    // end is announced.
    void Stop();

    // The recorded camera stopped answering: the file being written is
    // finalised with the frames it holds. The recording ends there, or, when
    // it continues after a lost camera, waits for CameraBack.
    void CameraLost();
    // The camera answers again, connected anew and streaming: a waiting
    // recording goes on in the next numbered file with the frames the closed
    // file still lacked, the numbered files planned after it following. False
    // when nothing waited or the file cannot start (the recording then ends).
    bool CameraBack(CameraConnection& camera);
    bool IsWaitingForCamera() const;
    // The camera's losses during the current or last recording, one line
    // each with how long it was away and the file that took up the
    // recording; empty when it was never lost.
    QString LossSummary() const;
    // Frames written into the files of the current recording so far, of all
    // its files' planned frames, and the time since it started.
    std::uint64_t FramesRecorded() const { return framesRecorded_; }
    std::uint64_t PlannedFrames() const { return plannedTotal_; }
    std::chrono::steady_clock::duration Elapsed() const;
    // Why the current or last recording ended early (a changed frame format,
    // a restarted live image, a failed write, the size limit, a lost camera), or empty when
    // it ran as planned or was stopped by the user.
    QString EndProblem() const;

    // The current or last recording's frames written, frames missing,
    // mean and largest interval, as one sentence.
    QString Summary() const;

signals:
    // The first file of a recording started.
    void recordingStarted();
    // The recording is over: its last file was closed, or none follows.
    void recordingFinished(CRecordingControl::EndReason reason);

private:
    // The slot's recorder: it feeds the open file and rolls over into the next one.
    class FileRecorder;

    // The following are called with the slot's mutex held.

    // Starts one file of the recording (the base path numbered when the
    // recording repeats) in a new recorder on the slot. Refuses while a file
    // is being recorded. True when the file started. A numbered file that
    // cannot start ends the recording as if it had been the last one.
    bool StartRecording(const std::string& path, std::uint32_t compressor, std::uint32_t plannedFrames);
    // Opens the plan's current file into the recorder: refuses a path that
    // does not fit the compressor (RecordingTargetPath), and fails when the
    // writer or the frame list beside it cannot be opened. When the camera's
    // stream is not open, acquisition is stopped and the empty file finalised.
    bool OpenFile(FileRecorder& recorder);
    // The recorder's file was closed complete: opens the next numbered file
    // into it, on the acquisition thread between two frames. False when the
    // recording is over (announced when it had not been).
    bool RollOver(FileRecorder& recorder);
    void StopLocked();
    // The recorder's reports: frames it wrote, and how a file ended when it
    // was finalised (announcing the end when it was the last file).
    void CountFrames(std::uint32_t frames);
    void FileEnded(const AviWriter& writer, bool frameChanged, std::uint32_t closeResult, bool lastFile, bool logged);
    // Counts a written frame into the recording's tally; gives the camera's
    // frames missing before it.
    std::uint64_t TallyFrame(const FrameView& frame);
    // Emits recordingFinished on this object's thread, once per recording.
    void PostFinished(EndReason reason);
    void PostStarted();

    RecorderSlot& slot_;
    // Changed only while the slot is inactive and its mutex is not held.
    FrameSinkRegistration registration_;
    // The recorded camera and its frame format; set by Record, used again
    // for the numbered files.
    CameraConnection* camera_ = nullptr;
    RecordingCameraInfo format_;
    std::atomic<std::uint64_t> framesRecorded_{0};
    std::uint64_t plannedTotal_ = 0;
    std::chrono::steady_clock::time_point started_;
    mutable std::mutex problemMutex_;
    QString endProblem_;
    FrameTally tally_;
    // Guarded by the slot's mutex, as is everything below.
    // The current recording's end was announced.
    bool finishPosted_ = false;
    // Stop() was called for the current recording.
    bool stopRequested_ = false;
    // The recording's plan: numbered files after the first (0 = one file)
    // and the index of the current one; the next file gets index + 1, with
    // the base path, compressor and planned frames of the last one.
    std::int32_t fileCount_ = 0;
    std::int32_t fileIndex_ = 0;
    std::string baseFileName_;
    std::uint32_t compressor_ = 0;
    std::uint32_t plannedFrames_ = 0;
    struct CameraLoss {
        QDateTime lost;
        // Invalid while waiting, and when the recording ended first.
        QDateTime back;
        std::string nextFile;
    };
    bool continueAfterLoss_ = false;
    // The recording ended because the camera stopped answering.
    bool endedByLoss_ = false;
    // Also read without the mutex, which the acquisition thread holds while it encodes.
    std::atomic<bool> waitingForCamera_{false};
    // Frames written into the last finalised file.
    std::uint32_t lastFileFrames_ = 0;
    std::vector<CameraLoss> losses_;
};

// The camera's size, colour and frame rate as the recording setting dialog shows them.
RecordingCameraInfo ReadRecordingCameraInfo(CameraConnection& camera);
