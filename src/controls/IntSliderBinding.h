#pragma once

#include "controls/FeatureBinding.h"

class QLineEdit;
class QSlider;

// An integer feature on a slider with a numeric edit box.
// Show: the slider takes the feature's range, the increment as its page
// step and the value as its position; the edit shows the value in decimal.
// Every slider movement (dragging included) writes the position clamped to
// the range and rounded down to the increment, then shows the camera's value.
// Enter in the edit writes the typed number the same way (text without a
// leading number counts as 0); leaving the edit without Enter shows the
// camera's value again, discarding what was typed.
class IntSliderBinding : public FeatureBinding {
    Q_OBJECT
public:
    IntSliderBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QSlider* slider, QLineEdit* edit);

    void Show() override;
    // Writes the value clamped and rounded down to the increment, then shows
    // the camera's value. Gives whether the camera took the write.
    bool WriteClamped(int32_t value);

    QSlider* Slider() const { return slider_; }
    QLineEdit* Edit() const { return edit_; }

signals:
    // After the camera's value was read and shown.
    void shown(int32_t value);

private:
    void FocusLost() override;

    QSlider* slider_;
    QLineEdit* edit_;
};
