#include "capture/ImageSequenceWriter.h"

#include "capture/DeepStill.h"
#include "capture/SaveImageFile.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

ImageSequenceWriter::ImageSequenceWriter(std::uint32_t compressor)
    : AviWriter(compressor, AviFileKind::Plain, false),
      deep_(compressor == kCompressorPng16Images || compressor == kCompressorTiff16Images),
      extension_(compressor == kCompressorTiffImages || compressor == kCompressorTiff16Images ? ".tif" : ".png")
{
    copiesFrames_ = false;
}

ImageSequenceWriter::~ImageSequenceWriter()
{
    Close();
}

std::filesystem::path ImageSequenceWriter::ImagePath(std::uint32_t index) const
{
    char name[32];
    std::snprintf(name, sizeof name, "frame_%06u%s", index, extension_);
    return path_ / name;
}

std::uint32_t ImageSequenceWriter::OpenFile()
{
    if (deep_ && !HasDeepSamples(sourceFormat_))
        return kAviCompressionUnsupported;
    std::error_code error;
    std::filesystem::create_directories(path_, error);
    return !error && std::filesystem::is_directory(path_, error) ? kAviOk : kAviCannotOpenFile;
}

int ImageSequenceWriter::WriteFrame(std::uint32_t /*position*/, std::int64_t /*previous*/)
{
    if (!frame_ || !frame_->pixels)
        return EINVAL;
    const std::filesystem::path path = ImagePath(FramesWritten());
    errno = 0;
    if (deep_) {
        if (!frame_->raw || frame_->pixelFormat != sourceFormat_)
            return EINVAL;
        DeepStill still;
        if (!MakeDeepStill(sourceFormat_, frame_->raw, frame_->rawSize, static_cast<int>(width_),
                           static_cast<int>(height_), 0, true, still))
            return EINVAL;
        if (!SaveDeepStill(still, path))
            return errno != 0 ? errno : EIO;
        return 0;
    }
    const int format = bytesPerPixel_ == 1 ? STILL_IMAGE_GREY8 : STILL_IMAGE_BGR24;
    if (!SaveImageFile(width_, height_, format, frame_->pixels, path))
        return errno != 0 ? errno : EIO;
    return 0;
}
