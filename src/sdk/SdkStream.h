#pragma once

#include "sdk/SdkGenParameter.h"
#include "sdk/SdkResult.h"

#include <cstdint>
#include <memory>
#include <string>

class SdkDevice;

// The receiving end of the camera's stream channel on this host.
class SdkStream {
public:
    SdkStream();
    ~SdkStream();
    SdkStream(const SdkStream&) = delete;
    SdkStream& operator=(const SdkStream&) = delete;

    // Opens a receiving socket for the camera at cameraIp. Local port 0 and
    // an empty local address choose them automatically; capacity is the number
    // of buffers the stream may hold.
    SdkResult Open(SdkDevice& device, const std::string& cameraIp, uint16_t localPort = 0, int channel = 0,
                   const std::string& localIp = {}, uint32_t capacity = 64);
    bool IsOpen() const;
    SdkResult Close();
    std::string GetLocalIPAddress() const;
    uint16_t GetLocalPort() const;
    // Stream parameters; holds the command Reset, which clears the stream's
    // statistics and queued buffers.
    SdkGenParameterArray* GetParameters();

    struct Impl;
    Impl* GetImpl() const { return impl_.get(); }

private:
    std::unique_ptr<Impl> impl_;
};
