#pragma once

// Byte layout of the AVI files the Motion JPEG writers produce: the 2048-byte
// header image of the plain and the OpenDML form, the chunk and index records,
// and the little-endian helpers that fill them.

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::uint32_t MakeFourCC(char a, char b, char c, char d)
{
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(a)) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b)) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(c)) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(d)) << 24;
}

namespace avi {

inline constexpr std::uint32_t kVideoChunkId = MakeFourCC('0', '0', 'd', 'c');
inline constexpr std::uint32_t kStandardIndexId = MakeFourCC('i', 'x', '0', '0');

inline constexpr std::size_t kHeaderSize = 2048;
inline constexpr std::size_t kChunkHeaderSize = 8;
// An odd chunk is followed by this byte so that the next chunk starts on an even offset.
inline constexpr std::uint8_t kPadByte = 0x30;
inline constexpr std::size_t kIdx1EntrySize = 16;
inline constexpr std::uint32_t kIdx1KeyFrame = 0x10;
inline constexpr std::size_t kStandardIndexHeaderSize = 32;
inline constexpr std::size_t kStandardIndexEntrySize = 8;
inline constexpr std::size_t kSuperIndexEntries = 64;
inline constexpr std::size_t kSuperIndexEntrySize = 16;
// "RIFF" size "AVIX" "LIST" size "movi"
inline constexpr std::size_t kExtensionPartHeaderSize = 24;

// Offsets into the header image.
inline constexpr std::size_t kRiffSizeOffset = 4;
inline constexpr std::size_t kAvihOffset = 32;
inline constexpr std::size_t kAvihSize = 56;
inline constexpr std::size_t kAvihTotalFramesOffset = 48;
inline constexpr std::size_t kAvihSuggestedBufferOffset = 60;
inline constexpr std::size_t kStrhOffset = 108;
inline constexpr std::size_t kStrhSize = 56;
inline constexpr std::size_t kStrhHandlerOffset = 112;
inline constexpr std::size_t kStrhScaleOffset = 128;
inline constexpr std::size_t kStrhRateOffset = 132;
inline constexpr std::size_t kStrhLengthOffset = 140;
inline constexpr std::size_t kStrhSuggestedBufferOffset = 144;
inline constexpr std::size_t kIndxEntriesInUseOffset = 296;
inline constexpr std::size_t kSuperIndexOffset = 316;
inline constexpr std::size_t kDmlhTotalFramesOffset = 1360;
inline constexpr std::size_t kMoviSizeOffset = 2040;
// Index offsets count from the "movi" identifier, 4 bytes before the first chunk.
inline constexpr std::size_t kMoviIdOffset = 2044;

using HeaderImage = std::array<std::uint8_t, kHeaderSize>;

struct StreamDescription {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bytesPerPixel = 3;
    std::uint32_t plannedFrames = 0;
    std::uint32_t scale = 1000;
    std::uint32_t rate = 30000;
    std::uint32_t quality = 75;
};

void Put16(std::uint8_t* at, std::uint16_t value);
void Put32(std::uint8_t* at, std::uint32_t value);
void Put64(std::uint8_t* at, std::uint64_t value);
std::uint32_t Get32(const std::uint8_t* at);

// The header of a plain Motion JPEG file (RIFF "AVI " with idx1).
HeaderImage BuildPlainHeader(const StreamDescription& stream);
// The header of an OpenDML Motion JPEG file: the plain one plus the super index
// and the "odml" list.
HeaderImage BuildOpenDmlHeader(const StreamDescription& stream);

// Frame counts, suggested buffers and rate, shared by both forms.
void PatchStreamTotals(HeaderImage& header, std::uint32_t totalFrames, std::uint32_t suggestedBuffer,
                       std::uint32_t scale, std::uint32_t rate);

// Bytes a chunk of `dataSize` bytes takes in the file, with its header and pad byte.
constexpr std::uint64_t ChunkFileSize(std::uint64_t dataSize)
{
    return kChunkHeaderSize + dataSize + (dataSize & 1);
}

// Rate (frames per scale units) measured over `intervals` frame intervals that
// took `elapsedMs`. Gives 0 when there is nothing to measure.
std::uint32_t MeasuredRate(std::uint64_t intervals, std::uint64_t elapsedMs, std::uint32_t scale);

} // namespace avi
