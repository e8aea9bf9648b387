#pragma once

#include <QDialog>

#include <cstdint>

class MessagePrompts;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SdkDevice;

// "IPAddress Setting": stores the shown camera's current IP address as its
// persistent address, or returns it to automatic addressing. Without a
// camera only "Exit" is usable.
class IpAddressSettingDialog : public QDialog {
    Q_OBJECT

public:
    // Chosen addressing mode.
    enum Mode { kAutomatic = 0, kKeepCurrent = 1 };

    // device may be null (no camera shown); it must outlive the dialog.
    IpAddressSettingDialog(SdkDevice* device, MessagePrompts& prompts, QWidget* parent = nullptr);

    int32_t CurrentMode() const { return mode_; }
    // Writes the chosen mode to the camera and reports the outcome; the dialog stays open.
    void Save();

    // The controls, for tests.
    QRadioButton* AutomaticButton() const { return automatic_; }
    QRadioButton* KeepCurrentButton() const { return keepCurrent_; }
    QLineEdit* AddressField() const { return address_; }
    QLineEdit* SubnetMaskField() const { return subnetMask_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* ExitButton() const { return exit_; }

private:
    void ShowCamera();

    SdkDevice* device_;
    MessagePrompts& prompts_;
    int32_t mode_ = kAutomatic;
    QRadioButton* automatic_;
    QRadioButton* keepCurrent_;
    QLabel* addressLabel_;
    QLineEdit* address_;
    QLabel* subnetMaskLabel_;
    QLineEdit* subnetMask_;
    QPushButton* save_;
    QPushButton* exit_;
};
