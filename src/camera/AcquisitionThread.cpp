#include "camera/AcquisitionThread.h"

#include "camera/FrameConverter.h"
#include "camera/FrameDisplayTarget.h"
#include "camera/FrameImage.h"
#include "camera/FrameSink.h"
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
#include <system_error>

namespace {

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

} // namespace

bool DisplaySchedule::IsDue(int64_t nowUs)
{
    if (nowUs < nextSlotUs_)
        return false;
    nextSlotUs_ = nextSlotUs_ == INT64_MIN ? nowUs + kDisplaySlotUs / 2
                                           : std::max(nextSlotUs_ + kDisplaySlotUs, nowUs + kDisplaySlotUs / 2);
    return true;
}

AcquisitionThread::AcquisitionThread(SdkDevice& device, SdkPipeline& pipeline, FrameSinkList& sinks,
                                     DisplaySettings* displaySettings, FrameDisplayTarget* display,
                                     const FrameConverter& converter)
    : display_(display),
      device_(device),
      pipeline_(pipeline),
      sinks_(sinks),
      displaySettings_(displaySettings),
      converter_(converter)
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
    // Removals wait until this frame is handed out.
    std::unique_lock handingOut = sinks_.BeginFrame(displayDue, wanting_);
    const int32_t mirrorMode = displaySettings_ ? displaySettings_->mirrorMode.load() : 0;
    const SdkImage* frame = buffer.GetImage();
    const uint32_t pixelFormat = frame->GetPixelType();
    const DeepView view = displaySettings_ ? displaySettings_->LoadDeepView() : DeepView{};
    // The display window converts raw frames by their top 8 bits only.
    const bool deepView = view.mode != kDeepViewTopBits && GreySampleBits(pixelFormat) > 8;
    if (wanting_.empty() && mirrorMode == 0 && !deepView)
        return false;

    const int32_t width = static_cast<int32_t>(frame->GetWidth());
    const int32_t height = static_cast<int32_t>(frame->GetHeight());
    const int32_t kind = IsGreyPixelFormat(pixelFormat) ? FrameImage::kGrey : FrameImage::kColour;
    if (!image.Ensure(width, height, kind))
        return false;

    if (!wanting_.empty() || displayDue) {
        if (!ConvertInto(buffer, image, deepView, view))
            return false;
        // Mirroring results are ignored: a failed mirror leaves the frame as converted.
        if (kind == FrameImage::kGrey)
            converter_.MirrorGrayImage(image.Pixels(), width, height, mirrorMode);
        else
            converter_.MirrorColorImage(image.Pixels(), width, height, mirrorMode);
    }

    const SinkFrame handed{buffer, image, mirrorMode, static_cast<uint32_t>(frameCounter_.load()), &droppedCount};
    for (FrameSink* sink : wanting_)
        sink->TakeFrame(handed);

    if (!displayDue)
        return true;

    if (!wanting_.empty()) {
        QPainter painter(&image.Image());
        for (FrameSink* sink : wanting_) {
            painter.save();
            sink->Paint(painter, handed);
            painter.restore();
        }
    }
    handingOut.unlock();

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
                displaySettings_->blackPoint = deepGrey_.BlackPoint();
                displaySettings_->whitePoint = deepGrey_.WhitePoint();
            }
            return true;
        }
    }
    const int32_t interpolation = display_           ? display_->InterpolationMethod()
                                  : displaySettings_ ? displaySettings_->interpolationMethod.load()
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
