#pragma once

#include "camera/RecordingStarter.h"
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

class CCreateAVI;
class CDeviceInfo;
struct RecorderSlot;

// The movie recording control. It starts a recording on the recorder slot
// that the acquisition thread of the recorded camera feeds, with an AVI writer
// for the chosen compressor; the thread starts each further numbered file
// through StartRecording. The main window and lumivex-cli use it alike.
//
// The slot's recursive mutex guards every step; the acquisition thread holds
// it when it chains the next file. The slot must outlive this object.
// Notify() is always delivered through this object's event queue, so
// receivers on the user interface thread never run inside the acquisition
// thread or inside Record.
class CRecordingControl : public QObject, public RecordingStarter {
    Q_OBJECT

public:
    explicit CRecordingControl(RecorderSlot& slot, QObject* parent = nullptr);
    // A file still being recorded is finalised with what it holds, without a
    // notification; the slot no longer chains files to this object.
    ~CRecordingControl() override;
    CRecordingControl(const CRecordingControl&) = delete;
    CRecordingControl& operator=(const CRecordingControl&) = delete;

    // Starts recording camera's frames into path with the chosen compressor,
    // frame count and quality, repeated into numbered files when "Retry" was
    // ticked. The quality is kept even while a recording runs; the repeat and
    // everything else only when none is active. True when the first file
    // started.
    bool Record(CDeviceInfo& camera, const std::string& path, const RecordingSettings& settings);

    // Starts one file of the recording (the base path numbered when the
    // recording repeats). Refuses while a file is being recorded, for a path
    // that does not fit the compressor (RecordingTargetPath), and when the
    // writer or the frame list beside it cannot be opened.
    // When the camera's stream is not open, acquisition is stopped and the
    // empty file finalised. True when the file started. A numbered file that
    // cannot start ends the recording as if it had been the last one.
    bool StartRecording(const std::string& path, std::uint32_t compressor, std::uint32_t plannedFrames) override;

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
    bool CameraBack(CDeviceInfo& camera);
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

    // The recorder of one file: frames it wrote, and how the file ended when
    // it was finalised (announcing the end when it was the last file).
    void CountFrames(std::uint32_t frames);
    void FileEnded(const CCreateAVI& writer, bool frameChanged, std::uint32_t closeResult, bool lastFile,
                   bool logged = true);
    // Counts a written frame into the recording's tally; gives the camera's
    // frames missing before it.
    std::uint64_t TallyFrame(const FrameView& frame);
    // The current or last recording's frames written, frames missing,
    // mean and largest interval, as one sentence.
    QString Summary() const;

signals:
    // kRecordingStartedMessage when the first file of a recording started,
    // kRecordingFinishedMessage when the last file was closed.
    void Notify(unsigned message);

private:
    // Opens the file and hands it to the slot; the slot's mutex is held.
    bool StartFile(const std::string& path, std::uint32_t compressor, std::uint32_t plannedFrames);
    // Posts the notification to this object's thread, where Notify is emitted.
    void PostNotify(unsigned message);

    RecorderSlot& slot_;
    // The recorded camera and its frame format; set by Record, used again
    // for the numbered files.
    CDeviceInfo* camera_ = nullptr;
    RecordingCameraInfo format_;
    std::atomic<std::uint64_t> framesRecorded_{0};
    std::uint64_t plannedTotal_ = 0;
    std::chrono::steady_clock::time_point started_;
    mutable std::mutex problemMutex_;
    QString endProblem_;
    FrameTally tally_;
    // The current recording's end was announced; guarded by the slot's mutex.
    bool finishPosted_ = false;

    // Guarded by the slot's mutex, as is everything below.
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
RecordingCameraInfo ReadRecordingCameraInfo(CDeviceInfo& camera);
