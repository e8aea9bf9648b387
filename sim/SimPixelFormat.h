#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// How the simulated camera lays out the pixels of one GigE Vision format.
enum class SimPixelLayout {
    Mono8,      // one byte per pixel
    Mono16,     // 16-bit little-endian words holding 10 to 16 significant bits
    MonoPacked, // two pixels in three bytes: high bytes first and last, low bits between
    Bayer8,
    Bayer16,
    BayerPacked,
    Rgb8, // R, G, B
    Bgr8, // B, G, R
};

// Bayer patterns named by the colours of the top-left 2 x 2 cell, first row
// then second row; the order is that of the GigE Vision format codes.
enum class SimBayerPattern { GR = 0, RG = 1, GB = 2, BG = 3 };

struct SimPixelFormat {
    std::string_view name;
    uint32_t code;
    SimPixelLayout layout;
    int significantBits;
    SimBayerPattern pattern; // meaningful for the Bayer layouts only

    bool IsBayer() const;
    bool IsMono() const;
    // Bytes of a width x height image in this format.
    uint64_t ImageBytes(uint64_t width, uint64_t height) const;
};

// Every format of the program's conversion table, mono first.
std::span<const SimPixelFormat> AllSimPixelFormats();
const SimPixelFormat* FindSimPixelFormat(uint32_t code);
const SimPixelFormat* FindSimPixelFormat(std::string_view name);

// The pattern a sensor whose own pattern is `sensor` shows once its read-out
// is mirrored horizontally and/or vertically.
SimBayerPattern MirroredBayerPattern(SimBayerPattern sensor, bool reverseX, bool reverseY);
