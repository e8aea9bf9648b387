#include "capture/Ffv1MkvWriter.h"

#include "capture/FfmpegEncoding.h"
#include "imaging/PixelConversion.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr std::uint32_t kPixelFormatRgb8 = 0x02180014;
constexpr std::uint32_t kPixelFormatBgr8 = 0x02180015;
constexpr int kFfv1Version = 3;
// Slices let the encoder work on several cores; each carries its own checksum.
constexpr int kSlices = 4;
// Frames waiting for the encoder, in bytes, and at least two frames.
constexpr std::size_t kQueueBytes = std::size_t{256} << 20;

// Colour pixels as the encoder takes them: blue, green, red, unused.
void ToBgr0(const std::uint8_t* source, bool redFirst, std::size_t count, std::uint8_t* dest)
{
    for (std::size_t i = 0; i < count; ++i) {
        dest[4 * i] = source[3 * i + (redFirst ? 2 : 0)];
        dest[4 * i + 1] = source[3 * i + 1];
        dest[4 * i + 2] = source[3 * i + (redFirst ? 0 : 2)];
        dest[4 * i + 3] = 0;
    }
}

} // namespace

Ffv1MkvWriter::Ffv1MkvWriter() : AviWriter(kCompressorFfv1, AviFileKind::Plain, false)
{
    copiesFrames_ = false;
}

Ffv1MkvWriter::~Ffv1MkvWriter()
{
    Close();
    Release();
}

bool Ffv1MkvWriter::IsAvailable()
{
    return avcodec_find_encoder(AV_CODEC_ID_FFV1) && av_guess_format("matroska", nullptr, nullptr);
}

std::uint32_t Ffv1MkvWriter::OpenFile()
{
    const std::uint32_t result = Open();
    if (result != kAviOk)
        Release();
    return result;
}

std::uint32_t Ffv1MkvWriter::Open()
{
    const int bits = SignificantSampleBits(sourceFormat_);
    if (bits > 8)
        mode_ = Mode::Grey16;
    else if (bits == 8 || (sourceFormat_ == 0 && bytesPerPixel_ == 1))
        mode_ = Mode::Grey8;
    else
        mode_ = Mode::Colour;

    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_FFV1);
    if (!codec)
        return kAviNoCompressor;
    const int allocated = avformat_alloc_output_context2(&format_, nullptr, "matroska", path_.c_str());
    if (allocated == AVERROR(ENOMEM))
        return kAviOutOfMemory;
    if (allocated < 0 || !format_)
        return kAviCannotOpenFile;
    stream_ = avformat_new_stream(format_, nullptr);
    encoder_ = avcodec_alloc_context3(codec);
    if (!stream_ || !encoder_)
        return kAviOutOfMemory;
    encoder_->width = static_cast<int>(width_);
    encoder_->height = static_cast<int>(height_);
    encoder_->pix_fmt = mode_ == Mode::Grey8    ? AV_PIX_FMT_GRAY8
                        : mode_ == Mode::Grey16 ? AV_PIX_FMT_GRAY16LE
                                                : AV_PIX_FMT_0RGB32;
    av_reduce(&encoder_->time_base.num, &encoder_->time_base.den, scale_, rate_, INT32_MAX);
    encoder_->framerate = av_inv_q(encoder_->time_base);
    encoder_->level = kFfv1Version;
    encoder_->gop_size = 1;
    encoder_->slices = kSlices;
    encoder_->thread_count = 0;
    encoder_->thread_type = FF_THREAD_SLICE;
    av_opt_set_int(encoder_->priv_data, "slicecrc", 1, 0);
    // Golomb-Rice coding is about twice as fast as the range coder, for files
    // some tenths larger; FFV1 has it for 8-bit samples only.
    av_opt_set(encoder_->priv_data, "coder", mode_ == Mode::Grey16 ? "range_def" : "rice", 0);
    if (format_->oformat->flags & AVFMT_GLOBALHEADER)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (const int opened = avcodec_open2(encoder_, codec, nullptr); opened < 0)
        return opened == AVERROR(ENOMEM) ? kAviOutOfMemory : kAviCompressionUnsupported;
    if (avcodec_parameters_from_context(stream_->codecpar, encoder_) < 0)
        return kAviCannotCreate;
    stream_->time_base = encoder_->time_base;
    stream_->avg_frame_rate = encoder_->framerate;

    // What a reader needs to take the samples for what they are.
    if (bits > 0)
        av_dict_set(&stream_->metadata, "SIGNIFICANT_BITS", std::to_string(bits).c_str(), 0);
    if (const int pattern = BayerPatternOf(sourceFormat_); pattern >= 0)
        av_dict_set(&stream_->metadata, "BAYER_PATTERN", BayerPatternName(pattern), 0);

    if (avio_open(&format_->pb, path_.c_str(), AVIO_FLAG_WRITE) < 0)
        return kAviCannotOpenFile;
    if (const int written = avformat_write_header(format_, nullptr); written < 0)
        return written == AVERROR(ENOMEM) ? kAviOutOfMemory : kAviCannotCreate;
    headerWritten_ = true;

    packet_ = av_packet_alloc();
    if (!packet_)
        return kAviOutOfMemory;
    const std::size_t frameBytes = std::size_t{width_} * height_ *
                                   (mode_ == Mode::Grey8    ? 1
                                    : mode_ == Mode::Grey16 ? 2
                                                            : 4);
    maxQueued_ = std::max<std::size_t>(2, kQueueBytes / frameBytes);
    finishing_ = false;
    encodeError_ = 0;
    try {
        encoding_ = std::thread([this] { EncodeQueued(); });
    } catch (const std::system_error&) {
        return kAviOutOfMemory;
    }
    return kAviOk;
}

int Ffv1MkvWriter::FillPicture(AVFrame* picture)
{
    const int width = static_cast<int>(width_);
    const int height = static_cast<int>(height_);
    const std::size_t count = std::size_t{width_} * height_;
    const bool haveRaw = frame_ && frame_->raw && sourceFormat_ != 0;
    if (haveRaw &&
        (frame_->pixelFormat != sourceFormat_ || frame_->rawSize < RawFrameSize(sourceFormat_, width, height)))
        return EINVAL;
    const std::uint8_t* converted = frame_ ? frame_->pixels : nullptr;
    if (!haveRaw && (!converted || mode_ == Mode::Grey16))
        return EINVAL;

    // Rows are filled packed and moved to the picture's stride afterwards when it differs.
    std::uint8_t* data = picture->data[0];
    const std::size_t packedRow = std::size_t{width_} * (mode_ == Mode::Grey8 ? 1 : mode_ == Mode::Grey16 ? 2 : 4);
    const bool packed = static_cast<std::size_t>(picture->linesize[0]) == packedRow;
    std::vector<std::uint8_t> staging;
    std::uint8_t* target = data;
    if (!packed) {
        staging.resize(packedRow * height_);
        target = staging.data();
    }
    switch (mode_) {
    case Mode::Grey8:
        std::memcpy(target, haveRaw ? frame_->raw : converted, count);
        break;
    case Mode::Grey16:
        static_assert(std::endian::native == std::endian::little, "16-bit grey is stored little-endian");
        if (!UnpackSamples(sourceFormat_, frame_->raw, frame_->rawSize, width, height,
                           reinterpret_cast<std::uint16_t*>(target)))
            return EINVAL;
        break;
    case Mode::Colour:
        if (haveRaw && (sourceFormat_ == kPixelFormatRgb8 || sourceFormat_ == kPixelFormatBgr8))
            ToBgr0(frame_->raw, sourceFormat_ == kPixelFormatRgb8, count, target);
        else if (converted)
            ToBgr0(converted, false, count, target);
        else
            return EINVAL;
        break;
    }
    if (!packed) {
        for (std::uint32_t y = 0; y < height_; ++y)
            std::memcpy(data + y * static_cast<std::size_t>(picture->linesize[0]), target + y * packedRow, packedRow);
    }
    return 0;
}

int Ffv1MkvWriter::WriteFrame(std::uint32_t position, std::int64_t /*previous*/)
{
    AVFrame* picture = nullptr;
    {
        std::unique_lock lock(queueMutex_);
        queueChanged_.wait(lock, [this] { return queued_.size() < maxQueued_ || encodeError_ != 0; });
        if (encodeError_ != 0)
            return encodeError_;
        if (!spare_.empty()) {
            picture = spare_.back();
            spare_.pop_back();
        }
    }
    if (!picture) {
        picture = av_frame_alloc();
        if (!picture)
            return ENOMEM;
        picture->format = encoder_->pix_fmt;
        picture->width = encoder_->width;
        picture->height = encoder_->height;
        if (av_frame_get_buffer(picture, 0) < 0) {
            av_frame_free(&picture);
            return ENOMEM;
        }
    }
    // A picture the encoder still refers to gets buffers of its own.
    int error = av_frame_make_writable(picture) < 0 ? ENOMEM : 0;
    if (error == 0)
        error = FillPicture(picture);
    if (error != 0) {
        std::lock_guard lock(queueMutex_);
        spare_.push_back(picture);
        return error;
    }
    picture->pts = position;
    std::lock_guard lock(queueMutex_);
    queued_.push_back(picture);
    queueChanged_.notify_all();
    return 0;
}

void Ffv1MkvWriter::EncodeQueued()
{
    for (;;) {
        AVFrame* picture = nullptr;
        {
            std::unique_lock lock(queueMutex_);
            queueChanged_.wait(lock, [this] { return !queued_.empty() || finishing_; });
            if (queued_.empty())
                return;
            picture = queued_.front();
        }
        const int error = encodeError_ == 0 ? Encode(picture) : 0;
        std::lock_guard lock(queueMutex_);
        queued_.pop_front();
        spare_.push_back(picture);
        if (error != 0 && encodeError_ == 0)
            encodeError_ = error;
        queueChanged_.notify_all();
    }
}

void Ffv1MkvWriter::StopEncoding()
{
    if (!encoding_.joinable())
        return;
    {
        std::lock_guard lock(queueMutex_);
        finishing_ = true;
        queueChanged_.notify_all();
    }
    encoding_.join();
}

int Ffv1MkvWriter::Encode(const AVFrame* picture)
{
    return EncodeAndWrite(encoder_, picture, packet_, [this](AVPacket* packet) {
        packet->stream_index = stream_->index;
        av_packet_rescale_ts(packet, encoder_->time_base, stream_->time_base);
        const int written = av_write_frame(format_, packet);
        return written < 0 ? FfmpegSystemError(written) : 0;
    });
}

std::uint32_t Ffv1MkvWriter::CloseFile()
{
    StopEncoding();
    int error = encodeError_;
    if (encoder_ && headerWritten_ && error == 0)
        error = Encode(nullptr);
    if (headerWritten_) {
        if (const int trailer = av_write_trailer(format_); trailer < 0 && error == 0)
            error = FfmpegSystemError(trailer);
    }
    if (format_ && format_->pb) {
        if (const int closed = avio_closep(&format_->pb); closed < 0 && error == 0)
            error = FfmpegSystemError(closed);
    }
    Release();
    return static_cast<std::uint32_t>(error);
}

void Ffv1MkvWriter::Release()
{
    StopEncoding();
    for (AVFrame* picture : queued_)
        av_frame_free(&picture);
    for (AVFrame* picture : spare_)
        av_frame_free(&picture);
    queued_.clear();
    spare_.clear();
    if (format_) {
        if (format_->pb)
            avio_closep(&format_->pb);
        avformat_free_context(format_);
        format_ = nullptr;
    }
    stream_ = nullptr;
    headerWritten_ = false;
    avcodec_free_context(&encoder_);
    av_packet_free(&packet_);
}
