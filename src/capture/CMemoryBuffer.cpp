#include "capture/CMemoryBuffer.h"

#include <cstdlib>
#include <cstring>

CMemoryBuffer::~CMemoryBuffer()
{
    Free();
}

bool CMemoryBuffer::Reserve(size_t size)
{
    return Grow(size, 0);
}

bool CMemoryBuffer::Grow(size_t size, size_t keep)
{
    if (size <= size_)
        return true;
    // aligned_alloc wants a multiple of the alignment.
    const size_t rounded = (size + kAlignment - 1) / kAlignment * kAlignment;
    if (rounded < size)
        return false;
    auto* block = static_cast<uint8_t*>(std::aligned_alloc(kAlignment, rounded));
    if (!block) {
        Free();
        return false;
    }
    if (keep > 0)
        std::memcpy(block, data_, keep < size_ ? keep : size_);
    Free();
    data_ = block;
    size_ = rounded;
    return true;
}

void CMemoryBuffer::Free()
{
    std::free(data_);
    data_ = nullptr;
    size_ = 0;
}
