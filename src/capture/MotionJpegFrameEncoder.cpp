#include "capture/MotionJpegFrameEncoder.h"

int MotionJpegFrameEncoder::Configure(const std::uint8_t* frame, int width, int height, int bytesPerPixel, int quality)
{
    if (width <= 0 || height <= 0 || (bytesPerPixel != 1 && bytesPerPixel != 3))
        return JPEG_ERR_PARAMETER;
    encoder_.SetSource(frame, static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                       static_cast<size_t>(width) * bytesPerPixel, bytesPerPixel,
                       bytesPerPixel == 1 ? JPEG_COLOR_GREY : JPEG_COLOR_BGR);
    encoder_.SetOutput(&output_);
    return encoder_.ConfigureEncoding(JPEG_COLOR_YCBCR, quality);
}

int MotionJpegFrameEncoder::Encode(ChunkBuffer& chunk, std::size_t offset, std::size_t& length)
{
    output_.Start(chunk, offset);
    int result = encoder_.EmitHeaders();
    if (result == JPEG_OK)
        result = encoder_.EmitScan();
    length = output_.Size();
    return result;
}
