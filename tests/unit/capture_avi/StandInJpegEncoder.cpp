// Test stand-in for the Motion JPEG frame encoder: libjpeg-turbo, 4:2:2 YCbCr,
// grey frames expanded to equal blue, green and red so they get neutral chroma.
#include "capture/ChunkBuffer.h"
#include "capture/MotionJpegFrameEncoder.h"

#include <turbojpeg.h>

#include <vector>

struct MotionJpegFrameEncoder::State {
    tjhandle handle = nullptr;
    const std::uint8_t* frame = nullptr;
    int width = 0;
    int height = 0;
    int bytesPerPixel = 3;
    int quality = 75;
    std::vector<std::uint8_t> colour;
};

MotionJpegFrameEncoder::MotionJpegFrameEncoder() : state_(std::make_unique<State>()) {}

MotionJpegFrameEncoder::~MotionJpegFrameEncoder()
{
    if (state_->handle)
        tjDestroy(state_->handle);
}

int MotionJpegFrameEncoder::Configure(const std::uint8_t* frame, int width, int height, int bytesPerPixel,
                                      int quality)
{
    if (!state_->handle)
        state_->handle = tjInitCompress();
    if (!state_->handle)
        return -6;
    state_->frame = frame;
    state_->width = width;
    state_->height = height;
    state_->bytesPerPixel = bytesPerPixel;
    state_->quality = quality;
    if (bytesPerPixel == 1)
        state_->colour.resize(std::size_t(width) * height * 3);
    return 0;
}

int MotionJpegFrameEncoder::Encode(ChunkBuffer& chunk, std::size_t offset, std::size_t& length)
{
    State& s = *state_;
    const std::uint8_t* source = s.frame;
    if (s.bytesPerPixel == 1) {
        for (std::size_t i = 0; i < std::size_t(s.width) * s.height; ++i)
            s.colour[3 * i] = s.colour[3 * i + 1] = s.colour[3 * i + 2] = s.frame[i];
        source = s.colour.data();
    }
    const unsigned long bound = tjBufSize(s.width, s.height, TJSAMP_422);
    if (!chunk.Reserve(offset + bound, offset))
        return -6;
    unsigned char* out = chunk.Data() + offset;
    unsigned long size = bound;
    if (tjCompress2(s.handle, source, s.width, 0, s.height, TJPF_BGR, &out, &size, TJSAMP_422, s.quality,
                    TJFLAG_NOREALLOC) != 0)
        return -2;
    length = size;
    return 0;
}
