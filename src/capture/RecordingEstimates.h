#pragma once

// The arithmetic behind the recording setting dialog and the numbered movie
// files: frame sizes, slider limits, file size and recording time estimates
// with their label texts, and file names. No widgets, so tests drive it.

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kMinRecordingQuality = 1;
inline constexpr int kMaxRecordingQuality = 100;
inline constexpr int kDefaultRecordingQuality = 75;
inline constexpr std::uint32_t kDefaultRecordingFrames = 300;
// The "Retry" drop-down offers 1 to this many files.
inline constexpr int kMaxRecordingRepeat = 250;

// One entry of the compression drop-down.
struct CompressionChoice {
    QString text;
    std::uint32_t compressor = 0;
};

// Uncompressed, Motion JPEG and Motion JPEG (OpenDML) always; the MS-MPEG4
// codecs only where an encoder for them exists.
std::vector<CompressionChoice> AvailableCompressionChoices();

// Quality as the dialog and the writers take it: 0 and below give 1, above
// 100 gives 100.
int ClampRecordingQuality(int quality);

// Bytes of one converted frame: width × height, three times that for colour
// frames. 0 for an unusable size.
std::uint64_t RecordingFrameBytes(int width, int height, bool colour);

// The most frames an uncompressed file of frames this large holds (2 GB less
// the file's overhead, 24 bytes of chunk header and index per frame).
std::uint32_t UncompressedFrameLimit(std::uint64_t frameBytes);

// The camera's frame rate as the estimates use it: single precision, and
// false for a rate of zero, below zero or not a number, which gives no time.
bool UsableFrameRate(double cameraRate, float& framesPerSecond);
// The rate that sizes the frame slider when the camera's is not usable.
inline constexpr float kFallbackSliderFrameRate = 30.0f;

// Top of the frame-count slider: 30 minutes of frames for compressed choices,
// 120 minutes for Motion JPEG (OpenDML), the uncompressed limit otherwise.
// Never below 1.
int FrameSliderTop(std::uint32_t compressor, float framesPerSecond, std::uint32_t uncompressedLimit);

// Only the own Motion JPEG writers use the quality setting.
bool CompressorUsesQuality(std::uint32_t compressor);

// Compressed file size as a percentage of the raw frames for a quality of
// 1 to 100: measured values, interpolated between the tens below 90.
double CompressedSizePercent(int quality);
// Estimated file size in kilobytes (1000 bytes).
std::uint64_t EstimatedFileKBytes(std::uint32_t compressor, std::uint64_t frameBytes, std::uint32_t frames,
                                  int quality);

// Decimal digits grouped in threes by ",": 1234567 gives "1,234,567".
std::string GroupThousands(std::uint64_t value);

// The dialog's label texts.
QString QualityLabelText(int quality);
QString FrameCountLabelText(std::uint32_t frames);
QString FileSizeLabelText(std::uint64_t kiloBytes);
// "Recording Time:about 1h 2min 5.50sec", without hours or minutes when there
// are none; the bare "Recording Time:" for a negative or non-finite time.
QString RecordingTimeLabelText(double seconds);

// Whether the path's extension is "avi", in any case.
bool HasAviExtension(const std::string& path);
// The path of numbered file `number` of a repeated recording: run.avi gives
// run_1.avi, run_2.avi, ...
std::string NumberedRecordingPath(const std::string& path, int number);
// The file name the dialog shows: the last file a repeat of `repeat` files writes.
QString RecordingFileNameLabel(const QString& path, int repeat);
