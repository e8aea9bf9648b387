#pragma once

#include "controls/SettingsPage.h"

class EnumComboBinding;
class IntSliderBinding;
class QLabel;
class QPushButton;
class ShutterControls;
class ValueComboBinding;

// "Gain/Shutter": gain, exposure and the automatic light control (automatic
// gain and shutter, iris lens, the loop's limits and target), digital gain
// and black level. "Weight" opens the ALC area dialog.
class GainShutterPage : public SettingsPage {
    Q_OBJECT
public:
    explicit GainShutterPage(QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    void InitControls() override;

private:
    // Whether an optional lens feature is offered, checked once per camera.
    enum class Availability { NotChecked, Available, Unavailable };

    void CheckAvailability();
    void ApplyEnablingRules();
    void ShowDecibels(int32_t gain);
    void OpenAreaDialog();

    EnumComboBinding* gainAuto_;
    ValueComboBinding* exposureAuto_;
    EnumComboBinding* exposureMode_;
    ValueComboBinding* irisLens_;
    ValueComboBinding* lensAdjustment_;
    ValueComboBinding* priority_;
    IntSliderBinding* gain_;
    ShutterControls* shutter_;
    IntSliderBinding* agcRange_;
    IntSliderBinding* minShutter_;
    IntSliderBinding* maxShutter_;
    IntSliderBinding* target_;
    IntSliderBinding* peakAverage_;
    IntSliderBinding* digitalGain_;
    IntSliderBinding* blackLevel_;
    QLabel* decibels_;
    QLabel* peakAverageRatio_;
    QPushButton* weight_;
    Availability irisAvailable_ = Availability::NotChecked;
    Availability lensAvailable_ = Availability::NotChecked;
};
