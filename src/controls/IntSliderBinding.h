#pragma once

#include "controls/FeatureBinding.h"

class QLineEdit;
class QSlider;

// A numeric feature on a slider with a numeric edit box.
// Show: the slider takes the feature's range, the increment as its page
// step and the value as its position; the edit shows the value in decimal.
// Every slider movement (dragging included) writes the position clamped to
// the range and rounded down to the increment, then shows the camera's value.
// Enter in the edit writes the typed number the same way (text without a
// leading number counts as 0); leaving the edit without Enter shows the
// camera's value again, discarding what was typed.
//
// A float feature (a standard camera's Gain or ExposureTime) works the same
// way in steps of its shown decimals: as many as its range needs for about a
// thousand slider steps, at most three.
class IntSliderBinding : public FeatureBinding {
    Q_OBJECT
public:
    IntSliderBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QSlider* slider, QLineEdit* edit);

    // Writes the value clamped (and, for an integer feature, rounded down to
    // the increment), then shows the camera's value. Gives whether the camera
    // took the write. A value the camera takes otherwise is noted.
    bool WriteClamped(double value);

    QSlider* Slider() const { return slider_; }
    QLineEdit* Edit() const { return edit_; }
    // Whether the bound feature is a float, and its value as last shown.
    bool IsFloat() const { return decimals_ >= 0; }
    double ShownValue() const { return shownValue_; }

signals:
    // After the camera's value was read and shown (a float rounded).
    void shown(int32_t value);

private:
    void ShowValue() override;
    void FocusLost() override;
    void ShowFloat();
    QString Text(double value) const;
    double SliderValue(int position) const;

    QSlider* slider_;
    QLineEdit* edit_;
    // Decimals of a float feature; -1 for an integer one.
    int decimals_ = -1;
    double shownValue_ = 0.0;
};
