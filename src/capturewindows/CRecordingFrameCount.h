#pragma once

#include "capture/RecordingEstimates.h"
#include "capture/RecordingSettings.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

// "Recording Setting": picks the compression, the quality and the number of
// frames of a movie, shows the estimated file size and recording time, and
// can repeat the recording into numbered files. Every change updates
// Settings(); OK only closes the dialog.
class CRecordingFrameCount : public QDialog {
    Q_OBJECT

public:
    CRecordingFrameCount(const RecordingCameraInfo& camera, const RecordingSettings& settings, const QString& path,
                         QWidget* parent = nullptr);

    const RecordingSettings& Settings() const { return settings_; }

    // The widgets, for tests that drive the dialog.
    QComboBox* CompressionBox() const { return compression_; }
    QSlider* QualitySlider() const { return qualitySlider_; }
    QSlider* FrameSlider() const { return frameSlider_; }
    QCheckBox* RetryBox() const { return retry_; }
    QComboBox* RepeatBox() const { return repeat_; }
    QCheckBox* ContinueAfterLossBox() const { return continueAfterLoss_; }
    QLabel* QualityLabel() const { return qualityLabel_; }
    QLabel* FrameLabel() const { return frameLabel_; }
    QLabel* FileSizeLabel() const { return fileSizeLabel_; }
    QLabel* TimeLabel() const { return timeLabel_; }
    QLabel* FileNameLabel() const { return fileNameLabel_; }

private:
    void BuildWidgets();
    // Recomputes the slider range and the estimates from the current choices.
    void UpdateEstimates();
    void UpdateRepeat();

    const QString path_;
    RecordingSettings settings_;
    std::vector<CompressionChoice> choices_;
    std::uint64_t frameBytes_ = 0;
    std::uint32_t uncompressedLimit_ = 0;
    bool frameRateKnown_ = false;
    float framesPerSecond_ = kFallbackSliderFrameRate;

    QComboBox* compression_ = nullptr;
    QLabel* qualityLabel_ = nullptr;
    QSlider* qualitySlider_ = nullptr;
    QLabel* frameLabel_ = nullptr;
    QSlider* frameSlider_ = nullptr;
    QLabel* fileSizeLabel_ = nullptr;
    QLabel* timeLabel_ = nullptr;
    QLabel* noteLabel_ = nullptr;
    QCheckBox* retry_ = nullptr;
    QComboBox* repeat_ = nullptr;
    QCheckBox* continueAfterLoss_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
};
