#include "capture/ChunkBufferOutput.h"

#include "capture/ChunkBuffer.h"
#include "capture/JpegResult.h"

#include <cstring>

void ChunkBufferOutput::Start(ChunkBuffer& chunk, std::size_t offset)
{
    chunk_ = &chunk;
    offset_ = offset;
    size_ = 0;
}

int ChunkBufferOutput::Open(const char*)
{
    size_ = 0;
    return JPEG_OK;
}

int ChunkBufferOutput::Write(const uint8_t* data, size_t length, size_t* written)
{
    *written = 0;
    if (!chunk_)
        return JPEG_ERR_WRITE;
    const std::size_t used = offset_ + size_;
    if (!chunk_->Reserve(used + length, used))
        return JPEG_ERR_WRITE;
    std::memcpy(chunk_->Data() + used, data, length);
    size_ += length;
    *written = length;
    return JPEG_OK;
}
