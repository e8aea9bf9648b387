#include "sdk/SdkPipeline.h"

#include "sdk/SdkArv.h"
#include "sdk/SdkStream.h"
#include "sdk/SdkStreamImpl.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>

namespace {

// Buffers the pipeline hands to the stream when started; the stream's
// capacity caps it.
constexpr uint32_t kDefaultBufferCount = 16;
// More than any GigE Vision frame takes: a camera (or a frame) that claims a
// larger payload gets no buffers rather than sixteen of up to 4 GiB each.
constexpr uint32_t kMaxBufferBytes = uint32_t{1} << 30;
// A wait for a buffer looks at the stop request this often.
constexpr uint32_t kWaitSliceMs = 20;
constexpr guint64 kMicrosecondsPerMs = 1000;
// A frame of another geometry than expected has the camera's features read
// again at most this often, so that a stream of foreign frames cannot keep
// the control channel busy.
constexpr auto kGeometryRereadInterval = std::chrono::milliseconds(200);

// What the camera says its frames are; 0 where it does not say.
struct Geometry {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t pixelType = 0;

    bool Admits(const SdkBuffer& buffer) const
    {
        const SdkImage& image = *buffer.GetImage();
        // Payloads without image geometry are not checked.
        if (image.GetWidth() == 0)
            return true;
        return (width == 0 || image.GetWidth() == width) && (height == 0 || image.GetHeight() == height) &&
               (pixelType == 0 || image.GetPixelType() == pixelType);
    }
};

uint32_t ReadFeature(ArvDevice* device, const char* name)
{
    gint64 value = 0;
    const SdkResult result =
        ArvCall([&](GError** error) { value = arv_device_get_integer_feature_value(device, name, error); });
    return result.IsOK() ? static_cast<uint32_t>(std::clamp<gint64>(value, 0, UINT32_MAX)) : 0;
}

Geometry ReadGeometry(ArvDevice* device)
{
    return Geometry{ReadFeature(device, "Width"), ReadFeature(device, "Height"), ReadFeature(device, "PixelFormat")};
}

SdkResult ResultOfStatus(ArvBufferStatus status)
{
    switch (status) {
    case ARV_BUFFER_STATUS_SUCCESS:
        return SdkResult::OK;
    case ARV_BUFFER_STATUS_MISSING_PACKETS:
    case ARV_BUFFER_STATUS_WRONG_PACKET_ID:
        return SdkResult::MISSING_PACKETS;
    case ARV_BUFFER_STATUS_TIMEOUT:
        return SdkResult::TIMEOUT;
    case ARV_BUFFER_STATUS_SIZE_MISMATCH:
        return SdkResult::BUFFER_TOO_SMALL;
    case ARV_BUFFER_STATUS_ABORTED:
        return SdkResult::ABORTED;
    default:
        return SdkResult::IMAGE_ERROR;
    }
}

// Bytes an image of this geometry needs; the pixel format code carries its
// bits per pixel in bits 16 to 23.
uint64_t ImageBytes(const SdkBuffer& buffer)
{
    const SdkImage& image = *buffer.GetImage();
    uint64_t bitsPerPixel = (image.GetPixelType() >> 16) & 0xFF;
    return (uint64_t{image.GetWidth()} * image.GetHeight() * bitsPerPixel + 7) / 8;
}

void Describe(ArvBuffer* source, SdkBuffer& buffer)
{
    size_t size = 0;
    const void* data = nullptr;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t pixelType = 0;
    if (arv_buffer_get_payload_type(source) == ARV_BUFFER_PAYLOAD_TYPE_IMAGE) {
        data = arv_buffer_get_image_data(source, &size);
        width = static_cast<uint32_t>(arv_buffer_get_image_width(source));
        height = static_cast<uint32_t>(arv_buffer_get_image_height(source));
        pixelType = arv_buffer_get_image_pixel_format(source);
    } else {
        data = arv_buffer_get_data(source, &size);
    }
    buffer.Set(width, height, pixelType, static_cast<const uint8_t*>(data), size, arv_buffer_get_frame_id(source));
    buffer.SetTimes(arv_buffer_get_timestamp(source), arv_buffer_get_system_timestamp(source));
}

} // namespace

// Every buffer the pipeline made is owned twice: once by the pipeline (its
// own reference, dropped when the buffer is freed) and once by whoever has it
// now: the stream's queues or the program between retrieve and release.
// Stopping lets the stream free what its queues hold; buffers the program
// still holds are freed when it releases them.
struct SdkPipeline::Impl final : SdkStreamClient {
    struct Slot {
        std::unique_ptr<SdkBuffer> buffer;
        uint64_t generation = 0;
    };

    explicit Impl(SdkStream& owner) : stream(&owner) { stream->GetImpl()->clients.push_back(this); }

    ~Impl()
    {
        Stop();
        for (auto& [arvBuffer, slot] : slots) {
            if (held.count(slot.buffer.get()) != 0)
                g_object_unref(arvBuffer);
            g_object_unref(arvBuffer);
        }
        if (stream != nullptr) {
            auto& clients = stream->GetImpl()->clients;
            clients.erase(std::remove(clients.begin(), clients.end(), this), clients.end());
        }
    }

    void OnStreamClosing() override { Stop(); }
    void OnStreamDestroyed() override { stream = nullptr; }

    ArvStream* Arv() const { return stream != nullptr ? stream->GetImpl()->stream : nullptr; }

    SdkResult Start()
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (started)
            return SdkResult::OK;
        SdkStream::Impl* streamImpl = stream != nullptr ? stream->GetImpl() : nullptr;
        if (streamImpl == nullptr || streamImpl->stream == nullptr)
            return SdkResult::NOT_INITIALIZED;
        // The camera's payload now, not when the size was last set: a format
        // or area change while stopped makes every frame larger.
        gint64 payload = 0;
        SdkResult result = ArvCall([&](GError** error) {
            payload = arv_device_get_integer_feature_value(streamImpl->device, "PayloadSize", error);
        });
        if (!result.IsOK() && bufferSize == 0)
            return result;
        const uint32_t size = std::max(
            {bufferSize, refusedFrameBytes, static_cast<uint32_t>(std::clamp<gint64>(payload, 0, UINT32_MAX))});
        if (size == 0 || size > kMaxBufferBytes)
            return SdkResult::INVALID_PARAMETER;

        // The first mismatch after a start reads the features at once.
        expected = ReadGeometry(streamImpl->device);
        lastGeometryRead = {};
        streamImpl->ApplySocketBuffer(size);
        ++generation;
        uint32_t count = std::min(kDefaultBufferCount, streamImpl->capacity);
        for (uint32_t i = 0; i < count; ++i) {
            ArvBuffer* arvBuffer = arv_buffer_new_allocate(size);
            slots[arvBuffer] = Slot{std::make_unique<SdkBuffer>(), generation};
            arv_stream_push_buffer(streamImpl->stream, ARV_BUFFER(g_object_ref(arvBuffer)));
        }
        streamImpl->ApplyRecoveryOption();
        if (!streamImpl->receiving) {
            arv_stream_start_thread(streamImpl->stream);
            streamImpl->receiving = true;
        }
        started = true;
        return SdkResult::OK;
    }

    SdkResult Stop()
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (!started)
            return SdkResult::OK;
        // Waits in RetrieveNextBuffer notice this within one slice.
        stopping = true;
        idle.wait(lock, [this] { return waiters == 0; });
        SdkStream::Impl* streamImpl = stream->GetImpl();
        arv_stream_stop_thread(streamImpl->stream, TRUE);
        streamImpl->receiving = false;
        for (auto slot = slots.begin(); slot != slots.end();) {
            if (held.count(slot->second.buffer.get()) == 0) {
                g_object_unref(slot->first);
                slot = slots.erase(slot);
            } else {
                ++slot;
            }
        }
        started = false;
        stopping = false;
        return SdkResult::OK;
    }

    SdkResult Retrieve(SdkBuffer*& buffer, uint32_t timeoutMs, SdkResult* operationResult)
    {
        buffer = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!started || stopping)
                return SdkResult::STATE_ERROR;
            ++waiters;
        }
        SdkResult result = Wait(buffer, timeoutMs);
        {
            // Notified under the lock: once Stop sees no waiter, this thread
            // touches the pipeline no more.
            std::lock_guard<std::mutex> lock(mutex);
            --waiters;
            idle.notify_all();
        }
        if (operationResult != nullptr)
            *operationResult = result;
        return result;
    }

    // Runs between the waiter count going up and down again, so that Stop
    // cannot take the stream's buffers away meanwhile.
    SdkResult Wait(SdkBuffer*& buffer, uint32_t timeoutMs)
    {
        ArvStream* arvStream = Arv();
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        ArvBuffer* arvBuffer = nullptr;
        while (true) {
            if (timeoutMs == kSdkNoWait) {
                arvBuffer = arv_stream_try_pop_buffer(arvStream);
            } else {
                uint32_t slice = kWaitSliceMs;
                if (timeoutMs != kSdkNoTimeLimit) {
                    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                                      std::chrono::steady_clock::now());
                    slice = static_cast<uint32_t>(std::clamp<int64_t>(left.count(), 0, kWaitSliceMs));
                }
                arvBuffer = arv_stream_timeout_pop_buffer(arvStream, slice * kMicrosecondsPerMs);
            }
            if (arvBuffer != nullptr)
                break;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (stopping)
                    return SdkResult::ABORTED;
            }
            if (timeoutMs == kSdkNoWait ||
                (timeoutMs != kSdkNoTimeLimit && std::chrono::steady_clock::now() >= deadline))
                return SdkResult::TIMEOUT;
        }

        SdkResult status = ResultOfStatus(arv_buffer_get_status(arvBuffer));
        SdkBuffer described;
        if (status.IsOK() || status.GetCode() == SdkResult::BUFFER_TOO_SMALL) {
            Describe(arvBuffer, described);
            if (!Admitted(described)) {
                // Not this camera's frame (or the camera changed before the
                // features could tell): nothing may show or keep it.
                stream->GetImpl()->mismatchedFrames.fetch_add(1, std::memory_order_relaxed);
                arv_stream_push_buffer(arvStream, arvBuffer);
                return SdkResult::IMAGE_ERROR;
            }
        }
        std::lock_guard<std::mutex> lock(mutex);
        auto slot = slots.find(arvBuffer);
        if (status.IsOK() && slot == slots.end())
            status = SdkResult::GENERIC_ERROR;
        if (status.IsOK() || status.GetCode() == SdkResult::BUFFER_TOO_SMALL) {
            // Aravis cuts a frame larger than the buffer short and still
            // calls it complete; its geometry would lead readers past the end.
            const uint64_t needed = ImageBytes(described);
            if (status.IsOK() && described.GetDataSize() >= needed) {
                *slot->second.buffer = described;
            } else {
                status = SdkResult::BUFFER_TOO_SMALL;
                // The next start makes buffers this frame fits in.
                refusedFrameBytes =
                    std::max(refusedFrameBytes, static_cast<uint32_t>(std::min<uint64_t>(needed, UINT32_MAX)));
            }
        }
        if (!status.IsOK()) {
            // A frame nobody can use goes straight back to be filled again.
            arv_stream_push_buffer(arvStream, arvBuffer);
            return status;
        }
        slot->second.buffer->handle = arvBuffer;
        held.insert(slot->second.buffer.get());
        buffer = slot->second.buffer.get();
        return SdkResult::OK;
    }

    // Whether the frame is of the camera's current format and size; a
    // mismatch has the features read again first, as the camera may have
    // changed since the pipeline started.
    bool Admitted(const SdkBuffer& frame)
    {
        Geometry now;
        bool reread = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (expected.Admits(frame))
                return true;
            reread = std::chrono::steady_clock::now() - lastGeometryRead >= kGeometryRereadInterval;
            if (reread)
                lastGeometryRead = std::chrono::steady_clock::now();
        }
        if (!reread)
            return false;
        now = ReadGeometry(stream->GetImpl()->device);
        std::lock_guard<std::mutex> lock(mutex);
        expected = now;
        return expected.Admits(frame);
    }

    SdkResult Release(SdkBuffer* buffer)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (buffer == nullptr || held.erase(buffer) == 0)
            return SdkResult::INVALID_PARAMETER;
        auto* arvBuffer = static_cast<ArvBuffer*>(buffer->handle);
        auto slot = slots.find(arvBuffer);
        if (started && slot->second.generation == generation) {
            arv_stream_push_buffer(Arv(), arvBuffer);
            return SdkResult::OK;
        }
        // Retrieved before the pipeline stopped: nobody needs it any more.
        g_object_unref(arvBuffer);
        g_object_unref(arvBuffer);
        slots.erase(slot);
        return SdkResult::OK;
    }

    SdkStream* stream;
    uint32_t bufferSize = 0;
    // The size of the largest frame refused for not fitting the buffers.
    uint32_t refusedFrameBytes = 0;
    // The camera's frames as its features last said, read at start.
    Geometry expected;
    std::chrono::steady_clock::time_point lastGeometryRead;
    mutable std::mutex mutex;
    std::condition_variable idle;
    bool started = false;
    bool stopping = false;
    int waiters = 0;
    uint64_t generation = 0;
    std::map<ArvBuffer*, Slot> slots;
    std::set<SdkBuffer*> held;
};

SdkPipeline::SdkPipeline(SdkStream& stream) : impl_(std::make_unique<Impl>(stream)) {}

SdkPipeline::SdkPipeline() = default;

SdkPipeline::~SdkPipeline() = default;

SdkResult SdkPipeline::SetBufferSize(uint32_t bytes)
{
    if (impl_ == nullptr)
        return SdkResult::NOT_INITIALIZED;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->bufferSize = bytes;
    return SdkResult::OK;
}

uint32_t SdkPipeline::GetBufferSize() const
{
    if (impl_ == nullptr)
        return 0;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->bufferSize;
}

SdkResult SdkPipeline::Reset()
{
    if (impl_ == nullptr)
        return SdkResult::NOT_INITIALIZED;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    if (impl_->started)
        impl_->stream->GetImpl()->RequeueCompleted();
    return SdkResult::OK;
}

SdkResult SdkPipeline::Start()
{
    return impl_ != nullptr ? impl_->Start() : SdkResult(SdkResult::NOT_INITIALIZED);
}

SdkResult SdkPipeline::Stop()
{
    return impl_ != nullptr ? impl_->Stop() : SdkResult(SdkResult::NOT_INITIALIZED);
}

bool SdkPipeline::IsStarted() const
{
    if (impl_ == nullptr)
        return false;
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->started;
}

SdkResult SdkPipeline::RetrieveNextBuffer(SdkBuffer*& buffer, uint32_t timeoutMs, SdkResult* operationResult)
{
    buffer = nullptr;
    return impl_ != nullptr ? impl_->Retrieve(buffer, timeoutMs, operationResult)
                            : SdkResult(SdkResult::NOT_INITIALIZED);
}

uint32_t SdkPipeline::GetOutputQueueSize() const
{
    ArvStream* stream = impl_ != nullptr ? impl_->Arv() : nullptr;
    if (stream == nullptr)
        return 0;
    gint input = 0;
    gint output = 0;
    arv_stream_get_n_buffers(stream, &input, &output);
    return static_cast<uint32_t>(std::max(output, 0));
}

SdkResult SdkPipeline::ReleaseBuffer(SdkBuffer* buffer)
{
    return impl_ != nullptr ? impl_->Release(buffer) : SdkResult(SdkResult::NOT_INITIALIZED);
}
