#include "capture/AviLayout.h"

#include <algorithm>
#include <limits>

namespace avi {
namespace {

constexpr std::uint32_t kMotionJpeg = MakeFourCC('M', 'J', 'P', 'G');
constexpr std::uint32_t kAvihHasIndex = 0x10;
constexpr std::uint32_t kAvihTrustChunkType = 0x800;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint16_t kDeclaredBitCount = 24;
constexpr std::size_t kStreamNameSize = 64;
constexpr std::uint32_t kPlainHdrlSize = 264;
constexpr std::uint32_t kPlainStrlSize = 188;
constexpr std::uint32_t kOpenDmlHdrlSize = 1344;
constexpr std::uint32_t kOpenDmlStrlSize = 1244;
constexpr std::uint32_t kIndxSize = 1048;
constexpr std::uint16_t kSuperIndexLongsPerEntry = 4;
constexpr std::uint32_t kOdmlListSize = 16;
constexpr std::uint32_t kDmlhSize = 4;
constexpr std::uint32_t kQualityScale = 100;

// Sequential writer over the header image.
class Cursor {
public:
    Cursor(HeaderImage& image, std::size_t offset) : image_(image), offset_(offset) {}
    Cursor& FourCC(std::uint32_t code) { return U32(code); }
    Cursor& U16(std::uint16_t value)
    {
        Put16(image_.data() + offset_, value);
        offset_ += 2;
        return *this;
    }
    Cursor& U32(std::uint32_t value)
    {
        Put32(image_.data() + offset_, value);
        offset_ += 4;
        return *this;
    }
    Cursor& Skip(std::size_t bytes)
    {
        offset_ += bytes;
        return *this;
    }
    std::size_t Offset() const { return offset_; }

private:
    HeaderImage& image_;
    std::size_t offset_;
};

// Everything up to the end of the stream name, identical in both forms apart
// from the list sizes and the avih flags.
void PutCommonHeader(HeaderImage& image, const StreamDescription& stream, std::uint32_t hdrlSize,
                     std::uint32_t strlSize, std::uint32_t avihFlags)
{
    Cursor c(image, 0);
    c.FourCC(MakeFourCC('R', 'I', 'F', 'F')).U32(0).FourCC(MakeFourCC('A', 'V', 'I', ' '));
    c.FourCC(MakeFourCC('L', 'I', 'S', 'T')).U32(hdrlSize).FourCC(MakeFourCC('h', 'd', 'r', 'l'));
    c.FourCC(MakeFourCC('a', 'v', 'i', 'h')).U32(kAvihSize);
    c.U32(0).U32(0).U32(0).U32(avihFlags);
    c.U32(stream.plannedFrames).U32(0).U32(1).U32(0);
    c.U32(stream.width).U32(stream.height).Skip(16);

    c.FourCC(MakeFourCC('L', 'I', 'S', 'T')).U32(strlSize).FourCC(MakeFourCC('s', 't', 'r', 'l'));
    c.FourCC(MakeFourCC('s', 't', 'r', 'h')).U32(kStrhSize);
    c.FourCC(MakeFourCC('v', 'i', 'd', 's')).FourCC(kMotionJpeg).U32(0).U16(0).U16(0).U32(0);
    c.U32(stream.scale).U32(stream.rate).U32(0);
    c.U32(stream.plannedFrames).U32(0).U32(stream.quality * kQualityScale).U32(0);
    c.U16(0).U16(0).U16(static_cast<std::uint16_t>(stream.width)).U16(static_cast<std::uint16_t>(stream.height));

    c.FourCC(MakeFourCC('s', 't', 'r', 'f')).U32(kBitmapInfoHeaderSize);
    c.U32(kBitmapInfoHeaderSize).U32(stream.width).U32(stream.height).U16(1).U16(kDeclaredBitCount);
    c.FourCC(kMotionJpeg).U32(stream.width * stream.height * stream.bytesPerPixel).Skip(16);

    c.FourCC(MakeFourCC('s', 't', 'r', 'n')).U32(kStreamNameSize);
    c.FourCC(kMotionJpeg).FourCC(MakeFourCC(' ', 'O', 'u', 't')).Skip(kStreamNameSize - 8);
}

void PutJunkAndMovi(HeaderImage& image, std::size_t junkOffset)
{
    Cursor c(image, junkOffset);
    const std::size_t junkSize = kMoviSizeOffset - 4 - junkOffset - kChunkHeaderSize;
    c.FourCC(MakeFourCC('J', 'U', 'N', 'K')).U32(static_cast<std::uint32_t>(junkSize)).Skip(junkSize);
    c.FourCC(MakeFourCC('L', 'I', 'S', 'T')).U32(4).FourCC(MakeFourCC('m', 'o', 'v', 'i'));
}

} // namespace

void Put16(std::uint8_t* at, std::uint16_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void Put64(std::uint8_t* at, std::uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get32(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

HeaderImage BuildPlainHeader(const StreamDescription& stream)
{
    HeaderImage image{};
    PutCommonHeader(image, stream, kPlainHdrlSize, kPlainStrlSize, kAvihHasIndex);
    PutJunkAndMovi(image, 284);
    return image;
}

HeaderImage BuildOpenDmlHeader(const StreamDescription& stream)
{
    HeaderImage image{};
    PutCommonHeader(image, stream, kOpenDmlHdrlSize, kOpenDmlStrlSize, kAvihHasIndex | kAvihTrustChunkType);

    // Super index: one entry per RIFF part, filled as the parts are finished.
    // Its chunk id names the indexed stream's chunks, as readers look the
    // stream up from it.
    Cursor c(image, 284);
    c.FourCC(MakeFourCC('i', 'n', 'd', 'x')).U32(kIndxSize);
    c.U16(kSuperIndexLongsPerEntry).Skip(2).U32(0).FourCC(kVideoChunkId).Skip(12);
    c.Skip(kSuperIndexEntries * kSuperIndexEntrySize);

    c.FourCC(MakeFourCC('L', 'I', 'S', 'T')).U32(kOdmlListSize).FourCC(MakeFourCC('o', 'd', 'm', 'l'));
    c.FourCC(MakeFourCC('d', 'm', 'l', 'h')).U32(kDmlhSize).U32(stream.plannedFrames);
    PutJunkAndMovi(image, c.Offset());
    return image;
}

void PatchStreamTotals(HeaderImage& header, std::uint32_t totalFrames, std::uint32_t suggestedBuffer,
                       std::uint32_t scale, std::uint32_t rate)
{
    Put32(header.data() + kAvihTotalFramesOffset, totalFrames);
    Put32(header.data() + kAvihSuggestedBufferOffset, suggestedBuffer);
    Put32(header.data() + kStrhScaleOffset, scale);
    Put32(header.data() + kStrhRateOffset, rate);
    Put32(header.data() + kStrhLengthOffset, totalFrames);
    Put32(header.data() + kStrhSuggestedBufferOffset, suggestedBuffer);
}

std::uint32_t MeasuredRate(std::uint64_t intervals, std::uint64_t elapsedMs, std::uint32_t scale)
{
    if (intervals == 0 || elapsedMs == 0)
        return 0;
    const double rate = static_cast<double>(intervals) * 1000.0 / static_cast<double>(elapsedMs) * scale;
    // A recording slower than one frame per `scale` seconds still gets a usable rate.
    return static_cast<std::uint32_t>(std::clamp(rate, 1.0, double(std::numeric_limits<std::uint32_t>::max())));
}

} // namespace avi
