#include "capture/MotionJpegAviWriter.h"

#include <cerrno>

MotionJpegAviWriter::MotionJpegAviWriter() : AviWriter(kCompressorMotionJpeg, AviFileKind::Plain, false) {}

MotionJpegAviWriter::~MotionJpegAviWriter()
{
    Close();
}

std::uint32_t MotionJpegAviWriter::OpenFile()
{
    const avi::StreamDescription stream = DescribeStream();
    header_ = avi::BuildPlainHeader(stream);
    if (const std::uint32_t result = chunks_.Open(path_, header_, stream, frameBuffer_.get(), &reserve_);
        result != kAviOk)
        return result;
    bytesWritten_ = avi::kHeaderSize;
    return kAviOk;
}

int MotionJpegAviWriter::WriteFrame(std::uint32_t position, std::int64_t previous)
{
    std::uint64_t chunkBytes = 0;
    if (const int result = chunks_.EncodeFrame(chunkBytes); result != 0)
        return result;
    const auto emptyChunks = static_cast<std::uint32_t>(position - previous - 1);
    const std::uint64_t added = std::uint64_t{emptyChunks} * avi::kChunkHeaderSize + chunkBytes;
    // The file with this frame and its closing index must stay within the limit.
    const std::uint64_t projected =
        bytesWritten_ + added + avi::kChunkHeaderSize + (std::uint64_t{position} + 1) * avi::kIdx1EntrySize;
    if (projected > limits_.plainFile)
        return EFBIG;
    if (const int error = chunks_.WriteChunks(emptyChunks, position); error != 0)
        return error;
    bytesWritten_ += added;
    return 0;
}

std::uint32_t MotionJpegAviWriter::CloseFile()
{
    const auto positions = static_cast<std::uint32_t>(lastPosition_ + 1);
    int error = chunks_.WriteIdx1(positions);
    const std::uint64_t fileSize = chunks_.EndOffset();
    avi::Put32(header_.data() + avi::kRiffSizeOffset, static_cast<std::uint32_t>(fileSize - 8));
    avi::PatchStreamTotals(header_, positions, chunks_.LargestFrame(), scale_, FinalRate());
    avi::Put32(header_.data() + avi::kMoviSizeOffset, static_cast<std::uint32_t>(bytesWritten_ - avi::kMoviIdOffset));
    if (error == 0)
        error = chunks_.WriteAt(0, header_.data(), header_.size());
    const int closeError = chunks_.Close();
    return static_cast<std::uint32_t>(error != 0 ? error : closeError);
}
