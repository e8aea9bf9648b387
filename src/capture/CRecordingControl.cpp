#include "capture/CRecordingControl.h"

#include "camera/CDeviceInfo.h"
#include "camera/FrameRecorder.h"
#include "camera/PixelFormats.h"
#include "camera/RecorderSlot.h"
#include "capture/CCreateAVI.h"
#include "sdk/SdkPipeline.h"
#include "sdk/SdkStream.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

constexpr int kGreyBits = 8;
constexpr int kColourBits = 24;

// An AVI writer as the acquisition thread feeds it. Destroying it finalises
// the file, and for the last file of a recording notifies the main window.
class AviFrameRecorder : public FrameRecorder {
public:
    AviFrameRecorder(std::unique_ptr<CCreateAVI> writer, std::atomic<std::uint64_t>& framesRecorded)
        : writer_(std::move(writer)), framesRecorded_(framesRecorded)
    {
    }

    bool AddFrame(std::uint32_t frameNumber, const std::uint8_t* pixels) override
    {
        const std::uint32_t before = writer_->FramesWritten();
        const bool finished = writer_->AddFrame(frameNumber, pixels);
        framesRecorded_ += writer_->FramesWritten() - before;
        return finished;
    }

    // The file is then closed without telling anyone.
    void Silence() { writer_->SetNotify({}); }

private:
    std::unique_ptr<CCreateAVI> writer_;
    std::atomic<std::uint64_t>& framesRecorded_;
};

} // namespace

RecordingCameraInfo ReadRecordingCameraInfo(CDeviceInfo& camera)
{
    RecordingCameraInfo info;
    info.width = camera.Width();
    info.height = camera.Height();
    info.colour = !IsGreyPixelFormat(camera.PixelFormat());
    info.frameRate = camera.AcquisitionFrameRate();
    return info;
}

CRecordingControl::CRecordingControl(RecorderSlot& slot, QObject* parent) : QObject(parent), slot_(slot)
{
    std::lock_guard lock(slot_.mutex);
    slot_.starter = this;
}

CRecordingControl::~CRecordingControl()
{
    std::lock_guard lock(slot_.mutex);
    if (slot_.starter == this)
        slot_.starter = nullptr;
    if (auto* recorder = dynamic_cast<AviFrameRecorder*>(slot_.writer.get())) {
        recorder->Silence();
        slot_.writer.reset();
        slot_.active = false;
    }
}

bool CRecordingControl::Record(CDeviceInfo& camera, const std::string& path, const RecordingSettings& settings)
{
    // Read here, on the user interface thread, and used again for the
    // numbered files that the acquisition thread starts: the camera's
    // features are not read from two threads, and its size and format cannot
    // change while it streams.
    const RecordingCameraInfo format = ReadRecordingCameraInfo(camera);

    std::lock_guard lock(slot_.mutex);
    slot_.quality = std::min(settings.quality, kMaxRecordingQuality);
    if (slot_.active)
        return false;
    slot_.fileCount = settings.ExtraFiles();
    slot_.fileIndex = 0;
    camera_ = &camera;
    format_ = format;
    framesRecorded_ = 0;
    finishPosted_ = false;
    return StartRecording(path, settings.compressor, settings.frames);
}

bool CRecordingControl::StartRecording(const std::string& path, std::uint32_t compressor,
                                       std::uint32_t plannedFrames)
{
    std::lock_guard lock(slot_.mutex);
    if (slot_.active)
        return false;
    if (StartFile(path, compressor, plannedFrames))
        return true;
    // A numbered file that cannot start ends the recording; the main window
    // must still learn that it is over.
    if (slot_.fileIndex > 0 && !finishPosted_)
        PostNotify(kRecordingFinishedMessage);
    return false;
}

bool CRecordingControl::StartFile(const std::string& path, std::uint32_t compressor, std::uint32_t plannedFrames)
{
    if (!camera_ || !HasAviExtension(path))
        return false;
    std::unique_ptr<CCreateAVI> writer = CCreateAVI::Create(compressor);
    if (!writer)
        return false;

    slot_.baseFileName = path;
    slot_.compressor = compressor;
    slot_.plannedFrames = plannedFrames;
    const bool numbered = slot_.fileCount != 0;
    writer->SetPath(numbered ? NumberedRecordingPath(path, slot_.fileIndex + 1) : path);
    const bool lastFile = !numbered || slot_.fileIndex >= slot_.fileCount;
    writer->SetPlannedFrames(plannedFrames);
    writer->SetQuality(slot_.quality);
    writer->SetFrameRate(format_.frameRate);
    writer->SetNotify([this](unsigned message) { PostNotify(message); });
    if (writer->Open(format_.width, format_.height, format_.colour ? kColourBits : kGreyBits, lastFile) != kAviOk)
        return false;

    if (!camera_->GetStream().IsOpen()) {
        // Nothing can arrive: stop the camera; the empty file is finalised as
        // the writer goes.
        camera_->StopAcquisition();
        if (camera_->GetPipeline().IsStarted())
            camera_->GetPipeline().Stop();
        return false;
    }

    slot_.writer = std::make_unique<AviFrameRecorder>(std::move(writer), framesRecorded_);
    slot_.cameraKey = camera_->GetCameraKey();
    slot_.active = true;
    if (slot_.fileIndex == 0)
        PostNotify(kRecordingStartedMessage);
    return true;
}

bool CRecordingControl::IsActive() const
{
    return slot_.active;
}

void CRecordingControl::PostNotify(unsigned message)
{
    if (message == kRecordingFinishedMessage)
        finishPosted_ = true;
    QMetaObject::invokeMethod(this, [this, message] { emit Notify(message); }, Qt::QueuedConnection);
}
