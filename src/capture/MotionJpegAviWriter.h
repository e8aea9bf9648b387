#pragma once

#include "capture/AviLayout.h"
#include "capture/AviWriter.h"
#include "capture/MotionJpegChunkWriter.h"

// Writes a plain AVI (one RIFF "AVI " part with idx1) of Motion JPEG frames
// itself. The file stops growing before it would pass 2 GB.
class MotionJpegAviWriter : public AviWriter {
public:
    MotionJpegAviWriter();
    ~MotionJpegAviWriter() override;

protected:
    std::uint32_t OpenFile() override;
    int WriteFrame(std::uint32_t position, std::int64_t previous) override;
    std::uint32_t CloseFile() override;

private:
    MotionJpegChunkWriter chunks_;
    avi::HeaderImage header_{};
    // Header and chunks so far.
    std::uint64_t bytesWritten_ = 0;
};
