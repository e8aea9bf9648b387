#include "capture/AviWriter.h"

#include "capture/FfmpegAviWriter.h"
#include "capture/Ffv1MkvWriter.h"
#include "capture/ImageSequenceWriter.h"
#include "capture/MotionJpegAviWriter.h"
#include "capture/OpenDmlAviWriter.h"
#include "capture/RecordingEstimates.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <new>

namespace {

constexpr int kMinQuality = 1;
constexpr int kMaxQuality = 100;
constexpr std::uint32_t kRateScale = 1000;
constexpr std::uint32_t kFallbackRate = 30 * kRateScale;
// Frame geometry the 16-bit frame rectangle of the stream header can carry.
constexpr int kMaxDimension = 65535;
// A frame must leave room for its chunk header and index entries in a 2 GB file.
constexpr std::uint64_t kMaxFrameSize = (std::uint64_t{1} << 31) - 4096;
// What closing a file writes at most per frame (an idx1 entry and an OpenDML
// standard index entry, with room to spare) and besides.
constexpr std::uint64_t kIndexBytesPerFrame = 32;
constexpr std::uint64_t kClosingReserve = std::uint64_t{1} << 20;
// An unplanned recording reserves the closing index for this many positions
// at a time.
constexpr std::uint64_t kReserveStepPositions = 65536;

std::uint64_t NowMs()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

bool IsImageSequence(std::uint32_t compressor)
{
    return compressor == kCompressorPngImages || compressor == kCompressorPng16Images ||
           compressor == kCompressorTiffImages || compressor == kCompressorTiff16Images;
}

std::string RecordingTargetPath(const std::string& path, std::uint32_t compressor)
{
    const std::filesystem::path chosen(path);
    if (IsImageSequence(compressor))
        return chosen.filename().empty() ? std::string() : (chosen.parent_path() / chosen.stem()).string();
    if (compressor == kCompressorFfv1) {
        std::string extension = chosen.extension().string();
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (extension == ".mkv")
            return path;
        return extension == ".avi" ? std::filesystem::path(chosen).replace_extension(".mkv").string() : std::string();
    }
    return HasAviExtension(path) ? path : std::string();
}

std::unique_ptr<AviWriter> AviWriter::Create(std::uint32_t compressor)
{
    if (compressor == kCompressorFfv1)
        return std::unique_ptr<AviWriter>(new (std::nothrow) Ffv1MkvWriter());
    if (IsImageSequence(compressor))
        return std::unique_ptr<AviWriter>(new (std::nothrow) ImageSequenceWriter(compressor));
    if (compressor == kCompressorMotionJpeg)
        return std::unique_ptr<AviWriter>(new (std::nothrow) MotionJpegAviWriter());
    if (compressor == kCompressorMotionJpegOpenDml)
        return std::unique_ptr<AviWriter>(new (std::nothrow) OpenDmlAviWriter());
    return std::unique_ptr<AviWriter>(new (std::nothrow) FfmpegAviWriter(compressor));
}

AviWriter::AviWriter(std::uint32_t compressor, AviFileKind kind, bool bottomUp)
    : compressor_(compressor),
      kind_(kind),
      bottomUp_(bottomUp)
{
}

// Derived writers close in their own destructors, while their file is still
// theirs; by now nothing is open.
AviWriter::~AviWriter() = default;

void AviWriter::SetQuality(int quality)
{
    quality_ = std::clamp(quality, kMinQuality, kMaxQuality);
}

void AviWriter::SetFrameRate(double framesPerSecond)
{
    scale_ = kRateScale;
    const double rate = std::floor(framesPerSecond * kRateScale);
    if (!std::isfinite(rate) || rate < 1.0)
        rate_ = kFallbackRate;
    else
        rate_ = static_cast<std::uint32_t>(std::min(rate, double(std::numeric_limits<std::int32_t>::max())));
}

std::uint32_t AviWriter::Open(int width, int height, int bitsPerPixel, bool notifyOnClose)
{
    std::lock_guard lock(mutex_);
    if (open_)
        return kAviCannotCreate;
    height = std::abs(height);
    if (width <= 0 || width > kMaxDimension || height == 0 || height > kMaxDimension ||
        (bitsPerPixel != 8 && bitsPerPixel != 24))
        return kAviCannotCreate;

    width_ = static_cast<std::uint32_t>(width);
    height_ = static_cast<std::uint32_t>(height);
    bytesPerPixel_ = static_cast<std::uint32_t>(bitsPerPixel / 8);
    const std::uint64_t packedRow = std::uint64_t{width_} * bytesPerPixel_;
    // Device-independent bitmap rows are padded to whole 32-bit words.
    const std::uint64_t stride = bottomUp_ ? (packedRow + 3) / 4 * 4 : packedRow;
    const std::uint64_t frameSize = stride * height_;
    if (frameSize > kMaxFrameSize)
        return kAviCannotCreate;
    rowStride_ = static_cast<std::uint32_t>(stride);
    frameSize_ = static_cast<std::uint32_t>(frameSize);
    if (copiesFrames_) {
        frameBuffer_.reset(new (std::nothrow) std::uint8_t[frameSize_]());
        if (!frameBuffer_)
            return kAviOutOfMemory;
    }

    lastPosition_ = -1;
    framesWritten_ = 0;
    complete_ = false;
    end_ = AviEnd::Open;
    writeError_ = 0;
    // Without a reserve (a file system that cannot hold one, or too little
    // space for it) the recording still runs; a full disk may then leave the
    // file without its index.
    reservedPositions_ = plannedFrames_ == kUnplannedFrames ? kReserveStepPositions : plannedFrames_;
    const std::uint64_t closingBytes = reservedPositions_ * kIndexBytesPerFrame + kClosingReserve;
    reserve_.Hold(path_.parent_path(), frameSize_ + std::min(closingBytes, kMaxFrameSize));
    const std::uint32_t result = OpenFile();
    if (result != kAviOk) {
        frameBuffer_.reset();
        reserve_.Release();
        return result;
    }
    open_ = true;
    notifyOnClose_ = notifyOnClose;
    return kAviOk;
}

bool AviWriter::AddFrame(std::uint32_t frameNumber, const FrameView& frame)
{
    frame_ = &frame;
    const bool complete = AddFrame(frameNumber, frame.pixels);
    frame_ = nullptr;
    return complete;
}

bool AviWriter::AddFrame(std::uint32_t frameNumber, const std::uint8_t* pixels)
{
    std::lock_guard lock(mutex_);
    if (!open_ || complete_ || !pixels)
        return true;
    const std::uint64_t now = NowMs();
    if (framesWritten_ == 0) {
        firstFrameNumber_ = frameNumber;
        startMs_ = now;
    }
    // Frame numbers that never reach the writer leave gaps in the positions.
    const std::uint32_t position = frameNumber - firstFrameNumber_;
    // A position at or before the last one means the frame counter started
    // again; the plan then cannot continue without breaking the index.
    if (std::uint64_t{position} + 1 > plannedFrames_ || std::int64_t{position} <= lastPosition_) {
        complete_ = true;
        end_ = std::int64_t{position} <= lastPosition_ ? AviEnd::CounterRestarted : AviEnd::Planned;
        return true;
    }

    if (copiesFrames_)
        CopyFrame(pixels);
    // Writers that read frame_ get at least the converted pixels.
    const FrameView converted{pixels, Width(), Height(), BytesPerPixel()};
    const FrameView* given = frame_;
    if (!frame_)
        frame_ = &converted;
    const int written = WriteFrame(position, lastPosition_);
    frame_ = given;
    if (const int error = written; error != 0) {
        complete_ = true;
        end_ = AviEnd::WriteFailed;
        writeError_ = error > 0 ? error : EIO;
        return true;
    }
    lastPosition_ = position;
    lastFrameMs_ = now;
    ++framesWritten_;
    if (reserve_.RanOut() || !KeepClosingReserve(position + 1)) {
        // This frame took the reserve; closing needs the rest of it.
        complete_ = true;
        end_ = AviEnd::WriteFailed;
        writeError_ = ENOSPC;
    } else if (std::uint64_t{position} + 1 >= plannedFrames_) {
        complete_ = true;
        end_ = AviEnd::Planned;
    }
    return complete_;
}

std::uint32_t AviWriter::Close()
{
    std::lock_guard lock(mutex_);
    if (!open_)
        return kAviOk;
    const std::uint32_t result = CloseFile();
    open_ = false;
    frameBuffer_.reset();
    reserve_.Release();
    if (notifyOnClose_) {
        notifyOnClose_ = false;
        if (closeNotice_)
            closeNotice_();
    }
    return result;
}

bool AviWriter::KeepClosingReserve(std::uint32_t positions)
{
    if (plannedFrames_ != kUnplannedFrames || positions < reservedPositions_ || !reserve_.IsHeld())
        return true;
    reservedPositions_ += kReserveStepPositions;
    const std::uint64_t closingBytes = reservedPositions_ * kIndexBytesPerFrame + kClosingReserve;
    return reserve_.Grow(frameSize_ + std::min(closingBytes, kMaxFrameSize));
}

std::uint32_t AviWriter::FinalRate() const
{
    if (lastPosition_ < 1)
        return rate_;
    const std::uint32_t measured =
        avi::MeasuredRate(static_cast<std::uint64_t>(lastPosition_), lastFrameMs_ - startMs_, scale_);
    return measured != 0 ? measured : rate_;
}

avi::StreamDescription AviWriter::DescribeStream() const
{
    avi::StreamDescription stream;
    stream.width = width_;
    stream.height = height_;
    stream.bytesPerPixel = bytesPerPixel_;
    // Until the file is closed, an unplanned recording claims no frames.
    stream.plannedFrames = plannedFrames_ == kUnplannedFrames ? 0 : plannedFrames_;
    stream.scale = scale_;
    stream.rate = rate_;
    stream.quality = static_cast<std::uint32_t>(quality_);
    return stream;
}

void AviWriter::CopyFrame(const std::uint8_t* pixels)
{
    const std::size_t packedRow = std::size_t{width_} * bytesPerPixel_;
    if (!bottomUp_) {
        std::memcpy(frameBuffer_.get(), pixels, packedRow * height_);
        return;
    }
    for (std::uint32_t y = 0; y < height_; ++y)
        std::memcpy(frameBuffer_.get() + std::size_t{height_ - 1 - y} * rowStride_, pixels + y * packedRow, packedRow);
}
