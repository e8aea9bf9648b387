#include "app/ImgDisplayTarget.h"

#include "imaging/LxImgDisplay.h"

bool ImgDisplayTarget::HasDisplayWindow() const
{
    return display_.HasDisplayWindow();
}

int32_t ImgDisplayTarget::InterpolationMethod() const
{
    return display_.InterpolationMethod();
}

bool ImgDisplayTarget::ShowImage(uint32_t pixelFormat, const uint8_t* pixels, int32_t width, int32_t height)
{
    return display_.ShowImage(pixelFormat, pixels, width, height);
}

bool ImgDisplayTarget::ShowRawImage(uint32_t pixelFormat, int32_t height, int32_t width, const uint8_t* data,
                                    size_t dataSize)
{
    return display_.ShowRawImage(pixelFormat, height, width, data, dataSize);
}
