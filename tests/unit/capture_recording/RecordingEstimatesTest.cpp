// The recording setting's arithmetic and texts, the numbered file names and
// the kept settings.
#include "TempDir.h"

#include "capture/AviWriter.h"
#include "capture/RecordingEstimates.h"
#include "capture/RecordingSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

constexpr float kThirtyFps = 30.0f;

std::string ReadText(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TEST(RecordingEstimates, UncompressedGreyVgaFileSize)
{
    const std::uint64_t frameBytes = RecordingFrameBytes(640, 480, false);
    EXPECT_EQ(frameBytes, 307200u);
    // (307.2 + 0.024) × 300 + 2.568 = 92169.768
    EXPECT_EQ(EstimatedFileKBytes(kCompressorUncompressed, frameBytes, 300, 75), 92169u);
    EXPECT_EQ(FileSizeLabelText(92169).toStdString(), "File Size:   92,169 KBytes");
    EXPECT_EQ(RecordingFrameBytes(640, 480, true), 921600u);
    EXPECT_EQ(RecordingFrameBytes(0, 480, true), 0u);
    EXPECT_EQ(RecordingFrameBytes(640, -1, false), 0u);
}

TEST(RecordingEstimates, CompressedSizeFollowsTheQualityTable)
{
    EXPECT_NEAR(CompressedSizePercent(95), 28.43, 1e-9);
    EXPECT_NEAR(CompressedSizePercent(85), 11.99, 1e-9);
    EXPECT_NEAR(CompressedSizePercent(90), 15.55, 1e-9);
    EXPECT_NEAR(CompressedSizePercent(99), 72.17, 1e-9);
    EXPECT_NEAR(CompressedSizePercent(100), 100.0, 1e-9);
    EXPECT_NEAR(CompressedSizePercent(89), 8.43 + 9 * (15.55 - 8.43) / 10, 1e-9);
    EXPECT_NEAR(CompressedSizePercent(1), 2.803, 1e-9);
    // Out-of-range qualities are taken as 1 and 100.
    EXPECT_NEAR(CompressedSizePercent(0), 2.803, 1e-9);
    EXPECT_NEAR(CompressedSizePercent(250), 100.0, 1e-9);

    // 1920 × 1080 colour, 100 frames at quality 75: 6.965 % of 622,080 kB.
    const std::uint64_t frameBytes = RecordingFrameBytes(1920, 1080, true);
    EXPECT_EQ(EstimatedFileKBytes(kCompressorMotionJpeg, frameBytes, 100, 75), 43327u);
    EXPECT_EQ(EstimatedFileKBytes(kCompressorMotionJpegOpenDml, frameBytes, 100, 100), 622080u);
}

TEST(RecordingEstimates, FrameSliderTops)
{
    const std::uint32_t limit = UncompressedFrameLimit(RecordingFrameBytes(640, 480, false));
    EXPECT_EQ(limit, 6989u); // 2147481080 / 307224
    EXPECT_EQ(FrameSliderTop(kCompressorMotionJpeg, kThirtyFps, limit), 54000);
    EXPECT_EQ(FrameSliderTop(kCompressorMotionJpegOpenDml, kThirtyFps, limit), 216000);
    EXPECT_EQ(FrameSliderTop(kCompressorMsMpeg4V2, kThirtyFps, limit), 54000);
    EXPECT_EQ(FrameSliderTop(kCompressorUncompressed, kThirtyFps, limit), 6989);
    // Never an empty range, never past what a slider holds.
    EXPECT_EQ(FrameSliderTop(kCompressorMotionJpeg, 1e-6f, limit), 1);
    EXPECT_EQ(FrameSliderTop(kCompressorMotionJpeg, 1e9f, limit), std::numeric_limits<int>::max());
    EXPECT_EQ(FrameSliderTop(kCompressorUncompressed, kThirtyFps, UncompressedFrameLimit(8000000000ull)), 1);
}

TEST(RecordingEstimates, UnusableFrameRates)
{
    float fps = 0.0f;
    EXPECT_TRUE(UsableFrameRate(29.97, fps));
    EXPECT_FLOAT_EQ(fps, 29.97f);
    EXPECT_FALSE(UsableFrameRate(0.0, fps));
    EXPECT_FALSE(UsableFrameRate(-5.0, fps));
    EXPECT_FALSE(UsableFrameRate(std::nan(""), fps));
    EXPECT_FALSE(UsableFrameRate(std::numeric_limits<double>::infinity(), fps));
    EXPECT_FALSE(UsableFrameRate(1e300, fps));  // infinite in single precision
    EXPECT_FALSE(UsableFrameRate(1e-300, fps)); // zero in single precision
}

TEST(RecordingEstimates, RecordingTimeTexts)
{
    EXPECT_EQ(RecordingTimeLabelText(10.0).toStdString(), "Recording Time:about 10.00sec");
    EXPECT_EQ(RecordingTimeLabelText(3725.5).toStdString(), "Recording Time:about 1h 2min 5.50sec");
    EXPECT_EQ(RecordingTimeLabelText(125.25).toStdString(), "Recording Time:about 2min 5.25sec");
    EXPECT_EQ(RecordingTimeLabelText(3600.0).toStdString(), "Recording Time:about 1h 0min 0.00sec");
    EXPECT_EQ(RecordingTimeLabelText(0.0).toStdString(), "Recording Time:about 0.00sec");
    EXPECT_EQ(RecordingTimeLabelText(-1.0).toStdString(), "Recording Time:");
    EXPECT_EQ(RecordingTimeLabelText(std::numeric_limits<double>::infinity()).toStdString(), "Recording Time:");
}

TEST(RecordingEstimates, LabelTexts)
{
    EXPECT_EQ(QualityLabelText(75).toStdString(), "Quality:75");
    EXPECT_EQ(FrameCountLabelText(4000000000u).toStdString(), "Recorded Frame Setting:4000000000");
    EXPECT_EQ(GroupThousands(0), "0");
    EXPECT_EQ(GroupThousands(999), "999");
    EXPECT_EQ(GroupThousands(1000), "1,000");
    EXPECT_EQ(GroupThousands(123456), "123,456");
    EXPECT_EQ(GroupThousands(1234567), "1,234,567");
    EXPECT_EQ(GroupThousands(std::numeric_limits<std::uint64_t>::max()), "18,446,744,073,709,551,615");
}

TEST(RecordingEstimates, CompressionChoices)
{
    const std::vector<CompressionChoice> choices = AvailableCompressionChoices();
    ASSERT_GE(choices.size(), 3u);
    EXPECT_EQ(choices[0].text.toStdString(), "Uncompressed");
    EXPECT_EQ(choices[0].compressor, kCompressorUncompressed);
    EXPECT_EQ(choices[1].text.toStdString(), "Motion JPEG");
    EXPECT_EQ(choices[1].compressor, kCompressorMotionJpeg);
    EXPECT_EQ(choices[2].text.toStdString(), "Motion JPEG (OpenDML)");
    EXPECT_EQ(choices[2].compressor, kCompressorMotionJpegOpenDml);
    // FFmpeg encodes MS-MPEG4 V2 but has no V1 encoder; FFV1 and the numbered images follow.
    std::vector<std::uint32_t> codecs;
    for (std::size_t i = 3; i < choices.size(); ++i)
        codecs.push_back(choices[i].compressor);
    EXPECT_EQ(codecs,
              (std::vector<std::uint32_t>{kCompressorMsMpeg4V2, kCompressorFfv1, kCompressorPngImages,
                                          kCompressorPng16Images, kCompressorTiffImages, kCompressorTiff16Images}));
    // The path each writes to for a chosen name.
    EXPECT_EQ(RecordingTargetPath("/d/run.avi", kCompressorFfv1), "/d/run.mkv");
    EXPECT_EQ(RecordingTargetPath("/d/run.MKV", kCompressorFfv1), "/d/run.MKV");
    EXPECT_EQ(RecordingTargetPath("/d/run.txt", kCompressorFfv1), "");
    EXPECT_EQ(RecordingTargetPath("/d/run.avi", kCompressorTiff16Images), "/d/run");
    EXPECT_EQ(RecordingTargetPath("/d/run.mkv", kCompressorMotionJpeg), "");
    EXPECT_TRUE(CompressorUsesQuality(kCompressorMotionJpeg));
    EXPECT_TRUE(CompressorUsesQuality(kCompressorMotionJpegOpenDml));
    EXPECT_FALSE(CompressorUsesQuality(kCompressorUncompressed));
    EXPECT_FALSE(CompressorUsesQuality(kCompressorMsMpeg4V2));
}

TEST(RecordingFileNames, NumberedFiles)
{
    EXPECT_EQ(NumberedRecordingPath("/data/run.avi", 1), "/data/run_1.avi");
    EXPECT_EQ(NumberedRecordingPath("/data/run.avi", 250), "/data/run_250.avi");
    EXPECT_EQ(NumberedRecordingPath("/data.d/take.2.AVI", 3), "/data.d/take.2_3.AVI");
    EXPECT_EQ(RecordingFileNameLabel("/data/run.avi", 1).toStdString(), "run.avi");
    EXPECT_EQ(RecordingFileNameLabel("/data/run.avi", 3).toStdString(), "run_3.avi");
    EXPECT_EQ(RecordingFileNameLabel("/data/run", 2).toStdString(), "run_2");
}

TEST(RecordingFileNames, OnlyAviExtensions)
{
    EXPECT_TRUE(HasAviExtension("/data/run.avi"));
    EXPECT_TRUE(HasAviExtension("/data/run.AvI"));
    EXPECT_FALSE(HasAviExtension("/data/run"));
    EXPECT_FALSE(HasAviExtension("/data/run."));
    EXPECT_FALSE(HasAviExtension("/data/run.a"));
    EXPECT_FALSE(HasAviExtension("/data/run.av"));
    EXPECT_FALSE(HasAviExtension("/data/run.avix"));
    EXPECT_FALSE(HasAviExtension("/data.avi/run"));
    EXPECT_FALSE(HasAviExtension("/data/run.mp4"));
}

TEST(RecordingSettingsFile, DefaultsAndRoundTrip)
{
    TempDir dir;
    const std::string path = dir.file("lumivex.dat");
    RecordingSettings settings = ReadRecordingSettings(path);
    EXPECT_EQ(settings.frames, 300u);
    EXPECT_EQ(settings.compressor, 0u);
    EXPECT_EQ(settings.quality, 75);
    EXPECT_FALSE(settings.continueAfterLoss);

    settings.frames = 54000;
    settings.compressor = kCompressorMotionJpegOpenDml;
    settings.quality = 95;
    settings.continueAfterLoss = true;
    ASSERT_TRUE(WriteRecordingSettings(path, settings));
    const std::string text = ReadText(path);
    EXPECT_NE(text.find("FrameCount=54000"), std::string::npos) << text;
    EXPECT_NE(text.find("Compressor=" + std::to_string(kCompressorMotionJpegOpenDml)), std::string::npos) << text;
    EXPECT_NE(text.find("Quality=95"), std::string::npos) << text;
    EXPECT_NE(text.find("ContinueAfterLostCamera=1"), std::string::npos) << text;

    const RecordingSettings read = ReadRecordingSettings(path);
    EXPECT_EQ(read.frames, 54000u);
    EXPECT_EQ(read.compressor, kCompressorMotionJpegOpenDml);
    EXPECT_EQ(read.quality, 95);
    EXPECT_TRUE(read.continueAfterLoss);
}

TEST(RecordingSettingsFile, DamagedValues)
{
    TempDir dir;
    const std::string path = dir.file("lumivex.dat");
    {
        std::ofstream file(path);
        file << "[Recording]\nFrameCount=lots\nCompressor=4294967295\nQuality=0\n";
    }
    RecordingSettings settings = ReadRecordingSettings(path);
    EXPECT_EQ(settings.frames, 300u);
    EXPECT_EQ(settings.compressor, 4294967295u);
    EXPECT_EQ(settings.quality, 1);
    {
        std::ofstream file(path);
        file << "[Recording]\nQuality=5000000000\n";
    }
    EXPECT_EQ(ReadRecordingSettings(path).quality, 75);
    {
        std::ofstream file(path);
        file << "[Recording]\nQuality=101\n";
    }
    EXPECT_EQ(ReadRecordingSettings(path).quality, 100);
}
