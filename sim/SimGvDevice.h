#pragma once

#include "SimGvspSender.h"
#include "SimOptions.h"

#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

typedef struct _ArvFakeCamera ArvFakeCamera;

// The simulated camera as a GigE Vision device on the wire, over the register
// memory of Aravis's fake camera. One thread of its own answers GVCP on port
// 3956 of the camera's address (discovery, also broadcast, READREG, WRITEREG,
// READMEM, WRITEMEM and PACKETRESEND), sends the frames over GVSP while a
// controlling client has started the acquisition, and checks the controlling
// client's heartbeat on a timer: when it expires, the device releases control
// and closes its stream channel, as a device does.
//
// Writes come only from the controlling client while one holds control;
// others get "access denied". A write command repeated with the same request
// id (a client retrying after a lost acknowledge) is acknowledged again but
// not carried out twice. SimOptions' loss settings drop that share of stream
// packets when first sent and of acknowledges to register and memory
// commands; every frameSkip-th frame is never sent at all.
class SimGvDevice {
public:
    SimGvDevice(ArvFakeCamera* camera, const SimOptions& options);
    ~SimGvDevice(); // stops the device
    SimGvDevice(const SimGvDevice&) = delete;
    SimGvDevice& operator=(const SimGvDevice&) = delete;

    // Binds the sockets on the options' address and starts the thread; false
    // when the address is not local or its port is taken.
    bool Start();
    void Stop();

private:
    using Clock = std::chrono::steady_clock;

    struct Command {
        uint8_t flags = 0;
        uint16_t code = 0;
        uint16_t requestId = 0;
        const uint8_t* data = nullptr;
        size_t size = 0;
    };
    struct SentAck {
        uint16_t requestId = 0;
        std::vector<uint8_t> command;
        std::vector<uint8_t> ack;
    };

    bool OpenSocket(in_addr address, bool shared);
    void Run();
    void ReceiveAll(int socket);
    void Handle(const uint8_t* packet, size_t size, const sockaddr_in& from);
    std::vector<uint8_t> Answer(const Command& command, bool mayWrite);
    std::vector<uint8_t> ReadRegisters(const Command& command);
    std::vector<uint8_t> WriteRegisters(const Command& command);
    std::vector<uint8_t> ReadMemory(const Command& command);
    std::vector<uint8_t> WriteMemory(const Command& command);
    void Resend(const Command& command);
    void Reply(const std::vector<uint8_t>& ack, const sockaddr_in& to, bool mayBeLost);

    void UpdateControl(const sockaddr_in& from);
    void CheckHeartbeat(Clock::time_point now);
    void ReleaseControl();
    std::optional<sockaddr_in> StreamDestination() const;
    void UpdateStream();
    void SendFrameIfDue();

    uint32_t Register(uint32_t address) const;
    void SetRegister(uint32_t address, uint32_t value);
    bool Readable(uint32_t address, size_t size) const;

    ArvFakeCamera* camera_;
    SimOptions options_;
    in_addr address_{};
    std::vector<int> sockets_; // the first is the camera's own GVCP socket
    std::thread thread_;
    std::atomic<bool> stop_{false};

    std::optional<sockaddr_in> controller_;
    Clock::time_point controllerSeen_;
    std::map<uint64_t, SentAck> sentAcks_; // by client address and port

    SimGvspSender sender_;
    bool streaming_ = false;
    uint64_t nextFrameUs_ = 0;
    uint64_t framesFilled_ = 0;
    std::minstd_rand random_;
};
