#include "commands/SnapShotCapture.h"

#include "camera/CameraConnection.h"
#include "camera/FrameRequest.h"
#include "camera/PixelFormats.h"
#include "capturewindows/SnapShotList.h"
#include "context/CameraContext.h"
#include "drawing/CDrawingManagement.h"

#include <memory>
#include <new>

bool CaptureSnapShot(const SnapShotSource& source, FrameRequest& request, const CDrawingManagement* drawing,
                     SnapShotList& list, std::chrono::milliseconds timeout)
{
    const bool colour = !IsGreyPixelFormat(source.pixelFormat);
    if (source.width <= 0 || source.height <= 0 || !source.sinks)
        return false;
    const auto width = static_cast<uint32_t>(source.width);
    const auto height = static_cast<uint32_t>(source.height);
    if (!SnapShotImage::CanHold(width, height, colour))
        return false;
    const size_t size = size_t{width} * (colour ? 3u : 1u) * height;
    std::unique_ptr<uint8_t[]> frame(new (std::nothrow) uint8_t[size]);
    if (!frame)
        return false;

    // The frame as the camera sent it is kept beside the converted image for saves at full depth.
    auto raw = std::make_unique<SnapShotRawFrame>();
    request.Post(*source.sinks, frame.get(), source.width, source.height, colour ? 3 : 1, &raw->bytes);
    uint32_t blockId = 0;
    // Finish withdraws the request: the thread no longer writes into the frame.
    if (!request.Finish(timeout, blockId))
        return false;
    raw->pixelFormat = request.rawPixelFormat;
    raw->mirror = request.rawMirror;
    if (raw->bytes.empty())
        raw.reset();

    if (drawing && drawing->DrawOnSnapshot() && !drawing->DrawOnFrame(frame.get(), source.width, source.height, colour))
        return false;
    return list.Add(width, height, colour, frame.get(), std::move(raw)) == 0;
}

bool TakeSnapShot(CameraContext& context)
{
    CameraConnection* camera = context.FirstCamera();
    if (!camera)
        return false;
    const SnapShotSource source{camera->Width(), camera->Height(), camera->PixelFormat(),
                                camera->Acquisition().FrameSinks().get()};
    return CaptureSnapShot(source, context.frameRequest, context.drawingManager.get(), SnapShotListOf(context));
}

SnapShotList& SnapShotListOf(CameraContext& context)
{
    if (!context.snapshotList)
        context.snapshotList = std::make_unique<SnapShotList>(context.thumbnailBorder, context.thumbnailScale);
    return *context.snapshotList;
}
