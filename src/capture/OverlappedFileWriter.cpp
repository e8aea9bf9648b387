#include "capture/OverlappedFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr mode_t kFileMode = 0644;
}

OverlappedFileWriter::~OverlappedFileWriter()
{
    Close();
}

int OverlappedFileWriter::Create(const std::filesystem::path& path, DiskSpaceReserve* reserve)
{
    Close();
    reserve_ = reserve;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
    if (fd_ < 0)
        return errno;
    endOffset_ = 0;
    error_ = 0;
    quit_ = false;
    jobPending_ = false;
    thread_ = std::thread(&OverlappedFileWriter::Run, this);
    return 0;
}

int OverlappedFileWriter::Append(const void* data, std::size_t size)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !jobPending_; });
    if (error_ != 0)
        return error_;
    if (fd_ < 0)
        return EBADF;
    jobData_ = data;
    jobSize_ = size;
    jobOffset_ = endOffset_;
    jobPending_ = true;
    endOffset_ += size;
    lock.unlock();
    changed_.notify_all();
    return 0;
}

int OverlappedFileWriter::Wait()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !jobPending_; });
    return error_;
}

int OverlappedFileWriter::WriteAt(std::uint64_t offset, const void* data, std::size_t size)
{
    if (const int error = Wait(); error != 0)
        return error;
    if (fd_ < 0)
        return EBADF;
    const int error = DiskSpaceReserve::WriteFully(fd_, data, size, offset, reserve_);
    std::lock_guard lock(mutex_);
    if (error_ == 0)
        error_ = error;
    return error_;
}

int OverlappedFileWriter::Close()
{
    if (fd_ < 0)
        return error_;
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !jobPending_; });
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
    if (::close(fd_) != 0 && error_ == 0)
        error_ = errno;
    fd_ = -1;
    return error_;
}

void OverlappedFileWriter::Run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return jobPending_ || quit_; });
        if (!jobPending_)
            return;
        const void* data = jobData_;
        const std::size_t size = jobSize_;
        const std::uint64_t offset = jobOffset_;
        lock.unlock();
        const int error = DiskSpaceReserve::WriteFully(fd_, data, size, offset, reserve_);
        lock.lock();
        if (error_ == 0)
            error_ = error;
        jobPending_ = false;
        changed_.notify_all();
    }
}
