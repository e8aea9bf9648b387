#include "imaging/PixelConversion.h"

#include "camera/DeepGreyTable.h"
#include "imaging/BayerDemosaic.h"
#include "imaging/PixelFormat.h"
#include "imaging/VectorClones.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

namespace {

// How a format stores its samples.
enum class Storage {
    Unknown,
    Bytes,  // one byte per sample
    Words,  // 16-bit little-endian samples, reduced by a right shift
    Packed, // two 10 or 12-bit samples in three bytes; bytes 0 and 2 hold their top 8 bits
    Rgb,    // red, green, blue bytes
    Bgr,    // blue, green, red bytes
};

struct Layout {
    Storage storage = Storage::Unknown;
    int shift = 0;    // Words only
    int pattern = -1; // Bayer pattern index; -1 for grey and RGB formats
    int bits = 8;     // significant bits of a sample
};

constexpr int kMono10Shift = 2;
constexpr int kMono12Shift = 4;
constexpr int kMono14Shift = 6;
constexpr int kMono16Shift = 8;

// Offset of a code within the Bayer group that starts at first, or -1.
int PatternInGroup(uint32_t pixelFormat, uint32_t first)
{
    return pixelFormat >= first && pixelFormat < first + kBayerPatternCount ? int(pixelFormat - first) : -1;
}

Layout LayoutOf(uint32_t pixelFormat)
{
    switch (pixelFormat) {
    case kPixelFormatMono8:
        return {Storage::Bytes};
    case kPixelFormatMono10:
        return {Storage::Words, kMono10Shift, -1, 10};
    case kPixelFormatMono12:
        return {Storage::Words, kMono12Shift, -1, 12};
    case kPixelFormatMono14:
        return {Storage::Words, kMono14Shift, -1, 14};
    case kPixelFormatMono16:
        return {Storage::Words, kMono16Shift, -1, 16};
    case kPixelFormatMono10Packed:
        return {Storage::Packed, 0, -1, 10};
    case kPixelFormatMono12Packed:
        return {Storage::Packed, 0, -1, 12};
    case kPixelFormatRGB8Packed:
        return {Storage::Rgb};
    case kPixelFormatBGR8Packed:
        return {Storage::Bgr};
    default:
        break;
    }
    const struct {
        uint32_t first;
        Layout layout;
    } bayerGroups[] = {
        {kPixelFormatBayerGR8, {Storage::Bytes}},
        {kPixelFormatBayerGR10, {Storage::Words, kMono10Shift, -1, 10}},
        {kPixelFormatBayerGR12, {Storage::Words, kMono12Shift, -1, 12}},
        {kPixelFormatBayerGR10Packed, {Storage::Packed, 0, -1, 10}},
        {kPixelFormatBayerGR12Packed, {Storage::Packed, 0, -1, 12}},
    };
    for (const auto& group : bayerGroups) {
        const int pattern = PatternInGroup(pixelFormat, group.first);
        if (pattern >= 0) {
            Layout layout = group.layout;
            layout.pattern = pattern;
            return layout;
        }
    }
    return {};
}

size_t RawSize(const Layout& layout, size_t pixels)
{
    switch (layout.storage) {
    case Storage::Bytes:
        return pixels;
    case Storage::Words:
        return pixels * 2;
    case Storage::Packed:
        return (pixels * 3 + 1) / 2;
    case Storage::Rgb:
    case Storage::Bgr:
        return pixels * 3;
    case Storage::Unknown:
        break;
    }
    return 0;
}

bool ValidFrame(const Layout& layout, const uint8_t* raw, size_t rawSize, int width, int height, const uint8_t* dest)
{
    return layout.storage != Storage::Unknown && raw && dest && width > 0 && height > 0 &&
           rawSize >= RawSize(layout, size_t(width) * size_t(height));
}

LX_VECTOR_CLONES
void ReduceWords(const uint8_t* __restrict raw, size_t count, int shift, uint8_t* __restrict dest)
{
    for (size_t i = 0; i < count; ++i) {
        const unsigned value = unsigned(raw[2 * i]) | unsigned(raw[2 * i + 1]) << 8;
        dest[i] = uint8_t(std::min(value >> shift, 255u));
    }
}

LX_VECTOR_CLONES
void HighBytes(const uint8_t* __restrict raw, size_t count, uint8_t* __restrict dest)
{
    const size_t groups = count / 2;
    for (size_t k = 0; k < groups; ++k) {
        dest[2 * k] = raw[3 * k];
        dest[2 * k + 1] = raw[3 * k + 2];
    }
    // An odd pixel count ends in a group holding one pixel.
    if (count % 2)
        dest[count - 1] = raw[3 * groups];
}

LX_VECTOR_CLONES
void SwapRedBlue(const uint8_t* __restrict raw, size_t count, uint8_t* __restrict dest)
{
    for (size_t i = 0; i < count; ++i) {
        dest[3 * i] = raw[3 * i + 2];
        dest[3 * i + 1] = raw[3 * i + 1];
        dest[3 * i + 2] = raw[3 * i];
    }
}

// Blue, green, red, 255 from red, green, blue or blue, green, red bytes,
// composed as 32-bit words as the demosaicking does.
template <bool SwapRedBlue>
LX_VECTOR_CLONES void WidenToBgrx(const uint8_t* __restrict raw, size_t count, uint8_t* __restrict dest)
{
    static_assert(std::endian::native == std::endian::little, "blue is the first byte of the word");
    for (size_t i = 0; i < count; ++i) {
        const uint32_t blue = raw[3 * i + (SwapRedBlue ? 2 : 0)];
        const uint32_t red = raw[3 * i + (SwapRedBlue ? 0 : 2)];
        const uint32_t pixel = blue | uint32_t(raw[3 * i + 1]) << 8 | red << 16 | 0xFF000000u;
        std::memcpy(dest + 4 * i, &pixel, sizeof pixel);
    }
}

// The sample of pixel i of a frame of one sample a pixel.
unsigned SampleOf(const Layout& layout, const uint8_t* raw, size_t i)
{
    switch (layout.storage) {
    case Storage::Bytes:
        return raw[i];
    case Storage::Words:
        return unsigned(raw[2 * i]) | unsigned(raw[2 * i + 1]) << 8;
    default: {
        // Two samples in three bytes: top bits in bytes 0 and 2, the low bits
        // of the first in bits 0-3 of byte 1, of the second in bits 4-7.
        const uint8_t* group = raw + i / 2 * 3;
        const int low = layout.bits - 8;
        const unsigned mask = (1u << low) - 1;
        return i % 2 ? unsigned(group[2]) << low | (group[1] >> 4 & mask)
                     : unsigned(group[0]) << low | (group[1] & mask);
    }
    }
}

LX_VECTOR_CLONES
void LookUpWords(const uint8_t* __restrict raw, size_t count, const uint8_t* __restrict table, uint8_t* __restrict dest)
{
    for (size_t i = 0; i < count; ++i)
        dest[i] = table[unsigned(raw[2 * i]) | unsigned(raw[2 * i + 1]) << 8];
}

void LookUpPacked(const Layout& layout, const uint8_t* raw, size_t count, const uint8_t* table, uint8_t* dest)
{
    const int low = layout.bits - 8;
    const unsigned mask = (1u << low) - 1;
    const size_t groups = count / 2;
    for (size_t k = 0; k < groups; ++k) {
        const uint8_t* group = raw + 3 * k;
        dest[2 * k] = table[unsigned(group[0]) << low | (group[1] & mask)];
        dest[2 * k + 1] = table[unsigned(group[2]) << low | (group[1] >> 4 & mask)];
    }
    if (count % 2)
        dest[count - 1] = table[SampleOf(layout, raw, count - 1)];
}

// 8-bit samples of a one-sample-per-pixel format (grey or Bayer).
void ReduceTo8Bit(const Layout& layout, const uint8_t* raw, size_t count, uint8_t* dest)
{
    switch (layout.storage) {
    case Storage::Bytes:
        std::memcpy(dest, raw, count);
        break;
    case Storage::Words:
        ReduceWords(raw, count, layout.shift, dest);
        break;
    case Storage::Packed:
        HighBytes(raw, count, dest);
        break;
    default:
        break;
    }
}

// Hands demosaic an 8-bit mosaic of the frame: the raw data itself for 8-bit
// formats, else a temporary reduced copy.
template <class Demosaic>
bool WithMosaic8(const Layout& layout, const uint8_t* raw, size_t count, Demosaic demosaic)
{
    if (layout.storage == Storage::Bytes)
        return demosaic(raw);
    std::unique_ptr<uint8_t[]> mosaic(new (std::nothrow) uint8_t[count]);
    if (!mosaic)
        return false;
    ReduceTo8Bit(layout, raw, count, mosaic.get());
    return demosaic(mosaic.get());
}

template <int BytesPerPixel>
void ReversePixels(uint8_t* first, size_t count)
{
    uint8_t* last = first + (count - 1) * BytesPerPixel;
    for (size_t i = 0; i < count / 2; ++i, first += BytesPerPixel, last -= BytesPerPixel)
        std::swap_ranges(first, first + BytesPerPixel, last);
}

template <int BytesPerPixel>
bool Mirror(void* data, int width, int height, int mode)
{
    if (mode == kMirrorOff)
        return true;
    auto* pixels = static_cast<uint8_t*>(data);
    if (mode < kMirrorOff || mode > kMirrorBoth || !pixels || width <= 0 || height <= 0)
        return false;
    const size_t rowBytes = size_t(width) * BytesPerPixel;
    switch (mode) {
    case kMirrorHorizontal:
        for (int y = 0; y < height; ++y)
            ReversePixels<BytesPerPixel>(pixels + y * rowBytes, size_t(width));
        break;
    case kMirrorVertical:
        for (int y = 0; y < height / 2; ++y)
            std::swap_ranges(pixels + y * rowBytes, pixels + (y + 1) * rowBytes, pixels + (height - 1 - y) * rowBytes);
        break;
    default:
        ReversePixels<BytesPerPixel>(pixels, size_t(width) * size_t(height));
        break;
    }
    return true;
}

// The conversion behind ConvertFrame and ConvertForDisplay: for the display
// colour pixels take 4 bytes (a byte of 255 after blue, green, red) and 10 and
// 12-bit BayerRG data is demosaicked by the neighbour mean whatever the method.
bool Convert(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, uint8_t* dest, int method,
             bool forDisplay)
{
    const Layout layout = LayoutOf(pixelFormat);
    if (!ValidFrame(layout, raw, rawSize, width, height, dest))
        return false;
    const size_t count = size_t(width) * size_t(height);
    switch (layout.storage) {
    case Storage::Rgb:
        if (forDisplay)
            WidenToBgrx<true>(raw, count, dest);
        else
            SwapRedBlue(raw, count, dest);
        return true;
    case Storage::Bgr:
        if (forDisplay)
            WidenToBgrx<false>(raw, count, dest);
        else
            std::memcpy(dest, raw, count * 3);
        return true;
    default:
        break;
    }
    if (layout.pattern < 0) {
        ReduceTo8Bit(layout, raw, count, dest);
        return true;
    }
    const bool neighbourMean = forDisplay && layout.pattern == kBayerRG && layout.storage != Storage::Bytes;
    if (!neighbourMean && (method < 0 || method >= kInterpolationMethodCount))
        return false;
    const int colourBytes = forDisplay ? 4 : 3;
    return WithMosaic8(layout, raw, count, [&](const uint8_t* mosaic) {
        return neighbourMean ? DemosaicBayer8NeighbourMean(height, mosaic, width, dest, layout.pattern, colourBytes)
                             : DemosaicBayer8(height, method, mosaic, width, dest, layout.pattern, colourBytes);
    });
}

} // namespace

size_t RawFrameSize(uint32_t pixelFormat, int width, int height)
{
    if (width <= 0 || height <= 0)
        return 0;
    return RawSize(LayoutOf(pixelFormat), size_t(width) * size_t(height));
}

int ConvertedBytesPerPixel(uint32_t pixelFormat)
{
    if (LayoutOf(pixelFormat).storage == Storage::Unknown)
        return 0;
    return IsGrayPixelFormat(pixelFormat) ? 1 : 3;
}

bool ConvertFrame(uint32_t pixelFormat, int height, const uint8_t* raw, size_t rawSize, int width, uint8_t* dest,
                  int method)
{
    return Convert(pixelFormat, raw, rawSize, width, height, dest, method, false);
}

bool MirrorGrayImage(uint8_t* pixels, int width, int height, int mode)
{
    return Mirror<1>(pixels, width, height, mode);
}

bool MirrorColorImage(uint8_t* pixels, int width, int height, int mode)
{
    return Mirror<3>(pixels, width, height, mode);
}

bool ConvertForDisplay(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, uint8_t* dest,
                       int method)
{
    return Convert(pixelFormat, raw, rawSize, width, height, dest, method, true);
}

int SignificantSampleBits(uint32_t pixelFormat)
{
    const Layout layout = LayoutOf(pixelFormat);
    switch (layout.storage) {
    case Storage::Bytes:
    case Storage::Words:
    case Storage::Packed:
        return layout.bits;
    default:
        return 0;
    }
}

int BayerPatternOf(uint32_t pixelFormat)
{
    return LayoutOf(pixelFormat).pattern;
}

const char* BayerPatternName(int pattern)
{
    static constexpr const char* kNames[kBayerPatternCount] = {"GRBG", "RGGB", "GBRG", "BGGR"};
    return pattern >= 0 && pattern < kBayerPatternCount ? kNames[pattern] : "";
}

int MirroredBayerPattern(int pattern, int width, int height, int mode)
{
    if (pattern < 0)
        return pattern;
    // Bit 0 of the index tells G R from R G in the first row; bit 1 swaps the rows.
    static constexpr int kSwapColumns[kBayerPatternCount] = {kBayerRG, kBayerGR, kBayerBG, kBayerGB};
    static constexpr int kSwapRows[kBayerPatternCount] = {kBayerBG, kBayerGB, kBayerRG, kBayerGR};
    const bool horizontal = mode == kMirrorHorizontal || mode == kMirrorBoth;
    const bool vertical = mode == kMirrorVertical || mode == kMirrorBoth;
    // An even side puts the other phase of the pattern first once reversed.
    if (horizontal && width % 2 == 0)
        pattern = kSwapColumns[pattern];
    if (vertical && height % 2 == 0)
        pattern = kSwapRows[pattern];
    return pattern;
}

bool ConvertDeepGrey(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height,
                     DeepGreyTable& table, uint8_t* dest)
{
    const Layout layout = LayoutOf(pixelFormat);
    if (layout.pattern >= 0 || layout.bits <= 8 || !ValidFrame(layout, raw, rawSize, width, height, dest))
        return false;
    const size_t count = size_t(width) * size_t(height);
    if (!table.Active()) {
        ReduceTo8Bit(layout, raw, count, dest);
        return true;
    }
    if (table.View().autoLevels) {
        uint32_t* histogram = table.ClearedHistogram();
        const int rowStep = int(std::max<size_t>(1, count / kAutoLevelSamples));
        for (int y = 0; y < height; y += rowStep) {
            const size_t row = size_t(y) * size_t(width);
            for (int x = 0; x < width; ++x)
                ++histogram[SampleOf(layout, raw, row + size_t(x))];
        }
        table.TakeAutoLevels();
    }
    if (layout.storage == Storage::Words)
        LookUpWords(raw, count, table.Values(), dest);
    else
        LookUpPacked(layout, raw, count, table.Values(), dest);
    return true;
}

bool RawSampleAt(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, int x, int y,
                 uint16_t& value)
{
    const Layout layout = LayoutOf(pixelFormat);
    if (SignificantSampleBits(pixelFormat) == 0 || x < 0 || y < 0 || x >= width || y >= height ||
        !ValidFrame(layout, raw, rawSize, width, height, raw))
        return false;
    value = uint16_t(SampleOf(layout, raw, size_t(y) * size_t(width) + size_t(x)));
    return true;
}

bool UnpackSamples(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, uint16_t* dest)
{
    const Layout layout = LayoutOf(pixelFormat);
    if (SignificantSampleBits(pixelFormat) == 0 ||
        !ValidFrame(layout, raw, rawSize, width, height, reinterpret_cast<uint8_t*>(dest)))
        return false;
    const size_t count = size_t(width) * size_t(height);
    switch (layout.storage) {
    case Storage::Bytes:
        for (size_t i = 0; i < count; ++i)
            dest[i] = raw[i];
        break;
    case Storage::Words:
        for (size_t i = 0; i < count; ++i)
            dest[i] = uint16_t(raw[2 * i] | raw[2 * i + 1] << 8);
        break;
    default:
        for (size_t i = 0; i < count; ++i)
            dest[i] = uint16_t(SampleOf(layout, raw, i));
        break;
    }
    return true;
}

bool DemosaicBayer16(const uint16_t* mosaic, int width, int height, int pattern, uint16_t* rgb)
{
    if (!mosaic || !rgb || width <= 0 || height <= 0 || pattern < 0 || pattern >= kBayerPatternCount)
        return false;
    // Colour of a site: 0 red, 1 green, 2 blue, from the 2 x 2 cell of the pattern.
    static constexpr int kCell[kBayerPatternCount][4] = {{1, 0, 2, 1}, {0, 1, 1, 2}, {1, 2, 0, 1}, {2, 1, 1, 0}};
    const auto colourAt = [&](int x, int y) { return kCell[pattern][(y & 1) * 2 + (x & 1)]; };
    // Each missing colour is the mean of the neighbours in the 3 x 3 block
    // that carry it; a site keeps its own value unchanged.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t sum[3] = {0, 0, 0};
            uint32_t count[3] = {0, 0, 0};
            for (int dy = -1; dy <= 1; ++dy) {
                const int yy = y + dy;
                if (yy < 0 || yy >= height)
                    continue;
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = x + dx;
                    if (xx < 0 || xx >= width)
                        continue;
                    const int colour = colourAt(xx, yy);
                    sum[colour] += mosaic[size_t(yy) * size_t(width) + size_t(xx)];
                    ++count[colour];
                }
            }
            uint16_t* out = rgb + (size_t(y) * size_t(width) + size_t(x)) * 3;
            const int own = colourAt(x, y);
            for (int c = 0; c < 3; ++c)
                out[c] = c == own ? mosaic[size_t(y) * size_t(width) + size_t(x)]
                                  : uint16_t(count[c] ? (sum[c] + count[c] / 2) / count[c] : 0);
        }
    }
    return true;
}

bool MirrorImage16(uint16_t* pixels, int width, int height, int channels, int mode)
{
    if (channels == 1)
        return Mirror<2>(pixels, width, height, mode);
    if (channels == 3)
        return Mirror<6>(pixels, width, height, mode);
    return false;
}
