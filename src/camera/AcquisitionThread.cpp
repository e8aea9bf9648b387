#include "camera/AcquisitionThread.h"

#include "camera/FeatureAccess.h"
#include "camera/FrameConverter.h"
#include "camera/FrameDisplayTarget.h"
#include "camera/FrameImage.h"
#include "camera/OverlayRegistry.h"
#include "camera/PixelFormats.h"
#include "sdk/SdkBuffer.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkPipeline.h"

#include <QPainter>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <new>
#include <system_error>

namespace {

// The analysis marker colour; on grey frames the grey nearest to it.
const QColor kMarkerColour(0, 255, 0);
constexpr int kMarkerGrey = (0 + 255 + 0) / 3;
// "Above normal": one nice step above the process's own priority.
constexpr int kAboveNormalNiceStep = 1;
// Stream channel 0's bootstrap registers: the packet size in the low 16 bits
// of SCPS0, the delay between packets in SCPD0.
constexpr uint32_t kStreamChannelPacketSizeRegister = 0x0D04;
constexpr uint32_t kStreamChannelPacketDelayRegister = 0x0D08;
constexpr uint32_t kPacketSizeMask = 0xFFFF;

int64_t NowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Raising a thread's priority needs no privilege on some systems and is
// refused on others; the thread runs at normal priority then.
void RaiseCurrentThreadPriority()
{
    const pid_t thread = gettid();
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
    if (errno == 0)
        setpriority(PRIO_PROCESS, static_cast<id_t>(thread), nice - kAboveNormalNiceStep);
}

uint32_t ReadCameraKey(SdkDevice& device)
{
    int32_t key = 0;
    if (!ReadFeatureValue(device.GetGenParameters(), "GevCurrentIPAddress", key))
        return 0;
    return static_cast<uint32_t>(key);
}

} // namespace

bool DisplaySchedule::IsDue(int64_t nowUs)
{
    if (nowUs < nextSlotUs_)
        return false;
    nextSlotUs_ = nextSlotUs_ == INT64_MIN ? nowUs + kDisplaySlotUs / 2
                                           : std::max(nextSlotUs_ + kDisplaySlotUs, nowUs + kDisplaySlotUs / 2);
    return true;
}

AcquisitionThread::AcquisitionThread(SdkDevice& device, SdkPipeline& pipeline, OverlayRegistry* overlays,
                                     const HandOffRecords& records, FrameDisplayTarget* display,
                                     const FrameConverter& converter)
    : markerPen_(kMarkerColour, 1, Qt::SolidLine),
      display_(display),
      device_(device),
      pipeline_(pipeline),
      overlays_(overlays),
      records_(records),
      converter_(converter),
      cameraKey_(ReadCameraKey(device))
{
}

AcquisitionThread::~AcquisitionThread()
{
    Stop();
}

bool AcquisitionThread::Start()
{
    if (thread_.joinable())
        return false;
    stop_ = false;
    frameCounter_ = 0;
    cameraLost_ = false;
    lastSignOfLifeMs_ = NowMs();
    unansweredProbes_ = 0;
    try {
        thread_ = std::thread([this] {
            RaiseCurrentThreadPriority();
            exitCode_ = Run();
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void AcquisitionThread::Stop()
{
    if (!thread_.joinable())
        return;
    stop_ = true;
    thread_.join();
}

int32_t AcquisitionThread::Run()
{
    FrameImage image;
    int32_t droppedCount = 0;
    // The first frame is displayed at once.
    DisplaySchedule schedule;

    while (!stop_) {
        if (!device_.HasControl()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kDisconnectedPauseMs));
            continue;
        }
        SdkBuffer* held = nullptr;
        const SdkResult retrieved = pipeline_.RetrieveNextBuffer(held, kBufferWaitMs);
        if (retrieved.GetCode() == SdkResult::BUFFER_TOO_SMALL) {
            ResizeBuffers();
            continue;
        }
        if (!retrieved.IsOK() || !held) {
            WatchSilence();
            continue;
        }
        lastSignOfLifeMs_ = NowMs();
        unansweredProbes_ = 0;
        cameraLost_ = false;
        CountReceived(*held);
        ReadChannelSettings();

        // Keep only the newest completed buffer; the older ones are dropped.
        const uint32_t waiting = pipeline_.GetOutputQueueSize();
        for (uint32_t i = 0; i < waiting; ++i) {
            SdkBuffer* newer = nullptr;
            if (pipeline_.RetrieveNextBuffer(newer, kSdkNoWait).IsOK() && newer) {
                pipeline_.ReleaseBuffer(held);
                held = newer;
                CountReceived(*held);
                droppedFrames_.fetch_add(1, std::memory_order_relaxed);
            }
        }
        droppedCount += static_cast<int32_t>(waiting);

        const bool displayDue = schedule.IsDue(NowUs());

        if (!ProcessFrame(*held, image, droppedCount, displayDue) && displayDue && display_ &&
            display_->HasDisplayWindow()) {
            const SdkImage* frame = held->GetImage();
            if (display_->ShowRawImage(frame->GetPixelType(), static_cast<int32_t>(frame->GetHeight()),
                                       static_cast<int32_t>(frame->GetWidth()), held->GetDataPointer(),
                                       held->GetDataSize()))
                shownFrames_.fetch_add(1, std::memory_order_relaxed);
        }

        ++frameCounter_;
        droppedCount = displayDue ? 0 : droppedCount + 1;
        pipeline_.ReleaseBuffer(held);
    }
    image.Release();
    return 0;
}

void AcquisitionThread::ResizeBuffers()
{
    // The camera's frames grew after the pipeline made its buffers (a user
    // set or command the camera carries out a moment later); starting the
    // pipeline again makes them of the camera's payload size now.
    const int64_t now = NowMs();
    if (now - lastResizeMs_ < kResizeIntervalMs)
        return;
    lastResizeMs_ = now;
    pipeline_.Stop();
    pipeline_.Start();
}

void AcquisitionThread::WatchSilence()
{
    if (cameraLost_ || NowMs() - lastSignOfLifeMs_ < kSilenceBeforeProbeMs)
        return;
    // A camera in trigger mode may rightly send nothing for long; one that
    // does not answer discovery either is gone.
    if (device_.Answers(std::chrono::milliseconds(kAliveProbeWaitMs))) {
        lastSignOfLifeMs_ = NowMs();
        unansweredProbes_ = 0;
    } else if (++unansweredProbes_ >= kProbesBeforeLost) {
        cameraLost_ = true;
    }
}

void AcquisitionThread::ReadChannelSettings()
{
    const int64_t now = NowMs();
    if (channelReadMs_ != INT64_MIN && now - channelReadMs_ < kChannelRereadMs)
        return;
    channelReadMs_ = now;
    uint32_t value = 0;
    if (device_.ReadRegister(kStreamChannelPacketSizeRegister, value).IsOK())
        packetSize_ = value & kPacketSizeMask;
    if (device_.ReadRegister(kStreamChannelPacketDelayRegister, value).IsOK())
        packetDelay_ = static_cast<int32_t>(value);
}

bool AcquisitionThread::ProcessFrame(const SdkBuffer& buffer, FrameImage& image, int32_t& droppedCount, bool displayDue)
{
    const bool overlays = overlays_ && overlays_->HasWork();
    const bool request = records_.frameRequest && records_.frameRequest->pending != 0;
    const bool recording = IsRecording();
    WaveformRecord* waveform = ServedWaveform();
    HistogramRecord* histogram = ServedHistogram();
    const int32_t mirrorMode = records_.displaySettings ? records_.displaySettings->mirrorMode.load() : 0;
    const SdkImage* frame = buffer.GetImage();
    const uint32_t pixelFormat = frame->GetPixelType();
    const DeepView view = records_.displaySettings ? records_.displaySettings->LoadDeepView() : DeepView{};
    // The display window converts raw frames by their top 8 bits only.
    const bool deepView = view.mode != kDeepViewTopBits && GreySampleBits(pixelFormat) > 8;
    if (!overlays && !request && !recording && !waveform && !histogram && mirrorMode == 0 && !deepView)
        return false;

    const int32_t width = static_cast<int32_t>(frame->GetWidth());
    const int32_t height = static_cast<int32_t>(frame->GetHeight());
    const int32_t kind = IsGreyPixelFormat(pixelFormat) ? FrameImage::kGrey : FrameImage::kColour;
    if (!image.Ensure(width, height, kind))
        return false;

    if (request || recording || displayDue) {
        if (!ConvertInto(buffer, image, deepView, view))
            return false;
        // Mirroring results are ignored: a failed mirror leaves the frame as converted.
        if (kind == FrameImage::kGrey)
            converter_.MirrorGrayImage(image.Pixels(), width, height, mirrorMode);
        else
            converter_.MirrorColorImage(image.Pixels(), width, height, mirrorMode);
    }

    if (recording)
        FeedRecorder(buffer, image);
    if (request)
        ServeFrameRequest(buffer, image, mirrorMode);

    if (!displayDue)
        return true;

    {
        QPainter painter(&image.Image());
        const int32_t markedRow = waveform ? FeedWaveform(*waveform, image) : -1;
        if (histogram)
            FeedHistogram(*histogram, buffer, image, mirrorMode, painter);
        if (markedRow >= 0) {
            painter.save();
            painter.setPen(MarkerPenFor(image));
            painter.drawLine(0, markedRow, width - 1, markedRow);
            painter.restore();
        }
        if (overlays)
            overlays_->PaintAll(painter, image.Pixels(), width, height, static_cast<uint32_t>(buffer.GetBlockID()),
                                &droppedCount);
    }

    if (display_ &&
        display_->ShowImage(kind == FrameImage::kGrey ? kPixelMono8 : kPixelBGR8Packed, image.Pixels(), width, height))
        shownFrames_.fetch_add(1, std::memory_order_relaxed);
    return true;
}

bool AcquisitionThread::ConvertInto(const SdkBuffer& buffer, FrameImage& image, bool deepView, const DeepView& view)
{
    const SdkImage* frame = buffer.GetImage();
    const uint32_t pixelFormat = frame->GetPixelType();
    const auto width = static_cast<int32_t>(frame->GetWidth());
    const auto height = static_cast<int32_t>(frame->GetHeight());
    if (deepView) {
        deepGrey_.SetView(view);
        if (converter_.ConvertDeepGrey(pixelFormat, height, buffer.GetDataPointer(), buffer.GetDataSize(), width,
                                       image.Pixels(), deepGrey_)) {
            // The window found is the one the settings show and keep.
            if (view.autoLevels) {
                records_.displaySettings->blackPoint = deepGrey_.BlackPoint();
                records_.displaySettings->whitePoint = deepGrey_.WhitePoint();
            }
            return true;
        }
    }
    const int32_t interpolation = display_                   ? display_->InterpolationMethod()
                                  : records_.displaySettings ? records_.displaySettings->interpolationMethod.load()
                                                             : DisplaySettings::kDefaultInterpolationMethod;
    return converter_.ConvertFrame(pixelFormat, height, buffer.GetDataPointer(), buffer.GetDataSize(), width,
                                   image.Pixels(), interpolation);
}

StreamCounts AcquisitionThread::FrameCounts() const
{
    StreamCounts counts;
    counts.receivedFrames = receivedFrames_.load(std::memory_order_relaxed);
    counts.receivedBytes = receivedBytes_.load(std::memory_order_relaxed);
    counts.shownFrames = shownFrames_.load(std::memory_order_relaxed);
    counts.droppedFrames = droppedFrames_.load(std::memory_order_relaxed);
    return counts;
}

void AcquisitionThread::CountReceived(const SdkBuffer& buffer)
{
    receivedFrames_.fetch_add(1, std::memory_order_relaxed);
    receivedBytes_.fetch_add(buffer.GetDataSize(), std::memory_order_relaxed);
}

bool AcquisitionThread::IsRecording() const
{
    return records_.recorder && records_.recorder->active && records_.recorder->cameraKey == cameraKey_;
}

WaveformRecord* AcquisitionThread::ServedWaveform() const
{
    WaveformRecord* record = records_.waveform ? records_.waveform->load() : nullptr;
    if (!record || !record->active)
        return nullptr;
    std::lock_guard lock(record->mutex);
    const bool served = record->window && !record->lineBuffer.empty() && record->cameraKey == cameraKey_;
    return served ? record : nullptr;
}

HistogramRecord* AcquisitionThread::ServedHistogram() const
{
    HistogramRecord* record = records_.histogram ? records_.histogram->load() : nullptr;
    if (!record || !record->active)
        return nullptr;
    std::lock_guard lock(record->mutex);
    return record->window && record->cameraKey == cameraKey_ ? record : nullptr;
}

void AcquisitionThread::FeedRecorder(const SdkBuffer& buffer, FrameImage& image)
{
    RecorderSlot& slot = *records_.recorder;
    std::lock_guard lock(slot.mutex);
    if (!slot.active || slot.cameraKey != cameraKey_ || !slot.writer)
        return;
    const FrameView frame{image.Pixels(),
                          image.Width(),
                          image.Height(),
                          image.BytesPerPixel(),
                          buffer.GetDataPointer(),
                          buffer.GetDataSize(),
                          buffer.GetImage()->GetPixelType(),
                          buffer.GetBlockID(),
                          buffer.GetTimestampNs(),
                          buffer.GetHostTimeNs()};
    if (!slot.writer->AddFrame(static_cast<uint32_t>(frameCounter_.load()), frame))
        return;

    // The recording is over; deleting the writer finalises what it still holds.
    slot.writer.reset();
    slot.active = false;
}

void AcquisitionThread::ServeFrameRequest(const SdkBuffer& buffer, const FrameImage& image, int32_t mirrorMode)
{
    FrameRequest& request = *records_.frameRequest;
    std::lock_guard lock(request.mutex);
    // Checked again under the mutex: a poster that gave up has withdrawn its buffer.
    if (request.pending == 0 || request.cameraKey != cameraKey_)
        return;
    if (!request.buffer || request.width != image.Width() || request.height != image.Height() ||
        request.bytesPerPixel != image.BytesPerPixel()) {
        request.error = 1;
        return;
    }
    if (request.raw) {
        try {
            request.raw->assign(buffer.GetDataPointer(), buffer.GetDataPointer() + buffer.GetDataSize());
        } catch (const std::bad_alloc&) {
            // The snapshot then keeps its converted image only.
            request.raw->clear();
        }
        request.rawPixelFormat = buffer.GetImage()->GetPixelType();
        request.rawMirror = mirrorMode;
    }
    std::memcpy(request.buffer, image.Pixels(), image.DataSize());
    request.blockId = static_cast<uint32_t>(buffer.GetBlockID());
    request.pending = 0;
    request.completed.Set();
}

int32_t AcquisitionThread::FeedWaveform(WaveformRecord& record, const FrameImage& image)
{
    const int32_t row = record.lineNumber;
    if (row < 0 || row >= image.Height())
        return -1;
    RepaintTarget* window = nullptr;
    {
        std::lock_guard lock(record.mutex);
        const int32_t channels = record.colour ? 3 : 1;
        const size_t bytes = static_cast<size_t>(image.Width()) * static_cast<size_t>(channels);
        // A frame of another width or kind than the window was opened for is skipped.
        if (channels == image.BytesPerPixel() && bytes <= record.lineBuffer.size())
            std::memcpy(record.lineBuffer.data(), image.Pixels() + static_cast<size_t>(row) * image.RowBytes(), bytes);
        window = record.window;
    }
    if (window)
        window->RequestRepaint();
    return row;
}

void AcquisitionThread::FeedHistogram(HistogramRecord& record, const SdkBuffer& buffer, const FrameImage& image,
                                      int32_t mirrorMode, QPainter& painter)
{
    RepaintTarget* window = nullptr;
    {
        std::lock_guard lock(record.mutex);
        const bool colour = image.Kind() == FrameImage::kColour;
        // Counted only for frames of the size and kind the window was opened for.
        if (record.imageWidth != image.Width() || record.imageHeight != image.Height() || record.colour != colour ||
            !record.AreaInside(image.Width(), image.Height()))
            return;
        if (colour) {
            record.CountColour(image.Pixels(), image.Width());
        } else if (!record.CountGrey(buffer.GetImage()->GetPixelType(), buffer.GetDataPointer(), buffer.GetDataSize(),
                                     image.Width(), image.Height(), mirrorMode)) {
            return;
        }
        // Half-open outline: the right and bottom edges lie outside the area.
        painter.save();
        painter.setPen(MarkerPenFor(image));
        painter.setBrush(Qt::NoBrush);
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.setBackground(Qt::white);
        painter.drawRect(record.left, record.top, record.right - record.left - 1, record.bottom - record.top - 1);
        painter.restore();
        window = record.window;
    }
    if (window)
        window->RequestRepaint();
}

QPen AcquisitionThread::MarkerPenFor(const FrameImage& image) const
{
    if (image.Kind() == FrameImage::kColour)
        return markerPen_;
    QPen grey = markerPen_;
    grey.setColor(QColor(kMarkerGrey, kMarkerGrey, kMarkerGrey));
    return grey;
}
