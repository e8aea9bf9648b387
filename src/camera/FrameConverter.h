#pragma once

#include <cstddef>
#include <cstdint>

class DeepGreyTable;

// Pixel conversion and mirroring as the acquisition thread calls them; the
// imaging subsystem implements it with ConvertFrame, MirrorGrayImage and
// MirrorColorImage. Converted images are 8-bit grey or 24-bit BGR with packed
// rows, top to bottom. Called on the acquisition thread.
class FrameConverter {
public:
    virtual ~FrameConverter() = default;
    // Converts a raw frame of a GigE Vision pixel format, rawSize bytes, into
    // destination (width × height bytes for grey formats, × 3 for colour
    // ones). False for raw data shorter than the format and size need.
    virtual bool ConvertFrame(uint32_t pixelFormat, int32_t height, const uint8_t* raw, size_t rawSize, int32_t width,
                              uint8_t* destination, int32_t interpolationMethod) const = 0;
    // Converts a grey frame of samples wider than 8 bits through the table's
    // deep view into width × height bytes; with automatic levels the table
    // first takes its window from this frame. False for other formats and
    // short data, and from converters without deep views (the default).
    virtual bool ConvertDeepGrey(uint32_t /*pixelFormat*/, int32_t /*height*/, const uint8_t* /*raw*/,
                                 size_t /*rawSize*/, int32_t /*width*/, uint8_t* /*destination*/,
                                 DeepGreyTable& /*table*/) const
    {
        return false;
    }
    // Mirrors a converted image in place by mirror mode 0 to 3.
    virtual bool MirrorGrayImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const = 0;
    virtual bool MirrorColorImage(uint8_t* pixels, int32_t width, int32_t height, int32_t mode) const = 0;
};
