#pragma once

#include "camera/FrameDisplayTarget.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class GlDisplayWindow;

// The display target of one previewing camera: the acquisition thread shows
// its frames through it, and the owner (main window or preview window) reaches
// the display window through it. The owner creates the display window and
// hands it over; it may be absent, and then nothing is shown.
//
// The display window is set and destroyed on the user interface thread while
// the camera's acquisition thread is stopped; the show operations run on the
// acquisition thread.
class LxImgDisplay : public FrameDisplayTarget {
public:
    LxImgDisplay();
    // Destroys the display window.
    ~LxImgDisplay() override;
    LxImgDisplay(const LxImgDisplay&) = delete;
    LxImgDisplay& operator=(const LxImgDisplay&) = delete;

    // Takes ownership of the display window, destroying any previous one.
    void SetDisplayWindow(std::unique_ptr<GlDisplayWindow> window);
    GlDisplayWindow* DisplayWindow() const { return window_.get(); }
    bool HasDisplayWindow() const override { return window_ != nullptr; }
    // Tears down the display window's OpenGL objects and window, then deletes it.
    void Destroy();

    // The colour interpolation method the display window converts with; the
    // default method without a display window.
    int32_t InterpolationMethod() const override;
    // Shows a converted image (Mono8 for grey, BGR8Packed for colour, packed
    // rows). True exactly when the display window accepted it.
    bool ShowImage(uint32_t pixelFormat, const uint8_t* pixels, int32_t width, int32_t height) override;
    // Hands a raw camera buffer of dataSize bytes to the display window, which
    // converts it itself.
    bool ShowRawImage(uint32_t pixelFormat, int32_t height, int32_t width, const uint8_t* data,
                      size_t dataSize) override;
    // The display window's scroll positions in image pixels; false, leaving
    // the outputs alone, without a display window.
    bool GetScrollPosition(int& horizontal, int& vertical) const;

private:
    std::unique_ptr<GlDisplayWindow> window_;
};
