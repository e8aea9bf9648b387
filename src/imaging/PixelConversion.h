#pragma once

#include <cstddef>
#include <cstdint>

class DeepGreyTable;

// Conversion of raw camera frames into the program's converted image: 8-bit
// grey (the seven grey formats) or 24-bit blue, green, red (every other
// format), rows top to bottom, packed without padding (stride = width x bytes
// per pixel).

// Mirror modes, the user's "Mirror Mode" choice.
constexpr int kMirrorOff = 0;
constexpr int kMirrorHorizontal = 1; // each row reversed
constexpr int kMirrorVertical = 2;   // row order reversed
constexpr int kMirrorBoth = 3;       // the whole pixel sequence reversed

// Bytes of raw data that a frame of this format and size takes (the packed
// formats hold two pixels in three bytes); 0 for an unknown format or a size
// below 1.
size_t RawFrameSize(uint32_t pixelFormat, int width, int height);

// Bytes per pixel of the converted image: 1 for the grey formats, 3 for the
// other accepted formats, 0 for an unknown format.
int ConvertedBytesPerPixel(uint32_t pixelFormat);

// The full conversion into dest (width x height x ConvertedBytesPerPixel bytes),
// without mirroring. Samples wider than 8 bits keep their top 8 bits (a value
// beyond the format's bit depth saturates at 255); Bayer formats are then
// demosaicked with the interpolation method. Gives false, writing nothing, for
// a null pointer, a size below 1, an unknown format, raw data shorter than
// RawFrameSize, or a method out of range for a Bayer format; and false when a
// temporary buffer cannot be allocated.
bool ConvertFrame(uint32_t pixelFormat, int height, const uint8_t* raw, size_t rawSize, int width, uint8_t* dest,
                  int method);

// A grey frame of samples wider than 8 bits (Mono10 to Mono16, packed or not)
// through the table's deep view, one byte a pixel; the top 8 bits, as
// ConvertFrame, while the view is inactive. With automatic levels the table
// first takes its window from the frame's samples (every sample of frames up
// to kAutoLevelSamples, an even spread of rows of larger ones). False, writing
// nothing, where ConvertFrame would fail and for every other format.
constexpr size_t kAutoLevelSamples = size_t{1} << 18;
bool ConvertDeepGrey(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height,
                     DeepGreyTable& table, uint8_t* dest);

// In-place mirroring of a converted grey (1 byte per pixel) or colour (3 bytes
// per pixel) image. Mode 0 does nothing and gives true; a mode outside 0..3, a
// null pointer or a size below 1 gives false.
bool MirrorGrayImage(uint8_t* pixels, int width, int height, int mode);
bool MirrorColorImage(uint8_t* pixels, int width, int height, int mode);

// The display window's conversion of a frame it shows: the pixel values of
// ConvertFrame, except that 10 and 12-bit BayerRG data (packed or not) is
// demosaicked by the fixed neighbour-mean method whatever the interpolation
// method, in the display's own layout: grey frames 1 byte a pixel, colour
// frames 4 (blue, green, red, 255), which windows and textures take without
// reordering. Never mirrored: the acquisition thread mirrors frames itself.
// Gives false, with dest untouched, where ConvertFrame would fail.
bool ConvertForDisplay(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, uint8_t* dest,
                       int method);

// Samples at the camera's own depth, for stills and movies that keep every
// bit. Formats of one sample per pixel (grey and Bayer) only.

// Significant bits of a sample: 8, 10, 12, 14 or 16; 0 for colour or unknown formats.
int SignificantSampleBits(uint32_t pixelFormat);
// The Bayer pattern index of a Bayer format, -1 for any other.
int BayerPatternOf(uint32_t pixelFormat);
// "GRBG", "RGGB", "GBRG" or "BGGR": the first row's colours then the
// second's; empty for an index out of range.
const char* BayerPatternName(int pattern);
// The pattern of a mosaic after mirroring it in that mode.
int MirroredBayerPattern(int pattern, int width, int height, int mode);
// The camera's values, unscaled, one 16-bit sample per pixel. False, writing
// nothing, where ConvertFrame would fail and for colour formats.
bool UnpackSamples(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, uint16_t* dest);
// The camera's value of the sample at (x, y) of a frame of one sample a
// pixel, unscaled. False outside the frame, for colour formats and short data.
bool RawSampleAt(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, int x, int y,
                 uint16_t& value);
// Red, green, blue at the mosaic's depth: each site keeps its own sample, the
// missing colours are the rounded mean of the 3 x 3 neighbours carrying them.
bool DemosaicBayer16(const uint16_t* mosaic, int width, int height, int pattern, uint16_t* rgb);
// In-place mirroring of 16-bit images of 1 or 3 channels, as MirrorGrayImage.
bool MirrorImage16(uint16_t* pixels, int width, int height, int channels, int mode);
