#pragma once

#include "camera/FrameConverter.h"

// The acquisition threads' conversion and mirroring, done by the imaging
// subsystem's pixel conversion.
class ImagingFrameConverter : public FrameConverter {
public:
    bool ConvertFrame(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize, int32_t width,
                      uint8_t* destination, int32_t interpolationMethod) const override;
    bool MirrorGrayImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const override;
    bool MirrorColorImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const override;
};
