#pragma once

#include "controls/FeatureBinding.h"

class QLineEdit;

// A float feature in an edit box, shown with a fixed number of decimals
// ("%.02f" is 2). Enter writes the typed number (decimal point form; text
// without a leading number counts as 0) clamped to the feature's range, then
// shows the camera's value; leaving the edit without Enter shows the
// camera's value again.
class FloatEditBinding : public FeatureBinding {
    Q_OBJECT
public:
    FloatEditBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QLineEdit* edit, int decimals);

    void ShowValue() override;
    // The value last shown or written; -1 when it could not be read.
    double RememberedFloat() const { return rememberedFloat_; }
    QLineEdit* Edit() const { return edit_; }

private:
    void FocusLost() override;

    QLineEdit* edit_;
    int decimals_;
    double rememberedFloat_ = 0.0;
};
