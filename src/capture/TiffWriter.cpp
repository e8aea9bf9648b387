#include "capture/StillImageWriters.h"

#include <bit>
#include <cstring>
#include <initializer_list>

namespace {

// Little-endian, one directory at offset 8, one uncompressed strip, 72 dpi.
constexpr uint16_t kTagImageWidth = 256;
constexpr uint16_t kTagImageLength = 257;
constexpr uint16_t kTagBitsPerSample = 258;
constexpr uint16_t kTagCompression = 259;
constexpr uint16_t kTagPhotometric = 262;
constexpr uint16_t kTagImageDescription = 270;
constexpr uint16_t kTagStripOffsets = 273;
constexpr uint16_t kTagSamplesPerPixel = 277;
constexpr uint16_t kTagRowsPerStrip = 278;
constexpr uint16_t kTagStripByteCounts = 279;
constexpr uint16_t kTagXResolution = 282;
constexpr uint16_t kTagYResolution = 283;
constexpr uint16_t kTagResolutionUnit = 296;

constexpr uint16_t kTypeAscii = 2;
constexpr uint16_t kTypeShort = 3;
constexpr uint16_t kTypeLong = 4;
constexpr uint16_t kTypeRational = 5;

constexpr uint32_t kDirectoryOffset = 8;
constexpr uint32_t kEntryBytes = 12;
constexpr uint32_t kDpiNumerator = 720000;
constexpr uint32_t kDpiDenominator = 10000;
constexpr uint16_t kNoCompression = 1;
constexpr uint16_t kBlackIsZero = 1;
constexpr uint16_t kRgb = 2;
constexpr uint16_t kInch = 2;

// Where the parts of the file go: the directory (11 entries for grey, 12 for
// colour, one more with a description), then the two resolutions, colour's
// three BitsPerSample values, the description, the pixels. An 8-bit grey
// image has its pixels at 162, a colour one at 180.
struct TiffLayout {
    uint16_t entries = 0;
    uint32_t xResolution = 0;
    uint32_t yResolution = 0;
    uint32_t bitsPerSample = 0;
    uint32_t description = 0;
    uint32_t descriptionBytes = 0; // with its terminating zero; 0 without one
    uint32_t pixels = 0;
};

bool HasDescription(const StillImage& image)
{
    return image.description && *image.description;
}

TiffLayout LayoutOf(const StillImage& image)
{
    TiffLayout layout;
    const bool grey = image.IsGrey();
    layout.descriptionBytes = HasDescription(image) ? static_cast<uint32_t>(std::strlen(image.description) + 1) : 0;
    layout.entries = static_cast<uint16_t>((grey ? 11 : 12) + (layout.descriptionBytes ? 1 : 0));
    layout.xResolution = kDirectoryOffset + 2 + layout.entries * kEntryBytes + 4;
    layout.yResolution = layout.xResolution + 8;
    layout.bitsPerSample = layout.yResolution + 8;
    layout.description = layout.bitsPerSample + (grey ? 0 : 6);
    // Word-aligned, as readers expect the pixel data.
    layout.pixels = layout.description + (layout.descriptionBytes + 1) / 2 * 2;
    return layout;
}

class Directory {
public:
    Directory(uint8_t* file, uint16_t entries) : file_(file), next_(kDirectoryOffset + 2)
    {
        PutLittle16(file_ + kDirectoryOffset, entries);
    }

    // Gives the entry's value field.
    uint8_t* Add(uint16_t tag, uint16_t type, uint32_t count, uint32_t value)
    {
        uint8_t* entry = file_ + next_;
        PutLittle16(entry, tag);
        PutLittle16(entry + 2, type);
        PutLittle32(entry + 4, count);
        // A SHORT value sits in the low 16 bits of the field.
        if (type == kTypeShort && count == 1)
            PutLittle16(entry + 8, value);
        else
            PutLittle32(entry + 8, value);
        next_ += kEntryBytes;
        return entry + 8;
    }

private:
    uint8_t* file_;
    uint32_t next_;
};

} // namespace

int CheckTiff(const StillImage& image)
{
    if (int error = CheckAnyDepth(image))
        return error;
    if (HasDescription(image) && std::strlen(image.description) > UINT16_MAX)
        return EINVAL;
    // Width and height are SHORT fields, offsets and counts 32-bit.
    const uint64_t fileBytes = LayoutOf(image).pixels + static_cast<uint64_t>(image.PixelBytes());
    return image.width <= UINT16_MAX && image.height <= UINT16_MAX && fileBytes <= UINT32_MAX ? 0 : EINVAL;
}

bool WriteTiff(std::FILE* file, const StillImage& image)
{
    const bool grey = image.IsGrey();
    const TiffLayout layout = LayoutOf(image);
    const uint32_t pixelOffset = layout.pixels;
    const uint32_t sampleBits = image.IsDeep() ? 16 : 8;
    const auto pixelBytes = static_cast<uint32_t>(image.PixelBytes());
    const size_t fileBytes = pixelOffset + static_cast<size_t>(pixelBytes);
    return WriteAssembledFile(file, fileBytes, [&](uint8_t* block) {
        block[0] = 'I';
        block[1] = 'I';
        PutLittle16(block + 2, 42);
        PutLittle32(block + 4, kDirectoryOffset);

        Directory directory(block, layout.entries);
        const uint32_t xResolution = layout.xResolution;
        const uint32_t yResolution = layout.yResolution;
        const uint32_t bitsPerSample = layout.bitsPerSample;

        directory.Add(kTagImageWidth, kTypeShort, 1, image.width);
        directory.Add(kTagImageLength, kTypeShort, 1, image.height);
        directory.Add(kTagBitsPerSample, kTypeShort, grey ? 1 : 3, grey ? sampleBits : bitsPerSample);
        directory.Add(kTagCompression, kTypeShort, 1, kNoCompression);
        directory.Add(kTagPhotometric, kTypeShort, 1, grey ? kBlackIsZero : kRgb);
        if (layout.descriptionBytes) {
            // Up to four bytes sit in the entry itself.
            const bool inside = layout.descriptionBytes <= 4;
            uint8_t* text = directory.Add(kTagImageDescription, kTypeAscii, layout.descriptionBytes,
                                          inside ? 0 : layout.description);
            std::memcpy(inside ? text : block + layout.description, image.description, layout.descriptionBytes);
        }
        directory.Add(kTagStripOffsets, kTypeLong, 1, pixelOffset);
        if (!grey)
            directory.Add(kTagSamplesPerPixel, kTypeShort, 1, 3);
        directory.Add(kTagRowsPerStrip, kTypeShort, 1, image.height);
        directory.Add(kTagStripByteCounts, kTypeLong, 1, pixelBytes);
        directory.Add(kTagXResolution, kTypeRational, 1, xResolution);
        directory.Add(kTagYResolution, kTypeRational, 1, yResolution);
        directory.Add(kTagResolutionUnit, kTypeShort, 1, kInch);

        for (uint32_t at : {xResolution, yResolution}) {
            PutLittle32(block + at, kDpiNumerator);
            PutLittle32(block + at + 4, kDpiDenominator);
        }
        if (!grey) {
            for (uint32_t i = 0; i < 3; ++i)
                PutLittle16(block + bitsPerSample + 2 * i, sampleBits);
        }

        uint8_t* pixels = block + pixelOffset;
        // 16-bit samples come in the host's order and red first: as stored.
        static_assert(std::endian::native == std::endian::little, "the file is little-endian");
        if (grey || image.IsDeep()) {
            std::memcpy(pixels, image.pixels, pixelBytes);
        } else {
            // Stored red, green, blue.
            for (size_t i = 0; i < pixelBytes; i += 3) {
                pixels[i] = image.pixels[i + 2];
                pixels[i + 1] = image.pixels[i + 1];
                pixels[i + 2] = image.pixels[i];
            }
        }
    });
}
