#pragma once

#include "camera/FrameRecorder.h"
#include "capture/AviLayout.h"
#include "capture/DiskSpaceReserve.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

// Results of opening a movie writer. Besides these, 8 means out of memory.
inline constexpr std::uint32_t kAviOk = 0;
inline constexpr std::uint32_t kAviOutOfMemory = 8;
// The output file could not be created, or a stream could not be made or formatted.
inline constexpr std::uint32_t kAviCannotCreate = 0xE0000009;
// No encoder exists for the chosen codec.
inline constexpr std::uint32_t kAviNoCompressor = 0xE000000A;
// The codec's encoder refuses this frame format.
inline constexpr std::uint32_t kAviCompressionUnsupported = 0xE000000B;
// The container library could not open the file.
inline constexpr std::uint32_t kAviCannotOpenFile = 0xE000000C;

// Compressor codes, as kept in the settings file.
inline constexpr std::uint32_t kCompressorUncompressed = 0;
inline constexpr std::uint32_t kCompressorMotionJpeg = MakeFourCC('M', 'J', 'P', 'G');
inline constexpr std::uint32_t kCompressorMotionJpegOpenDml = MakeFourCC('M', 'J', 'P', 'O');
inline constexpr std::uint32_t kCompressorMsMpeg4V1 = MakeFourCC('m', 'p', 'g', '4');
inline constexpr std::uint32_t kCompressorMsMpeg4V2 = MakeFourCC('m', 'p', '4', '2');
// Lossless FFV1 in Matroska, at the camera's own depth.
inline constexpr std::uint32_t kCompressorFfv1 = MakeFourCC('F', 'F', 'V', '1');
// Numbered PNG or TIFF images in a folder, at 8 or 16 bits.
inline constexpr std::uint32_t kCompressorPngImages = MakeFourCC('P', 'N', 'G', '8');
inline constexpr std::uint32_t kCompressorPng16Images = MakeFourCC('P', 'N', 'G', 'G');
inline constexpr std::uint32_t kCompressorTiffImages = MakeFourCC('T', 'I', 'F', '8');
inline constexpr std::uint32_t kCompressorTiff16Images = MakeFourCC('T', 'I', 'F', 'G');

// Whether the compressor writes numbered images into a folder rather than a movie file.
bool IsImageSequence(std::uint32_t compressor);
// The file (or folder) a recording with that compressor goes to for the path
// the user chose: FFV1 takes ".mkv" (a chosen ".avi" becomes ".mkv"), image
// sequences the path without its extension, the AVI writers ".avi". Empty
// when the path does not fit the compressor.
std::string RecordingTargetPath(const std::string& path, std::uint32_t compressor);

// A planned frame count for a recording that runs until it is stopped (or
// its file is full).
inline constexpr std::uint32_t kUnplannedFrames = 0xFFFFFFFF;

enum class AviFileKind { Plain = 1, OpenDml = 2 };

// How a recording file came to its end.
enum class AviEnd {
    // Still open for frames, or closed by its owner.
    Open,
    // Its planned frames are written.
    Planned,
    // The frame counter started again (the live image was restarted).
    CounterRestarted,
    // A write failed or the size limit was reached: WriteError() says why.
    WriteFailed,
};

// Where a file must stop growing, or start its next OpenDML part.
struct AviSizeLimits {
    std::uint64_t plainFile = std::uint64_t{1} << 31;
    std::uint64_t firstPart = std::uint64_t{1} << 30;
    std::uint64_t laterPart = std::uint64_t{1} << 31;
};

// A movie file being recorded frame by frame. The recording control creates a
// writer for the chosen compressor, sets it up, opens it, hands it every
// converted frame until AddFrame reports the recording complete, and then
// destroys it, which finalises the file.
class AviWriter {
public:
    using CloseNotice = std::function<void()>;

    // "MJPG" gives the plain Motion JPEG writer, "MJPO" the OpenDML one (whose
    // code then reads "MJPG"), any other code the container library's writer.
    static std::unique_ptr<AviWriter> Create(std::uint32_t compressor);

    virtual ~AviWriter();
    AviWriter(const AviWriter&) = delete;
    AviWriter& operator=(const AviWriter&) = delete;

    void SetPath(const std::filesystem::path& path) { path_ = path; }
    const std::filesystem::path& Path() const { return path_; }
    // kUnplannedFrames: until the writer is closed or the file is full.
    void SetPlannedFrames(std::uint32_t frames) { plannedFrames_ = frames; }
    // 1 to 100; values outside are clamped.
    void SetQuality(int quality);
    // The camera's frame rate; the file's rate is its thousandfold, rounded
    // down, over a scale of 1000. Zero, negative or unreadable rates fall back
    // to 30 frames per second so that no reader divides by zero.
    void SetFrameRate(double framesPerSecond);
    void SetSizeLimits(const AviSizeLimits& limits) { limits_ = limits; }
    // The camera's pixel format, for writers that keep the frames as sent.
    void SetSourceFormat(std::uint32_t pixelFormat) { sourceFormat_ = pixelFormat; }
    // Called when a writer opened with notifyOnClose is closed.
    void SetCloseNotice(CloseNotice notice) { closeNotice_ = std::move(notice); }

    // bitsPerPixel is 8 (grey) or 24 (blue, green, red). Gives kAviOk or an error code.
    std::uint32_t Open(int width, int height, int bitsPerPixel, bool notifyOnClose);
    // Adds the frame with the acquisition thread's frame number; pixels are rows
    // top to bottom, packed. Gives true when the recording is complete: the
    // planned frames are reached, the file is full, the frame counter went back,
    // or writing failed.
    bool AddFrame(std::uint32_t frameNumber, const std::uint8_t* pixels);
    // The same with the frame as the camera sent it at hand.
    bool AddFrame(std::uint32_t frameNumber, const FrameView& frame);
    // Finalises the file and notifies; the destructor does it when still open.
    std::uint32_t Close();

    std::uint32_t Compressor() const { return compressor_; }
    AviFileKind Kind() const { return kind_; }
    bool IsOpen() const { return open_; }
    std::uint32_t Rate() const { return rate_; }
    std::uint32_t Scale() const { return scale_; }
    std::uint32_t FramesWritten() const { return framesWritten_; }
    int Width() const { return static_cast<int>(width_); }
    int Height() const { return static_cast<int>(height_); }
    int BytesPerPixel() const { return static_cast<int>(bytesPerPixel_); }
    AviEnd End() const { return end_; }
    // The errno value of the failed write (EFBIG for the size limit).
    int WriteError() const { return writeError_; }

protected:
    AviWriter(std::uint32_t compressor, AviFileKind kind, bool bottomUp);

    // Creates the file and writes what precedes the frames.
    virtual std::uint32_t OpenFile() = 0;
    // Writes the frame buffer at `position`; positions between `previous` and
    // it were skipped. A non-zero result ends the recording without the frame
    // (EFBIG when it does not fit in the file).
    virtual int WriteFrame(std::uint32_t position, std::int64_t previous) = 0;
    // Writes the indexes and patches the header.
    virtual std::uint32_t CloseFile() = 0;

    // The frame rate measured from the first to the last written frame, or
    // the configured rate when there is no interval to measure.
    std::uint32_t FinalRate() const;
    // The stream as the Motion JPEG headers describe it.
    avi::StreamDescription DescribeStream() const;

    std::filesystem::path path_;
    std::uint32_t compressor_;
    AviFileKind kind_;
    std::uint32_t plannedFrames_ = 0;
    int quality_ = 75;
    std::uint32_t rate_ = 30000;
    std::uint32_t scale_ = 1000;
    AviSizeLimits limits_;

    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
    std::uint32_t bytesPerPixel_ = 3;
    std::uint32_t rowStride_ = 0;
    std::uint32_t frameSize_ = 0;
    std::unique_ptr<std::uint8_t[]> frameBuffer_;
    // Room for closing the file when the disk fills; the file writes use it.
    DiskSpaceReserve reserve_;
    // Position of the last frame written, -1 before the first.
    std::int64_t lastPosition_ = -1;
    std::uint32_t sourceFormat_ = 0;
    // The frame being added, during WriteFrame; null when only its converted pixels are known.
    const FrameView* frame_ = nullptr;
    // Writers that take the frame from frame_ need no copy into the frame buffer.
    bool copiesFrames_ = true;

private:
    void CopyFrame(const std::uint8_t* pixels);
    // The closing reserve of an unplanned recording grows with its frames;
    // false when the disk has no room left for it.
    bool KeepClosingReserve(std::uint32_t positions);

    const bool bottomUp_;
    CloseNotice closeNotice_;
    bool notifyOnClose_ = false;
    bool open_ = false;
    bool complete_ = false;
    AviEnd end_ = AviEnd::Open;
    int writeError_ = 0;
    std::uint32_t firstFrameNumber_ = 0;
    std::uint32_t framesWritten_ = 0;
    std::uint64_t startMs_ = 0;
    std::uint64_t lastFrameMs_ = 0;
    // Positions whose closing index the reserve covers.
    std::uint64_t reservedPositions_ = 0;
    std::mutex mutex_;
};
