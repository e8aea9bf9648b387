#include "capturewindows/SnapShotImage.h"

#include "capture/DeepStill.h"
#include "capture/SaveImageFile.h"
#include "capturewindows/CSnapShotDlg.h"
#include "imaging/PixelConversion.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace {

// QImage addresses rows and sides with int.
constexpr uint64_t kMaxRowLength = INT_MAX;
constexpr uint64_t kMaxHeight = INT_MAX;

} // namespace

bool SnapShotImage::CanHold(uint32_t width, uint32_t height, bool colour)
{
    const uint64_t rowLength = uint64_t{width} * (colour ? 3u : 1u);
    return width > 0 && height > 0 && rowLength <= kMaxRowLength && height <= kMaxHeight;
}

std::unique_ptr<SnapShotImage> SnapShotImage::Create(uint32_t number, uint32_t width, uint32_t height, bool colour,
                                                     const uint8_t* pixels)
{
    if (pixels == nullptr || !CanHold(width, height, colour))
        return nullptr;
    const size_t size = static_cast<size_t>(width) * (colour ? 3u : 1u) * height;
    std::unique_ptr<uint8_t[]> copy(new (std::nothrow) uint8_t[size]);
    if (!copy)
        return nullptr;
    std::memcpy(copy.get(), pixels, size);
    return std::unique_ptr<SnapShotImage>(new (std::nothrow)
                                              SnapShotImage(number, width, height, colour, std::move(copy)));
}

SnapShotImage::SnapShotImage(uint32_t number, uint32_t width, uint32_t height, bool colour,
                             std::unique_ptr<uint8_t[]> pixels)
    : number_(number),
      width_(width),
      height_(height),
      colour_(colour),
      pixels_(std::move(pixels)),
      displayImage_(pixels_.get(), static_cast<int>(width), static_cast<int>(height),
                    static_cast<qsizetype>(RowLength()), colour ? QImage::Format_BGR888 : QImage::Format_Grayscale8)
{
}

// The window refers to its snapshot: it goes first.
SnapShotImage::~SnapShotImage()
{
    window_.reset();
}

int SnapShotImage::FormatCode() const
{
    return colour_ ? STILL_IMAGE_BGR24 : STILL_IMAGE_GREY8;
}

bool SnapShotImage::HasDeepSamples() const
{
    return raw_ && ::HasDeepSamples(raw_->pixelFormat);
}

bool SnapShotImage::IsBayer() const
{
    return raw_ && BayerPatternOf(raw_->pixelFormat) >= 0;
}

void SnapShotImage::SetSavedPath(const QString& path)
{
    savedPath_ = path;
    if (window_)
        window_->RefreshTitle();
}

QString SnapShotImage::PixelReadout(int x, int y) const
{
    x = std::clamp(x, 0, static_cast<int>(width_) - 1);
    y = std::clamp(y, 0, static_cast<int>(height_) - 1);
    if (const int bits = colour_ || !raw_ ? 0 : SignificantSampleBits(raw_->pixelFormat); bits > 8) {
        // The raw frame is as the camera sent it, before mirroring.
        const bool reverseColumns = raw_->mirror == kMirrorHorizontal || raw_->mirror == kMirrorBoth;
        const bool reverseRows = raw_->mirror == kMirrorVertical || raw_->mirror == kMirrorBoth;
        const int width = static_cast<int>(width_);
        const int height = static_cast<int>(height_);
        uint16_t value = 0;
        if (RawSampleAt(raw_->pixelFormat, raw_->bytes.data(), raw_->bytes.size(), width, height,
                        reverseColumns ? width - 1 - x : x, reverseRows ? height - 1 - y : y, value))
            return tr("(x,y) = (%1,%2)/Value=%3 (%4 bits)").arg(x).arg(y).arg(value).arg(bits);
    }
    const uint8_t* pixel = pixels_.get() + static_cast<size_t>(y) * RowLength() +
                           static_cast<size_t>(x) * static_cast<size_t>(BytesPerPixel());
    const int red = colour_ ? pixel[2] : pixel[0];
    const int green = colour_ ? pixel[1] : pixel[0];
    const int blue = pixel[0];
    return tr("(x,y) = (%1,%2)/(R,G,B)=(%3,%4,%5)").arg(x).arg(y).arg(red).arg(green).arg(blue);
}

void SnapShotImage::SetWindow(std::unique_ptr<CSnapShotDlg> window)
{
    window_ = std::move(window);
}

QString SnapShotWindowTitle(uint32_t number, const QString& readout, const QString& savedPath)
{
    return QStringLiteral("%1 : %2 - %3").arg(number).arg(readout, savedPath);
}
