#pragma once

#include "controls/FeatureBinding.h"

class QSpinBox;

// An integer feature in an edit box with spin buttons (QSpinBox).
// Show: the spin takes the feature's range (a fallback range when it cannot
// be read) and the value. A spin step or Enter writes the number, clamped to
// the spin's range but not rounded to the increment, and reads the camera's
// value back into the spin; leaving the box without Enter puts the
// remembered value back.
class IntSpinBinding : public FeatureBinding {
    Q_OBJECT
public:
    IntSpinBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QSpinBox* spin, int32_t fallbackMin,
                   int32_t fallbackMax);

    void ShowValue() override;
    QSpinBox* Spin() const { return spin_; }

signals:
    // After the camera's value was read and shown.
    void shown(int32_t value);

private:
    void Write(int32_t value);
    void FocusLost() override;

    QSpinBox* spin_;
    int32_t fallbackMin_;
    int32_t fallbackMax_;
};
