#include "CameraFakes.h"

#include "camera/PixelFormats.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

SdkResult Outcome(bool fail)
{
    return fail ? SdkResult(SdkResult::GENERIC_ERROR) : SdkResult(SdkResult::OK);
}

} // namespace

int64_t SteadyNowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

FakeInteger::FakeInteger(const std::string& name, int64_t value, int64_t min, int64_t max, int64_t increment,
                         SdkVisibility visibility)
    : SdkGenInteger(name, visibility),
      value(value),
      min(min),
      max(max),
      increment(increment)
{
}

SdkResult FakeInteger::GetValue(int64_t& out) const
{
    if (!failRead)
        out = value;
    return Outcome(failRead);
}

SdkResult FakeInteger::SetValue(int64_t in)
{
    if (failWrite)
        return Outcome(true);
    value = in;
    writes.push_back(in);
    return Outcome(false);
}

SdkResult FakeInteger::GetMin(int64_t& out) const
{
    out = min;
    return Outcome(failRange);
}

SdkResult FakeInteger::GetMax(int64_t& out) const
{
    out = max;
    return Outcome(failRange);
}

SdkResult FakeInteger::GetIncrement(int64_t& out) const
{
    out = increment;
    return Outcome(failRange);
}

FakeFloat::FakeFloat(const std::string& name, double value, double min, double max, SdkVisibility visibility)
    : SdkGenFloat(name, visibility),
      value(value),
      min(min),
      max(max)
{
}

SdkResult FakeFloat::GetValue(double& out) const
{
    out = value;
    return Outcome(false);
}

SdkResult FakeFloat::SetValue(double in)
{
    value = in;
    return Outcome(false);
}

SdkResult FakeFloat::GetMin(double& out) const
{
    out = min;
    return Outcome(failRange);
}

SdkResult FakeFloat::GetMax(double& out) const
{
    out = max;
    return Outcome(failRange);
}

FakeEnum::FakeEnum(const std::string& name, std::vector<SdkGenEnumEntry> entries, size_t current,
                   SdkVisibility visibility)
    : SdkGenEnum(name, visibility),
      entries(std::move(entries)),
      current(current)
{
}

SdkResult FakeEnum::GetValue(int64_t& out) const
{
    if (current >= entries.size())
        return Outcome(true);
    out = entries[current].GetValue();
    return Outcome(false);
}

SdkResult FakeEnum::GetValue(std::string& out) const
{
    if (current >= entries.size())
        return Outcome(true);
    out = entries[current].GetName();
    return Outcome(false);
}

SdkResult FakeEnum::SetValue(int64_t in)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].GetValue() == in) {
            current = i;
            ++setCount;
            return Outcome(false);
        }
    }
    return Outcome(true);
}

SdkResult FakeEnum::SetValue(const std::string& in)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].GetName() == in) {
            current = i;
            ++setCount;
            return Outcome(false);
        }
    }
    return Outcome(true);
}

SdkResult FakeEnum::GetEntriesCount(uint32_t& count) const
{
    count = static_cast<uint32_t>(entries.size());
    return Outcome(false);
}

SdkResult FakeEnum::GetEntryByIndex(uint32_t index, SdkGenEnumEntry& entry) const
{
    if (index >= entries.size())
        return Outcome(true);
    entry = entries[index];
    return Outcome(false);
}

FakeBoolean::FakeBoolean(const std::string& name, bool value, SdkVisibility visibility)
    : SdkGenBoolean(name, visibility),
      value(value)
{
}

SdkResult FakeBoolean::GetValue(bool& out) const
{
    out = value;
    return Outcome(false);
}

SdkResult FakeBoolean::SetValue(bool in)
{
    value = in;
    return Outcome(false);
}

FakeString::FakeString(const std::string& name, std::string value, SdkVisibility visibility)
    : SdkGenString(name, visibility),
      value(std::move(value))
{
}

SdkResult FakeString::GetValue(std::string& out) const
{
    out = value;
    return Outcome(false);
}

SdkResult FakeString::SetValue(const std::string& in)
{
    value = in;
    return Outcome(false);
}

FakeCommand::FakeCommand(const std::string& name, std::vector<std::string>* log, SdkVisibility visibility)
    : SdkGenCommand(name, visibility),
      log(log)
{
}

SdkResult FakeCommand::Execute()
{
    ++executed;
    if (log)
        log->push_back(GetName());
    return Outcome(false);
}

SdkResult FakeDevice::Disconnect()
{
    connected = false;
    return Outcome(false);
}

FakeFrame MakeFrame(uint32_t width, uint32_t height, uint32_t pixelFormat, uint64_t blockId, uint8_t fill)
{
    FakeFrame frame;
    frame.width = width;
    frame.height = height;
    frame.pixelFormat = pixelFormat;
    frame.blockId = blockId;
    frame.pixels.assign(RawFrameBytes(pixelFormat, width, height), fill);
    return frame;
}

FakePipeline::~FakePipeline() = default;

void FakePipeline::Push(FakeFrame frame)
{
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(frame));
    }
    changed_.notify_all();
}

bool FakePipeline::WaitUntilDrained(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [this] { return queue_.empty() && held_.empty(); });
}

SdkResult FakePipeline::SetBufferSize(uint32_t bytes)
{
    std::lock_guard lock(mutex_);
    bufferSize_ = bytes;
    ++setBufferSizeCount_;
    return Outcome(false);
}

uint32_t FakePipeline::GetBufferSize() const
{
    std::lock_guard lock(mutex_);
    return bufferSize_;
}

SdkResult FakePipeline::Reset()
{
    std::lock_guard lock(mutex_);
    queue_.clear();
    ++resetCount_;
    return Outcome(false);
}

SdkResult FakePipeline::Start()
{
    std::lock_guard lock(mutex_);
    if (!started_)
        allocatedSize_ = std::max({bufferSize_, payloadSize.load(), refusedFrameBytes_});
    started_ = true;
    return Outcome(false);
}

SdkResult FakePipeline::Stop()
{
    {
        std::lock_guard lock(mutex_);
        // Completed frames nobody retrieved go with the stream's buffers.
        if (started_)
            queue_.clear();
        started_ = false;
    }
    changed_.notify_all();
    return Outcome(false);
}

bool FakePipeline::IsStarted() const
{
    std::lock_guard lock(mutex_);
    return started_;
}

SdkResult FakePipeline::RetrieveNextBuffer(SdkBuffer*& buffer, uint32_t timeoutMs, SdkResult* operationResult)
{
    std::unique_lock lock(mutex_);
    if (!started_)
        return SdkResult(SdkResult::STATE_ERROR);
    if (timeoutMs == kSdkNoTimeLimit)
        changed_.wait(lock, [this] { return !queue_.empty() || !started_; });
    else
        changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !queue_.empty() || !started_; });
    if (!started_)
        return SdkResult(SdkResult::ABORTED);
    if (queue_.empty())
        return SdkResult(SdkResult::TIMEOUT);

    auto held = std::make_unique<Held>();
    held->frame = std::move(queue_.front());
    queue_.pop_front();
    if (held->frame.pixels.size() > allocatedSize_) {
        // The stream cannot use a frame that does not fit its buffers; the
        // next start makes them large enough.
        refusedFrameBytes_ = std::max(refusedFrameBytes_, static_cast<uint32_t>(held->frame.pixels.size()));
        lock.unlock();
        changed_.notify_all();
        if (operationResult)
            *operationResult = SdkResult(SdkResult::BUFFER_TOO_SMALL);
        return SdkResult(SdkResult::BUFFER_TOO_SMALL);
    }
    const FakeFrame& frame = held->frame;
    held->buffer.Set(frame.width, frame.height, frame.pixelFormat, frame.pixels.data(), frame.pixels.size(),
                     frame.blockId);
    buffer = &held->buffer;
    held_.push_back(std::move(held));
    if (operationResult)
        *operationResult = SdkResult(SdkResult::OK);
    return Outcome(false);
}

uint32_t FakePipeline::GetOutputQueueSize() const
{
    std::lock_guard lock(mutex_);
    return static_cast<uint32_t>(queue_.size());
}

SdkResult FakePipeline::ReleaseBuffer(SdkBuffer* buffer)
{
    {
        std::lock_guard lock(mutex_);
        auto found = std::find_if(held_.begin(), held_.end(),
                                  [buffer](const std::unique_ptr<Held>& held) { return &held->buffer == buffer; });
        if (found == held_.end())
            return Outcome(true);
        released_.push_back((*found)->frame.blockId);
        held_.erase(found);
    }
    changed_.notify_all();
    return Outcome(false);
}

std::vector<uint64_t> FakePipeline::Released() const
{
    std::lock_guard lock(mutex_);
    return released_;
}

int FakePipeline::ResetCount() const
{
    std::lock_guard lock(mutex_);
    return resetCount_;
}

int FakePipeline::SetBufferSizeCount() const
{
    std::lock_guard lock(mutex_);
    return setBufferSizeCount_;
}

bool FakeConverter::ConvertFrame(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize,
                                 int32_t width, uint8_t* destination, int32_t interpolationMethod) const
{
    ++conversions;
    lastInterpolation = interpolationMethod;
    if (fail || rawSize < RawFrameBytes(pixelFormat, static_cast<uint32_t>(width), static_cast<uint32_t>(height)))
        return false;
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    const size_t bytesPerSample = PixelFormatBits(pixelFormat) / 8 == 2 ? 2 : 1;
    const size_t channels = IsGreyPixelFormat(pixelFormat) ? 1 : 3;
    for (size_t i = 0; i < pixels; ++i)
        std::memset(destination + i * channels, raw[i * bytesPerSample], channels);
    return true;
}

bool FakeConverter::MirrorGrayImage(uint8_t*, int32_t, int32_t, int32_t) const
{
    ++mirrors;
    return true;
}

bool FakeConverter::MirrorColorImage(uint8_t*, int32_t, int32_t, int32_t) const
{
    ++mirrors;
    return true;
}

bool FakeDisplay::ShowImage(uint32_t pixelFormat, const uint8_t* pixels, int32_t width, int32_t height)
{
    {
        std::lock_guard lock(mutex_);
        const size_t size =
            static_cast<size_t>(width) * static_cast<size_t>(height) * (PixelFormatBits(pixelFormat) / 8);
        shows_.push_back({false, pixelFormat, pixels, width, height, SteadyNowMs(), {pixels, pixels + size}});
    }
    changed_.notify_all();
    return hasWindow;
}

bool FakeDisplay::ShowRawImage(uint32_t pixelFormat, int32_t height, int32_t width, const uint8_t* data,
                               size_t dataSize)
{
    {
        std::lock_guard lock(mutex_);
        shows_.push_back({true, pixelFormat, data, width, height, SteadyNowMs(), {data, data + dataSize}});
    }
    changed_.notify_all();
    return true;
}

std::vector<FakeDisplay::Shown> FakeDisplay::Shows() const
{
    std::lock_guard lock(mutex_);
    return shows_;
}

bool FakeDisplay::WaitForShows(size_t count, int timeoutMs)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return shows_.size() >= count; });
}

FakeRecorder::~FakeRecorder()
{
    if (finalised_)
        ++*finalised_;
}

bool FakeRecorder::AddFrame(uint32_t, const FrameView&)
{
    return ++added >= framesPerFile_;
}
