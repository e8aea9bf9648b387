#pragma once

#include "controls/SettingsPage.h"

#include <cstdint>
#include <vector>

class DeepViewControls;
class FloatEditBinding;
class IntSpinBinding;
class QCheckBox;
class QComboBox;
class QLabel;

// "Other": camera settings (pixel format, smear half reduction, frame rate,
// binning mode, double speed mode and its tap, exposure shutter type, read-out
// reversal) and the program's own conversion settings (colour interpolation
// mirror mode and the view of deep grey samples, kept in the camera context). A pixel format change or a
// reversal runs with the preview stopped; on a Bayer camera a reversal keeps
// the pixel format within the same Bayer group.
class OtherPage : public SettingsPage {
    Q_OBJECT
public:
    explicit OtherPage(QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    void InitControls() override;

    // The Bayer group (four codes) that holds the pixel format; empty when
    // none does.
    static std::vector<uint32_t> BayerGroupOf(uint32_t pixelFormat);
    // Any Bayer code, the 16-bit ones included.
    static bool IsBayerFormat(uint32_t pixelFormat);

    int32_t RememberedReverseX() const { return reverseX_; }
    int32_t RememberedReverseY() const { return reverseY_; }

private:
    void ApplyEnablingRules();
    void ApplyBayerGroupRule();
    void OnPixelFormatChanged(int index);
    void OnReverseClicked(const char* feature, QCheckBox* box, int32_t& remembered);
    void OnInterpolationChanged(int index);
    void OnMirrorChanged(int index);

    EnumComboBinding* pixelFormat_;
    EnumComboBinding* smear_;
    FloatEditBinding* frameRate_;
    EnumComboBinding* binningMode_;
    EnumComboBinding* doubleSpeed_;
    IntSpinBinding* tap_;
    EnumComboBinding* shutterType_;
    QCheckBox* reverseXBox_;
    QCheckBox* reverseYBox_;
    QLabel* interpolationLabel_;
    QComboBox* interpolation_;
    QLabel* mirrorLabel_;
    QComboBox* mirror_;
    DeepViewControls* deepView_;
    int32_t pixelFormatValue_ = 0;
    int32_t reverseX_ = 0;
    int32_t reverseY_ = 0;
};
