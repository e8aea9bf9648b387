#include "sdk/SdkStream.h"

#include "sdk/SdkArv.h"
#include "sdk/SdkDevice.h"
#include "sdk/SdkDeviceImpl.h"
#include "sdk/SdkLinkParameters.h"
#include "sdk/SdkStreamImpl.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <linux/if_ether.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The stream's "Reset" command: drops completed frames nobody retrieved.
class StreamReset final : public SdkGenCommand {
public:
    explicit StreamReset(SdkStream::Impl& stream) : SdkGenCommand("Reset", SDK_VISIBILITY_BEGINNER), stream_(stream) {}

    bool IsWritable() const override { return true; }
    SdkResult Execute() override
    {
        if (stream_.stream == nullptr)
            return SdkResult::NOT_INITIALIZED;
        stream_.RequeueCompleted();
        return SdkResult::OK;
    }

private:
    SdkStream::Impl& stream_;
};

// The receive buffer holds this many frames, and never less than the floor:
// enough to ride out the receiving thread being late by a few milliseconds.
constexpr uint32_t kSocketBufferFrames = 2;
constexpr uint32_t kSocketBufferFloor = 4u << 20;
constexpr uint32_t kSocketBufferCeiling = 64u << 20;

// Aravis falls back to its UDP socket when it may not open a packet socket.
bool PacketSocketWanted()
{
    const char* choice = std::getenv("LUMIVEX_STREAM_SOCKET");
    if (choice == nullptr || std::strcmp(choice, "packet") != 0)
        return false;
    const int probe = socket(PF_PACKET, SOCK_RAW, htons(ETH_P_ALL));
    if (probe < 0)
        return false;
    close(probe);
    return true;
}

} // namespace

void SdkStream::Impl::ApplySocketBuffer(uint32_t frameBytes)
{
    if (packetSocket || !ARV_IS_GV_STREAM(stream))
        return;
    const uint64_t wanted =
        std::clamp<uint64_t>(uint64_t{frameBytes} * kSocketBufferFrames, kSocketBufferFloor, kSocketBufferCeiling);
    g_object_set(stream, "socket-buffer", ARV_GV_STREAM_SOCKET_BUFFER_FIXED, "socket-buffer-size",
                 static_cast<gint>(wanted), nullptr);
    socketBufferSize = static_cast<uint32_t>(wanted);
}

void SdkStream::Impl::RequeueCompleted()
{
    while (ArvBuffer* buffer = arv_stream_try_pop_buffer(stream))
        arv_stream_push_buffer(stream, buffer);
}

bool SdkStream::Impl::StreamRecoveryEnabled() const
{
    bool enabled = false;
    auto* parameter =
        owner != nullptr ? dynamic_cast<SdkGenBoolean*>(owner->GetGenLink()->Get(kStreamRecoveryEnabled)) : nullptr;
    return parameter != nullptr && parameter->GetValue(enabled).IsOK() && enabled;
}

void SdkStream::Impl::ApplyRecoveryOption()
{
    // A packet is asked for again once a later one has come and it has not
    // for kInitialPacketTimeoutUs (packets arrive in order on a link, but the
    // receiving thread may be late), then again every kPacketTimeoutUs; a
    // frame waits kFrameRetentionUs past its last packet, so that a resend
    // of its trailer, asked for when the next frame starts, can still come.
    constexpr guint kInitialPacketTimeoutUs = 2000;
    constexpr guint kPacketTimeoutUs = 20000;
    constexpr guint kFrameRetentionUs = 200000;
    constexpr double kPacketRequestRatio = 0.25; // of a frame's packets, at most
    if (ARV_IS_GV_STREAM(stream))
        g_object_set(stream, "packet-resend",
                     StreamRecoveryEnabled() ? ARV_GV_STREAM_PACKET_RESEND_ALWAYS : ARV_GV_STREAM_PACKET_RESEND_NEVER,
                     "initial-packet-timeout", kInitialPacketTimeoutUs, "packet-timeout", kPacketTimeoutUs,
                     "frame-retention", kFrameRetentionUs, "packet-request-ratio", kPacketRequestRatio, nullptr);
}

SdkStream::SdkStream() : impl_(std::make_unique<Impl>()) {}

SdkStream::~SdkStream()
{
    Close();
    const std::vector<SdkStreamClient*> clients = impl_->clients;
    for (SdkStreamClient* client : clients)
        client->OnStreamDestroyed();
}

SdkResult SdkStream::Open(SdkDevice& device, const std::string& cameraIp, uint16_t localPort, int channel,
                          const std::string& localIp, uint32_t capacity)
{
    if (impl_->stream != nullptr)
        return SdkResult::STATE_ERROR;
    SdkDevice::Impl* deviceImpl = device.GetImpl();
    if (deviceImpl == nullptr || deviceImpl->camera == nullptr || !device.IsConnected())
        return SdkResult::NOT_CONNECTED;
    if (cameraIp != deviceImpl->deviceAddress || capacity == 0)
        return SdkResult::INVALID_PARAMETER;
    // Aravis binds the receiving socket itself, on the interface that reaches
    // the camera and on a port of its choice.
    if (localPort != 0 || (!localIp.empty() && localIp != deviceImpl->interfaceAddress))
        return SdkResult::NOT_SUPPORTED;

    SdkResult result =
        ArvCall([&](GError** error) { arv_camera_gv_select_stream_channel(deviceImpl->camera, channel, error); });
    // Another camera's packets must never reach this stream: the packet
    // socket takes everything on the interface until its filter is attached.
    const bool packetSocket = PacketSocketWanted();
    if (result.IsOK() && arv_camera_is_gv_device(deviceImpl->camera))
        arv_camera_gv_set_stream_options(
            deviceImpl->camera, packetSocket ? ARV_GV_STREAM_OPTION_NONE : ARV_GV_STREAM_OPTION_PACKET_SOCKET_DISABLED);
    ArvStream* stream = nullptr;
    if (result.IsOK())
        result = ArvCall(
            [&](GError** error) { stream = arv_camera_create_stream(deviceImpl->camera, nullptr, nullptr, error); });
    if (!result.IsOK() || stream == nullptr) {
        if (stream != nullptr)
            g_object_unref(stream);
        return result.IsOK() ? SdkResult(SdkResult::GENERIC_ERROR) : result;
    }

    impl_->stream = stream;
    impl_->device = ARV_DEVICE(g_object_ref(arv_camera_get_device(deviceImpl->camera)));
    impl_->owner = &device;
    impl_->receiving = true;
    impl_->capacity = capacity;
    impl_->packetSocket = packetSocket && ARV_IS_GV_STREAM(stream);
    impl_->mismatchedFrames = 0;
    impl_->localIp = deviceImpl->interfaceAddress;
    impl_->localPort = ARV_IS_GV_STREAM(stream) ? arv_gv_stream_get_port(ARV_GV_STREAM(stream)) : 0;
    impl_->parameters.Add(std::make_unique<StreamReset>(*impl_));
    impl_->ApplyRecoveryOption();
    return SdkResult::OK;
}

bool SdkStream::IsOpen() const
{
    return impl_->stream != nullptr;
}

SdkResult SdkStream::Close()
{
    if (impl_->stream == nullptr)
        return SdkResult::NOT_INITIALIZED;
    const std::vector<SdkStreamClient*> clients = impl_->clients;
    for (SdkStreamClient* client : clients)
        client->OnStreamClosing();
    impl_->parameters.Clear();
    // Freeing the stream stops its receiving thread, which Aravis expects to
    // be running then, and frees the buffers still queued.
    if (!impl_->receiving)
        arv_stream_start_thread(impl_->stream);
    g_object_unref(impl_->stream);
    g_object_unref(impl_->device);
    impl_->stream = nullptr;
    impl_->device = nullptr;
    impl_->owner = nullptr;
    impl_->receiving = false;
    impl_->localIp.clear();
    impl_->localPort = 0;
    impl_->packetSocket = false;
    impl_->socketBufferSize = 0;
    return SdkResult::OK;
}

void SdkStream::Abandon()
{
    if (impl_->stream == nullptr)
        return;
    ReleaseLastOnOwnThread(impl_->stream);
    ReleaseLastOnOwnThread(impl_->device);
    Close();
}

std::string SdkStream::GetLocalIPAddress() const
{
    return impl_->localIp;
}

uint16_t SdkStream::GetLocalPort() const
{
    return impl_->localPort;
}

SdkGenParameterArray* SdkStream::GetParameters()
{
    return &impl_->parameters;
}

bool SdkStream::GetStatistics(SdkStreamStatistics& statistics) const
{
    ArvStream* stream = impl_->stream;
    if (stream == nullptr)
        return false;
    guint64 completed = 0;
    guint64 failures = 0;
    guint64 underruns = 0;
    arv_stream_get_statistics(stream, &completed, &failures, &underruns);
    statistics.completedBuffers = completed;
    statistics.failedBuffers = failures;
    statistics.underruns = underruns;
    statistics.missingPackets = 0;
    statistics.resentPackets = 0;
    statistics.mismatchedFrames = impl_->mismatchedFrames;
    if (ARV_IS_GV_STREAM(stream)) {
        guint64 resent = 0;
        guint64 missing = 0;
        arv_gv_stream_get_statistics(ARV_GV_STREAM(stream), &resent, &missing);
        statistics.missingPackets = missing;
        statistics.resentPackets = resent;
    }
    return true;
}

bool SdkStream::UsesPacketSocket() const
{
    return impl_->packetSocket;
}

uint32_t SdkStream::GetSocketBufferSize() const
{
    return impl_->socketBufferSize;
}
