#pragma once

#include "camerasettings/PulseTiming.h"
#include "controls/SettingsPage.h"

class CommandButtonBinding;
class EnumComboBinding;
class FloatEditBinding;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;
class ShutterControls;

// "Trigger": how the camera starts an exposure (trigger mode, source,
// software source, exposure mode and time, polarity, delay, overlap,
// horizontal reset), and the program's software triggers: a one-shot pulse
// and a continuous pulse train, both made by the camera's logic block from
// its Timer1, and the camera's trigger command. On a standard camera, which
// has no logic block, one shot executes the trigger command once and the
// continuous trigger executes it at the camera's frame rate; the page sets
// the trigger features of the FrameStart trigger.
class TriggerPage : public SettingsPage {
    Q_OBJECT
public:
    explicit TriggerPage(QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    void InitControls() override;

    // The timer's pulse as last read or written.
    const PulseTiming& Timing() const { return timing_; }
    // TimerTriggerSource as last read or written: 1 while the timer drives
    // the trigger, -1 unknown.
    int32_t TimerTriggerSource() const { return timerTriggerSource_; }
    bool IsContinuousRunning() const { return running_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A pulse row: slider in timer ticks, edit in microseconds. Its timer
    // feature's range may take no value (minimum above maximum): the row is
    // then read-only.
    struct PulseRow {
        QLabel* label;
        QSlider* slider;
        QLineEdit* edit;
        QLabel* unit;
        bool rangeEmpty = false;
        void SetEnabled(bool enabled) const;
        void SetRangeEmpty(bool empty, const char* feature);
    };

    PulseRow AddPulseRow(QGridLayout& grid, int row, const char* label, const char* name);
    void ShowTimer();
    void WriteTimer(int32_t duration, int32_t delay);
    void WriteDelay(int32_t delay);
    void ConfigureLogicBlock();
    // Whether the camera has the logic block whose control bit and timer make
    // the program's triggers; a standard camera has its trigger command only.
    bool HasLogicBlock() const;
    int CommandTriggerPeriodMs() const;
    void OneShot();
    void ToggleContinuous();
    void ApplyEnablingRules();

    EnumComboBinding* triggerMode_;
    EnumComboBinding* source_;
    EnumComboBinding* softwareSource_;
    EnumComboBinding* exposureMode_;
    EnumComboBinding* activation_;
    EnumComboBinding* overlap_;
    EnumComboBinding* horizontalReset_;
    ShutterControls* shutter_;
    FloatEditBinding* delay_;
    PulseRow width_;
    PulseRow interval_;
    QPushButton* oneShot_;
    QPushButton* continuous_;
    CommandButtonBinding* command_;
    // Executes the trigger command while a standard camera's continuous
    // trigger runs.
    QTimer* commandTimer_;

    PulseTiming timing_;
    int32_t timerTriggerSource_ = 0;
    bool running_ = false;
    bool logicBlockConfigured_ = false;
};
