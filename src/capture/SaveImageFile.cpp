#include "capture/SaveImageFile.h"

#include "capture/StillImageWriters.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

namespace {

struct Writer {
    const char* extension;
    int (*check)(const StillImage&);
    bool (*write)(std::FILE*, const StillImage&);
};

// Searched in order; the first extension that matches picks the writer.
constexpr Writer kWriters[] = {
    {"RAW", CheckRaw, WriteRaw},    {"BMP", CheckBmp, WriteBmp},   {"TIF", CheckTiff, WriteTiff},
    {"TIFF", CheckTiff, WriteTiff}, {"JPG", CheckJpeg, WriteJpeg}, {"JPEG", CheckJpeg, WriteJpeg},
    {"PNG", CheckPng, WritePng},
};

bool EqualsIgnoringCase(const std::string& text, const char* upper)
{
    size_t i = 0;
    for (; i < text.size() && upper[i]; ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (c != upper[i])
            return false;
    }
    return i == text.size() && !upper[i];
}

const Writer* WriterFor(const std::string& path)
{
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos)
        return nullptr;
    const std::string extension = path.substr(dot + 1);
    for (const Writer& writer : kWriters) {
        if (EqualsIgnoringCase(extension, writer.extension))
            return &writer;
    }
    return nullptr;
}

constexpr int kNewFileMode = 0666; // narrowed by the umask, as any new file
constexpr int kTempNameAttempts = 100;

// Creates a new hidden file beside `path` for writing ("." + name + a unique
// suffix), with the permissions of the file it will replace, if any. Null
// with errno set when it cannot.
std::FILE* OpenTempBeside(const std::filesystem::path& path, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    int fd = -1;
    for (int attempt = 0; attempt < kTempNameAttempts && fd < 0; ++attempt) {
        tempPath = (folder / ("." + path.filename().string() + "." + std::to_string(::getpid()) + "-" +
                              std::to_string(counter++) + ".tmp"))
                       .string();
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno != EEXIST)
            return nullptr;
    }
    if (fd < 0)
        return nullptr;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        (void)::fchmod(fd, old.st_mode & 07777);
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        const int error = errno;
        ::close(fd);
        ::unlink(tempPath.c_str());
        errno = error;
    }
    return file;
}

} // namespace

bool StillImage::IsGrey() const
{
    return format == STILL_IMAGE_GREY8 || format == STILL_IMAGE_GREY16;
}

bool StillImage::IsDeep() const
{
    return format == STILL_IMAGE_GREY16 || format == STILL_IMAGE_RGB48;
}

size_t StillImage::BytesPerPixel() const
{
    return (IsGrey() ? 1 : 3) * (IsDeep() ? 2 : 1);
}

int CheckGreyOrColour(const StillImage& image)
{
    return image.format == STILL_IMAGE_GREY8 || image.format == STILL_IMAGE_BGR24 ? 0 : EINVAL;
}

int CheckAnyDepth(const StillImage& image)
{
    if (image.IsDeep())
        return image.significantBits >= 1 && image.significantBits <= 16 ? 0 : EINVAL;
    return CheckGreyOrColour(image);
}

bool WriteBlock(std::FILE* file, const uint8_t* data, size_t size)
{
    if (std::fwrite(data, 1, size, file) == size)
        return true;
    if (errno == 0)
        errno = EIO;
    return false;
}

namespace {

bool SaveStill(const StillImage& image, const std::filesystem::path& path)
{
    const std::string name = path.string();
    const Writer* writer = WriterFor(name);
    const uint32_t width = image.width;
    const uint32_t height = image.height;
    const uint8_t* pixels = image.pixels;
    // Everything a writer would refuse is refused before the file is opened,
    // so that a refused save never truncates an existing file.
    int error = !writer || !pixels || width == 0 || height == 0 ? EINVAL : writer->check(image);
    if (error != 0) {
        errno = error;
        return false;
    }

    // A link is followed, so that the file it names is replaced and the link
    // kept. A device or pipe cannot be replaced: it is written in place.
    std::error_code ignored;
    const std::filesystem::path resolved =
        std::filesystem::exists(path, ignored) ? std::filesystem::canonical(path, ignored) : path;
    const std::filesystem::path& target = resolved.empty() ? path : resolved;
    struct stat existing {};
    const bool inPlace = ::stat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode);
    std::string tempPath;
    std::FILE* file = inPlace ? std::fopen(target.c_str(), "wb") : OpenTempBeside(target, tempPath);
    if (!file)
        return false;
    errno = 0;
    bool written = writer->write(file, image);
    error = errno;
    // Buffered bytes reach the disk only here: a failing close is a failed save.
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno ? errno : EIO;
    }
    if (!inPlace && written && std::rename(tempPath.c_str(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!inPlace && !written)
        ::unlink(tempPath.c_str());
    errno = error;
    return written;
}

} // namespace

bool SaveImageFile(uint32_t width, uint32_t height, int format, const uint8_t* pixels,
                   const std::filesystem::path& path)
{
    return SaveStill(StillImage{width, height, format, pixels}, path);
}

bool SaveImageFile16(uint32_t width, uint32_t height, int channels, const uint16_t* samples, int significantBits,
                     const std::string& description, const std::filesystem::path& path)
{
    if ((channels != 1 && channels != 3) || !HoldsSixteenBits(path)) {
        errno = EINVAL;
        return false;
    }
    StillImage image{width, height, channels == 1 ? STILL_IMAGE_GREY16 : STILL_IMAGE_RGB48,
                     reinterpret_cast<const uint8_t*>(samples)};
    image.significantBits = significantBits;
    image.description = description.c_str();
    return SaveStill(image, path);
}

bool HoldsSixteenBits(const std::filesystem::path& path)
{
    const Writer* writer = WriterFor(path.string());
    return writer && (writer->write == WritePng || writer->write == WriteTiff || writer->write == WriteRaw);
}
