#pragma once

#include "capture/CMemoryBuffer.h"

#include <cstddef>
#include <cstdint>

class CBaseStreamOutput;

// The encoder's byte buffer in front of its stream: bytes gather here and go
// to the stream in blocks of up to kBufferSize bytes.
class CBitStreamOutput {
public:
    static constexpr size_t kBufferSize = 4096;

    // Binds the stream (not owned) and empties the buffer, allocating it on
    // first use. JPEG_ERR_MEMORY when it cannot be allocated.
    int Start(CBaseStreamOutput* stream);

    // Append; a full buffer is first written to the stream.
    int PutByte(uint8_t value);
    int Put16(uint16_t value);
    int PutBytes(const uint8_t* data, size_t length);

    // Writes the buffered bytes to the stream and empties the buffer.
    int Flush();

    // Direct access for the entropy coder, which writes into the free space
    // itself and hands back the new end with SetCursor.
    size_t FreeBytes() const { return size_ - position_; }
    uint8_t* Cursor() { return buffer_.Data() + position_; }
    uint8_t* End() { return buffer_.Data() + size_; }
    int SetCursor(const uint8_t* cursor);

    // Bytes passed to the stream so far, counting every flush.
    uint64_t Total() const { return total_; }

private:
    CBaseStreamOutput* stream_ = nullptr;
    CMemoryBuffer buffer_;
    size_t size_ = kBufferSize;
    size_t position_ = 0;
    uint64_t total_ = 0;
};
