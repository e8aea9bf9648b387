#pragma once

// Private to the SDK layer: the Aravis side of SdkStream, shared with the
// pipelines built on it.

#include "sdk/SdkStream.h"

#include <arv.h>

#include <atomic>
#include <vector>

// A user of the stream's receiving end (the pipeline), told before that end
// goes away so it can take its buffers back first.
class SdkStreamClient {
public:
    virtual void OnStreamClosing() = 0;
    virtual void OnStreamDestroyed() = 0;

protected:
    ~SdkStreamClient() = default;
};

struct SdkStream::Impl {
    // Puts every completed buffer not yet retrieved back into the input queue.
    void RequeueCompleted();
    // Whether the device asks for lost packets to be resent.
    bool StreamRecoveryEnabled() const;
    void ApplyRecoveryOption();
    // Sizes the receive buffer for frames of this many bytes.
    void ApplySocketBuffer(uint32_t frameBytes);

    ArvStream* stream = nullptr;
    // Kept for the payload size; the stream itself holds the device too.
    ArvDevice* device = nullptr;
    SdkDevice* owner = nullptr;
    bool receiving = false;
    uint32_t capacity = 0;
    std::string localIp;
    uint16_t localPort = 0;
    bool packetSocket = false;
    std::atomic<uint32_t> socketBufferSize{0};
    std::atomic<uint64_t> mismatchedFrames{0};
    SdkGenParameterArray parameters;
    std::vector<SdkStreamClient*> clients;
};
