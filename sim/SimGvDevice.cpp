#include "SimGvDevice.h"

#include "SimBootstrap.h"

#include <arv.h>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

// GVCP as GigE Vision defines it.
constexpr uint16_t kGvcpPort = 3956;
constexpr uint8_t kCommandKey = 0x42;
constexpr uint8_t kFlagAckRequired = 0x01;
constexpr uint8_t kFlagExtendedIds = 0x10;
constexpr size_t kHeaderSize = 8;
constexpr uint16_t kDiscoveryCmd = 0x0002;
constexpr uint16_t kPacketResendCmd = 0x0040;
constexpr uint16_t kReadRegisterCmd = 0x0080;
constexpr uint16_t kWriteRegisterCmd = 0x0082;
constexpr uint16_t kReadMemoryCmd = 0x0084;
constexpr uint16_t kWriteMemoryCmd = 0x0086;
constexpr uint16_t kStatusSuccess = 0x0000;
constexpr uint16_t kStatusNotImplemented = 0x8001;
constexpr uint16_t kStatusInvalidParameter = 0x8002;
constexpr uint16_t kStatusInvalidAddress = 0x8003;
constexpr uint16_t kStatusWriteProtect = 0x8004;
constexpr uint16_t kStatusBadAlignment = 0x8005;
constexpr uint16_t kStatusAccessDenied = 0x8006;
constexpr size_t kDiscoveryDataSize = 0xF8;
constexpr size_t kMaxMemoryBlock = 536;
constexpr uint32_t kResendBlockIdMask = 0xFFFF;
constexpr uint32_t kResendPacketIdMask = 0x00FFFFFF;

constexpr uint32_t kGvcpCapability = 0x0934;
constexpr uint32_t kCapabilityWriteMemory = 1u << 1;
constexpr uint32_t kCapabilityPacketResend = 1u << 2;
constexpr uint32_t kHeartbeatTimeout = 0x0938;
constexpr uint32_t kControlChannelPrivilege = 0x0A00;
constexpr uint32_t kStreamChannelPort = 0x0D00;
constexpr uint32_t kStreamChannelAddress = 0x0D18;
constexpr uint32_t kStreamPortMask = 0xFFFF;

// The heartbeat is checked, and a stop seen, at least this often.
constexpr int kTickMs = 10;
constexpr size_t kReceiveBufferSize = 65536;
constexpr int kPerMille = 1000;
// Acknowledges kept for repeated write commands; a client has one socket.
constexpr size_t kMaxSentAcks = 64;
constexpr uint64_t kMicrosecondsPerMillisecond = 1000;

uint16_t Get16(const uint8_t* at)
{
    return static_cast<uint16_t>(at[0] << 8 | at[1]);
}

uint32_t Get32(const uint8_t* at)
{
    return static_cast<uint32_t>(Get16(at)) << 16 | Get16(at + 2);
}

void Append16(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void Append32(std::vector<uint8_t>& out, uint32_t value)
{
    Append16(out, static_cast<uint16_t>(value >> 16));
    Append16(out, static_cast<uint16_t>(value));
}

// An acknowledge header; its length is filled in by Finish.
std::vector<uint8_t> Ack(uint16_t status, uint16_t command, uint16_t requestId)
{
    std::vector<uint8_t> ack;
    Append16(ack, status);
    Append16(ack, static_cast<uint16_t>(command + 1));
    Append16(ack, 0);
    Append16(ack, requestId);
    return ack;
}

std::vector<uint8_t> Finish(std::vector<uint8_t> ack)
{
    const auto length = static_cast<uint16_t>(ack.size() - kHeaderSize);
    ack[4] = static_cast<uint8_t>(length >> 8);
    ack[5] = static_cast<uint8_t>(length);
    return ack;
}

uint64_t ClientKey(const sockaddr_in& client)
{
    return static_cast<uint64_t>(ntohl(client.sin_addr.s_addr)) << 16 | ntohs(client.sin_port);
}

bool SameClient(const sockaddr_in& a, const sockaddr_in& b)
{
    return a.sin_addr.s_addr == b.sin_addr.s_addr && a.sin_port == b.sin_port;
}

// The broadcast address of the interface holding address; nullopt when no
// interface holds it, INADDR_NONE when it has no broadcast address.
std::optional<in_addr> InterfaceBroadcast(in_addr address)
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return std::nullopt;
    std::optional<in_addr> result;
    for (ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
        if (it->ifa_addr == nullptr || it->ifa_addr->sa_family != AF_INET)
            continue;
        if (reinterpret_cast<const sockaddr_in*>(it->ifa_addr)->sin_addr.s_addr != address.s_addr)
            continue;
        in_addr broadcast{INADDR_NONE};
        if ((it->ifa_flags & IFF_BROADCAST) != 0 && it->ifa_broadaddr != nullptr)
            broadcast = reinterpret_cast<const sockaddr_in*>(it->ifa_broadaddr)->sin_addr;
        result = broadcast;
        break;
    }
    freeifaddrs(list);
    return result;
}

} // namespace

SimGvDevice::SimGvDevice(ArvFakeCamera* camera, const SimOptions& options)
    : camera_(camera),
      options_(options),
      sender_(options.lossPerMille),
      random_(std::random_device{}())
{
}

SimGvDevice::~SimGvDevice()
{
    Stop();
}

bool SimGvDevice::OpenSocket(in_addr address, bool shared)
{
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    if (shared) {
        // Every camera on the machine hears the broadcasts.
        const int on = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        setsockopt(fd, SOL_SOCKET, SO_REUSEPORT, &on, sizeof on);
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr = address;
    local.sin_port = htons(kGvcpPort);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        close(fd);
        return false;
    }
    sockets_.push_back(fd);
    return true;
}

bool SimGvDevice::Start()
{
    Stop();
    if (inet_pton(AF_INET, options_.interfaceAddress.c_str(), &address_) != 1)
        return false;
    const std::optional<in_addr> broadcast = InterfaceBroadcast(address_);
    if (!broadcast)
        return false;
    const in_addr everyone{htonl(INADDR_BROADCAST)};
    bool open = OpenSocket(address_, false) && OpenSocket(everyone, true);
    if (open && broadcast->s_addr != INADDR_NONE && broadcast->s_addr != address_.s_addr)
        open = OpenSocket(*broadcast, true);
    if (!open || !sender_.Open(address_)) {
        Stop();
        return false;
    }

    GInetAddress* inet =
        g_inet_address_new_from_bytes(reinterpret_cast<const guint8*>(&address_), G_SOCKET_FAMILY_IPV4);
    arv_fake_camera_set_inet_address(camera_, inet);
    g_object_unref(inet);
    SetRegister(kGvcpCapability, Register(kGvcpCapability) | kCapabilityWriteMemory | kCapabilityPacketResend);

    stop_ = false;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void SimGvDevice::Stop()
{
    if (thread_.joinable()) {
        stop_ = true;
        thread_.join();
    }
    for (int fd : sockets_)
        close(fd);
    sockets_.clear();
    sender_.Close();
    controller_.reset();
    sentAcks_.clear();
    streaming_ = false;
}

void SimGvDevice::Run()
{
    std::vector<pollfd> fds;
    for (int fd : sockets_)
        fds.push_back({fd, POLLIN, 0});
    while (!stop_) {
        int timeoutMs = kTickMs;
        if (streaming_) {
            if (nextFrameUs_ == 0)
                arv_fake_camera_get_sleep_time_for_next_frame(camera_, &nextFrameUs_);
            const int64_t untilFrameUs = static_cast<int64_t>(nextFrameUs_) - g_get_real_time();
            timeoutMs = static_cast<int>(std::clamp<int64_t>(
                (untilFrameUs + kMicrosecondsPerMillisecond - 1) / kMicrosecondsPerMillisecond, 0, kTickMs));
        }
        if (poll(fds.data(), fds.size(), timeoutMs) > 0) {
            for (pollfd& p : fds) {
                if ((p.revents & POLLIN) != 0)
                    ReceiveAll(p.fd);
            }
        }
        CheckHeartbeat(Clock::now());
        UpdateStream();
        SendFrameIfDue();
    }
}

void SimGvDevice::ReceiveAll(int socket)
{
    std::vector<uint8_t> buffer(kReceiveBufferSize);
    for (;;) {
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t n =
            recvfrom(socket, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (n < 0)
            return;
        Handle(buffer.data(), static_cast<size_t>(n), from);
    }
}

void SimGvDevice::Handle(const uint8_t* packet, size_t size, const sockaddr_in& from)
{
    if (size < kHeaderSize || packet[0] != kCommandKey)
        return;
    Command command;
    command.flags = packet[1];
    command.code = Get16(packet + 2);
    command.requestId = Get16(packet + 6);
    command.data = packet + kHeaderSize;
    command.size = std::min<size_t>(Get16(packet + 4), size - kHeaderSize);

    const Clock::time_point now = Clock::now();
    CheckHeartbeat(now);
    const bool fromController = controller_ && SameClient(*controller_, from);
    if (fromController)
        controllerSeen_ = now;

    switch (command.code) {
    case kDiscoveryCmd: {
        std::vector<uint8_t> ack = Ack(kStatusSuccess, command.code, command.requestId);
        ack.resize(kHeaderSize + kDiscoveryDataSize);
        arv_fake_camera_read_memory(camera_, 0, kDiscoveryDataSize, ack.data() + kHeaderSize);
        if ((command.flags & kFlagAckRequired) != 0)
            Reply(Finish(std::move(ack)), from, false);
        return;
    }
    case kPacketResendCmd:
        Resend(command);
        return;
    default:
        break;
    }

    const bool isWrite = command.code == kWriteRegisterCmd || command.code == kWriteMemoryCmd;
    const std::vector<uint8_t> raw(packet, packet + size);
    if (isWrite) {
        const auto sent = sentAcks_.find(ClientKey(from));
        if (sent != sentAcks_.end() && sent->second.requestId == command.requestId && sent->second.command == raw) {
            Reply(sent->second.ack, from, true);
            return;
        }
    }
    const std::vector<uint8_t> ack = Answer(command, !controller_ || fromController);
    if (isWrite) {
        if (sentAcks_.size() >= kMaxSentAcks)
            sentAcks_.clear();
        sentAcks_[ClientKey(from)] = {command.requestId, raw, ack};
        UpdateControl(from);
    }
    if ((command.flags & kFlagAckRequired) != 0)
        Reply(ack, from, true);
}

std::vector<uint8_t> SimGvDevice::Answer(const Command& command, bool mayWrite)
{
    switch (command.code) {
    case kReadRegisterCmd:
        return ReadRegisters(command);
    case kReadMemoryCmd:
        return ReadMemory(command);
    case kWriteRegisterCmd:
    case kWriteMemoryCmd:
        if (!mayWrite)
            return Finish(Ack(kStatusAccessDenied, command.code, command.requestId));
        return command.code == kWriteRegisterCmd ? WriteRegisters(command) : WriteMemory(command);
    default:
        return Finish(Ack(kStatusNotImplemented, command.code, command.requestId));
    }
}

std::vector<uint8_t> SimGvDevice::ReadRegisters(const Command& command)
{
    if (command.size == 0 || command.size % 4 != 0 || command.size > kMaxMemoryBlock)
        return Finish(Ack(kStatusInvalidParameter, command.code, command.requestId));
    std::vector<uint8_t> ack = Ack(kStatusSuccess, command.code, command.requestId);
    for (size_t at = 0; at < command.size; at += 4) {
        const uint32_t address = Get32(command.data + at);
        if (address % 4 != 0)
            return Finish(Ack(kStatusBadAlignment, command.code, command.requestId));
        if (!Readable(address, 4))
            return Finish(Ack(kStatusInvalidAddress, command.code, command.requestId));
        guint32 value = 0;
        arv_fake_camera_read_register(camera_, address, &value);
        Append32(ack, value);
    }
    return Finish(std::move(ack));
}

std::vector<uint8_t> SimGvDevice::WriteRegisters(const Command& command)
{
    constexpr size_t kPairSize = 8;
    if (command.size == 0 || command.size % kPairSize != 0 || command.size > kMaxMemoryBlock)
        return Finish(Ack(kStatusInvalidParameter, command.code, command.requestId));
    uint16_t written = 0;
    uint16_t status = kStatusSuccess;
    for (size_t at = 0; at < command.size; at += kPairSize, ++written) {
        const uint32_t address = Get32(command.data + at);
        if (address % 4 != 0) {
            status = kStatusBadAlignment;
            break;
        }
        if (address + 4 > ARV_FAKE_CAMERA_MEMORY_SIZE) {
            status = Readable(address, 4) ? kStatusWriteProtect : kStatusInvalidAddress;
            break;
        }
        arv_fake_camera_write_register(camera_, address, Get32(command.data + at + 4));
    }
    std::vector<uint8_t> ack = Ack(status, command.code, command.requestId);
    Append16(ack, 0);
    Append16(ack, written);
    return Finish(std::move(ack));
}

std::vector<uint8_t> SimGvDevice::ReadMemory(const Command& command)
{
    constexpr size_t kArgumentsSize = 8;
    if (command.size < kArgumentsSize)
        return Finish(Ack(kStatusInvalidParameter, command.code, command.requestId));
    const uint32_t address = Get32(command.data);
    const uint16_t count = Get16(command.data + 6);
    if (address % 4 != 0 || count % 4 != 0)
        return Finish(Ack(kStatusBadAlignment, command.code, command.requestId));
    if (count == 0 || count > kMaxMemoryBlock)
        return Finish(Ack(kStatusInvalidParameter, command.code, command.requestId));
    if (!Readable(address, count))
        return Finish(Ack(kStatusInvalidAddress, command.code, command.requestId));
    std::vector<uint8_t> ack = Ack(kStatusSuccess, command.code, command.requestId);
    Append32(ack, address);
    const size_t at = ack.size();
    ack.resize(at + count);
    arv_fake_camera_read_memory(camera_, address, count, ack.data() + at);
    return Finish(std::move(ack));
}

std::vector<uint8_t> SimGvDevice::WriteMemory(const Command& command)
{
    constexpr size_t kAddressSize = 4;
    if (command.size <= kAddressSize || command.size > kAddressSize + kMaxMemoryBlock)
        return Finish(Ack(kStatusInvalidParameter, command.code, command.requestId));
    const uint32_t address = Get32(command.data);
    const size_t count = command.size - kAddressSize;
    uint16_t status = kStatusSuccess;
    if (address % 4 != 0 || count % 4 != 0)
        status = kStatusBadAlignment;
    else if (!Readable(address, count))
        status = kStatusInvalidAddress;
    else if (address + count > ARV_FAKE_CAMERA_MEMORY_SIZE)
        status = kStatusWriteProtect;
    else
        arv_fake_camera_write_memory(camera_, address, static_cast<guint32>(count), command.data + kAddressSize);
    std::vector<uint8_t> ack = Ack(status, command.code, command.requestId);
    Append16(ack, 0);
    Append16(ack, static_cast<uint16_t>(status == kStatusSuccess ? count : 0));
    return Finish(std::move(ack));
}

void SimGvDevice::Resend(const Command& command)
{
    // Frames sent before the acquisition stopped are still kept.
    const std::optional<sockaddr_in> destination = StreamDestination();
    if (!destination)
        return;
    constexpr size_t kStandardSize = 12;
    constexpr size_t kExtendedSize = 20;
    if ((command.flags & kFlagExtendedIds) != 0) {
        // This device sends 16-bit block ids; a client that keeps 64-bit ones
        // asks with their value.
        if (command.size < kExtendedSize)
            return;
        const uint64_t blockId = static_cast<uint64_t>(Get32(command.data + 12)) << 32 | Get32(command.data + 16);
        sender_.Resend(static_cast<uint16_t>(blockId), Get32(command.data + 4), Get32(command.data + 8), *destination);
        return;
    }
    if (command.size < kStandardSize)
        return;
    sender_.Resend(static_cast<uint16_t>(Get32(command.data) & kResendBlockIdMask),
                   Get32(command.data + 4) & kResendPacketIdMask, Get32(command.data + 8) & kResendPacketIdMask,
                   *destination);
}

void SimGvDevice::Reply(const std::vector<uint8_t>& ack, const sockaddr_in& to, bool mayBeLost)
{
    if (mayBeLost && options_.controlLossPerMille > 0 &&
        std::uniform_int_distribution<int>(0, kPerMille - 1)(random_) < options_.controlLossPerMille)
        return;
    sendto(sockets_.front(), ack.data(), ack.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

void SimGvDevice::UpdateControl(const sockaddr_in& from)
{
    const bool privileged = Register(kControlChannelPrivilege) != 0;
    if (!controller_ && privileged) {
        controller_ = from;
        controllerSeen_ = Clock::now();
    } else if (controller_ && !privileged) {
        ReleaseControl();
    }
}

void SimGvDevice::CheckHeartbeat(Clock::time_point now)
{
    if (!controller_)
        return;
    const auto timeout = std::chrono::milliseconds(Register(kHeartbeatTimeout));
    if (now - controllerSeen_ > timeout)
        ReleaseControl();
}

void SimGvDevice::ReleaseControl()
{
    // A device whose controlling application is gone, or let go, closes its
    // stream channel and ends the acquisition it had started.
    controller_.reset();
    SetRegister(kControlChannelPrivilege, 0);
    SetRegister(kStreamChannelPort, 0);
    SetRegister(ARV_FAKE_CAMERA_REGISTER_ACQUISITION, 0);
    UpdateStream();
    sender_.Forget();
}

std::optional<sockaddr_in> SimGvDevice::StreamDestination() const
{
    const uint32_t port = Register(kStreamChannelPort) & kStreamPortMask;
    if (port == 0)
        return std::nullopt;
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_port = htons(static_cast<uint16_t>(port));
    destination.sin_addr.s_addr = htonl(Register(kStreamChannelAddress));
    return destination;
}

void SimGvDevice::UpdateStream()
{
    const bool wanted = Register(kControlChannelPrivilege) != 0 &&
                        arv_fake_camera_get_acquisition_status(camera_) != 0 && StreamDestination().has_value();
    if (wanted == streaming_)
        return;
    streaming_ = wanted;
    nextFrameUs_ = 0;
}

void SimGvDevice::SendFrameIfDue()
{
    if (!streaming_ || nextFrameUs_ == 0 || static_cast<uint64_t>(g_get_real_time()) < nextFrameUs_)
        return;
    nextFrameUs_ = 0;
    const bool triggered = arv_fake_camera_is_in_free_running_mode(camera_) ||
                           (arv_fake_camera_is_in_software_trigger_mode(camera_) &&
                            arv_fake_camera_check_and_acknowledge_software_trigger(camera_));
    if (!triggered)
        return;
    const std::optional<sockaddr_in> destination = StreamDestination();
    if (!destination)
        return;
    ArvBuffer* buffer = sender_.NextBuffer(arv_fake_camera_get_payload(camera_));
    guint32 packetSize = 0;
    arv_fake_camera_fill_buffer(camera_, buffer, &packetSize);
    ++framesFilled_;
    const bool skip = options_.frameSkip > 0 && framesFilled_ % static_cast<uint64_t>(options_.frameSkip) == 0;
    sender_.SendFrame(*destination, packetSize, skip);
}

uint32_t SimGvDevice::Register(uint32_t address) const
{
    guint32 value = 0;
    arv_fake_camera_read_register(camera_, address, &value);
    return value;
}

void SimGvDevice::SetRegister(uint32_t address, uint32_t value)
{
    arv_fake_camera_write_register(camera_, address, value);
}

bool SimGvDevice::Readable(uint32_t address, size_t size) const
{
    // The description ends in zeros up to the next whole word.
    size_t xmlSize = 0;
    arv_fake_camera_get_genicam_xml(camera_, &xmlSize);
    const uint64_t end = ARV_FAKE_CAMERA_MEMORY_SIZE + (xmlSize + 3) / 4 * 4;
    return static_cast<uint64_t>(address) + size <= end;
}
