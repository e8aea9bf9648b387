#include "camera/FrameImage.h"

#include <limits>
#include <new>

bool FrameImage::Ensure(int32_t width, int32_t height, int32_t kind)
{
    if (pixels_ && width == width_ && height == height_ && kind == kind_)
        return true;
    Release();
    if (width <= 0 || height <= 0 || (kind != kGrey && kind != kColour))
        return false;

    const int32_t bytesPerPixel = kind == kColour ? 3 : 1;
    const size_t rowBytes = static_cast<size_t>(width) * static_cast<size_t>(bytesPerPixel);
    // QImage counts a row's bytes in an int.
    if (rowBytes > static_cast<size_t>(std::numeric_limits<int>::max()))
        return false;
    const size_t dataSize = rowBytes * static_cast<size_t>(height);
    pixels_.reset(new (std::nothrow) uint8_t[dataSize]);
    if (!pixels_)
        return false;

    width_ = width;
    height_ = height;
    kind_ = kind;
    dataSize_ = dataSize;
    image_ = QImage(pixels_.get(), width, height, static_cast<qsizetype>(rowBytes),
                    kind == kColour ? QImage::Format_BGR888 : QImage::Format_Grayscale8);
    return true;
}

void FrameImage::Release()
{
    image_ = QImage();
    pixels_.reset();
    width_ = 0;
    height_ = 0;
    kind_ = kNone;
    dataSize_ = 0;
}
