#include "camera/FrameRequest.h"

#include "camera/FrameImage.h"
#include "sdk/SdkBuffer.h"

#include <cstring>
#include <new>

void FrameRequest::Post(FrameSinkList& sinks, uint8_t* destination, int32_t frameWidth, int32_t frameHeight,
                        int32_t frameBytesPerPixel, std::vector<uint8_t>* rawDestination)
{
    {
        std::lock_guard lock(mutex);
        completed.Reset();
        buffer = destination;
        raw = rawDestination;
        width = frameWidth;
        height = frameHeight;
        bytesPerPixel = frameBytesPerPixel;
        blockId = 0;
        // A size mismatch of an earlier request must not fail this one.
        error = 0;
        pending = 1;
    }
    if (postedTo_ && postedTo_ != &sinks)
        postedTo_->Remove(*this);
    postedTo_ = &sinks;
    sinks.Add(*this);
}

bool FrameRequest::Finish(std::chrono::milliseconds timeout, uint32_t& copiedBlockId)
{
    const bool signalled = completed.WaitFor(timeout);
    // Taken out before the buffer is let go: no frame reaches it after this.
    if (postedTo_)
        postedTo_->Remove(*this);
    postedTo_ = nullptr;
    std::lock_guard lock(mutex);
    const bool copied = signalled && error == 0;
    if (copied)
        copiedBlockId = blockId;
    pending = 0;
    buffer = nullptr;
    raw = nullptr;
    return copied;
}

bool FrameRequest::WantsFrame(bool) const
{
    return pending != 0;
}

void FrameRequest::TakeFrame(const SinkFrame& frame)
{
    const FrameImage& image = frame.image;
    std::lock_guard lock(mutex);
    // Checked again under the mutex: a poster that gave up has withdrawn its buffer.
    if (pending == 0)
        return;
    if (!buffer || width != image.Width() || height != image.Height() || bytesPerPixel != image.BytesPerPixel()) {
        error = 1;
        return;
    }
    if (raw) {
        try {
            raw->assign(frame.buffer.GetDataPointer(), frame.buffer.GetDataPointer() + frame.buffer.GetDataSize());
        } catch (const std::bad_alloc&) {
            // The snapshot then keeps its converted image only.
            raw->clear();
        }
        rawPixelFormat = frame.buffer.GetImage()->GetPixelType();
        rawMirror = frame.mirrorMode;
    }
    std::memcpy(buffer, image.Pixels(), image.DataSize());
    blockId = static_cast<uint32_t>(frame.buffer.GetBlockID());
    pending = 0;
    completed.Set();
}
