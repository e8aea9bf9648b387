#pragma once

#include "capture/CBaseStreamOutput.h"
#include "capture/CMemoryBuffer.h"

// Collects an encoded image in memory. Either it grows a block of its own,
// kept from one image to the next, or it fills a block of fixed capacity that
// the caller owns (a movie writer's chunk buffer); a write that does not fit
// there is cut short, so the encoder fails with JPEG_ERR_WRITE instead of
// running past the block.
class CMemoryOutput : public CBaseStreamOutput {
public:
    CMemoryOutput() = default;
    CMemoryOutput(uint8_t* block, size_t capacity) : external_(block), capacity_(capacity) {}

    // Starts the next image at the beginning of the block.
    int Open(const char* name) override;
    void Close() override {}
    int Write(const uint8_t* data, size_t length, size_t* written) override;

    void Rewind() { size_ = 0; }
    const uint8_t* Data() const { return external_ ? external_ : own_.Data(); }
    size_t Size() const { return size_; }

private:
    uint8_t* external_ = nullptr;
    size_t capacity_ = 0;
    CMemoryBuffer own_;
    size_t size_ = 0;
};
