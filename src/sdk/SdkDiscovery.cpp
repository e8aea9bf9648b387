#include "sdk/SdkDiscovery.h"

#include <arv.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kGigEVisionProtocol = "GigEVision";

// GVCP discovery, sent straight to one address (GigE Vision control
// protocol: a command header, then an acknowledge carrying the device's
// bootstrap block).
constexpr uint16_t kGvcpPort = 3956;
constexpr uint8_t kGvcpKey = 0x42;
constexpr uint8_t kGvcpFlagAcknowledge = 0x01;
constexpr uint16_t kDiscoveryCommand = 0x0002;
constexpr uint16_t kDiscoveryAck = 0x0003;
constexpr uint16_t kRequestId = 0x4C58;
constexpr size_t kAckHeaderSize = 8;
constexpr size_t kDiscoveryDataSize = 248;
constexpr int kLocateAttempts = 3;
constexpr auto kLocateWait = std::chrono::milliseconds(300);

// Offsets in the discovery data (the first bytes of the bootstrap registers).
constexpr size_t kMacHighOffset = 0x0A;
constexpr size_t kMacLowOffset = 0x0C;
constexpr size_t kCurrentIpOffset = 0x24;
constexpr size_t kManufacturerOffset = 0x48;
constexpr size_t kModelOffset = 0x68;
constexpr size_t kSerialOffset = 0xD8;
constexpr size_t kNameSize = 32;
constexpr size_t kSerialSize = 16;

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(toupper(c)); });
    return text;
}

std::string FixedText(const uint8_t* data, size_t size)
{
    const auto* text = reinterpret_cast<const char*>(data);
    return std::string(text, strnlen(text, size));
}

uint32_t NumericAddress(const std::string& address)
{
    in_addr parsed{};
    return inet_pton(AF_INET, address.c_str(), &parsed) == 1 ? ntohl(parsed.s_addr) : 0;
}

bool ParseDiscoveryAck(const uint8_t* packet, size_t size, SdkDiscoveryRecord& info)
{
    if (size < kAckHeaderSize + kDiscoveryDataSize)
        return false;
    uint16_t status = packet[0] << 8 | packet[1];
    uint16_t answer = packet[2] << 8 | packet[3];
    uint16_t id = packet[6] << 8 | packet[7];
    if (status != 0 || answer != kDiscoveryAck || id != kRequestId)
        return false;
    const uint8_t* data = packet + kAckHeaderSize;
    char mac[18];
    std::snprintf(mac, sizeof mac, "%02X:%02X:%02X:%02X:%02X:%02X", data[kMacHighOffset], data[kMacHighOffset + 1],
                  data[kMacLowOffset], data[kMacLowOffset + 1], data[kMacLowOffset + 2], data[kMacLowOffset + 3]);
    char ip[INET_ADDRSTRLEN];
    if (inet_ntop(AF_INET, data + kCurrentIpOffset, ip, sizeof ip) == nullptr)
        return false;
    info = SdkDiscoveryRecord(ip, mac, FixedText(data + kModelOffset, kNameSize),
                              FixedText(data + kSerialOffset, kSerialSize),
                              FixedText(data + kManufacturerOffset, kNameSize));
    return true;
}

// Asks the camera at that address for its discovery data: attempts requests,
// each answered within wait.
bool LocateDevice(const std::string& ipAddress, int attempts, std::chrono::milliseconds wait, SdkDiscoveryRecord& info);

} // namespace

std::vector<SdkDiscoveryRecord> SdkDiscoverDevices()
{
    arv_update_device_list();
    std::vector<SdkDiscoveryRecord> devices;
    for (unsigned int i = 0; i < arv_get_n_devices(); ++i) {
        const char* protocol = arv_get_device_protocol(i);
        const char* address = arv_get_device_address(i);
        if (protocol == nullptr || address == nullptr || kGigEVisionProtocol != protocol)
            continue;
        auto text = [](const char* value) { return std::string(value != nullptr ? value : ""); };
        devices.emplace_back(address, Upper(text(arv_get_device_physical_id(i))), text(arv_get_device_model(i)),
                             text(arv_get_device_serial_nbr(i)), text(arv_get_device_vendor(i)));
    }
    std::sort(devices.begin(), devices.end(), [](const SdkDiscoveryRecord& a, const SdkDiscoveryRecord& b) {
        return NumericAddress(a.GetIPAddress()) < NumericAddress(b.GetIPAddress());
    });
    return devices;
}

bool SdkDiscoveryRecordFromAddress(const std::string& ipAddress, SdkDiscoveryRecord& info)
{
    return LocateDevice(ipAddress, kLocateAttempts, kLocateWait, info);
}

bool SdkDeviceAnswers(const std::string& ipAddress, std::chrono::milliseconds wait)
{
    SdkDiscoveryRecord ignored;
    return LocateDevice(ipAddress, 1, wait, ignored);
}

namespace {

bool LocateDevice(const std::string& ipAddress, int attempts, std::chrono::milliseconds wait, SdkDiscoveryRecord& info)
{
    sockaddr_in camera{};
    camera.sin_family = AF_INET;
    camera.sin_port = htons(kGvcpPort);
    if (inet_pton(AF_INET, ipAddress.c_str(), &camera.sin_addr) != 1)
        return false;
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const uint8_t command[] = {kGvcpKey,        kGvcpFlagAcknowledge, 0, kDiscoveryCommand & 0xFF, 0, 0,
                               kRequestId >> 8, kRequestId & 0xFF};
    std::array<uint8_t, 1024> reply{};
    bool found = false;
    for (int attempt = 0; attempt < attempts && !found; ++attempt) {
        if (sendto(fd, command, sizeof command, 0, reinterpret_cast<sockaddr*>(&camera), sizeof camera) < 0)
            break;
        auto deadline = std::chrono::steady_clock::now() + wait;
        while (!found) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd wait{fd, POLLIN, 0};
            if (left.count() <= 0 || poll(&wait, 1, static_cast<int>(left.count())) <= 0)
                break;
            sockaddr_in from{};
            socklen_t fromSize = sizeof from;
            ssize_t size = recvfrom(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
            // Only the asked camera's answer counts.
            if (size > 0 && from.sin_addr.s_addr == camera.sin_addr.s_addr)
                found = ParseDiscoveryAck(reply.data(), static_cast<size_t>(size), info);
        }
    }
    close(fd);
    return found;
}

} // namespace
