#pragma once

#include "capture/AviLayout.h"
#include "capture/ChunkBuffer.h"
#include "capture/MotionJpegFrameEncoder.h"
#include "capture/OverlappedFileWriter.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

// What the plain and the OpenDML Motion JPEG writers share: the output file
// with one write in flight, two chunk buffers (one being written while the next
// frame is encoded into the other), the table of JPEG sizes by frame position
// (room for the planned frames is made at the start, more as needed),
// the JPEG encoder, and the index records built from the size table.
// Write results are 0, a negative encoder code or an errno value.
class MotionJpegChunkWriter {
public:
    // Creates the file and writes the header image at its start; the encoder
    // will read frames of `stream`'s geometry from `frame`. Once a write has
    // found the disk full and taken `reserve`, no further frame is written.
    // Gives kAviOk, kAviOutOfMemory or kAviCannotCreate.
    std::uint32_t Open(const std::filesystem::path& path, const avi::HeaderImage& header,
                       const avi::StreamDescription& stream, const std::uint8_t* frame, DiskSpaceReserve* reserve);
    // Encodes the frame into the free chunk buffer and gives the bytes its chunk
    // will take in the file.
    int EncodeFrame(std::uint64_t& chunkFileBytes);
    // Writes `emptyChunks` empty chunks for skipped positions, then the encoded
    // frame, recording its size at `position`.
    int WriteChunks(std::uint32_t emptyChunks, std::uint32_t position);
    // Appends idx1 with one entry for each of the positions 0 .. positions - 1.
    int WriteIdx1(std::uint32_t positions);
    // Appends the "ix00" standard index of `count` positions from `firstPosition`,
    // whose first chunk starts at file offset `baseOffset`.
    int WriteStandardIndex(std::uint32_t firstPosition, std::uint32_t count, std::uint64_t baseOffset);
    // Appends bytes that stay untouched until the next write.
    int Append(const void* data, std::size_t size) { return file_.Append(data, size); }
    int WriteAt(std::uint64_t offset, const void* data, std::size_t size);
    int Close();

    std::uint64_t EndOffset() const { return file_.EndOffset(); }
    // The largest JPEG so far: the buffer a reader needs for any chunk.
    std::uint32_t LargestFrame() const { return largestFrame_; }

private:
    // Gives a block for an index record of `size` bytes, once the write in
    // flight (which may still read the previous index) has finished.
    std::uint8_t* IndexBlock(std::size_t size, int& error);

    OverlappedFileWriter file_;
    DiskSpaceReserve* reserve_ = nullptr;
    std::array<ChunkBuffer, 2> chunks_;
    std::size_t filling_ = 0;
    std::size_t encodedLength_ = 0;
    // By position; grows as positions are written (0 for an empty chunk).
    std::vector<std::uint32_t> frameSizes_;
    std::uint32_t largestFrame_ = 0;
    MotionJpegFrameEncoder encoder_;
    std::unique_ptr<std::uint8_t[]> index_;
};
