#include "capture/OpenDmlAviWriter.h"

#include <cerrno>

namespace {

std::array<std::uint8_t, avi::kExtensionPartHeaderSize> ExtensionPartHeader(std::uint64_t moviBytes)
{
    std::array<std::uint8_t, avi::kExtensionPartHeaderSize> header{};
    avi::Put32(header.data(), MakeFourCC('R', 'I', 'F', 'F'));
    avi::Put32(header.data() + 4, static_cast<std::uint32_t>(moviBytes + 16));
    avi::Put32(header.data() + 8, MakeFourCC('A', 'V', 'I', 'X'));
    avi::Put32(header.data() + 12, MakeFourCC('L', 'I', 'S', 'T'));
    avi::Put32(header.data() + 16, static_cast<std::uint32_t>(moviBytes + 4));
    avi::Put32(header.data() + 20, MakeFourCC('m', 'o', 'v', 'i'));
    return header;
}

} // namespace

OpenDmlAviWriter::OpenDmlAviWriter() : AviWriter(kCompressorMotionJpeg, AviFileKind::OpenDml, false) {}

OpenDmlAviWriter::~OpenDmlAviWriter()
{
    Close();
}

std::uint32_t OpenDmlAviWriter::OpenFile()
{
    const avi::StreamDescription stream = DescribeStream();
    header_ = avi::BuildOpenDmlHeader(stream);
    if (const std::uint32_t result = chunks_.Open(path_, header_, stream, frameBuffer_.get(), &reserve_);
        result != kAviOk)
        return result;
    parts_ = {};
    partNumber_ = 0;
    partRiffOffset_ = avi::kHeaderSize - avi::kExtensionPartHeaderSize;
    partFirstPosition_ = 0;
    chunksInPart_ = 0;
    moviBytesInPart_ = 0;
    return kAviOk;
}

int OpenDmlAviWriter::WriteFrame(std::uint32_t position, std::int64_t previous)
{
    std::uint64_t chunkBytes = 0;
    if (const int result = chunks_.EncodeFrame(chunkBytes); result != 0)
        return result;
    const auto emptyChunks = static_cast<std::uint32_t>(position - previous - 1);
    const std::uint64_t added = std::uint64_t{emptyChunks} * avi::kChunkHeaderSize + chunkBytes;
    const std::uint64_t addedChunks = std::uint64_t{emptyChunks} + 1;
    if (!FitsInPart(added, addedChunks)) {
        if (partNumber_ + 1 >= avi::kSuperIndexEntries)
            return EFBIG;
        if (const int error = StartNextPart(); error != 0)
            return error;
        if (!FitsInPart(added, addedChunks))
            return EFBIG;
    }
    if (const int error = chunks_.WriteChunks(emptyChunks, position); error != 0)
        return error;
    chunksInPart_ += static_cast<std::uint32_t>(addedChunks);
    moviBytesInPart_ += added;
    return 0;
}

bool OpenDmlAviWriter::FitsInPart(std::uint64_t addedBytes, std::uint64_t addedChunks) const
{
    const std::uint64_t chunks = chunksInPart_ + addedChunks;
    const std::uint64_t standardIndex = avi::kStandardIndexHeaderSize + chunks * avi::kStandardIndexEntrySize;
    const std::uint64_t partEnd = moviBytesInPart_ + addedBytes + standardIndex;
    if (partNumber_ == 0) {
        // The first part holds every position so far, and idx1 over all of them.
        const std::uint64_t idx1 = avi::kChunkHeaderSize + chunks * avi::kIdx1EntrySize;
        return avi::kHeaderSize + partEnd + idx1 <= limits_.firstPart;
    }
    return avi::kExtensionPartHeaderSize + partEnd <= limits_.laterPart;
}

int OpenDmlAviWriter::FinishPart()
{
    const std::uint64_t baseOffset = partRiffOffset_ + avi::kExtensionPartHeaderSize;
    Part& part = parts_[partNumber_];
    part.indexOffset = chunks_.EndOffset();
    part.indexSize = static_cast<std::uint32_t>(avi::kStandardIndexHeaderSize +
                                                std::uint64_t{chunksInPart_} * avi::kStandardIndexEntrySize);
    part.frames = chunksInPart_;
    int error = chunks_.WriteStandardIndex(partFirstPosition_, chunksInPart_, baseOffset);
    moviBytesInPart_ += part.indexSize;

    const auto positions = static_cast<std::uint32_t>(lastPosition_ + 1);
    if (partNumber_ == 0) {
        if (error == 0)
            error = chunks_.WriteIdx1(positions);
        const std::uint64_t firstPartSize = chunks_.EndOffset();
        avi::Put32(header_.data() + avi::kRiffSizeOffset, static_cast<std::uint32_t>(firstPartSize - 8));
        avi::Put32(header_.data() + avi::kMoviSizeOffset, static_cast<std::uint32_t>(moviBytesInPart_ + 4));
    }
    avi::PatchStreamTotals(header_, positions, chunks_.LargestFrame(), scale_, FinalRate());
    avi::Put32(header_.data() + avi::kDmlhTotalFramesOffset, positions);
    avi::Put32(header_.data() + avi::kIndxEntriesInUseOffset, partNumber_ + 1);
    std::uint8_t* entry = header_.data() + avi::kSuperIndexOffset + partNumber_ * avi::kSuperIndexEntrySize;
    avi::Put64(entry, part.indexOffset);
    avi::Put32(entry + 8, part.indexSize);
    avi::Put32(entry + 12, part.frames);
    if (error == 0)
        error = chunks_.WriteAt(0, header_.data(), header_.size());
    if (error == 0 && partNumber_ > 0) {
        const auto riffHeader = ExtensionPartHeader(moviBytesInPart_);
        error = chunks_.WriteAt(partRiffOffset_, riffHeader.data(), riffHeader.size());
    }
    return error;
}

int OpenDmlAviWriter::StartNextPart()
{
    if (const int error = FinishPart(); error != 0)
        return error;
    ++partNumber_;
    partRiffOffset_ = chunks_.EndOffset();
    partFirstPosition_ = static_cast<std::uint32_t>(lastPosition_ + 1);
    chunksInPart_ = 0;
    moviBytesInPart_ = 0;
    partHeader_ = ExtensionPartHeader(0);
    return chunks_.Append(partHeader_.data(), partHeader_.size());
}

std::uint32_t OpenDmlAviWriter::CloseFile()
{
    int error = FinishPart();
    const int closeError = chunks_.Close();
    return static_cast<std::uint32_t>(error != 0 ? error : closeError);
}
