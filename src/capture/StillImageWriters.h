#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The format writers behind SaveImageFile, one file each. Check gives 0 when
// the writer can write the image, else an errno value; it runs before the
// file is opened. Write writes the whole file and gives false with errno set
// when it could not.

struct StillImage {
    uint32_t width = 0;
    uint32_t height = 0;
    int format = 0;
    const uint8_t* pixels = nullptr;
    // 16-bit images: the bits of each sample that carry the camera's value,
    // and a text the file describes itself with (may be empty).
    int significantBits = 0;
    const char* description = "";

    bool IsGrey() const;
    bool IsDeep() const;
    size_t BytesPerPixel() const;
    size_t RowBytes() const { return static_cast<size_t>(width) * BytesPerPixel(); }
    size_t PixelBytes() const { return RowBytes() * height; }
};

// 0 for grey and colour, EINVAL for any other format code.
int CheckGreyOrColour(const StillImage& image);
// Also 0 for the 16-bit formats.
int CheckAnyDepth(const StillImage& image);

int CheckRaw(const StillImage& image);
bool WriteRaw(std::FILE* file, const StillImage& image);

int CheckBmp(const StillImage& image);
bool WriteBmp(std::FILE* file, const StillImage& image);

int CheckTiff(const StillImage& image);
bool WriteTiff(std::FILE* file, const StillImage& image);

int CheckJpeg(const StillImage& image);
bool WriteJpeg(std::FILE* file, const StillImage& image);

int CheckPng(const StillImage& image);
bool WritePng(std::FILE* file, const StillImage& image);

// Little-endian fields of the BMP and TIFF headers.
inline void PutLittle16(uint8_t* at, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

inline void PutLittle32(uint8_t* at, uint32_t value)
{
    PutLittle16(at, value);
    PutLittle16(at + 2, value >> 16);
}

// Writes a whole block at once; false with errno set on a short write.
bool WriteBlock(std::FILE* file, const uint8_t* data, size_t size);

// Builds a whole file in one zero-filled block with `fill(block)` and writes
// it with one call. False with errno ENOMEM when the block cannot be had, or
// the write's error.
template <class Fill>
bool WriteAssembledFile(std::FILE* file, size_t size, Fill fill)
{
    auto* block = static_cast<uint8_t*>(std::calloc(size, 1));
    if (!block) {
        errno = ENOMEM;
        return false;
    }
    fill(block);
    const bool written = WriteBlock(file, block, size);
    std::free(block);
    return written;
}
