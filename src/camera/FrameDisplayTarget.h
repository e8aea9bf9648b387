#pragma once

#include <cstddef>
#include <cstdint>

// The preview display as the acquisition thread reaches it: the imaging
// subsystem's LxImgDisplay and its display window, which may be absent.
// Called on the acquisition thread; the display window takes its own lock.
class FrameDisplayTarget {
public:
    virtual ~FrameDisplayTarget() = default;
    virtual bool HasDisplayWindow() const = 0;
    // The colour interpolation method the display window converts with.
    virtual int32_t InterpolationMethod() const = 0;
    // Shows a converted image: pixelFormat is Mono8 for grey and BGR8Packed
    // for colour, rows packed. False without a display window.
    virtual bool ShowImage(uint32_t pixelFormat, const uint8_t* pixels, int32_t width, int32_t height) = 0;
    // Hands a raw camera buffer straight to the display window, which
    // converts it itself; dataSize is the buffer's byte count.
    virtual bool ShowRawImage(uint32_t pixelFormat, int32_t height, int32_t width, const uint8_t* data,
                              size_t dataSize) = 0;
};
