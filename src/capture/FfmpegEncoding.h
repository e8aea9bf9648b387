#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cerrno>

// The errno value behind an FFmpeg error, EIO for FFmpeg's own codes.
inline int FfmpegSystemError(int averror)
{
    const int error = AVUNERROR(averror);
    return error > 0 && error < 4096 ? error : EIO;
}

// Sends the picture (null flushes) to the encoder and hands every packet that
// comes out to write (an errno value, 0 for success). 0, or the first error.
template <class Write>
int EncodeAndWrite(AVCodecContext* encoder, const AVFrame* picture, AVPacket* packet, Write write)
{
    if (const int sent = avcodec_send_frame(encoder, picture); sent < 0)
        return FfmpegSystemError(sent);
    for (;;) {
        const int received = avcodec_receive_packet(encoder, packet);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return 0;
        if (received < 0)
            return FfmpegSystemError(received);
        const int error = write(packet);
        av_packet_unref(packet);
        if (error != 0)
            return error;
    }
}
