#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>

// The acquisition thread's work image: the converted frame that recorder,
// frame requests, analysis records, painters and display all see. Rows run
// top to bottom and are packed: every row is width × bytes-per-pixel bytes
// with no padding, both for the converters and for the QImage that painters
// draw through. It is kept while width, height and kind stay the same.
class FrameImage {
public:
    enum Kind : int32_t { kNone = 0, kGrey = 1, kColour = 2 };

    // Makes the image width × height of that kind, keeping the current
    // pixels when it already is. False, leaving the image empty, for an empty
    // size, an unknown kind or failed allocation.
    bool Ensure(int32_t width, int32_t height, int32_t kind);
    void Release();

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t Kind() const { return kind_; }
    int32_t BytesPerPixel() const { return kind_ == kColour ? 3 : 1; }
    size_t RowBytes() const { return static_cast<size_t>(width_) * static_cast<size_t>(BytesPerPixel()); }
    size_t DataSize() const { return dataSize_; }
    uint8_t* Pixels() { return pixels_.get(); }
    const uint8_t* Pixels() const { return pixels_.get(); }
    // The pixels as a paintable image (Format_Grayscale8 or Format_BGR888);
    // painting on it changes the pixels themselves.
    QImage& Image() { return image_; }

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t kind_ = kNone;
    size_t dataSize_ = 0;
    std::unique_ptr<uint8_t[]> pixels_;
    QImage image_;
};
