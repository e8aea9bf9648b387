#pragma once

#include "sdk/SdkGenParameter.h"
#include "sdk/SdkResult.h"

#include <cstdint>
#include <memory>
#include <string>

class SdkDevice;

// The receiving end's own counts since the stream was opened.
struct SdkStreamStatistics {
    uint64_t completedBuffers = 0;
    // Buffers given up incomplete or too small for the frame.
    uint64_t failedBuffers = 0;
    // Frames lost because no buffer was free.
    uint64_t underruns = 0;
    // Packets that never arrived, and those asked for again and received.
    uint64_t missingPackets = 0;
    uint64_t resentPackets = 0;
    // Completed frames dropped for not being of the camera's current pixel
    // format and size: another source's traffic.
    uint64_t mismatchedFrames = 0;
};

// The receiving end of the camera's stream channel on this host.
class SdkStream {
public:
    SdkStream();
    ~SdkStream();
    SdkStream(const SdkStream&) = delete;
    SdkStream& operator=(const SdkStream&) = delete;

    // Opens a receiving socket for the camera at cameraIp, the address the
    // device is connected to. The socket is bound on the interface that
    // reaches the camera, on a port of the system's choice: a local port other
    // than 0, or a local address other than empty or that interface's, gives
    // NOT_SUPPORTED. Capacity is the number of buffers the stream may hold.
    // The device must stay alive while the stream is open; its link parameter
    // StreamRecoveryEnabled decides whether lost packets are asked for again.
    SdkResult Open(SdkDevice& device, const std::string& cameraIp, uint16_t localPort = 0, int channel = 0,
                   const std::string& localIp = {}, uint32_t capacity = 64);
    bool IsOpen() const;
    SdkResult Close();
    // Closes the stream of a camera that no longer answers without waiting
    // for what freeing it still asks of the camera.
    void Abandon();
    std::string GetLocalIPAddress() const;
    uint16_t GetLocalPort() const;
    // Stream parameters; holds the command Reset, which drops the completed
    // frames not yet retrieved.
    SdkGenParameterArray* GetParameters();
    // False while the stream is closed. Safe to call while frames arrive.
    bool GetStatistics(SdkStreamStatistics& statistics) const;
    // How the stream receives: on a UDP socket of its own port, which only
    // the camera's packets reach, unless LUMIVEX_STREAM_SOCKET=packet asks
    // for the raw packet socket (root only; it costs less CPU, but for a
    // moment at every start it takes any packet on the interface, so it is
    // safe only on a card that carries this camera's stream alone).
    bool UsesPacketSocket() const;
    // The receive buffer the stream asks the system for; the system holds it
    // to net.core.rmem_max. 0 while closed or on the packet socket.
    uint32_t GetSocketBufferSize() const;

    struct Impl;
    Impl* GetImpl() const { return impl_.get(); }

private:
    std::unique_ptr<Impl> impl_;
};
