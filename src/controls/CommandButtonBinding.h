#pragma once

#include "controls/FeatureBinding.h"

class QPushButton;

// A command feature on a push button: a click executes it.
class CommandButtonBinding : public FeatureBinding {
    Q_OBJECT
public:
    // The row's label text, when given, becomes the button's text; its
    // tooltip goes on the button.
    CommandButtonBinding(BindingOwner& owner, const FeatureRow& row, QPushButton* button);

    void Init() override;
    // A command has nothing to show.
    void ShowValue() override {}
    QPushButton* Button() const { return button_; }

signals:
    // After each click, with whether the camera executed the command.
    void executed(bool ok);

private:
    QPushButton* button_;
    const char* text_;
};
