#pragma once

#include "capture/CJPEGEncoder.h"
#include "capture/ChunkBufferOutput.h"
#include "capture/JpegResult.h"

#include <cstddef>
#include <cstdint>

class ChunkBuffer;

// Encodes the frames of one Motion JPEG recording as baseline JPEG, always in
// YCbCr: a grey frame gets neutral chroma, as movie players expect colour
// frames. The frame is read from the same memory at every Encode.
class MotionJpegFrameEncoder {
public:
    static constexpr int kOutOfMemory = JPEG_ERR_MEMORY;

    // frame: rows top to bottom, packed, 1 byte per pixel (grey) or 3 (blue,
    // green, red). Gives 0 or a negative encoder code.
    int Configure(const std::uint8_t* frame, int width, int height, int bytesPerPixel, int quality);
    // Encodes the frame into `chunk` from byte `offset` on, growing the chunk
    // when the JPEG does not fit; gives the JPEG's length. 0 or a negative code.
    int Encode(ChunkBuffer& chunk, std::size_t offset, std::size_t& length);

private:
    CJPEGEncoder encoder_;
    ChunkBufferOutput output_;
};
