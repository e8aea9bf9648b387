#pragma once

#include "capture/CBaseStreamOutput.h"

#include <cstddef>
#include <cstdint>

class ChunkBuffer;

// The JPEG encoder's output stream for movie frames: it writes the JPEG
// straight into a chunk buffer behind the chunk header, growing the buffer
// when a frame comes out larger than the room it has.
class ChunkBufferOutput : public CBaseStreamOutput {
public:
    // Directs the next image into `chunk` from byte `offset` on.
    void Start(ChunkBuffer& chunk, std::size_t offset);
    // Bytes of the current image written so far.
    std::size_t Size() const { return size_; }

    int Open(const char* name) override;
    void Close() override {}
    int Write(const uint8_t* data, size_t length, size_t* written) override;

private:
    ChunkBuffer* chunk_ = nullptr;
    std::size_t offset_ = 0;
    std::size_t size_ = 0;
};
