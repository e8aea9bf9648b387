#include "capture/CJPEGEncoder.h"
#include "capture/JpegResult.h"
#include "capture/StdioFileOutput.h"
#include "capture/StillImageWriters.h"

#include <cerrno>

namespace {

constexpr int kStillQuality = 100;

// Grey images are encoded only as wide as the last multiple of 16 columns.
uint32_t EncodedWidth(const StillImage& image)
{
    return image.IsGrey() ? image.width / CJPEGEncoder::kMcuWidth * CJPEGEncoder::kMcuWidth : image.width;
}

} // namespace

int CheckJpeg(const StillImage& image)
{
    if (int error = CheckGreyOrColour(image))
        return error;
    const uint32_t width = EncodedWidth(image);
    return width > 0 && width <= CJPEGEncoder::kMaxDimension && image.height <= CJPEGEncoder::kMaxDimension ? 0
                                                                                                            : EINVAL;
}

bool WriteJpeg(std::FILE* file, const StillImage& image)
{
    StdioFileOutput output(file);
    CJPEGEncoder encoder;
    encoder.SetOutput(&output);
    // The row step stays that of the full image, so the narrower grey image
    // needs no copy.
    encoder.SetSource(image.pixels, EncodedWidth(image), image.height, image.RowBytes(),
                      static_cast<int>(image.BytesPerPixel()), image.IsGrey() ? JPEG_COLOR_GREY : JPEG_COLOR_BGR);
    int result = encoder.ConfigureEncoding(image.IsGrey() ? JPEG_COLOR_GREY : JPEG_COLOR_YCBCR, kStillQuality);
    if (result == JPEG_OK)
        result = encoder.EmitHeaders();
    if (result == JPEG_OK)
        result = encoder.EmitScan();
    output.Close();
    switch (result) {
    case JPEG_OK:
        return true;
    case JPEG_ERR_MEMORY:
        errno = ENOMEM;
        return false;
    case JPEG_ERR_WRITE:
        if (errno == 0)
            errno = EIO;
        return false;
    default:
        errno = EINVAL;
        return false;
    }
}
