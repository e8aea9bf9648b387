#include "capture/CRecordingControl.h"

#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "camera/FrameRecorder.h"
#include "camera/PixelFormats.h"
#include "camera/RecorderSlot.h"
#include "capture/AviWriter.h"
#include "capture/FrameLog.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkStream.h"

#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>

namespace {

constexpr int kGreyBits = 8;
constexpr int kColourBits = 24;

} // namespace

// The AVI writer of the file being recorded, as the acquisition thread feeds
// it. It writes only frames of the geometry the file was opened with. When a
// file is complete it is finalised and the next numbered file opened in its
// place before the next frame comes; closing a file tells the recording
// control how it ended and, for the last file of a recording, announces the
// end. Destroying the recorder finalises the open file.
class CRecordingControl::FileRecorder : public FrameRecorder {
public:
    explicit FileRecorder(CRecordingControl& control) : control_(control) {}
    ~FileRecorder() override { CloseFile(); }

    void Take(std::unique_ptr<AviWriter> writer, std::unique_ptr<FrameLog> log, bool lastFile)
    {
        writer_ = std::move(writer);
        log_ = std::move(log);
        lastFile_ = lastFile;
        frameChanged_ = false;
    }

    bool AddFrame(std::uint32_t frameNumber, const FrameView& frame) override
    {
        if (!writer_)
            return true;
        if (frame.width != writer_->Width() || frame.height != writer_->Height() ||
            frame.bytesPerPixel != writer_->BytesPerPixel()) {
            frameChanged_ = true;
        } else {
            const std::uint32_t before = writer_->FramesWritten();
            const bool finished = writer_->AddFrame(frameNumber, frame);
            if (writer_->FramesWritten() != before)
                log_->Add(before, frame, control_.TallyFrame(frame));
            control_.CountFrames(writer_->FramesWritten() - before);
            if (!finished)
                return false;
        }
        CloseFile();
        return !control_.RollOver(*this);
    }

    // The file is then closed without announcing the end.
    void Silence() { silent_ = true; }

private:
    void CloseFile()
    {
        if (!writer_)
            return;
        const std::uint32_t closed = writer_->Close();
        const bool logged = log_->Close();
        control_.FileEnded(*writer_, frameChanged_, closed, lastFile_ && !silent_, logged);
        writer_.reset();
        log_.reset();
    }

    CRecordingControl& control_;
    std::unique_ptr<AviWriter> writer_;
    std::unique_ptr<FrameLog> log_;
    bool lastFile_ = false;
    bool silent_ = false;
    bool frameChanged_ = false;
};

RecordingCameraInfo ReadRecordingCameraInfo(CameraConnection& camera)
{
    RecordingCameraInfo info;
    info.width = camera.Width();
    info.height = camera.Height();
    info.colour = !IsGreyPixelFormat(camera.PixelFormat());
    info.frameRate = FloatFeatureOrZero(camera.Features(), "AcquisitionFrameRate");
    info.pixelFormat = camera.PixelFormat();
    return info;
}

CRecordingControl::CRecordingControl(RecorderSlot& slot, QObject* parent)
    : QObject(parent),
      slot_(slot),
      registration_(slot)
{
}

CRecordingControl::~CRecordingControl()
{
    std::lock_guard lock(slot_.mutex);
    if (auto* recorder = dynamic_cast<FileRecorder*>(slot_.writer.get())) {
        // Nobody is left to announce the end to.
        recorder->Silence();
        slot_.writer.reset();
        slot_.active = false;
    }
}

bool CRecordingControl::Record(CameraConnection& camera, const std::string& path, const RecordingSettings& settings)
{
    // Read here, on the user interface thread, and used again for the
    // numbered files that the recorder opens on the acquisition thread: the
    // camera's features are not read from two threads, and its size and
    // format cannot change while it streams.
    const RecordingCameraInfo format = ReadRecordingCameraInfo(camera);
    {
        std::lock_guard lock(slot_.mutex);
        if (slot_.active || waitingForCamera_) {
            slot_.quality = std::min(settings.quality, kMaxRecordingQuality);
            return false;
        }
    }
    // Outside the mutex: leaving another camera's list waits for its thread,
    // which may be waiting for the mutex.
    registration_.MoveTo(camera.Acquisition().FrameSinks());

    std::lock_guard lock(slot_.mutex);
    slot_.quality = std::min(settings.quality, kMaxRecordingQuality);
    if (slot_.active || waitingForCamera_)
        return false;
    fileCount_ = settings.ExtraFiles();
    fileIndex_ = 0;
    camera_ = &camera;
    format_ = format;
    framesRecorded_ = 0;
    plannedTotal_ = std::uint64_t{settings.frames} * static_cast<std::uint64_t>(settings.ExtraFiles() + 1);
    started_ = std::chrono::steady_clock::now();
    finishPosted_ = false;
    stopRequested_ = false;
    continueAfterLoss_ = settings.continueAfterLoss;
    endedByLoss_ = false;
    losses_.clear();
    {
        std::lock_guard problemLock(problemMutex_);
        endProblem_.clear();
        tally_ = FrameTally();
    }
    return StartRecording(path, settings.compressor, settings.frames);
}

bool CRecordingControl::StartRecording(const std::string& path, std::uint32_t compressor, std::uint32_t plannedFrames)
{
    if (slot_.active)
        return false;
    baseFileName_ = path;
    compressor_ = compressor;
    plannedFrames_ = plannedFrames;
    auto recorder = std::make_unique<FileRecorder>(*this);
    // A file that ended in a failure ends the whole recording.
    if (EndProblem().isEmpty() && OpenFile(*recorder)) {
        slot_.writer = std::move(recorder);
        slot_.active = true;
        if (fileIndex_ == 0)
            PostStarted();
        return true;
    }
    // A numbered file that cannot start ends the recording; the main window
    // must still learn that it is over.
    if (fileIndex_ > 0)
        PostFinished(EndReason::Failed);
    return false;
}

bool CRecordingControl::RollOver(FileRecorder& recorder)
{
    if (fileIndex_ >= fileCount_)
        return false;
    fileIndex_ += 1;
    if (EndProblem().isEmpty() && OpenFile(recorder))
        return true;
    PostFinished(EndReason::Failed);
    return false;
}

bool CRecordingControl::OpenFile(FileRecorder& recorder)
{
    if (!camera_ || RecordingTargetPath(baseFileName_, compressor_).empty())
        return false;
    std::unique_ptr<AviWriter> writer = AviWriter::Create(compressor_);
    if (!writer)
        return false;

    const bool numbered = fileCount_ != 0;
    writer->SetPath(RecordingTargetPath(numbered ? NumberedRecordingPath(baseFileName_, fileIndex_ + 1) : baseFileName_,
                                        compressor_));
    writer->SetSourceFormat(format_.pixelFormat);
    const bool lastFile = !numbered || fileIndex_ >= fileCount_;
    writer->SetPlannedFrames(plannedFrames_);
    writer->SetQuality(slot_.quality);
    writer->SetFrameRate(format_.frameRate);
    if (writer->Open(format_.width, format_.height, format_.colour ? kColourBits : kGreyBits, false) != kAviOk)
        return false;

    if (!camera_->GetStream().IsOpen()) {
        // Nothing can arrive: stop the camera and finalise the empty file.
        camera_->Acquisition().StopAcquisition();
        if (camera_->GetPipeline().IsStarted())
            camera_->GetPipeline().Stop();
        writer->Close();
        if (lastFile)
            PostFinished(EndReason::Failed);
        return false;
    }

    auto log = std::make_unique<FrameLog>();
    if (!log->Open(FrameLog::PathFor(writer->Path()))) {
        const int error = errno;
        writer->Close();
        std::lock_guard problemLock(problemMutex_);
        endProblem_ = tr("The frame list %1 could not be created: %2.")
                          .arg(QString::fromStdString(FrameLog::PathFor(writer->Path()).string()),
                               QString::fromLocal8Bit(std::strerror(error)));
        return false;
    }
    recorder.Take(std::move(writer), std::move(log), lastFile);
    return true;
}

bool CRecordingControl::IsActive() const
{
    return slot_.active;
}

void CRecordingControl::Stop()
{
    std::lock_guard lock(slot_.mutex);
    StopLocked();
}

void CRecordingControl::StopLocked()
{
    stopRequested_ = true;
    const EndReason reason = endedByLoss_ ? EndReason::CameraLost : EndReason::Stopped;
    if (waitingForCamera_) {
        waitingForCamera_ = false;
        fileCount_ = fileIndex_;
        PostFinished(reason);
        return;
    }
    if (!slot_.writer)
        return;
    // No numbered file follows the one being finalised.
    fileCount_ = fileIndex_;
    slot_.active = false;
    slot_.writer.reset();
    PostFinished(reason);
}

void CRecordingControl::CameraLost()
{
    std::lock_guard lock(slot_.mutex);
    auto* recorder = dynamic_cast<FileRecorder*>(slot_.writer.get());
    if (!recorder)
        return;
    if (!continueAfterLoss_) {
        endedByLoss_ = true;
        StopLocked();
        return;
    }
    // The recording is not over: the file ends without announcing the end.
    recorder->Silence();
    slot_.active = false;
    slot_.writer.reset();
    // A failed file ends the recording even so.
    if (!EndProblem().isEmpty()) {
        fileCount_ = fileIndex_;
        PostFinished(EndReason::Failed);
        return;
    }
    // What the camera sends once it is back goes into one more numbered file.
    fileCount_ += 1;
    waitingForCamera_ = true;
    losses_.push_back({QDateTime::currentDateTime(), {}, {}});
}

bool CRecordingControl::CameraBack(CameraConnection& camera)
{
    const RecordingCameraInfo format = ReadRecordingCameraInfo(camera);
    {
        std::lock_guard lock(slot_.mutex);
        if (!waitingForCamera_)
            return false;
    }
    // The slot is inactive while the camera is away.
    registration_.MoveTo(camera.Acquisition().FrameSinks());
    std::lock_guard lock(slot_.mutex);
    if (!waitingForCamera_)
        return false;
    waitingForCamera_ = false;
    camera_ = &camera;
    format_ = format;
    const std::uint32_t fileFrames = plannedFrames_;
    const std::uint32_t lacking = fileFrames - std::min(fileFrames, lastFileFrames_);
    fileIndex_ += 1;
    losses_.back().back = QDateTime::currentDateTime();
    losses_.back().nextFile = NumberedRecordingPath(baseFileName_, fileIndex_ + 1);
    if (!StartRecording(baseFileName_, compressor_, std::max<std::uint32_t>(lacking, 1)))
        return false;
    // The numbered files after this one are of the planned length again.
    plannedFrames_ = fileFrames;
    return true;
}

bool CRecordingControl::IsWaitingForCamera() const
{
    return waitingForCamera_;
}

QString CRecordingControl::LossSummary() const
{
    std::lock_guard lock(slot_.mutex);
    QStringList lines;
    const QString timeFormat = QStringLiteral("HH:mm:ss");
    for (const CameraLoss& loss : losses_) {
        if (!loss.back.isValid()) {
            lines << tr("The camera was lost at %1, and the recording ended before it was back.")
                         .arg(loss.lost.toString(timeFormat));
            continue;
        }
        const double seconds = double(loss.lost.msecsTo(loss.back)) / 1000.0;
        lines << tr("The camera was lost from %1 to %2 (%3 s); the recording went on in %4.")
                     .arg(loss.lost.toString(timeFormat), loss.back.toString(timeFormat))
                     .arg(seconds, 0, 'f', 1)
                     .arg(QString::fromStdString(loss.nextFile));
    }
    return lines.join(QLatin1Char('\n'));
}

std::chrono::steady_clock::duration CRecordingControl::Elapsed() const
{
    return std::chrono::steady_clock::now() - started_;
}

QString CRecordingControl::EndProblem() const
{
    std::lock_guard lock(problemMutex_);
    return endProblem_;
}

void CRecordingControl::CountFrames(std::uint32_t frames)
{
    framesRecorded_ += frames;
}

std::uint64_t CRecordingControl::TallyFrame(const FrameView& frame)
{
    std::lock_guard lock(problemMutex_);
    return tally_.Add(frame);
}

QString CRecordingControl::Summary() const
{
    std::lock_guard lock(problemMutex_);
    constexpr double kNsPerMs = 1e6;
    return tr("%1 frames written; %2 frames the camera sent never arrived; interval mean %3 ms, max %4 ms.")
        .arg(tally_.Frames())
        .arg(tally_.Missing())
        .arg(tally_.MeanIntervalNs() / kNsPerMs, 0, 'f', 3)
        .arg(double(tally_.MaxIntervalNs()) / kNsPerMs, 0, 'f', 3);
}

void CRecordingControl::FileEnded(const AviWriter& writer, bool frameChanged, std::uint32_t closeResult, bool lastFile,
                                  bool logged)
{
    const QString path = QString::fromStdString(writer.Path().string());
    QString problem;
    if (frameChanged) {
        problem = tr("The recording into %1 ended because the camera's image format or size changed.").arg(path);
    } else if (writer.End() == AviEnd::CounterRestarted) {
        problem = tr("The recording into %1 ended because the live image was restarted.").arg(path);
    } else if (writer.End() == AviEnd::WriteFailed && writer.WriteError() == EFBIG) {
        problem = tr("The recording into %1 ended because the file reached its size limit.").arg(path);
    } else if (writer.End() == AviEnd::WriteFailed) {
        problem = tr("The recording into %1 ended because the file could not be written: %2.")
                      .arg(path, QString::fromLocal8Bit(std::strerror(writer.WriteError())));
    } else if (closeResult != kAviOk) {
        problem = tr("The recording file %1 could not be completed: %2.")
                      .arg(path, QString::fromLocal8Bit(std::strerror(static_cast<int>(closeResult))));
    } else if (!logged) {
        problem = tr("The frame list of %1 could not be written completely.").arg(path);
    } else if (endedByLoss_) {
        problem = tr("The recording into %1 ended because the camera stopped answering.").arg(path);
    }
    if (!problem.isEmpty()) {
        std::lock_guard lock(problemMutex_);
        endProblem_ = problem;
    }
    lastFileFrames_ = writer.FramesWritten();
    if (!lastFile)
        return;
    if (endedByLoss_)
        PostFinished(EndReason::CameraLost);
    else if (!EndProblem().isEmpty())
        PostFinished(EndReason::Failed);
    else
        PostFinished(stopRequested_ ? EndReason::Stopped : EndReason::Completed);
}

void CRecordingControl::PostStarted()
{
    QMetaObject::invokeMethod(
        this, [this] { emit recordingStarted(); }, Qt::QueuedConnection);
}

void CRecordingControl::PostFinished(EndReason reason)
{
    if (finishPosted_)
        return;
    finishPosted_ = true;
    QMetaObject::invokeMethod(
        this, [this, reason] { emit recordingFinished(reason); }, Qt::QueuedConnection);
}
