#pragma once

#include "controls/SettingsPage.h"
#include "optionboard/OptionBoardLink.h"
#include "optionboard/OptionState.h"

#include <QTimer>

#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;

// "Data setting": which image data flows between the camera's FPGA and the
// user FPGA, which FPGA drives each output pin, JTAG connection and user FPGA
// enable, all in the camera's registers on port 0. Shows and changes the
// option state that the option board dialog owns.
class DataSettingPage : public SettingsPage {
    Q_OBJECT
public:
    // The user FPGA configures itself after it was enabled; the dialog waits
    // this long (wait cursor, dialog disabled) before it takes input again.
    static constexpr int kUserFpgaStartMs = 3000;

    explicit DataSettingPage(OptionState& state, QWidget* parent = nullptr);
    ~DataSettingPage() override;

    // Shows the option state; "User FPGA Enable" is enabled only with a camera.
    void RefreshFromCamera() override;
    void InitControls() override;

    bool IsWaitingForUserFpga() const { return userFpgaWait_.isActive(); }

    QComboBox* DataToUserFpgaList() const { return dataToUserFpga_; }
    QComboBox* DataFromUserFpgaList() const { return dataFromUserFpga_; }
    QComboBox* OutputSourceList(int pin) const { return outputSource_[pin]; }
    QComboBox* JtagList() const { return jtag_; }
    QComboBox* UserFpgaEnableList() const { return userFpgaEnable_; }

signals:
    // The option state changed on the board (the image processing page's
    // enabling follows user FPGA enable).
    void stateChanged();

private:
    void Change(const std::function<void(OptionState&)>& edit, OptionBoardLink::Write write);
    void OnUserFpgaEnableChanged(int index);
    void EndUserFpgaWait();

    OptionState& state_;
    QGroupBox* imageData_;
    QGroupBox* outputSignal_;
    QLabel* dataToUserFpgaLabel_;
    QLabel* dataFromUserFpgaLabel_;
    std::array<QLabel*, kOptionOutputCount> outputLabels_{};
    QLabel* jtagLabel_;
    QLabel* userFpgaEnableLabel_;
    QComboBox* dataToUserFpga_;
    QComboBox* dataFromUserFpga_;
    std::array<QComboBox*, kOptionOutputCount> outputSource_{};
    QComboBox* jtag_;
    QComboBox* userFpgaEnable_;
    QTimer userFpgaWait_;
};
