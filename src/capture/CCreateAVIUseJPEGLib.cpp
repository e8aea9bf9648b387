#include "capture/CCreateAVIUseJPEGLib.h"

#include <cerrno>

CCreateAVIUseJPEGLib::CCreateAVIUseJPEGLib() : CCreateAVI(kCompressorMotionJpeg, AviFileKind::Plain, false) {}

CCreateAVIUseJPEGLib::~CCreateAVIUseJPEGLib()
{
    Close();
}

std::uint32_t CCreateAVIUseJPEGLib::OpenFile()
{
    avi::StreamDescription stream;
    stream.width = width_;
    stream.height = height_;
    stream.bytesPerPixel = bytesPerPixel_;
    stream.plannedFrames = plannedFrames_;
    stream.scale = scale_;
    stream.rate = rate_;
    stream.quality = static_cast<std::uint32_t>(quality_);
    header_ = avi::BuildPlainHeader(stream);

    MotionJpegChunkWriter::Setup setup;
    setup.frame = frameBuffer_.get();
    setup.width = width_;
    setup.height = height_;
    setup.bytesPerPixel = bytesPerPixel_;
    setup.frameSize = frameSize_;
    setup.plannedFrames = plannedFrames_;
    setup.quality = quality_;
    const int result = chunks_.Open(path_, header_, setup);
    if (result == kAviOutOfMemory)
        return kAviOutOfMemory;
    if (result != 0) {
        chunks_.Close();
        return kAviCannotCreate;
    }
    bytesWritten_ = avi::kHeaderSize;
    return kAviOk;
}

int CCreateAVIUseJPEGLib::WriteFrame(std::uint32_t position, std::int64_t previous)
{
    std::uint64_t chunkBytes = 0;
    if (const int result = chunks_.EncodeFrame(chunkBytes); result != 0)
        return result;
    const auto emptyChunks = static_cast<std::uint32_t>(position - previous - 1);
    const std::uint64_t added = std::uint64_t{emptyChunks} * avi::kChunkHeaderSize + chunkBytes;
    // The file with this frame and its closing index must stay within the limit.
    const std::uint64_t projected = bytesWritten_ + added + avi::kChunkHeaderSize
        + (std::uint64_t{position} + 1) * avi::kIdx1EntrySize;
    if (projected > limits_.plainFile)
        return EFBIG;
    if (const int error = chunks_.WriteChunks(emptyChunks, position); error != 0)
        return error;
    bytesWritten_ += added;
    return 0;
}

std::uint32_t CCreateAVIUseJPEGLib::CloseFile()
{
    const auto positions = static_cast<std::uint32_t>(lastPosition_ + 1);
    int error = chunks_.WriteIdx1(positions);
    const std::uint64_t fileSize = chunks_.EndOffset();
    avi::Put32(header_.data() + avi::kRiffSizeOffset, static_cast<std::uint32_t>(fileSize - 8));
    avi::PatchStreamTotals(header_, positions, chunks_.LargestFrame(), scale_, FinalRate());
    avi::Put32(header_.data() + avi::kMoviSizeOffset,
               static_cast<std::uint32_t>(bytesWritten_ - avi::kMoviIdOffset));
    if (error == 0)
        error = chunks_.WriteAt(0, header_.data(), header_.size());
    const int closeError = chunks_.Close();
    return static_cast<std::uint32_t>(error != 0 ? error : closeError);
}
