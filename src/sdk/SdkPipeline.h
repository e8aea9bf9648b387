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

    // Least size of each buffer in bytes; takes effect at the next Start,
    // which allocates buffers of this size, of the camera's PayloadSize at
    // that moment or of the largest frame refused as too large, whichever is
    // largest.
    virtual SdkResult SetBufferSize(uint32_t bytes);
    virtual uint32_t GetBufferSize() const;
    // Drops every completed buffer not yet retrieved.
    virtual SdkResult Reset();
    // Hands 16 buffers (at most the stream's capacity) to the stream.
    virtual SdkResult Start();
    // Ends every wait in RetrieveNextBuffer (ABORTED) and takes the buffers
    // back; a buffer the program still holds stays valid until released.
    // Closing or destroying the stream stops its pipeline first.
    virtual SdkResult Stop();
    virtual bool IsStarted() const;
    // The oldest completed buffer. timeoutMs is kSdkNoTimeLimit, kSdkNoWait or
    // a wait in ms (TIMEOUT when none came; STATE_ERROR while stopped).
    // operationResult, when given, receives the buffer's own status: a frame
    // with missing packets (MISSING_PACKETS) or one larger than the buffer
    // (BUFFER_TOO_SMALL) is released here and reported as a failure, and so
    // is a frame not of the camera's current pixel format and size
    // (IMAGE_ERROR; counted in the stream's statistics).
    virtual SdkResult RetrieveNextBuffer(SdkBuffer*& buffer, uint32_t timeoutMs, SdkResult* operationResult = nullptr);
    // Completed buffers waiting to be retrieved.
    virtual uint32_t GetOutputQueueSize() const;
    // INVALID_PARAMETER for a buffer that is not held (released already).
    virtual SdkResult ReleaseBuffer(SdkBuffer* buffer);

protected:
    // For test doubles that need no stream.
    SdkPipeline();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
