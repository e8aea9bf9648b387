#pragma once

#include <cstddef>
#include <cstdint>

// Geometry and pixel format of a received frame.
class SdkImage {
public:
    uint32_t GetWidth() const { return width_; }
    uint32_t GetHeight() const { return height_; }
    // A GigE Vision pixel format code, such as 0x01080001 for Mono8.
    uint32_t GetPixelType() const { return pixelType_; }

private:
    friend class SdkBuffer;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    uint32_t pixelType_ = 0;
};

// One completed frame held by the program between RetrieveNextBuffer and
// ReleaseBuffer. The pixel bytes stay owned by the pipeline.
class SdkBuffer {
public:
    SdkImage* GetImage() { return &image_; }
    const SdkImage* GetImage() const { return &image_; }
    // Pixel bytes, rows back to back.
    const uint8_t* GetDataPointer() const { return data_; }
    size_t GetDataSize() const { return size_; }
    // The camera's frame number.
    uint64_t GetBlockID() const { return blockId_; }
    // The camera's timestamp of the frame in nanoseconds (0 when it gives
    // none), and the host's clock (since the epoch) when the frame arrived.
    uint64_t GetTimestampNs() const { return timestampNs_; }
    uint64_t GetHostTimeNs() const { return hostTimeNs_; }
    void SetTimes(uint64_t timestampNs, uint64_t hostTimeNs)
    {
        timestampNs_ = timestampNs;
        hostTimeNs_ = hostTimeNs;
    }

    void Set(uint32_t width, uint32_t height, uint32_t pixelType, const uint8_t* data, size_t size, uint64_t blockId)
    {
        image_.width_ = width;
        image_.height_ = height;
        image_.pixelType_ = pixelType;
        data_ = data;
        size_ = size;
        blockId_ = blockId;
    }

    // The pipeline's own handle for the buffer behind this frame.
    void* handle = nullptr;

private:
    SdkImage image_;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    uint64_t blockId_ = 0;
    uint64_t timestampNs_ = 0;
    uint64_t hostTimeNs_ = 0;
};
