#include "display/LxImgDisplay.h"

#include "display/GlDisplayWindow.h"
#include "imaging/PixelConversion.h"

LxImgDisplay::LxImgDisplay() = default;

LxImgDisplay::~LxImgDisplay()
{
    Destroy();
}

void LxImgDisplay::SetDisplayWindow(std::unique_ptr<GlDisplayWindow> window)
{
    Destroy();
    window_ = std::move(window);
}

void LxImgDisplay::Destroy()
{
    if (!window_)
        return;
    if (window_->IsCreated())
        window_->Destroy();
    window_.reset();
}

int32_t LxImgDisplay::InterpolationMethod() const
{
    return window_ ? window_->InterpolationMethod() : GlDisplayWindow::kDefaultInterpolationMethod;
}

bool LxImgDisplay::ShowImage(uint32_t pixelFormat, const uint8_t* pixels, int32_t width, int32_t height)
{
    if (!window_ || width <= 0 || height <= 0)
        return false;
    const size_t size = static_cast<size_t>(width) * static_cast<size_t>(height) *
                        static_cast<size_t>(ConvertedBytesPerPixel(pixelFormat));
    return window_->ShowImage(height, pixels, width, pixelFormat, size).IsOK();
}

bool LxImgDisplay::ShowRawImage(uint32_t pixelFormat, int32_t height, int32_t width, const uint8_t* data,
                                size_t dataSize)
{
    return window_ && window_->ShowImage(height, data, width, pixelFormat, dataSize).IsOK();
}

bool LxImgDisplay::GetScrollPosition(int& horizontal, int& vertical) const
{
    if (!window_)
        return false;
    int h = 0;
    int v = 0;
    if (!window_->GetScrollPosition(h, v).IsOK())
        return false;
    horizontal = h;
    vertical = v;
    return true;
}
