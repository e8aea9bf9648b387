#pragma once

#include "controls/SettingsPage.h"

#include <array>

class QLabel;

// "Output": the signal source, user level and inversion of each output line
// and the strobe timing. A camera has two or five output pins (option flag
// B); the rows of lines 2 to 4 exist only with five, and the rows' pin
// numbers follow the connector.
class IoPage : public SettingsPage {
    Q_OBJECT
public:
    static constexpr int kLineCount = 5;
    // The line source whose level the user output row sets.
    static constexpr int32_t kUserOutputSource = 1;

    explicit IoPage(QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    void InitControls() override;

    bool HasFivePins() const { return fivePins_; }

private:
    void ShowPinLayout();
    void ApplyEnablingRules();
    int VisibleLines() const;

    std::array<ValueComboBinding*, kLineCount> sources_{};
    std::array<ValueComboBinding*, kLineCount> userOutputs_{};
    std::array<ValueComboBinding*, kLineCount> inverters_{};
    QLabel* inverterHeader_;
    FloatEditBinding* strobeDelay_;
    FloatEditBinding* strobeOnTime_;
    ValueComboBinding* polarity_;
    bool fivePins_ = false;
};
