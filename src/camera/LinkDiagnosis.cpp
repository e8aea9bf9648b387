#include "camera/LinkDiagnosis.h"

#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "sdk/SdkStream.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <fstream>

namespace {

constexpr uint32_t kStandardMtu = 1500;
constexpr uint32_t kJumboMtu = 9000;
// Packets a second above which standard-size packets are a burden of their
// own: about 30 MB/s of 1,500-byte packets.
constexpr double kManyPacketsPerSecond = 20000.0;
constexpr double kBytesPerMegabyte = 1e6;
constexpr uint64_t kKilobyte = 1024;

uint64_t ReadNumber(const std::string& path)
{
    uint64_t value = 0;
    std::ifstream file(path);
    return file >> value ? value : 0;
}

// The name of the card that holds address, empty when none does.
std::string InterfaceOf(const std::string& address)
{
    in_addr wanted{};
    if (inet_pton(AF_INET, address.c_str(), &wanted) != 1)
        return {};
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return {};
    std::string name;
    for (ifaddrs* entry = list; entry != nullptr && name.empty(); entry = entry->ifa_next) {
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET &&
            reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr == wanted.s_addr)
            name = entry->ifa_name;
    }
    freeifaddrs(list);
    return name;
}

QString Card(const LinkFacts& facts)
{
    return facts.interfaceName.empty() ? QStringLiteral("IF") : QString::fromStdString(facts.interfaceName);
}

} // namespace

bool PacketsLost(const LinkFacts& facts)
{
    return facts.missingPackets > 0 || facts.resentPackets > 0 || facts.failedFrames > 0;
}

std::vector<LossCause> DiagnoseLoss(const LinkFacts& facts)
{
    std::vector<LossCause> causes;
    if (!PacketsLost(facts))
        return causes;
    if (facts.socketBuffer > 0 && facts.rmemMax > 0 && facts.rmemMax < facts.socketBuffer)
        causes.push_back(LossCause::SocketBuffer);
    if (facts.camerasOnLink > 1)
        causes.push_back(LossCause::SharedLink);
    if (facts.packetSize > 0 && facts.packetSize <= kStandardMtu &&
        facts.megabytesPerSecond * kBytesPerMegabyte / facts.packetSize >= kManyPacketsPerSecond)
        causes.push_back(LossCause::PacketSize);
    if (facts.packetDelay == 0)
        causes.push_back(LossCause::PacketDelay);
    if (causes.empty())
        causes.push_back(LossCause::Unknown);
    return causes;
}

QString LinkDiagnosis::Advice(LossCause cause, const LinkFacts& facts)
{
    switch (cause) {
    case LossCause::SocketBuffer:
        return tr("The socket buffer gets %1 KB of the %2 KB asked for, held by net.core.rmem_max; "
                  "raise it: sysctl -w net.core.rmem_max=%3")
            .arg(facts.rmemMax / kKilobyte)
            .arg(facts.socketBuffer / kKilobyte)
            .arg(facts.socketBuffer);
    case LossCause::SharedLink:
        return tr("%1 cameras share one link (%2 MB/s together); give each camera a network card of its own, "
                  "or space their packets with GevSCPD")
            .arg(facts.camerasOnLink)
            .arg(facts.linkMegabytesPerSecond, 0, 'f', 1);
    case LossCause::PacketSize:
        if (facts.interfaceMtu >= kJumboMtu)
            return tr("Packets of %1 bytes though %2 takes jumbo frames; raise the packet size (GevSCPSPacketSize) "
                      "or connect again to negotiate it")
                .arg(facts.packetSize)
                .arg(Card(facts));
        return tr("Packets of %1 bytes mean %2 packets a second; turn on jumbo frames (ip link set dev %3 mtu 9000, "
                  "and on any switch) and connect again")
            .arg(facts.packetSize)
            .arg(static_cast<qint64>(facts.megabytesPerSecond * kBytesPerMegabyte / facts.packetSize))
            .arg(Card(facts));
    case LossCause::PacketDelay:
        return tr("The camera sends its packets back to back (GevSCPD 0); raise GevSCPD step by step until "
                  "nothing is lost");
    case LossCause::Unknown:
        break;
    }
    return tr("No setting explains it; check the cable and any switch, and enlarge the card's receive ring "
              "(ethtool -G %1 rx 4096)")
        .arg(Card(facts));
}

QString LinkDiagnosis::Summary(const LinkFacts& facts)
{
    const std::vector<LossCause> causes = DiagnoseLoss(facts);
    if (causes.empty())
        return {};
    return tr("Packets lost (%1 missing, %2 resent): %3.")
        .arg(facts.missingPackets)
        .arg(facts.resentPackets)
        .arg(Advice(causes.front(), facts));
}

uint64_t ReadRmemMax()
{
    return ReadNumber("/proc/sys/net/core/rmem_max");
}

void ReadLinkSettings(CameraConnection& camera, LinkFacts& facts)
{
    SdkGenParameterArray* features = camera.Features();
    int32_t value = 0;
    facts.packetSize = ReadFeatureValue(features, "GevSCPSPacketSize", value) && value > 0 ? uint32_t(value) : 0;
    facts.packetDelay = ReadFeatureValue(features, "GevSCPD", value) ? value : -1;
    ReadHostLinkSettings(camera, facts);
}

void ReadHostLinkSettings(const CameraConnection& camera, LinkFacts& facts)
{
    const SdkStream& stream = camera.GetStream();
    facts.interfaceName = InterfaceOf(stream.GetLocalIPAddress());
    facts.interfaceMtu =
        facts.interfaceName.empty() ? 0 : uint32_t(ReadNumber("/sys/class/net/" + facts.interfaceName + "/mtu"));
    facts.socketBuffer = stream.GetSocketBufferSize();
    facts.rmemMax = ReadRmemMax();
}
