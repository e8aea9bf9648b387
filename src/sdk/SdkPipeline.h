#pragma once

#include "sdk/SdkBuffer.h"
#include "sdk/SdkResult.h"

#include <cstdint>
#include <memory>

class SdkStream;

// RetrieveNextBuffer timeouts.
inline constexpr uint32_t kSdkNoTimeLimit = 0xFFFFFFFFu;
inline constexpr uint32_t kSdkNoWait = 0;

// Buffers for the stream: completed frames queue up in arrival order until the
// program retrieves them; each retrieved buffer is released exactly once.
// Virtual so that tests can feed frames without a camera.
class SdkPipeline {
public:
    explicit SdkPipeline(SdkStream& stream);
    virtual ~SdkPipeline();
    SdkPipeline(const SdkPipeline&) = delete;
    SdkPipeline& operator=(const SdkPipeline&) = delete;

    // Size of each buffer in bytes; takes effect at the next Start.
    virtual SdkResult SetBufferSize(uint32_t bytes);
    virtual uint32_t GetBufferSize() const;
    // Drops every completed buffer not yet retrieved.
    virtual SdkResult Reset();
    virtual SdkResult Start();
    virtual SdkResult Stop();
    virtual bool IsStarted() const;
    // The oldest completed buffer. timeoutMs is kSdkNoTimeLimit, kSdkNoWait or
    // a wait in ms. operationResult, when given, receives the buffer's own
    // status (MISSING_PACKETS for an incomplete frame, which is released here
    // and reported as a failure).
    virtual SdkResult RetrieveNextBuffer(SdkBuffer*& buffer, uint32_t timeoutMs, SdkResult* operationResult = nullptr);
    // Completed buffers waiting to be retrieved.
    virtual uint32_t GetOutputQueueSize() const;
    virtual SdkResult ReleaseBuffer(SdkBuffer* buffer);

protected:
    // For test doubles that need no stream.
    SdkPipeline();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
