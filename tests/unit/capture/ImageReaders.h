#pragma once

#include "TestScenes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Independent readers of written files: the command-line tools of
// libjpeg-turbo, FFmpeg, libtiff, pngcheck and ImageMagick, and libpng.
// Colour images come back in red, green, blue order.

struct ToolResult {
    int exitCode = -1;
    std::string output; // standard output and standard error together
    std::vector<uint8_t> stdoutBytes;
};

ToolResult RunTool(const std::string& program, const std::vector<std::string>& arguments);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// djpeg to PGM or PPM.
std::optional<TestImage> DecodeWithDjpeg(const std::string& jpegPath);

struct ProbeInfo {
    int width = 0;
    int height = 0;
    std::string codec;
    std::string pixelFormat;
};
std::optional<ProbeInfo> ProbeWithFfprobe(const std::string& path);

// One frame decoded by ffmpeg into raw bytes of `pixelFormat` ("gray",
// "rgb24", "yuvj422p", ...).
std::optional<std::vector<uint8_t>> DecodeWithFfmpeg(const std::string& path, const std::string& pixelFormat);
// The same as an image: "gray" gives 1 channel, "rgb24" 3.
std::optional<TestImage> DecodeImageWithFfmpeg(const std::string& path, bool grey);

// ImageMagick's convert to raw grey or RGB samples.
std::optional<TestImage> ReadWithImageMagick(const std::string& path, int channels);

// libpng through its simplified reading API: grey or RGB as stored.
std::optional<TestImage> ReadPngWithLibpng(const std::string& path);
