#include "camera/FrameRequest.h"

void FrameRequest::Post(uint8_t* destination, int32_t frameWidth, int32_t frameHeight, int32_t frameBytesPerPixel,
                        uint32_t key, std::vector<uint8_t>* rawDestination)
{
    std::lock_guard lock(mutex);
    completed.Reset();
    buffer = destination;
    raw = rawDestination;
    width = frameWidth;
    height = frameHeight;
    bytesPerPixel = frameBytesPerPixel;
    blockId = 0;
    cameraKey = key;
    // A size mismatch of an earlier request must not fail this one.
    error = 0;
    pending = 1;
}

bool FrameRequest::Finish(std::chrono::milliseconds timeout, uint32_t& copiedBlockId)
{
    const bool signalled = completed.WaitFor(timeout);
    std::lock_guard lock(mutex);
    const bool copied = signalled && error == 0;
    if (copied)
        copiedBlockId = blockId;
    pending = 0;
    buffer = nullptr;
    raw = nullptr;
    return copied;
}
