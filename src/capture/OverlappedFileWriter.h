#pragma once

#include "capture/DiskSpaceReserve.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <thread>

// Appends to a file with exactly one write in flight: Append hands the bytes to
// a writing thread and returns, so the caller can prepare the next block while
// the disk works. Errors are errno values; the first failure sticks.
class OverlappedFileWriter {
public:
    OverlappedFileWriter() = default;
    ~OverlappedFileWriter();
    OverlappedFileWriter(const OverlappedFileWriter&) = delete;
    OverlappedFileWriter& operator=(const OverlappedFileWriter&) = delete;

    // Creates the file, replacing an old one, and starts the writing thread.
    // Writes that find the disk full release `reserve` and try again.
    int Create(const std::filesystem::path& path, DiskSpaceReserve* reserve = nullptr);
    // Waits for the write in flight, then starts writing `size` bytes at the end
    // offset and advances it. The bytes must stay untouched until the next
    // Append, Wait, WriteAt or Close.
    int Append(const void* data, std::size_t size);
    // Waits for the write in flight.
    int Wait();
    // Writes in place, synchronously, after the write in flight has finished.
    int WriteAt(std::uint64_t offset, const void* data, std::size_t size);
    // Offset of the next Append: the file's size once all writes are done.
    std::uint64_t EndOffset() const { return endOffset_; }
    // Waits, stops the thread and closes the file.
    int Close();
    bool IsOpen() const { return fd_ >= 0; }

private:
    void Run();

    int fd_ = -1;
    DiskSpaceReserve* reserve_ = nullptr;
    std::uint64_t endOffset_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    // Guarded by mutex_.
    const void* jobData_ = nullptr;
    std::size_t jobSize_ = 0;
    std::uint64_t jobOffset_ = 0;
    bool jobPending_ = false;
    bool quit_ = false;
    int error_ = 0;
};
