#pragma once

#include "capture/AviLayout.h"
#include "capture/AviWriter.h"
#include "capture/MotionJpegChunkWriter.h"

#include <array>

// Writes Motion JPEG in the OpenDML (AVI 2.0) layout: a first RIFF "AVI " part
// of at most 1 GB with idx1 for old readers, then "AVIX" parts of at most 2 GB,
// each part indexed by an "ix00" standard index that the header's super index
// points to. At 64 parts the super index is full and the recording ends.
class OpenDmlAviWriter : public AviWriter {
public:
    OpenDmlAviWriter();
    ~OpenDmlAviWriter() override;

protected:
    std::uint32_t OpenFile() override;
    int WriteFrame(std::uint32_t position, std::int64_t previous) override;
    std::uint32_t CloseFile() override;

private:
    struct Part {
        std::uint64_t indexOffset = 0;
        std::uint32_t indexSize = 0;
        std::uint32_t frames = 0;
    };

    // Whether `addedBytes` more in `addedChunks` more chunks, with the part's
    // closing indexes, stay within the current part's limit.
    bool FitsInPart(std::uint64_t addedBytes, std::uint64_t addedChunks) const;
    // Writes the current part's standard index and brings the header and the
    // part's RIFF header up to date.
    int FinishPart();
    // Finishes the current part and starts an "AVIX" part at the end of the file.
    int StartNextPart();

    MotionJpegChunkWriter chunks_;
    avi::HeaderImage header_{};
    std::array<Part, avi::kSuperIndexEntries> parts_{};
    std::array<std::uint8_t, avi::kExtensionPartHeaderSize> partHeader_{};
    std::uint32_t partNumber_ = 0;
    // File offset of the current part's RIFF header; the first part's is
    // placed so that its first chunk lands at the end of the header image.
    std::uint64_t partRiffOffset_ = avi::kHeaderSize - avi::kExtensionPartHeaderSize;
    std::uint32_t partFirstPosition_ = 0;
    std::uint32_t chunksInPart_ = 0;
    std::uint64_t moviBytesInPart_ = 0;
};
