#pragma once

#include <cstdint>
#include <filesystem>

// Pixel layouts of the images that SaveImageFile takes: rows top to bottom,
// packed without padding.
enum StillImageFormat : int {
    STILL_IMAGE_GREY8 = 1, // 8-bit grey
    STILL_IMAGE_BGR24 = 4, // 24-bit colour, bytes blue, green, red
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
