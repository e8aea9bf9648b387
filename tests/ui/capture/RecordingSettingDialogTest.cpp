// The "Recording Setting" dialog driven through its widgets.
#include "capture/AviWriter.h"
#include "capturewindows/CRecordingFrameCount.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>

#include <gtest/gtest.h>

namespace {

const RecordingCameraInfo kGreyVga{640, 480, false, 30.0};

RecordingSettings Stored(std::uint32_t compressor, std::uint32_t frames, int quality = 75)
{
    RecordingSettings settings;
    settings.compressor = compressor;
    settings.frames = frames;
    settings.quality = quality;
    return settings;
}

int IndexOf(const QComboBox& box, const char* text)
{
    return box.findText(QString::fromLatin1(text));
}

std::string Text(const QLabel* label)
{
    return label->text().toStdString();
}

} // namespace

TEST(RecordingSettingDialog, StartsFromTheStoredSettings)
{
    CRecordingFrameCount dialog(kGreyVga, Stored(kCompressorUncompressed, 300), "/data/run.avi");
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Recording Setting");
    EXPECT_EQ(dialog.CompressionBox()->currentText().toStdString(), "Uncompressed");
    EXPECT_EQ(dialog.FrameSlider()->maximum(), 6989);
    EXPECT_EQ(dialog.FrameSlider()->value(), 300);
    EXPECT_EQ(Text(dialog.FrameLabel()), "Recorded Frame Setting:300");
    EXPECT_EQ(Text(dialog.QualityLabel()), "Quality:75");
    EXPECT_EQ(Text(dialog.FileSizeLabel()), "File Size:   92,169 KBytes");
    EXPECT_EQ(Text(dialog.TimeLabel()), "Recording Time:about 10.00sec");
    EXPECT_FALSE(dialog.QualitySlider()->isEnabled());
    EXPECT_FALSE(dialog.QualityLabel()->isEnabled());
    EXPECT_FALSE(dialog.RetryBox()->isChecked());
    EXPECT_TRUE(dialog.RepeatBox()->isHidden());
    EXPECT_TRUE(dialog.FileNameLabel()->isHidden());
    EXPECT_EQ(dialog.RepeatBox()->count(), 250);
    EXPECT_EQ(dialog.RepeatBox()->itemText(249).toStdString(), "250");
    EXPECT_FALSE(dialog.ContinueAfterLossBox()->isChecked());

    // The lost camera choice is kept between recordings, unlike the repeat.
    RecordingSettings continuing = Stored(kCompressorMotionJpeg, 300);
    continuing.continueAfterLoss = true;
    CRecordingFrameCount again(kGreyVga, continuing, "/data/run.avi");
    EXPECT_TRUE(again.ContinueAfterLossBox()->isChecked());
    again.ContinueAfterLossBox()->setChecked(false);
    EXPECT_FALSE(again.Settings().continueAfterLoss);
}

TEST(RecordingSettingDialog, CompressionChoiceSetsRangeAndQuality)
{
    CRecordingFrameCount dialog(kGreyVga, Stored(kCompressorMotionJpeg, 100000, 95), "/data/run.avi");
    EXPECT_EQ(dialog.CompressionBox()->currentText().toStdString(), "Motion JPEG");
    EXPECT_EQ(dialog.FrameSlider()->maximum(), 54000);
    // The stored count is clamped into the range.
    EXPECT_EQ(dialog.Settings().frames, 54000u);
    EXPECT_TRUE(dialog.QualitySlider()->isEnabled());
    EXPECT_EQ(Text(dialog.QualityLabel()), "Quality:95");
    // 28.43 % of round-down(307.2 × 54000) kilobytes.
    EXPECT_EQ(Text(dialog.FileSizeLabel()), "File Size:   4,716,195 KBytes");
    EXPECT_EQ(Text(dialog.TimeLabel()), "Recording Time:about 30min 0.00sec");

    dialog.CompressionBox()->setCurrentIndex(IndexOf(*dialog.CompressionBox(), "Motion JPEG (OpenDML)"));
    EXPECT_EQ(dialog.Settings().compressor, kCompressorMotionJpegOpenDml);
    EXPECT_EQ(dialog.FrameSlider()->maximum(), 216000);
    dialog.FrameSlider()->setValue(216000);
    EXPECT_EQ(Text(dialog.TimeLabel()), "Recording Time:about 2h 0min 0.00sec");

    dialog.CompressionBox()->setCurrentIndex(IndexOf(*dialog.CompressionBox(), "Uncompressed"));
    EXPECT_EQ(dialog.Settings().compressor, kCompressorUncompressed);
    EXPECT_EQ(dialog.FrameSlider()->maximum(), 6989);
    EXPECT_EQ(dialog.Settings().frames, 6989u);
    EXPECT_EQ(Text(dialog.FrameLabel()), "Recorded Frame Setting:6989");
    EXPECT_FALSE(dialog.QualitySlider()->isEnabled());

    dialog.CompressionBox()->setCurrentIndex(IndexOf(*dialog.CompressionBox(), "MS-MPEG4 V2"));
    EXPECT_EQ(dialog.Settings().compressor, kCompressorMsMpeg4V2);
    EXPECT_FALSE(dialog.QualitySlider()->isEnabled());
    EXPECT_EQ(dialog.FrameSlider()->maximum(), 54000);
}

TEST(RecordingSettingDialog, QualitySliderUpdatesEstimate)
{
    CRecordingFrameCount dialog(kGreyVga, Stored(kCompressorMotionJpeg, 300, 0), "/data/run.avi");
    EXPECT_EQ(dialog.Settings().quality, 1);
    dialog.QualitySlider()->setValue(85);
    EXPECT_EQ(dialog.Settings().quality, 85);
    EXPECT_EQ(Text(dialog.QualityLabel()), "Quality:85");
    // 11.99 % of 92,160 kilobytes.
    EXPECT_EQ(Text(dialog.FileSizeLabel()), "File Size:   11,049 KBytes");
}

TEST(RecordingSettingDialog, UnknownOrMissingCompressorSelectsTheFirst)
{
    CRecordingFrameCount unknown(kGreyVga, Stored(0x12345678, 300), "/data/run.avi");
    EXPECT_EQ(unknown.CompressionBox()->currentIndex(), 0);
    EXPECT_EQ(unknown.Settings().compressor, kCompressorUncompressed);
    CRecordingFrameCount noEncoder(kGreyVga, Stored(kCompressorMsMpeg4V1, 300), "/data/run.avi");
    EXPECT_EQ(noEncoder.Settings().compressor, kCompressorUncompressed);
}

TEST(RecordingSettingDialog, RetryNamesTheLastFile)
{
    CRecordingFrameCount dialog(kGreyVga, Stored(kCompressorMotionJpeg, 300), "/data/run.avi");
    dialog.RetryBox()->setChecked(true);
    EXPECT_FALSE(dialog.RepeatBox()->isHidden());
    EXPECT_FALSE(dialog.FileNameLabel()->isHidden());
    EXPECT_EQ(Text(dialog.FileNameLabel()), "run.avi");
    EXPECT_EQ(dialog.Settings().ExtraFiles(), 0);

    dialog.RepeatBox()->setCurrentIndex(IndexOf(*dialog.RepeatBox(), "3"));
    EXPECT_EQ(Text(dialog.FileNameLabel()), "run_3.avi");
    EXPECT_EQ(dialog.Settings().repeat, 3);
    EXPECT_EQ(dialog.Settings().ExtraFiles(), 2);

    dialog.RetryBox()->setChecked(false);
    EXPECT_TRUE(dialog.RepeatBox()->isHidden());
    EXPECT_EQ(dialog.Settings().ExtraFiles(), 0);
}

TEST(RecordingSettingDialog, UnreadableFrameRateKeepsTheDialogUsable)
{
    for (double rate : {0.0, -1.0, std::nan("")}) {
        CRecordingFrameCount dialog({1920, 1080, true, rate}, Stored(kCompressorMotionJpeg, 300), "/data/run.avi");
        EXPECT_EQ(dialog.FrameSlider()->maximum(), 54000) << rate;
        EXPECT_EQ(dialog.FrameSlider()->value(), 300) << rate;
        EXPECT_EQ(Text(dialog.TimeLabel()), "Recording Time:") << rate;
        dialog.FrameSlider()->setValue(1000);
        EXPECT_EQ(dialog.Settings().frames, 1000u);
        EXPECT_EQ(Text(dialog.FrameLabel()), "Recorded Frame Setting:1000");
    }
}

TEST(RecordingSettingDialog, UnreadableSizeKeepsTheDialogUsable)
{
    CRecordingFrameCount dialog({0, 0, false, 30.0}, Stored(kCompressorUncompressed, 300), "/data/run.avi");
    EXPECT_EQ(dialog.FrameSlider()->maximum(), 89478378); // 2147481080 / 24
    EXPECT_EQ(Text(dialog.FileSizeLabel()), "File Size:   9 KBytes");
}
