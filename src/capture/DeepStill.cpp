#include "capture/DeepStill.h"

#include "capture/SaveImageFile.h"
#include "imaging/PixelConversion.h"

#include <new>

bool HasDeepSamples(uint32_t pixelFormat)
{
    return SignificantSampleBits(pixelFormat) > 8;
}

bool MakeDeepStill(uint32_t pixelFormat, const uint8_t* raw, size_t rawSize, int width, int height, int mirror,
                   bool rawBayer, DeepStill& still)
{
    const int bits = SignificantSampleBits(pixelFormat);
    if (bits <= 8 || width <= 0 || height <= 0)
        return false;
    const int pattern = BayerPatternOf(pixelFormat);
    const bool colour = pattern >= 0 && !rawBayer;
    const size_t count = size_t(width) * size_t(height);
    std::vector<uint16_t> mosaic;
    try {
        mosaic.resize(count);
        if (!UnpackSamples(pixelFormat, raw, rawSize, width, height, mosaic.data()))
            return false;
        if (colour) {
            // Demosaicked before mirroring, as the viewer's conversion does.
            still.samples.resize(count * 3);
            if (!DemosaicBayer16(mosaic.data(), width, height, pattern, still.samples.data()))
                return false;
        } else {
            still.samples = std::move(mosaic);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    still.width = static_cast<uint32_t>(width);
    still.height = static_cast<uint32_t>(height);
    still.channels = colour ? 3 : 1;
    still.significantBits = bits;
    if (!MirrorImage16(still.samples.data(), width, height, still.channels, mirror))
        return false;
    const std::string depth = std::to_string(bits) + " significant bits";
    if (pattern < 0)
        still.description = "Grey, " + depth;
    else if (colour)
        still.description = std::string("Demosaicked from Bayer ") + BayerPatternName(pattern) + ", " + depth;
    else
        still.description = std::string("Raw Bayer mosaic, pattern ") +
                            BayerPatternName(MirroredBayerPattern(pattern, width, height, mirror)) + ", " + depth;
    return true;
}

bool SaveDeepStill(const DeepStill& still, const std::filesystem::path& path)
{
    return SaveImageFile16(still.width, still.height, still.channels, still.samples.data(), still.significantBits,
                           still.description, path);
}
