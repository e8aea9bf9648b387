#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// A byte block that one AVI chunk is assembled in (its 8-byte header, then the
// data). It grows only when a chunk does not fit, and keeps its size after, so a
// recording allocates nothing per frame once it has seen its largest frame.
class ChunkBuffer {
public:
    // Makes room for `size` bytes, keeping the first `keep` bytes. False when
    // out of memory, with the old block left as it was.
    bool Reserve(std::size_t size, std::size_t keep);
    std::uint8_t* Data() { return bytes_.get(); }
    const std::uint8_t* Data() const { return bytes_.get(); }
    std::size_t Capacity() const { return capacity_; }

private:
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t capacity_ = 0;
};
