#pragma once

#include "capture/AviWriter.h"

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

// Records through FFmpeg's AVI muxer: uncompressed frames as bottom-up
// device-independent bitmap rows (24-bit, or 8-bit with a grey palette), or
// frames compressed by the libavcodec encoder that the compressor code names
// in AVI files ("mp42" is MS-MPEG4 V2). When the file is closed its stream
// header gets the frame rate measured during the recording.
class FfmpegAviWriter : public AviWriter {
public:
    explicit FfmpegAviWriter(std::uint32_t compressor);
    ~FfmpegAviWriter() override;

    // Whether frames can be recorded with this code here: always uncompressed,
    // and a codec when FFmpeg has an encoder for it (none exists for "mpg4").
    static bool IsCompressorAvailable(std::uint32_t compressor);

protected:
    std::uint32_t OpenFile() override;
    int WriteFrame(std::uint32_t position, std::int64_t previous) override;
    std::uint32_t CloseFile() override;

private:
    std::uint32_t OpenMuxer();
    std::uint32_t OpenEncoder();
    // Encodes the frame buffer, or with null flushes the encoder, and writes
    // the packets that come out.
    int Encode(const AVFrame* picture);
    // Writes one packet stamped in the writer's time base (scale over rate).
    int WritePacket(AVPacket* packet);
    // Puts the measured rate into the stream header of the muxer's output.
    int PatchStreamHeader();
    // The muxer writes through the writer's own file, whose writes fall back
    // on the disk space reserve.
    bool OpenOutput();
    int CloseOutput();
    static int WriteOutput(void* opaque, std::uint8_t* data, int size);
    static std::int64_t SeekOutput(void* opaque, std::int64_t offset, int whence);
    void Release();

    AVFormatContext* format_ = nullptr;
    AVStream* stream_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    SwsContext* scaler_ = nullptr;
    AVFrame* picture_ = nullptr;
    AVPacket* packet_ = nullptr;
    bool headerWritten_ = false;
    int fd_ = -1;
    std::uint64_t outputOffset_ = 0;
    std::uint64_t outputSize_ = 0;
    int outputError_ = 0;
    // Position of the last frame a packet was written for.
    std::int64_t lastPacketPosition_ = -1;
};
