#pragma once

#include "controls/SettingsPage.h"

#include <array>

class IntSliderBinding;
class QPushButton;
class QTimer;
class ValueComboBinding;

// "WhiteBalance": the white balance mode, the four colour gains of the
// selected mode (the one-push result in mode OFF, a preset's gains in modes
// Preset1 to Preset3), the luminance threshold of the automatic white
// balance, and "WB Zone", which opens the white balance area dialog.
// "Push to set WB" disables the page until the camera reports the one-push
// balance done (mode back to OFF), polling every 200 ms.
class WhiteBalancePage : public SettingsPage {
    Q_OBJECT
public:
    // BalanceWhiteAuto values with rules of their own.
    static constexpr int32_t kModeOff = 0;
    static constexpr int32_t kModeAtw = 4;
    static constexpr int32_t kModePushToSet = 5;

    explicit WhiteBalancePage(QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    void InitControls() override;

    // Whether DeviceColorFlg, as last read, says colour (0 is monochrome;
    // an unreadable flag counts as monochrome).
    bool IsColorCamera() const { return colorFlag_ > 0; }
    // Whether a one-push balance is being waited for.
    bool IsWaitingForPushToSet() const;

private:
    void BindGains(int32_t mode);
    void ApplyEnablingRules();
    void OnModeChanged();
    void PollPushToSet();

    ValueComboBinding* mode_;
    std::array<IntSliderBinding*, 4> gains_{};
    IntSliderBinding* threshold_;
    QPushButton* zone_;
    QTimer* pushToSetTimer_;
    int32_t colorFlag_ = 0;
};
