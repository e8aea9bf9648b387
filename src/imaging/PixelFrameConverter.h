#pragma once

#include "camera/FrameConverter.h"

// The acquisition thread's conversion and mirroring: ConvertFrame,
// MirrorGrayImage and MirrorColorImage. Stateless; one instance serves every
// thread.
class PixelFrameConverter : public FrameConverter {
public:
    bool ConvertFrame(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize, int32_t width,
                      uint8_t* destination, int32_t interpolationMethod) const override;
    bool ConvertDeepGrey(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize, int32_t width,
                         uint8_t* destination, DeepGreyTable& table) const override;
    bool MirrorGrayImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const override;
    bool MirrorColorImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const override;
};
