#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Synthetic raw camera frames in every pixel format that the program converts,
// made from a known "truth" image and packed as a camera sends them: 16-bit
// samples little-endian, two 10 or 12-bit samples in three bytes for the packed
// formats (high bits of each in bytes 0 and 2, the low bits in byte 1, first
// pixel in the low nibble), Bayer mosaics keeping each site's own channel.

struct TestFrame {
    uint32_t pixelFormat = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> data; // exactly the payload, so overreads are caught
};

// One pixel of a colour truth image, at the format's sample depth.
struct TruthRgb {
    uint16_t r = 0;
    uint16_t g = 0;
    uint16_t b = 0;
};

using GreyTruth = std::function<uint16_t(int x, int y)>;
using ColourTruth = std::function<TruthRgb(int x, int y)>;

enum class BayerChannel { Red, Green, Blue };

// Bits per sample of a format the program converts (8, 10, 12, 14 or 16); 0 otherwise.
int SampleBits(uint32_t pixelFormat);

// Bayer pattern index (0 GR, 1 RG, 2 GB, 3 BG); -1 for a format that is not Bayer.
int BayerPatternIndex(uint32_t pixelFormat);

// The colour that a Bayer pattern samples at (x, y).
BayerChannel ChannelAt(int pattern, int x, int y);

// A grey or Bayer frame whose sample at (x, y) is value(x, y). Samples keep
// their low bits where the format stores fewer than 16 (packed formats keep
// 10 or 12 bits, 8-bit formats 8); a 16-bit stored format keeps all 16, so
// values beyond the nominal depth can be sent. Empty data for other formats.
TestFrame MakeGreyFrame(uint32_t pixelFormat, int width, int height, const GreyTruth& value);

// A Bayer frame (the mosaic of colour) or an RGB8Packed / BGR8Packed frame.
// Empty data for other formats.
TestFrame MakeColourFrame(uint32_t pixelFormat, int width, int height, const ColourTruth& colour);

// Every pixel format that the conversion accepts: the grey formats first, then
// the Bayer formats, then RGB8Packed and BGR8Packed.
const std::vector<uint32_t>& ConvertiblePixelFormats();
