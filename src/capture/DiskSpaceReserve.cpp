#include "capture/DiskSpaceReserve.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr mode_t kReserveMode = 0600;
}

DiskSpaceReserve::~DiskSpaceReserve()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool DiskSpaceReserve::Hold(const std::filesystem::path& folder, std::uint64_t bytes)
{
    Release();
    ranOut_ = false;
    const std::filesystem::path where = folder.empty() ? std::filesystem::path(".") : folder;
    fd_ = ::open(where.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, kReserveMode);
    if (fd_ < 0)
        return false;
    if (::posix_fallocate(fd_, 0, static_cast<off_t>(bytes)) != 0) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

bool DiskSpaceReserve::Grow(std::uint64_t bytes)
{
    return fd_ >= 0 && ::posix_fallocate(fd_, 0, static_cast<off_t>(bytes)) == 0;
}

bool DiskSpaceReserve::Release()
{
    if (fd_ < 0)
        return false;
    ::close(fd_);
    fd_ = -1;
    return true;
}

int DiskSpaceReserve::WriteFully(int fd, const void* data, std::size_t size, std::uint64_t offset,
                                 DiskSpaceReserve* reserve)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, bytes, size, static_cast<off_t>(offset));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            if ((error == ENOSPC || error == EDQUOT) && reserve != nullptr) {
                reserve->ranOut_ = true;
                if (reserve->Release())
                    continue;
            }
            return error;
        }
        if (written == 0)
            return EIO;
        bytes += written;
        size -= static_cast<std::size_t>(written);
        offset += static_cast<std::uint64_t>(written);
    }
    return 0;
}
