#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Pixel layouts of the images that SaveImageFile takes: rows top to bottom,
// packed without padding.
enum StillImageFormat : int {
    STILL_IMAGE_GREY8 = 1,   // 8-bit grey
    STILL_IMAGE_BGR24 = 4,   // 24-bit colour, bytes blue, green, red
    STILL_IMAGE_GREY16 = 16, // 16-bit grey samples in the host's byte order
    STILL_IMAGE_RGB48 = 48,  // 16-bit red, green, blue samples in the host's byte order
};

// Writes the image to `path` in the format its extension names, compared
// without regard to case: raw (grey only), bmp, tif or tiff, jpg or jpeg
// (quality 100; a grey image loses the columns right of the last multiple of
// 16), png (Adam7 interlaced). True when the whole file was written.
//
// The file is written under a temporary name in the same folder and renamed
// over `path` once complete, so a failed save leaves no partial file and an
// earlier file at `path` as it was.
//
// On failure errno says why: EINVAL for an unknown extension, a format code or
// size the chosen writer cannot take (no file is created or touched then),
// ENOMEM for memory or a PNG library error, otherwise the file system's own
// error (ENOSPC for a full disk).
bool SaveImageFile(uint32_t width, uint32_t height, int format, const uint8_t* pixels,
                   const std::filesystem::path& path);

// A 16-bit image (channels 1 or 3) to PNG, TIFF or, for grey, raw: the
// samples as they are, significantBits (1 to 16) of them in use (a PNG says so
// in its sBIT chunk), description stored as the PNG's "Description" text or
// the TIFF's ImageDescription. A PNG is not interlaced. EINVAL, with no file
// made, for BMP and JPEG, which hold 8 bits only; otherwise as SaveImageFile.
bool SaveImageFile16(uint32_t width, uint32_t height, int channels, const uint16_t* samples, int significantBits,
                     const std::string& description, const std::filesystem::path& path);

// Whether the extension names a format that holds 16-bit samples (png, tif, tiff, raw).
bool HoldsSixteenBits(const std::filesystem::path& path);
