#include "capture/ChunkBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

bool ChunkBuffer::Reserve(std::size_t size, std::size_t keep)
{
    if (size <= capacity_)
        return true;
    // Grow by at least half again, so a run of ever larger frames costs few allocations.
    const std::size_t grown = std::max(size, capacity_ + capacity_ / 2);
    std::unique_ptr<std::uint8_t[]> larger(new (std::nothrow) std::uint8_t[grown]);
    if (!larger)
        return false;
    if (keep > 0)
        std::memcpy(larger.get(), bytes_.get(), std::min(keep, capacity_));
    bytes_ = std::move(larger);
    capacity_ = grown;
    return true;
}
