#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class CameraConnection;

// What is known of one camera's stream and the link it arrives on, for
// telling why its packets are lost. 0 (the delay -1) where unknown.
struct LinkFacts {
    uint64_t missingPackets = 0;
    uint64_t resentPackets = 0;
    uint64_t failedFrames = 0;
    // GevSCPSPacketSize, in bytes.
    uint32_t packetSize = 0;
    // The host's network card that receives the stream.
    std::string interfaceName;
    uint32_t interfaceMtu = 0;
    // GevSCPD, in the camera's ticks.
    int64_t packetDelay = -1;
    // The receive buffer asked for (0 on the packet socket), and the most
    // the system gives (net.core.rmem_max).
    uint64_t socketBuffer = 0;
    uint64_t rmemMax = 0;
    double megabytesPerSecond = 0.0;
    // Cameras streaming through the same card, this one included, and what
    // they carry together.
    int camerasOnLink = 1;
    double linkMegabytesPerSecond = 0.0;
};

// Likely causes of lost packets, most likely first.
enum class LossCause { SocketBuffer, SharedLink, PacketSize, PacketDelay, Unknown };

// Whether any packet went missing or had to be sent again, or a frame failed.
bool PacketsLost(const LinkFacts& facts);
// Empty when nothing was lost; else at least one cause (Unknown when no
// setting explains the loss).
std::vector<LossCause> DiagnoseLoss(const LinkFacts& facts);

struct LinkDiagnosis {
    Q_DECLARE_TR_FUNCTIONS(LinkDiagnosis)
public:
    // The cause and what to change, one sentence each.
    static QString Advice(LossCause cause, const LinkFacts& facts);
    // For the status line: the loss and its most likely cause; empty when
    // nothing was lost.
    static QString Summary(const LinkFacts& facts);
};

// The receive buffer the system allows at most, from /proc; 0 when unknown.
uint64_t ReadRmemMax();
// Fills in the camera's packet size and delay (read from the camera), the
// card (name and MTU) that its stream arrives on, the socket buffer and the
// system's maximum.
void ReadLinkSettings(CameraConnection& camera, LinkFacts& facts);
// The same less the camera's own settings: asks nothing of the camera.
void ReadHostLinkSettings(const CameraConnection& camera, LinkFacts& facts);
