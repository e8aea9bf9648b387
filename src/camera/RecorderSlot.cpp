#include "camera/RecorderSlot.h"

#include "camera/FrameImage.h"
#include "sdk/SdkBuffer.h"

bool RecorderSlot::WantsFrame(bool) const
{
    return active;
}

void RecorderSlot::TakeFrame(const SinkFrame& frame)
{
    std::lock_guard lock(mutex);
    if (!active || !writer)
        return;
    const FrameImage& image = frame.image;
    const SdkBuffer& buffer = frame.buffer;
    const FrameView view{image.Pixels(),
                         image.Width(),
                         image.Height(),
                         image.BytesPerPixel(),
                         buffer.GetDataPointer(),
                         buffer.GetDataSize(),
                         buffer.GetImage()->GetPixelType(),
                         buffer.GetBlockID(),
                         buffer.GetTimestampNs(),
                         buffer.GetHostTimeNs()};
    if (!writer->AddFrame(frame.frameNumber, view))
        return;
    writer.reset();
    active = false;
}
