#include "analysis/HistogramRecord.h"

#include "analysis/AnalysisMarker.h"
#include "camera/FrameImage.h"
#include "camera/PixelFormats.h"
#include "sdk/SdkBuffer.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kBgrBytes = 3;
constexpr int kMinBitDepth = 8;
constexpr int kMaxBitDepth = 12; // 2^12 bins
// Mirror modes of the converted frame.
constexpr int32_t kMirrorHorizontal = 1;
constexpr int32_t kMirrorVertical = 2;
constexpr int32_t kMirrorBoth = 3;

enum class SampleLayout { Byte, Word, Packed10, Packed12 };

struct GreySampling {
    SampleLayout layout;
    int bits; // significant bits of a sample
};

bool GreySamplingOf(uint32_t pixelFormat, GreySampling& sampling)
{
    switch (pixelFormat) {
    case kPixelMono8:
        sampling = {SampleLayout::Byte, 8};
        return true;
    case kPixelMono10:
        sampling = {SampleLayout::Word, 10};
        return true;
    case kPixelMono12:
        sampling = {SampleLayout::Word, 12};
        return true;
    case kPixelMono14:
        sampling = {SampleLayout::Word, 14};
        return true;
    case kPixelMono16:
        sampling = {SampleLayout::Word, 16};
        return true;
    case kPixelMono10Packed:
        sampling = {SampleLayout::Packed10, 10};
        return true;
    case kPixelMono12Packed:
        sampling = {SampleLayout::Packed12, 12};
        return true;
    default:
        return false;
    }
}

// Bytes that hold the first pixelCount samples.
size_t BytesForSamples(SampleLayout layout, size_t pixelCount)
{
    switch (layout) {
    case SampleLayout::Byte:
        return pixelCount;
    case SampleLayout::Word:
        return pixelCount * 2;
    case SampleLayout::Packed10:
    case SampleLayout::Packed12:
        return (pixelCount + 1) / 2 * 3; // two samples in every 3 bytes
    }
    return 0;
}

// Sample number index of the frame. Packed formats hold two samples in three
// bytes: the high bits of the first in byte 0 and of the second in byte 2,
// their low bits in the low and high nibble of byte 1.
uint32_t ReadSample(SampleLayout layout, const uint8_t* raw, size_t index)
{
    switch (layout) {
    case SampleLayout::Byte:
        return raw[index];
    case SampleLayout::Word:
        return raw[index * 2] | (uint32_t{raw[index * 2 + 1]} << 8);
    case SampleLayout::Packed10:
    case SampleLayout::Packed12: {
        const uint8_t* group = raw + index / 2 * 3;
        const bool second = index % 2 != 0;
        const uint32_t high = second ? group[2] : group[0];
        const uint32_t lowNibble = second ? (group[1] >> 4) : (group[1] & 0x0F);
        return layout == SampleLayout::Packed12 ? (high << 4) | lowNibble : (high << 2) | (lowNibble & 0x03);
    }
    }
    return 0;
}

} // namespace

bool HistogramRecord::AreaInside(int32_t frameWidth, int32_t frameHeight) const
{
    return left >= 0 && top >= 0 && left <= right && top <= bottom && right < frameWidth && bottom < frameHeight;
}

void HistogramRecord::CountColour(const uint8_t* bgr, int32_t frameWidth)
{
    for (auto& table : counts)
        table.fill(0);
    const size_t rowBytes = static_cast<size_t>(frameWidth) * kBgrBytes;
    for (int32_t y = top; y <= bottom; ++y) {
        const uint8_t* pixel = bgr + static_cast<size_t>(y) * rowBytes + static_cast<size_t>(left) * kBgrBytes;
        for (int32_t x = left; x <= right; ++x, pixel += kBgrBytes) {
            ++counts[0][pixel[0]];
            ++counts[1][pixel[1]];
            ++counts[2][pixel[2]];
        }
    }
}

bool HistogramRecord::CountGrey(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int32_t frameWidth,
                                int32_t frameHeight, int32_t mirrorMode)
{
    GreySampling sampling{};
    if (!GreySamplingOf(pixelFormat, sampling))
        return false;
    // The half-open span [low, high) of a mirrored axis lies at
    // [size - high, size - low) on the raw frame.
    int32_t rawLeft = left;
    int32_t rawRight = right;
    int32_t rawTop = top;
    int32_t rawBottom = bottom;
    if (mirrorMode == kMirrorHorizontal || mirrorMode == kMirrorBoth) {
        rawLeft = frameWidth - right;
        rawRight = frameWidth - left;
    }
    if (mirrorMode == kMirrorVertical || mirrorMode == kMirrorBoth) {
        rawTop = frameHeight - bottom;
        rawBottom = frameHeight - top;
    }
    if (rawLeft < 0 || rawTop < 0 || rawRight > frameWidth || rawBottom > frameHeight)
        return false;
    const size_t width = static_cast<size_t>(frameWidth);
    if (BytesForSamples(sampling.layout, static_cast<size_t>(rawBottom) * width) > rawSize)
        return false;

    const int binBits = std::clamp(static_cast<int>(bitDepth), kMinBitDepth, kMaxBitDepth);
    const int shift = std::max(0, sampling.bits - binBits);
    const uint32_t topBin = (1u << binBits) - 1;
    auto& table = counts[0];
    table.fill(0);
    for (int32_t y = rawTop; y < rawBottom; ++y) {
        const size_t rowStart = static_cast<size_t>(y) * width;
        for (int32_t x = rawLeft; x < rawRight; ++x) {
            const uint32_t bin = ReadSample(sampling.layout, raw, rowStart + static_cast<size_t>(x)) >> shift;
            // A camera may set bits above its format's depth: such samples
            // count in the top bin that the window shows.
            ++table[std::min(bin, topBin)];
        }
    }
    return true;
}

bool HistogramRecord::WantsFrame(bool shown) const
{
    if (!shown || !active)
        return false;
    std::lock_guard lock(mutex);
    return window != nullptr;
}

void HistogramRecord::TakeFrame(const SinkFrame& frame)
{
    const FrameImage& image = frame.image;
    counted_ = false;
    RepaintTarget* repaint = nullptr;
    {
        std::lock_guard lock(mutex);
        const bool colourFrame = image.Kind() == FrameImage::kColour;
        if (imageWidth != image.Width() || imageHeight != image.Height() || colour != colourFrame ||
            !AreaInside(image.Width(), image.Height()))
            return;
        if (colourFrame) {
            CountColour(image.Pixels(), image.Width());
        } else if (!CountGrey(frame.buffer.GetImage()->GetPixelType(), frame.buffer.GetDataPointer(),
                              frame.buffer.GetDataSize(), image.Width(), image.Height(), frame.mirrorMode)) {
            return;
        }
        counted_ = true;
        outline_[0] = left;
        outline_[1] = top;
        outline_[2] = right;
        outline_[3] = bottom;
        repaint = window;
    }
    if (repaint)
        repaint->RequestRepaint();
}

void HistogramRecord::Paint(QPainter& painter, const SinkFrame& frame)
{
    if (!counted_)
        return;
    // Half-open outline: the right and bottom edges lie outside the area.
    painter.setPen(AnalysisMarkerPen(frame.image));
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBackground(Qt::white);
    painter.drawRect(outline_[0], outline_[1], outline_[2] - outline_[0] - 1, outline_[3] - outline_[1] - 1);
}
