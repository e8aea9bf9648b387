#include "capture/SaveImageFile.h"

#include "capture/StillImageWriters.h"

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
    {"RAW", CheckRaw, WriteRaw},     {"BMP", CheckBmp, WriteBmp},     {"TIF", CheckTiff, WriteTiff},
    {"TIFF", CheckTiff, WriteTiff},  {"JPG", CheckJpeg, WriteJpeg},   {"JPEG", CheckJpeg, WriteJpeg},
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

} // namespace

bool StillImage::IsGrey() const
{
    return format == STILL_IMAGE_GREY8;
}

int CheckGreyOrColour(const StillImage& image)
{
    return image.format == STILL_IMAGE_GREY8 || image.format == STILL_IMAGE_BGR24 ? 0 : EINVAL;
}

bool WriteBlock(std::FILE* file, const uint8_t* data, size_t size)
{
    if (std::fwrite(data, 1, size, file) == size)
        return true;
    if (errno == 0)
        errno = EIO;
    return false;
}

bool SaveImageFile(uint32_t width, uint32_t height, int format, const uint8_t* pixels,
                   const std::filesystem::path& path)
{
    const std::string name = path.string();
    const Writer* writer = WriterFor(name);
    const StillImage image{width, height, format, pixels};
    // Everything a writer would refuse is refused before the file is opened,
    // so that a refused save never truncates an existing file.
    int error = !writer || !pixels || width == 0 || height == 0 ? EINVAL : writer->check(image);
    if (error != 0) {
        errno = error;
        return false;
    }

    std::FILE* file = std::fopen(name.c_str(), "wb");
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
    errno = error;
    return written;
}
