#include "capture/FfmpegAviWriter.h"

#include "capture/AviLayout.h"
#include "capture/FfmpegEncoding.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t kDibHandler = MakeFourCC('D', 'I', 'B', ' ');
constexpr int kPaletteEntries = 256;
constexpr mode_t kFileMode = 0644;
constexpr int kOutputBufferSize = 1 << 16;
// Each index entry of a frame: 16 bytes in idx1, 8 in the OpenDML index the
// muxer adds; and room for what the muxer writes when it closes the file.
constexpr std::uint64_t kIndexBytesPerFrame = 24;
constexpr std::uint64_t kTrailerReserve = 4096;
// Quality 1..100 maps onto the encoder's quantiser 31 (coarsest) .. 2 (finest).
constexpr int kCoarsestQuantiser = 31;
constexpr int kFinestQuantiser = 2;

AVCodecID CodecForCompressor(std::uint32_t compressor)
{
    const AVCodecTag* const tags[] = {avformat_get_riff_video_tags(), nullptr};
    return av_codec_get_id(tags, compressor);
}

} // namespace

FfmpegAviWriter::FfmpegAviWriter(std::uint32_t compressor) : AviWriter(compressor, AviFileKind::Plain, true) {}

FfmpegAviWriter::~FfmpegAviWriter()
{
    Close();
    Release();
}

bool FfmpegAviWriter::IsCompressorAvailable(std::uint32_t compressor)
{
    if (compressor == kCompressorUncompressed)
        return true;
    const AVCodecID codec = CodecForCompressor(compressor);
    return codec != AV_CODEC_ID_NONE && avcodec_find_encoder(codec) != nullptr;
}

std::uint32_t FfmpegAviWriter::OpenFile()
{
    lastPacketPosition_ = -1;
    const std::uint32_t result = OpenMuxer();
    if (result != kAviOk)
        Release();
    return result;
}

std::uint32_t FfmpegAviWriter::OpenMuxer()
{
    const int allocated = avformat_alloc_output_context2(&format_, nullptr, "avi", path_.c_str());
    if (allocated == AVERROR(ENOMEM))
        return kAviOutOfMemory;
    if (allocated < 0 || !format_)
        return kAviCannotOpenFile;

    stream_ = avformat_new_stream(format_, nullptr);
    if (!stream_)
        return kAviCannotCreate;
    stream_->time_base = AVRational{static_cast<int>(scale_), static_cast<int>(rate_)};
    stream_->avg_frame_rate = AVRational{static_cast<int>(rate_), static_cast<int>(scale_)};

    AVCodecParameters* parameters = stream_->codecpar;
    if (compressor_ != kCompressorUncompressed) {
        if (const std::uint32_t result = OpenEncoder(); result != kAviOk)
            return result;
        if (avcodec_parameters_from_context(parameters, encoder_) < 0)
            return kAviCannotCreate;
        parameters->codec_tag = compressor_;
    } else {
        parameters->codec_type = AVMEDIA_TYPE_VIDEO;
        parameters->codec_id = AV_CODEC_ID_RAWVIDEO;
        parameters->codec_tag = 0;
        parameters->width = static_cast<int>(width_);
        parameters->height = static_cast<int>(height_);
        parameters->bits_per_coded_sample = static_cast<int>(bytesPerPixel_ * 8);
        parameters->format = bytesPerPixel_ == 1 ? AV_PIX_FMT_PAL8 : AV_PIX_FMT_BGR24;
        if (bytesPerPixel_ == 1) {
            // The grey palette follows the bitmap header in the stream format.
            const int size = kPaletteEntries * 4;
            parameters->extradata = static_cast<std::uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
            if (!parameters->extradata)
                return kAviOutOfMemory;
            parameters->extradata_size = size;
            for (int i = 0; i < kPaletteEntries; ++i) {
                const auto grey = static_cast<std::uint8_t>(i);
                avi::Put32(parameters->extradata + 4 * i, grey | grey << 8 | grey << 16);
            }
        }
    }

    // The file is created only once the stream is set up, so that a missing
    // or refusing codec leaves nothing behind.
    if (!OpenOutput())
        return kAviCannotOpenFile;
    AVDictionary* options = nullptr;
    // The rows arrive last row first, as bitmaps store them.
    av_dict_set(&options, "flipped_raw_rgb", "1", 0);
    const int written = avformat_write_header(format_, &options);
    av_dict_free(&options);
    if (written < 0)
        return written == AVERROR(ENOMEM) ? kAviOutOfMemory : kAviCannotCreate;
    headerWritten_ = true;

    packet_ = av_packet_alloc();
    if (!packet_)
        return kAviOutOfMemory;
    return kAviOk;
}

std::uint32_t FfmpegAviWriter::OpenEncoder()
{
    const AVCodecID codecId = CodecForCompressor(compressor_);
    const AVCodec* codec = codecId == AV_CODEC_ID_NONE ? nullptr : avcodec_find_encoder(codecId);
    if (!codec)
        return kAviNoCompressor;
    encoder_ = avcodec_alloc_context3(codec);
    if (!encoder_)
        return kAviOutOfMemory;
    encoder_->width = static_cast<int>(width_);
    encoder_->height = static_cast<int>(height_);
    // In lowest terms, as MPEG-4 family encoders want their time base.
    av_reduce(&encoder_->time_base.num, &encoder_->time_base.den, scale_, rate_, INT32_MAX);
    encoder_->framerate = av_inv_q(encoder_->time_base);
    encoder_->pix_fmt = codec->pix_fmts ? codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
    const int quantiser = kCoarsestQuantiser - (quality_ - 1) * (kCoarsestQuantiser - kFinestQuantiser) / 99;
    encoder_->flags |= AV_CODEC_FLAG_QSCALE;
    encoder_->global_quality = FF_QP2LAMBDA * quantiser;
    if (format_->oformat->flags & AVFMT_GLOBALHEADER)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (const int opened = avcodec_open2(encoder_, codec, nullptr); opened < 0)
        return opened == AVERROR(ENOMEM) ? kAviOutOfMemory : kAviCompressionUnsupported;

    const AVPixelFormat source = bytesPerPixel_ == 1 ? AV_PIX_FMT_GRAY8 : AV_PIX_FMT_BGR24;
    scaler_ = sws_getContext(encoder_->width, encoder_->height, source, encoder_->width, encoder_->height,
                             encoder_->pix_fmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!scaler_)
        return kAviCompressionUnsupported;
    picture_ = av_frame_alloc();
    if (!picture_)
        return kAviOutOfMemory;
    picture_->format = encoder_->pix_fmt;
    picture_->width = encoder_->width;
    picture_->height = encoder_->height;
    if (av_frame_get_buffer(picture_, 0) < 0)
        return kAviOutOfMemory;
    return kAviOk;
}

int FfmpegAviWriter::WriteFrame(std::uint32_t position, std::int64_t /*previous*/)
{
    if (!encoder_) {
        packet_->data = frameBuffer_.get();
        packet_->size = static_cast<int>(frameSize_);
        packet_->pts = position;
        packet_->dts = position;
        packet_->duration = 1;
        packet_->flags = AV_PKT_FLAG_KEY;
        return WritePacket(packet_);
    }

    if (const int writable = av_frame_make_writable(picture_); writable < 0)
        return FfmpegSystemError(writable);
    // The frame buffer holds the rows bottom-up: read it from its last row
    // with a negative stride to hand the encoder a top-down picture.
    const std::uint8_t* top = frameBuffer_.get() + std::size_t{height_ - 1} * rowStride_;
    const int stride = -static_cast<int>(rowStride_);
    sws_scale(scaler_, &top, &stride, 0, static_cast<int>(height_), picture_->data, picture_->linesize);
    picture_->pts = position;
    picture_->quality = encoder_->global_quality;
    return Encode(picture_);
}

int FfmpegAviWriter::Encode(const AVFrame* picture)
{
    return EncodeAndWrite(encoder_, picture, packet_, [this](AVPacket* packet) { return WritePacket(packet); });
}

int FfmpegAviWriter::WritePacket(AVPacket* packet)
{
    if (reserve_.RanOut())
        return ENOSPC;
    // The muxer fills skipped positions with empty chunks.
    const std::int64_t position = packet->pts;
    const std::uint64_t emptyChunks = static_cast<std::uint64_t>(position - lastPacketPosition_ - 1);
    const std::uint64_t projected = static_cast<std::uint64_t>(avio_tell(format_->pb)) +
                                    emptyChunks * avi::kChunkHeaderSize +
                                    avi::ChunkFileSize(static_cast<std::uint64_t>(packet->size)) +
                                    static_cast<std::uint64_t>(position + 1) * kIndexBytesPerFrame + kTrailerReserve;
    if (projected > limits_.plainFile)
        return EFBIG;
    packet->stream_index = stream_->index;
    av_packet_rescale_ts(packet, AVRational{static_cast<int>(scale_), static_cast<int>(rate_)}, stream_->time_base);
    if (const int written = av_write_frame(format_, packet); written < 0)
        return FfmpegSystemError(written);
    lastPacketPosition_ = position;
    return 0;
}

std::uint32_t FfmpegAviWriter::CloseFile()
{
    int error = 0;
    if (encoder_)
        error = Encode(nullptr);
    if (headerWritten_) {
        if (const int trailer = av_write_trailer(format_); trailer < 0 && error == 0)
            error = FfmpegSystemError(trailer);
        if (const int closed = CloseOutput(); closed != 0 && error == 0)
            error = closed;
    }
    const bool patch = headerWritten_;
    Release();
    if (patch) {
        if (const int patched = PatchStreamHeader(); patched != 0 && error == 0)
            error = patched;
    }
    return static_cast<std::uint32_t>(error);
}

int FfmpegAviWriter::PatchStreamHeader()
{
    // The muxer reduces scale and rate to lowest terms; put back the writer's
    // scale so that the rate carries the measured thousandths.
    std::array<std::uint8_t, 4> handler{};
    std::array<std::uint8_t, 8> scaleAndRate{};
    avi::Put32(handler.data(), compressor_ == kCompressorUncompressed ? kDibHandler : compressor_);
    avi::Put32(scaleAndRate.data(), scale_);
    avi::Put32(scaleAndRate.data() + 4, FinalRate());

    const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = 0;
    if (::pwrite(fd, handler.data(), handler.size(), avi::kStrhHandlerOffset) != ssize_t(handler.size()) ||
        ::pwrite(fd, scaleAndRate.data(), scaleAndRate.size(), avi::kStrhScaleOffset) != ssize_t(scaleAndRate.size()))
        error = errno != 0 ? errno : EIO;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

bool FfmpegAviWriter::OpenOutput()
{
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
    if (fd_ < 0)
        return false;
    outputOffset_ = 0;
    outputSize_ = 0;
    outputError_ = 0;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kOutputBufferSize));
    format_->pb =
        buffer ? avio_alloc_context(buffer, kOutputBufferSize, 1, this, nullptr, &WriteOutput, &SeekOutput) : nullptr;
    if (!format_->pb) {
        av_free(buffer);
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

int FfmpegAviWriter::CloseOutput()
{
    int error = 0;
    if (format_ && format_->pb) {
        avio_flush(format_->pb);
        error = outputError_ != 0 ? outputError_ : format_->pb->error < 0 ? FfmpegSystemError(format_->pb->error) : 0;
        av_freep(&format_->pb->buffer);
        avio_context_free(&format_->pb);
    }
    if (fd_ >= 0) {
        if (::close(fd_) != 0 && error == 0)
            error = errno;
        fd_ = -1;
    }
    return error;
}

int FfmpegAviWriter::WriteOutput(void* opaque, std::uint8_t* data, int size)
{
    auto* writer = static_cast<FfmpegAviWriter*>(opaque);
    const int error = DiskSpaceReserve::WriteFully(writer->fd_, data, static_cast<std::size_t>(size),
                                                   writer->outputOffset_, &writer->reserve_);
    if (error != 0) {
        writer->outputError_ = error;
        return AVERROR(error);
    }
    writer->outputOffset_ += static_cast<std::uint64_t>(size);
    writer->outputSize_ = std::max(writer->outputSize_, writer->outputOffset_);
    return size;
}

std::int64_t FfmpegAviWriter::SeekOutput(void* opaque, std::int64_t offset, int whence)
{
    auto* writer = static_cast<FfmpegAviWriter*>(opaque);
    const auto size = static_cast<std::int64_t>(writer->outputSize_);
    std::int64_t position = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return size;
    case SEEK_SET:
        position = offset;
        break;
    case SEEK_CUR:
        position = static_cast<std::int64_t>(writer->outputOffset_) + offset;
        break;
    case SEEK_END:
        position = size + offset;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (position < 0)
        return AVERROR(EINVAL);
    writer->outputOffset_ = static_cast<std::uint64_t>(position);
    return position;
}

void FfmpegAviWriter::Release()
{
    if (format_) {
        CloseOutput();
        avformat_free_context(format_);
        format_ = nullptr;
    }
    stream_ = nullptr;
    headerWritten_ = false;
    avcodec_free_context(&encoder_);
    sws_freeContext(scaler_);
    scaler_ = nullptr;
    av_frame_free(&picture_);
    av_packet_free(&packet_);
}
