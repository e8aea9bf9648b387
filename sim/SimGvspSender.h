#pragma once

#include <netinet/in.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

typedef struct _ArvBuffer ArvBuffer;

// The simulated camera's stream channel: it cuts each frame into a GVSP
// leader, payload packets of the negotiated size and a trailer (16-bit block
// ids, 24-bit packet ids), sends them to the channel's destination and keeps
// the most recent frames, so that packets a receiver asks for again
// (PACKETRESEND) are sent again as a device sends them, marked as resent.
// Used on the camera's transport thread only.
class SimGvspSender {
public:
    // Frames kept for resending (fewer when they are large).
    static constexpr size_t kKeptFrames = 16;

    // lossPerMille of the packets are dropped when first sent (never when
    // resent), as a lossy link would.
    explicit SimGvspSender(int lossPerMille);
    ~SimGvspSender();
    SimGvspSender(const SimGvspSender&) = delete;
    SimGvspSender& operator=(const SimGvspSender&) = delete;

    // Binds the sending socket to the camera's address.
    bool Open(in_addr address);
    void Close();

    // The buffer to fill with the next frame, of payload bytes.
    ArvBuffer* NextBuffer(size_t payload);
    // Sends the buffer NextBuffer gave, filled, in packets of packetSize
    // bytes (IP and UDP headers included). A skipped frame keeps its block
    // id, but none of its packets is ever sent, not even when asked for.
    void SendFrame(const sockaddr_in& destination, uint32_t packetSize, bool skip);
    // Sends packets first to last of a kept frame again; ids out of the
    // frame's range and frames no longer kept are ignored.
    void Resend(uint16_t blockId, uint32_t firstPacket, uint32_t lastPacket, const sockaddr_in& destination);
    // Forgets the kept frames (the stream channel closed).
    void Forget();

private:
    struct KeptFrame {
        ArvBuffer* buffer = nullptr;
        size_t payload = 0;
        uint16_t blockId = 0;
        uint32_t packetSize = 0;
        bool sent = false;
        bool skipped = false;
    };

    uint32_t PacketCount(const KeptFrame& frame) const;
    size_t BuildPacket(const KeptFrame& frame, uint32_t packetId, bool resent);
    void Send(size_t size, const sockaddr_in& destination);

    int socket_ = -1;
    int lossPerMille_;
    std::minstd_rand random_;
    std::array<KeptFrame, kKeptFrames> frames_{};
    size_t kept_ = kKeptFrames;
    size_t next_ = 0;
    std::vector<uint8_t> packet_;
};
