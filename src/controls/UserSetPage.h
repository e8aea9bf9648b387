#pragma once

#include "controls/SettingsPage.h"

class CommandButtonBinding;
class QLabel;
class QPushButton;

// "UserSet": selects a stored settings set, loads it into the camera, saves
// the camera's settings into it (not into set 0, the factory default) and
// chooses the set the camera loads at power-up. Every action runs with the
// preview stopped.
class UserSetPage : public SettingsPage {
    Q_OBJECT
public:
    explicit UserSetPage(QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    // Nothing to set up: the combos are filled at every refresh.
    void InitControls() override {}

private:
    void ApplyEnablingRules();
    void OnSelectorChanged(int index);
    void OnDefaultSelectorChanged(int index);
    void Execute(CommandButtonBinding* command);

    EnumComboBinding* selector_;
    EnumComboBinding* defaultSelector_;
    QLabel* loadLabel_;
    CommandButtonBinding* load_;
    QLabel* saveLabel_;
    CommandButtonBinding* save_;
};
