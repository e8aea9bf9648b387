#pragma once

#include "camera/FrameDisplayTarget.h"

class LxImgDisplay;

// A preview's LxImgDisplay as the acquisition thread's display target.
class ImgDisplayTarget : public FrameDisplayTarget {
public:
    // display must outlive the target.
    explicit ImgDisplayTarget(LxImgDisplay& display) : display_(display) {}

    bool HasDisplayWindow() const override;
    int32_t InterpolationMethod() const override;
    bool ShowImage(uint32_t pixelFormat, const uint8_t* pixels, int32_t width, int32_t height) override;
    bool ShowRawImage(uint32_t pixelFormat, int32_t height, int32_t width, const uint8_t* data,
                      size_t dataSize) override;

private:
    LxImgDisplay& display_;
};
