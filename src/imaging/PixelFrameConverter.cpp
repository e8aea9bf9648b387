#include "imaging/PixelFrameConverter.h"

#include "imaging/PixelConversion.h"

bool PixelFrameConverter::ConvertFrame(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize,
                                       int32_t width, uint8_t* destination, int32_t interpolationMethod) const
{
    return ::ConvertFrame(pixelFormat, height, raw, rawSize, width, destination, interpolationMethod);
}

bool PixelFrameConverter::ConvertDeepGrey(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize,
                                          int32_t width, uint8_t* destination, DeepGreyTable& table) const
{
    return ::ConvertDeepGrey(pixelFormat, raw, rawSize, width, height, table, destination);
}

bool PixelFrameConverter::MirrorGrayImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const
{
    return ::MirrorGrayImage(pixels, width, height, mode);
}

bool PixelFrameConverter::MirrorColorImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const
{
    return ::MirrorColorImage(pixels, width, height, mode);
}
