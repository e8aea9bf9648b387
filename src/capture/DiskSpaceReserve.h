#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>

// Disk space held back while a recording file grows, so that the file can
// still be closed properly when the disk fills: the first write that finds no
// space releases the reserve and tries again, and the recording then ends
// with that frame. What the reserve must cover is the rest of one frame plus
// the indexes and header patches written on closing.
class DiskSpaceReserve {
public:
    DiskSpaceReserve() = default;
    ~DiskSpaceReserve();
    DiskSpaceReserve(const DiskSpaceReserve&) = delete;
    DiskSpaceReserve& operator=(const DiskSpaceReserve&) = delete;

    // Holds `bytes` on the file system of `folder` in a file without a name,
    // which goes with the reserve even if the program dies. False when the
    // space cannot be held; the recording then has no reserve.
    bool Hold(const std::filesystem::path& folder, std::uint64_t bytes);
    // Enlarges the space held to `bytes`; false when none is held or the
    // disk has no room for more.
    bool Grow(std::uint64_t bytes);
    // Gives the space back once; true when there was some to give.
    bool Release();
    bool IsHeld() const { return fd_ >= 0; }
    // The disk has filled during this recording.
    bool RanOut() const { return ranOut_; }

    // Writes all of `size` bytes at `offset` of fd. A write that finds the
    // disk full releases the reserve (when given) and is tried once more.
    // Gives 0 or an errno value.
    static int WriteFully(int fd, const void* data, std::size_t size, std::uint64_t offset, DiskSpaceReserve* reserve);

private:
    int fd_ = -1;
    std::atomic<bool> ranOut_{false};
};
