#include "capture/RecordingEstimates.h"

#include "capture/AviWriter.h"
#include "capture/FfmpegAviWriter.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string_view>

namespace {

constexpr const char* kContext = "CRecordingFrameCount";

// The largest file the uncompressed writer makes, less its fixed overhead.
constexpr std::uint64_t kUncompressedFileBudget = 2147481080;
constexpr std::uint64_t kBytesPerFrameRecord = 24;
constexpr double kBytesPerKiloByte = 1000.0;
constexpr double kKiloBytesPerFrameRecord = 0.024;
constexpr double kFileOverheadKiloBytes = 2.568;

constexpr double kCompressedMinutes = 30.0;
constexpr double kOpenDmlMinutes = 120.0;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kSecondsPerHour = 3600.0;

// Compressed size in percent of the raw frames at quality 0, 10, ... 90, and
// at every quality from 90 to 100.
constexpr std::array<double, 10> kPercentByTens = {2.8, 2.83, 3.0, 3.1, 3.27, 3.75, 4.4, 5.5, 8.43, 15.55};
constexpr int kFirstMeasuredQuality = 90;
constexpr std::array<double, 11> kPercentAbove90 = {15.55, 17.71, 18.86, 22.31, 24.78, 28.43,
                                                    32.79, 40.2,  50.26, 72.17, 100.0};

struct ChoiceEntry {
    const char* text;
    std::uint32_t compressor;
    bool alwaysOffered;
};

constexpr std::array<ChoiceEntry, 10> kChoices = {{
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "Uncompressed"), kCompressorUncompressed, true},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "Motion JPEG"), kCompressorMotionJpeg, true},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "Motion JPEG (OpenDML)"), kCompressorMotionJpegOpenDml, true},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "MS-MPEG4 V1"), kCompressorMsMpeg4V1, false},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "MS-MPEG4 V2"), kCompressorMsMpeg4V2, false},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "FFV1 lossless, full depth (.mkv)"), kCompressorFfv1, false},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "Numbered images: PNG, 8 bits"), kCompressorPngImages, true},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "Numbered images: PNG, 16 bits"), kCompressorPng16Images, true},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "Numbered images: TIFF, 8 bits"), kCompressorTiffImages, true},
    {QT_TRANSLATE_NOOP("CRecordingFrameCount", "Numbered images: TIFF, 16 bits"), kCompressorTiff16Images, true},
}};

int ToSliderValue(double frames)
{
    if (!(frames >= 1.0))
        return 1;
    return static_cast<int>(std::min(std::floor(frames), double(std::numeric_limits<int>::max())));
}

} // namespace

std::vector<CompressionChoice> AvailableCompressionChoices()
{
    std::vector<CompressionChoice> choices;
    for (const ChoiceEntry& entry : kChoices) {
        if (entry.alwaysOffered || FfmpegAviWriter::IsCompressorAvailable(entry.compressor))
            choices.push_back({QCoreApplication::translate(kContext, entry.text), entry.compressor});
    }
    return choices;
}

int ClampRecordingQuality(int quality)
{
    return std::clamp(quality, kMinRecordingQuality, kMaxRecordingQuality);
}

std::uint64_t RecordingFrameBytes(int width, int height, bool colour)
{
    if (width <= 0 || height <= 0)
        return 0;
    const std::uint64_t pixels = std::uint64_t(width) * std::uint64_t(height);
    return colour ? pixels * 3 : pixels;
}

std::uint32_t UncompressedFrameLimit(std::uint64_t frameBytes)
{
    return static_cast<std::uint32_t>(kUncompressedFileBudget / (frameBytes + kBytesPerFrameRecord));
}

bool UsableFrameRate(double cameraRate, float& framesPerSecond)
{
    const float rate = static_cast<float>(cameraRate);
    if (!std::isfinite(rate) || !(rate > 0.0f))
        return false;
    framesPerSecond = rate;
    return true;
}

int FrameSliderTop(std::uint32_t compressor, float framesPerSecond, std::uint32_t uncompressedLimit)
{
    if (compressor == kCompressorUncompressed)
        return ToSliderValue(uncompressedLimit);
    const double minutes = compressor == kCompressorMotionJpegOpenDml ? kOpenDmlMinutes : kCompressedMinutes;
    return ToSliderValue(double(framesPerSecond) * kSecondsPerMinute * minutes);
}

bool CompressorUsesQuality(std::uint32_t compressor)
{
    return compressor == kCompressorMotionJpeg || compressor == kCompressorMotionJpegOpenDml;
}

double CompressedSizePercent(int quality)
{
    const int q = ClampRecordingQuality(quality);
    if (q >= kFirstMeasuredQuality)
        return kPercentAbove90[static_cast<std::size_t>(q - kFirstMeasuredQuality)];
    const auto tens = static_cast<std::size_t>(q / 10);
    const double low = kPercentByTens[tens];
    const double high = kPercentByTens[tens + 1];
    return low + (q % 10) * (high - low) / 10.0;
}

std::uint64_t EstimatedFileKBytes(std::uint32_t compressor, std::uint64_t frameBytes, std::uint32_t frames, int quality)
{
    const double kiloBytesPerFrame = double(frameBytes) / kBytesPerKiloByte;
    if (compressor == kCompressorUncompressed)
        return static_cast<std::uint64_t>(
            std::floor((kiloBytesPerFrame + kKiloBytesPerFrameRecord) * frames + kFileOverheadKiloBytes));
    // Lossless: at most the frames' own size.
    if (compressor == kCompressorFfv1 || IsImageSequence(compressor))
        return static_cast<std::uint64_t>(std::floor(kiloBytesPerFrame * frames));
    const double raw = std::floor(kiloBytesPerFrame * frames);
    return static_cast<std::uint64_t>(std::floor(CompressedSizePercent(quality) * raw / 100.0));
}

std::string GroupThousands(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

// The context is spelled out in each call below so that lupdate collects the texts.
QString QualityLabelText(int quality)
{
    return QCoreApplication::translate("CRecordingFrameCount", "Quality:%1").arg(quality);
}

QString FrameCountLabelText(std::uint32_t frames)
{
    return QCoreApplication::translate("CRecordingFrameCount", "Recorded Frame Setting:%1").arg(frames);
}

QString FileSizeLabelText(std::uint64_t kiloBytes)
{
    return QCoreApplication::translate("CRecordingFrameCount", "File Size:   %1 KBytes")
        .arg(QString::fromStdString(GroupThousands(kiloBytes)));
}

QString RecordingTimeLabelText(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0.0)
        return QCoreApplication::translate("CRecordingFrameCount", "Recording Time:");
    const double hours = std::floor(seconds / kSecondsPerHour);
    seconds -= hours * kSecondsPerHour;
    const double minutes = std::floor(seconds / kSecondsPerMinute);
    seconds -= minutes * kSecondsPerMinute;
    const auto wholeHours = static_cast<qulonglong>(hours);
    const auto wholeMinutes = static_cast<qulonglong>(minutes);
    if (wholeHours > 0)
        return QCoreApplication::translate("CRecordingFrameCount", "Recording Time:about %1h %2min %3sec")
            .arg(wholeHours)
            .arg(wholeMinutes)
            .arg(seconds, 0, 'f', 2);
    if (wholeMinutes > 0)
        return QCoreApplication::translate("CRecordingFrameCount", "Recording Time:about %1min %2sec")
            .arg(wholeMinutes)
            .arg(seconds, 0, 'f', 2);
    return QCoreApplication::translate("CRecordingFrameCount", "Recording Time:about %1sec").arg(seconds, 0, 'f', 2);
}

bool HasAviExtension(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    constexpr std::string_view kAvi = ".avi";
    return extension.size() == kAvi.size() &&
           std::equal(extension.begin(), extension.end(), kAvi.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::string NumberedRecordingPath(const std::string& path, int number)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    const std::string stem = path.substr(0, path.size() - extension.size());
    return stem + "_" + std::to_string(number) + extension;
}

QString RecordingFileNameLabel(const QString& path, int repeat)
{
    const std::string name = std::filesystem::path(path.toStdString()).filename().string();
    return QString::fromStdString(repeat > 1 ? NumberedRecordingPath(name, repeat) : name);
}
