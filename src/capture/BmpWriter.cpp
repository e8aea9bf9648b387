#include "capture/StillImageWriters.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoHeaderBytes = 40;
constexpr size_t kPaletteEntries = 256;
constexpr size_t kPaletteBytes = kPaletteEntries * 4;

size_t HeaderBytes(const StillImage& image)
{
    return kFileHeaderBytes + kInfoHeaderBytes + (image.IsGrey() ? kPaletteBytes : 0);
}

// Rows in the file are padded to a multiple of four bytes.
size_t Stride(const StillImage& image)
{
    return (image.RowBytes() + 3) / 4 * 4;
}

} // namespace

int CheckBmp(const StillImage& image)
{
    if (int error = CheckGreyOrColour(image))
        return error;
    // Sizes are 32-bit fields, width and height signed.
    const uint64_t fileBytes = HeaderBytes(image) + static_cast<uint64_t>(Stride(image)) * image.height;
    return image.width <= INT32_MAX && image.height <= INT32_MAX && fileBytes <= UINT32_MAX ? 0 : EINVAL;
}

bool WriteBmp(std::FILE* file, const StillImage& image)
{
    const size_t header = HeaderBytes(image);
    const size_t stride = Stride(image);
    const size_t imageBytes = stride * image.height;
    const size_t fileBytes = header + imageBytes;
    // Zero-filled: the row padding stays zero.
    return WriteAssembledFile(file, fileBytes, [&](uint8_t* block) {
        block[0] = 'B';
        block[1] = 'M';
        PutLittle32(block + 2, static_cast<uint32_t>(fileBytes));
        PutLittle32(block + 10, static_cast<uint32_t>(header));

        uint8_t* info = block + kFileHeaderBytes;
        PutLittle32(info, kInfoHeaderBytes);
        PutLittle32(info + 4, image.width);
        PutLittle32(info + 8, image.height); // positive: bottom-up rows
        PutLittle16(info + 12, 1);
        PutLittle16(info + 14, image.IsGrey() ? 8 : 24);
        PutLittle32(info + 20, static_cast<uint32_t>(imageBytes));
        PutLittle32(info + 32, image.IsGrey() ? kPaletteEntries : 0);
        PutLittle32(info + 36, image.IsGrey() ? kPaletteEntries : 0);

        if (image.IsGrey()) {
            uint8_t* palette = info + kInfoHeaderBytes;
            for (size_t i = 0; i < kPaletteEntries; ++i)
                std::memset(palette + i * 4, static_cast<int>(i), 3);
        }

        uint8_t* rows = block + header;
        const size_t rowBytes = image.RowBytes();
        for (uint32_t y = 0; y < image.height; ++y)
            std::memcpy(rows + (image.height - 1 - y) * stride, image.pixels + y * rowBytes, rowBytes);
    });
}
