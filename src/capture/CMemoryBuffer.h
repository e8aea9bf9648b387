#pragma once

#include <cstddef>
#include <cstdint>

// An owned block of working memory, aligned for vector loads. It only grows:
// asking for a size it already has keeps the block, so an encoder that is
// reused frame after frame allocates nothing.
class CMemoryBuffer {
public:
    static constexpr size_t kAlignment = 64;

    CMemoryBuffer() = default;
    ~CMemoryBuffer();
    CMemoryBuffer(const CMemoryBuffer&) = delete;
    CMemoryBuffer& operator=(const CMemoryBuffer&) = delete;

    // Makes the block hold at least `size` bytes. A grown block does not keep
    // the old contents. False when memory is short; the block is then empty.
    bool Reserve(size_t size);
    // Reserve that also keeps the first `keep` bytes of the old contents.
    bool Grow(size_t size, size_t keep);
    void Free();

    uint8_t* Data() { return data_; }
    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
};
