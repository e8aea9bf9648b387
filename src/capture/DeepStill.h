#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A still at the camera's own depth: the samples of a frame wider than 8 bits
// (Mono10 to Mono16, packed or not, and 10 and 12-bit Bayer) unscaled in
// 16-bit words, grey, demosaicked colour (red, green, blue) or a Bayer
// mosaic kept raw as one grey channel.
struct DeepStill {
    uint32_t width = 0;
    uint32_t height = 0;
    int channels = 1;
    int significantBits = 0;
    // Names the source format and, for a raw mosaic, its pattern after mirroring.
    std::string description;
    std::vector<uint16_t> samples;
};

// Whether frames of that format have samples wider than 8 bits to keep.
bool HasDeepSamples(uint32_t pixelFormat);

// Builds the still from a raw frame, mirrored in the given mode; a Bayer
// frame is demosaicked unless rawBayer. False for a format without deep
// samples, raw data too short for the size, or memory.
bool MakeDeepStill(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, int mirror,
                   bool rawBayer, DeepStill& still);

// SaveImageFile16 for the still.
bool SaveDeepStill(const DeepStill& still, const std::filesystem::path& path);
