#include "capture/MotionJpegChunkWriter.h"

#include "capture/AviWriter.h"

#include <algorithm>
#include <cerrno>
#include <new>

namespace {

constexpr std::uint16_t kStandardIndexLongsPerEntry = 2;
constexpr std::uint8_t kIndexOfChunks = 1;
// The size table made at the start holds at most this many positions.
constexpr std::uint32_t kMaxInitialPositions = 1 << 20;

constexpr std::array<std::uint8_t, avi::kChunkHeaderSize> kEmptyChunk = {'0', '0', 'd', 'c', 0, 0, 0, 0};

// Makes room for `capacity` entries and gives the table `size`; false when
// memory runs out.
bool Resize(std::vector<std::uint32_t>& table, std::size_t size, std::size_t capacity)
{
    try {
        table.reserve(capacity);
        table.resize(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

} // namespace

std::uint32_t MotionJpegChunkWriter::Open(const std::filesystem::path& path, const avi::HeaderImage& header,
                                          const avi::StreamDescription& stream, const std::uint8_t* frame,
                                          DiskSpaceReserve* reserve)
{
    reserve_ = reserve;
    largestFrame_ = 0;
    filling_ = 0;
    frameSizes_.clear();
    if (!Resize(frameSizes_, 0, std::min(stream.plannedFrames, kMaxInitialPositions)))
        return kAviOutOfMemory;
    const std::size_t frameSize = std::size_t{stream.width} * stream.height * stream.bytesPerPixel;
    for (ChunkBuffer& chunk : chunks_) {
        if (!chunk.Reserve(avi::kChunkHeaderSize + frameSize, 0))
            return kAviOutOfMemory;
    }
    const int configured = encoder_.Configure(frame, static_cast<int>(stream.width), static_cast<int>(stream.height),
                                              static_cast<int>(stream.bytesPerPixel), static_cast<int>(stream.quality));
    if (configured != 0)
        return configured == MotionJpegFrameEncoder::kOutOfMemory ? kAviOutOfMemory : kAviCannotCreate;
    if (file_.Create(path, reserve) != 0)
        return kAviCannotCreate;
    if (file_.Append(header.data(), header.size()) != 0) {
        file_.Close();
        return kAviCannotCreate;
    }
    return kAviOk;
}

int MotionJpegChunkWriter::EncodeFrame(std::uint64_t& chunkFileBytes)
{
    ChunkBuffer& chunk = chunks_[filling_];
    std::size_t length = 0;
    if (const int result = encoder_.Encode(chunk, avi::kChunkHeaderSize, length); result != 0)
        return result;
    if (length > UINT32_MAX - avi::kChunkHeaderSize - 1)
        return EFBIG;
    const std::size_t used = avi::kChunkHeaderSize + length;
    if (!chunk.Reserve(used + 1, used))
        return ENOMEM;
    avi::Put32(chunk.Data(), avi::kVideoChunkId);
    avi::Put32(chunk.Data() + 4, static_cast<std::uint32_t>(length));
    if (length & 1)
        chunk.Data()[used] = avi::kPadByte;
    encodedLength_ = length;
    chunkFileBytes = avi::ChunkFileSize(length);
    return 0;
}

int MotionJpegChunkWriter::WriteChunks(std::uint32_t emptyChunks, std::uint32_t position)
{
    if (position < frameSizes_.size())
        return EINVAL;
    if (!Resize(frameSizes_, position + std::size_t{1}, 0))
        return ENOMEM;
    // The frame before may have filled the disk while this one was encoded.
    if (const int error = file_.Wait(); error != 0)
        return error;
    if (reserve_ != nullptr && reserve_->RanOut())
        return ENOSPC;
    for (std::uint32_t i = 0; i < emptyChunks; ++i) {
        if (const int error = file_.Append(kEmptyChunk.data(), kEmptyChunk.size()); error != 0)
            return error;
    }
    const ChunkBuffer& chunk = chunks_[filling_];
    if (const int error = file_.Append(chunk.Data(), avi::ChunkFileSize(encodedLength_)); error != 0)
        return error;
    filling_ = 1 - filling_;
    const auto length = static_cast<std::uint32_t>(encodedLength_);
    frameSizes_[position] = length;
    largestFrame_ = std::max(largestFrame_, length);
    return 0;
}

std::uint8_t* MotionJpegChunkWriter::IndexBlock(std::size_t size, int& error)
{
    error = file_.Wait();
    if (error != 0)
        return nullptr;
    index_.reset(new (std::nothrow) std::uint8_t[size]());
    if (!index_)
        error = ENOMEM;
    return index_.get();
}

int MotionJpegChunkWriter::WriteIdx1(std::uint32_t positions)
{
    if (positions > frameSizes_.size())
        return EINVAL;
    const std::size_t size = avi::kChunkHeaderSize + std::size_t{positions} * avi::kIdx1EntrySize;
    int error = 0;
    std::uint8_t* block = IndexBlock(size, error);
    if (!block)
        return error;
    avi::Put32(block, MakeFourCC('i', 'd', 'x', '1'));
    avi::Put32(block + 4, static_cast<std::uint32_t>(size - avi::kChunkHeaderSize));
    std::uint8_t* entry = block + avi::kChunkHeaderSize;
    std::uint64_t offset = avi::kHeaderSize - avi::kMoviIdOffset;
    for (std::uint32_t position = 0; position < positions; ++position, entry += avi::kIdx1EntrySize) {
        const std::uint32_t length = frameSizes_[position];
        avi::Put32(entry, avi::kVideoChunkId);
        avi::Put32(entry + 4, avi::kIdx1KeyFrame);
        avi::Put32(entry + 8, static_cast<std::uint32_t>(offset));
        avi::Put32(entry + 12, length);
        offset += avi::ChunkFileSize(length);
    }
    return file_.Append(block, size);
}

int MotionJpegChunkWriter::WriteStandardIndex(std::uint32_t firstPosition, std::uint32_t count,
                                              std::uint64_t baseOffset)
{
    if (std::uint64_t{firstPosition} + count > frameSizes_.size())
        return EINVAL;
    const std::size_t size = avi::kStandardIndexHeaderSize + std::size_t{count} * avi::kStandardIndexEntrySize;
    int error = 0;
    std::uint8_t* block = IndexBlock(size, error);
    if (!block)
        return error;
    avi::Put32(block, avi::kStandardIndexId);
    avi::Put32(block + 4, static_cast<std::uint32_t>(size - avi::kChunkHeaderSize));
    avi::Put16(block + 8, kStandardIndexLongsPerEntry);
    block[11] = kIndexOfChunks;
    avi::Put32(block + 12, count);
    avi::Put32(block + 16, avi::kVideoChunkId);
    avi::Put64(block + 20, baseOffset);
    std::uint8_t* entry = block + avi::kStandardIndexHeaderSize;
    // Entries point at the chunk data, past the 8-byte chunk header.
    std::uint64_t offset = avi::kChunkHeaderSize;
    for (std::uint32_t i = 0; i < count; ++i, entry += avi::kStandardIndexEntrySize) {
        const std::uint32_t length = frameSizes_[firstPosition + i];
        avi::Put32(entry, static_cast<std::uint32_t>(offset));
        avi::Put32(entry + 4, length);
        offset += avi::ChunkFileSize(length);
    }
    return file_.Append(block, size);
}

int MotionJpegChunkWriter::WriteAt(std::uint64_t offset, const void* data, std::size_t size)
{
    return file_.WriteAt(offset, data, size);
}

int MotionJpegChunkWriter::Close()
{
    const int error = file_.Close();
    index_.reset();
    frameSizes_ = {};
    return error;
}
