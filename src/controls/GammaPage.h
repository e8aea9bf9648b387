#pragma once

#include "controls/GammaTable.h"
#include "controls/SettingsPage.h"

class QLineEdit;
class CommandButtonBinding;
class QPushButton;
class QScrollBar;

// "Gamma": gamma correction on or off, reloading the camera's table from its
// EEPROM, and a power-law table computed from an exponent (0.30 to 2.00 on
// a scroll bar in hundredths) uploaded to the camera's gamma register or its
// EEPROM over the serial command channel.
class GammaPage : public SettingsPage {
    Q_OBJECT
public:
    static constexpr int kExponentMin = 30;
    static constexpr int kExponentMax = 200;
    static constexpr int kExponentInitial = 100;

    explicit GammaPage(QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    void InitControls() override;

    // The exponent in hundredths.
    int ExponentPosition() const;
    // Uploads the table of the current exponent; false when the port could
    // not be opened or a frame or block failed.
    bool Upload(GammaTarget target);

private:
    void ShowExponent();
    void OnExponentEntered();
    void ApplyEnablingRules();

    ValueComboBinding* mode_;
    QPushButton* reload_;
    CommandButtonBinding* reloadCommand_;
    QLineEdit* exponentEdit_;
    QScrollBar* exponent_;
    QPushButton* toRegister_;
    QPushButton* toEeprom_;
};
