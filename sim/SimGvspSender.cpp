#include "SimGvspSender.h"

#include <arv.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

// GVSP as GigE Vision defines it, in its standard (16-bit block id) form.
constexpr size_t kHeaderSize = 8;
constexpr size_t kIpUdpOverhead = 20 + 8;
constexpr size_t kLeaderDataSize = 36;
constexpr size_t kTrailerDataSize = 8;
constexpr uint16_t kStatusResent = 0x0100;
constexpr uint8_t kContentLeader = 0x01;
constexpr uint8_t kContentTrailer = 0x02;
constexpr uint8_t kContentPayload = 0x03;
constexpr uint16_t kPayloadTypeImage = 0x0001;
constexpr uint32_t kPacketIdMask = 0x00FFFFFF;
// Packet sizes outside this range are not taken from the camera's register:
// the smallest leaves a few payload bytes a packet.
constexpr uint32_t kMinPacketSize = 64;
constexpr uint32_t kMaxPacketSize = 65500;
constexpr int kPerMille = 1000;
constexpr size_t kKeptBytes = 256u * 1024 * 1024;
constexpr size_t kMinKeptFrames = 2;
// Room for a frame's burst of packets on the way out.
constexpr int kSendBufferBytes = 4 * 1024 * 1024;

uint8_t* Put16(uint8_t* at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value >> 8);
    at[1] = static_cast<uint8_t>(value);
    return at + 2;
}

uint8_t* Put32(uint8_t* at, uint32_t value)
{
    at = Put16(at, static_cast<uint16_t>(value >> 16));
    return Put16(at, static_cast<uint16_t>(value));
}

} // namespace

SimGvspSender::SimGvspSender(int lossPerMille)
    : lossPerMille_(std::clamp(lossPerMille, 0, kPerMille)),
      random_(std::random_device{}()),
      packet_(kMaxPacketSize)
{
}

SimGvspSender::~SimGvspSender()
{
    Close();
    for (KeptFrame& frame : frames_) {
        if (frame.buffer != nullptr)
            g_object_unref(frame.buffer);
    }
}

bool SimGvspSender::Open(in_addr address)
{
    Close();
    socket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (socket_ < 0)
        return false;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr = address;
    setsockopt(socket_, SOL_SOCKET, SO_SNDBUF, &kSendBufferBytes, sizeof kSendBufferBytes);
    // A multicast destination is reached through the camera's own interface.
    setsockopt(socket_, IPPROTO_IP, IP_MULTICAST_IF, &address, sizeof address);
    if (bind(socket_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        Close();
        return false;
    }
    return true;
}

void SimGvspSender::Close()
{
    if (socket_ >= 0)
        close(socket_);
    socket_ = -1;
}

ArvBuffer* SimGvspSender::NextBuffer(size_t payload)
{
    // Large frames are kept fewer, within a memory budget.
    kept_ = std::clamp<size_t>(kKeptBytes / std::max<size_t>(payload, 1), kMinKeptFrames, frames_.size());
    for (size_t i = kept_; i < frames_.size(); ++i) {
        if (frames_[i].buffer != nullptr)
            g_object_unref(frames_[i].buffer);
        frames_[i] = KeptFrame{};
    }
    if (next_ >= kept_)
        next_ = 0;
    KeptFrame& frame = frames_[next_];
    if (frame.buffer == nullptr || frame.payload != payload) {
        if (frame.buffer != nullptr)
            g_object_unref(frame.buffer);
        frame.buffer = arv_buffer_new(payload, nullptr);
        frame.payload = payload;
    }
    frame.sent = false;
    return frame.buffer;
}

void SimGvspSender::SendFrame(const sockaddr_in& destination, uint32_t packetSize, bool skip)
{
    KeptFrame& frame = frames_[next_];
    next_ = (next_ + 1) % kept_;
    if (frame.buffer == nullptr || arv_buffer_get_status(frame.buffer) != ARV_BUFFER_STATUS_SUCCESS)
        return;
    frame.blockId = static_cast<uint16_t>(arv_buffer_get_frame_id(frame.buffer));
    frame.packetSize = packetSize >= kMinPacketSize && packetSize <= kMaxPacketSize ? packetSize : kMinPacketSize;
    frame.sent = true;
    frame.skipped = skip;
    if (skip)
        return;
    std::uniform_int_distribution<int> draw(0, kPerMille - 1);
    const uint32_t count = PacketCount(frame);
    for (uint32_t id = 0; id < count; ++id) {
        const size_t size = BuildPacket(frame, id, false);
        if (lossPerMille_ == 0 || draw(random_) >= lossPerMille_)
            Send(size, destination);
    }
}

void SimGvspSender::Resend(uint16_t blockId, uint32_t firstPacket, uint32_t lastPacket, const sockaddr_in& destination)
{
    for (const KeptFrame& frame : frames_) {
        if (!frame.sent || frame.blockId != blockId)
            continue;
        if (frame.skipped)
            return;
        const uint32_t last = std::min(lastPacket, PacketCount(frame) - 1);
        for (uint32_t id = firstPacket; id <= last; ++id)
            Send(BuildPacket(frame, id, true), destination);
        return;
    }
}

void SimGvspSender::Forget()
{
    for (KeptFrame& frame : frames_)
        frame.sent = false;
}

uint32_t SimGvspSender::PacketCount(const KeptFrame& frame) const
{
    const size_t block = frame.packetSize - kIpUdpOverhead - kHeaderSize;
    return static_cast<uint32_t>((frame.payload + block - 1) / block) + 2; // leader and trailer
}

size_t SimGvspSender::BuildPacket(const KeptFrame& frame, uint32_t packetId, bool resent)
{
    const uint32_t trailerId = PacketCount(frame) - 1;
    const uint8_t content = packetId == 0 ? kContentLeader : packetId == trailerId ? kContentTrailer : kContentPayload;
    uint8_t* at = Put16(packet_.data(), resent ? kStatusResent : 0);
    at = Put16(at, frame.blockId);
    at = Put32(at, static_cast<uint32_t>(content) << 24 | (packetId & kPacketIdMask));

    ArvBuffer* buffer = frame.buffer;
    const auto height = static_cast<uint32_t>(arv_buffer_get_image_height(buffer));
    if (content == kContentLeader) {
        const uint64_t timestamp = arv_buffer_get_timestamp(buffer);
        at = Put16(at, 0);
        at = Put16(at, kPayloadTypeImage);
        at = Put32(at, static_cast<uint32_t>(timestamp >> 32));
        at = Put32(at, static_cast<uint32_t>(timestamp));
        at = Put32(at, arv_buffer_get_image_pixel_format(buffer));
        at = Put32(at, static_cast<uint32_t>(arv_buffer_get_image_width(buffer)));
        at = Put32(at, height);
        at = Put32(at, static_cast<uint32_t>(arv_buffer_get_image_x(buffer)));
        at = Put32(at, static_cast<uint32_t>(arv_buffer_get_image_y(buffer)));
        at = Put32(at, 0); // padding x and y
        return kHeaderSize + kLeaderDataSize;
    }
    if (content == kContentTrailer) {
        at = Put16(at, 0);
        at = Put16(at, kPayloadTypeImage);
        Put32(at, height);
        return kHeaderSize + kTrailerDataSize;
    }
    const size_t block = frame.packetSize - kIpUdpOverhead - kHeaderSize;
    const size_t offset = (packetId - 1) * block;
    // The buffer's own size is what a receiver got; this one was filled whole.
    const auto* data = static_cast<const uint8_t*>(arv_buffer_get_data(buffer, nullptr));
    const size_t size = std::min(block, frame.payload - offset);
    std::memcpy(at, data + offset, size);
    return kHeaderSize + size;
}

void SimGvspSender::Send(size_t size, const sockaddr_in& destination)
{
    if (socket_ >= 0)
        sendto(socket_, packet_.data(), size, 0, reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
}
