#pragma once

#include "capture/AviWriter.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

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
//
// Encoding runs on a thread of its own (and the encoder's slice threads), so
// that the acquisition thread only copies each frame; up to about 256 MB of
// frames wait for it, after which adding a frame waits for room.
class Ffv1MkvWriter : public AviWriter {
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
    int FillPicture(AVFrame* picture);
    int Encode(const AVFrame* picture);
    // The encoding thread: encodes queued pictures until told to finish.
    void EncodeQueued();
    // Lets the encoding thread finish the queue and waits for it.
    void StopEncoding();
    void Release();

    Mode mode_ = Mode::Grey8;
    AVFormatContext* format_ = nullptr;
    AVStream* stream_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    AVPacket* packet_ = nullptr;
    bool headerWritten_ = false;

    std::thread encoding_;
    std::mutex queueMutex_;
    std::condition_variable queueChanged_;
    std::deque<AVFrame*> queued_;
    std::vector<AVFrame*> spare_;
    std::size_t maxQueued_ = 2;
    bool finishing_ = false;
    // The encoding thread's first error, an errno value.
    int encodeError_ = 0;
};
