#pragma once

#include "capture/CCreateAVI.h"

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// Lossless recording: FFV1 version 3 with slice checksums, every frame a key
// frame, in a Matroska file, through FFmpeg. Frames are kept as the camera
// sent them, without mirroring: Mono8 and 8-bit Bayer as 8-bit grey, wider
// grey and Bayer samples unscaled as 16-bit grey, RGB and BGR as 8-bit colour.
// A Bayer mosaic's pattern is named in the stream's BAYER_PATTERN tag, the
// significant bits of grey in SIGNIFICANT_BITS. Frames whose raw bytes are not
// at hand are taken from the converted image (grey or colour).
class Ffv1MkvWriter : public CCreateAVI {
public:
    Ffv1MkvWriter();
    ~Ffv1MkvWriter() override;

    static bool IsAvailable();

protected:
    std::uint32_t OpenFile() override;
    int WriteFrame(std::uint32_t position, std::int64_t previous) override;
    std::uint32_t CloseFile() override;

private:
    enum class Mode { Grey8, Grey16, Colour };

    std::uint32_t Open();
    // Fills the picture from the frame being added; an errno value when it cannot.
    int FillPicture();
    int Encode(const AVFrame* picture);
    void Release();

    Mode mode_ = Mode::Grey8;
    AVFormatContext* format_ = nullptr;
    AVStream* stream_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    AVFrame* picture_ = nullptr;
    AVPacket* packet_ = nullptr;
    bool headerWritten_ = false;
};
