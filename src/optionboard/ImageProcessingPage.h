#pragma once

#include "controls/SettingsPage.h"
#include "optionboard/OptionBoardLink.h"
#include "optionboard/OptionState.h"

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;

// "Image processing": the user FPGA's processing mode, split screen,
// binarize threshold, edge level, frame memory and output control, written
// on port 1. The board cannot report them: the page shows what was last
// written in this run. Every control needs a camera with user FPGA enable
// set.
class ImageProcessingPage : public SettingsPage {
    Q_OBJECT
public:
    static constexpr int kThresholdMax = 4095;
    static constexpr int kEdgeLevelMax = 255;

    explicit ImageProcessingPage(OptionState& state, QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    void InitControls() override;

    QComboBox* ModeList() const { return mode_; }
    QComboBox* SplitScreenList() const { return splitScreen_; }
    QSlider* ThresholdSlider() const { return threshold_; }
    QSlider* EdgeLevelSlider() const { return edgeLevel_; }
    QLabel* ThresholdText() const { return thresholdText_; }
    QLabel* EdgeLevelText() const { return edgeLevelText_; }
    QComboBox* StillImageList() const { return stillImage_; }
    QComboBox* ZoomList() const { return zoom_; }
    QCheckBox* OutputControl(int pin) const { return outputControl_[pin]; }

private:
    void Change(const std::function<void(OptionState&)>& edit, OptionBoardLink::Write write);

    OptionState& state_;
    QGroupBox* binarizeGroup_;
    QGroupBox* edgeGroup_;
    QGroupBox* frameMemoryGroup_;
    QGroupBox* outputGroup_;
    QLabel* modeLabel_;
    QLabel* splitScreenLabel_;
    QLabel* thresholdLabel_;
    QLabel* edgeLevelLabel_;
    QLabel* stillImageLabel_;
    QLabel* zoomLabel_;
    QComboBox* mode_;
    QComboBox* splitScreen_;
    QSlider* threshold_;
    QLabel* thresholdText_;
    QSlider* edgeLevel_;
    QLabel* edgeLevelText_;
    QComboBox* stillImage_;
    QComboBox* zoom_;
    std::array<QCheckBox*, kOptionOutputCount> outputControl_{};
};
