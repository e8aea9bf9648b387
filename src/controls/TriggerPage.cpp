#include "controls/TriggerPage.h"

#include "camera/FeatureAccess.h"
#include "camerasettings/EnumFeatures.h"
#include "camerasettings/ScopedParamsUnlock.h"
#include "controls/CommandButtonBinding.h"
#include "controls/EnumComboBinding.h"
#include "controls/FloatEditBinding.h"
#include "controls/IntSliderBinding.h"
#include "controls/ShutterControls.h"
#include "controls/TextNumbers.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <string>
#include <thread>

namespace {

const char* const kTimerSelector = "TimerSelector";
const char* const kTimer1 = "Timer1";
const char* const kGranularity = "TimerGranularityFactor";
const char* const kDuration = "TimerDurationRaw";
const char* const kDelay = "TimerDelayRaw";
const char* const kTimerTriggerSource = "TimerTriggerSource";
const char* const kSoftwareTrigger = "PLC_ctrl0";

// TimerTriggerSource values: the timer idles or drives the trigger.
constexpr int32_t kTimerIdle = 0;
constexpr int32_t kTimerRunning = 1;
// TriggerSoftwareSource values: the logic block or the trigger command.
constexpr int32_t kSoftwareSourcePlc = 0;
constexpr int32_t kSoftwareSourceCommand = 2;

// Timer values when the camera gives none: value, minimum, maximum.
constexpr int32_t kDefaultDuration = 1;
constexpr int32_t kDefaultDurationMin = 1;
constexpr int32_t kDefaultDurationMax = 1;
constexpr int32_t kDefaultDelay = 1;
constexpr int32_t kDefaultDelayMin = 0;
constexpr int32_t kDefaultDelayMax = 1;

// How long the one-shot pulse holds the logic block's control input.
constexpr std::chrono::milliseconds kOneShotPulse(10);

// A standard camera's trigger features act on the trigger the selector
// names; the pages set up the trigger of each frame.
const char* const kTriggerSelector = "TriggerSelector";
const char* const kFrameStart = "FrameStart";
// Without the logic block's timer, the continuous trigger executes the
// trigger command at the camera's frame rate, within these periods.
const char* const kFrameRate = "AcquisitionFrameRate";
constexpr int kFallbackTriggerPeriodMs = 100;
constexpr int kMinTriggerPeriodMs = 10;
constexpr int kMaxTriggerPeriodMs = 1000;

// The logic block: outputs 4 and 9 each pass one input through (or-ed with
// zeros); input 7 is the timer's output, input 5 the program's control bit.
struct LogicOutput {
    int output;
    const char* input;
};
constexpr std::array<LogicOutput, 2> kLogicOutputs = {{{4, "PLC_I7"}, {9, "PLC_I5"}}};
struct LogicInput {
    const char* input;
    const char* source;
};
constexpr std::array<LogicInput, 2> kLogicInputs = {{{"PLC_I5", "PLC_ctrl0"}, {"PLC_I7", "Timer1Out"}}};

bool EntryNameIs(SdkGenParameterArray* features, const std::string& feature, const char* name)
{
    std::string entry;
    return ReadFeatureText(features, feature, entry) && entry == name;
}

bool EntryNameContains(SdkGenParameterArray* features, const std::string& feature, const char* part)
{
    std::string entry;
    return ReadFeatureText(features, feature, entry) && entry.find(part) != std::string::npos;
}

using Write = EnumComboBinding::Write;

} // namespace

void TriggerPage::PulseRow::SetEnabled(bool enabled) const
{
    for (QWidget* widget : std::initializer_list<QWidget*>{label, unit})
        widget->setEnabled(enabled);
    for (QWidget* widget : std::initializer_list<QWidget*>{slider, edit})
        widget->setEnabled(enabled && !rangeEmpty);
}

void TriggerPage::PulseRow::SetRangeEmpty(bool empty, const char* feature)
{
    rangeEmpty = empty;
    const QString note = empty ? EmptyRangeNote(feature) : QString();
    slider->setToolTip(note);
    edit->setToolTip(note);
}

TriggerPage::TriggerPage(QWidget* parent) : SettingsPage(QT_TRANSLATE_NOOP("TriggerPage", "Trigger"), parent)
{
    // Every combo lists the camera's entries and hides when the camera has
    // no such feature.
    const EnumComboBinding::Options entries{Write::ItemData, false, true};
    auto* grid = new QGridLayout;
    triggerMode_ = AddEnumCombo(*grid, 0, {QT_TR_NOOP("Trigger Mode"), "TriggerMode", "00H_ 11H.3"}, entries);
    source_ = AddEnumCombo(*grid, 1, {QT_TR_NOOP("Trigger input selection"), "TriggerSource", "00H_ 12H.5"}, entries);
    softwareSource_ = AddEnumCombo(
        *grid, 2, {QT_TR_NOOP("Software trigger source"), "TriggerSoftwareSource", "00H_ 16H.6-7"}, entries);
    exposureMode_ = AddEnumCombo(*grid, 3, {QT_TR_NOOP("Exposure mode"), "ExposureMode", "00H_ 10H.5"}, entries);
    shutter_ = new ShutterControls(*this, *grid, 4, {QT_TR_NOOP("Fixed Shutter"), "ExposureTimeRaw", "00H_ 20-22H"},
                                   *exposureMode_);
    width_ = AddPulseRow(*grid, 6, QT_TR_NOOP("Software Trigger Pulse Width"), "PulseWidth");
    interval_ = AddPulseRow(*grid, 7, QT_TR_NOOP("Software Trigger Pulse Interval"), "PulseInterval");

    oneShot_ = new QPushButton(tr("One shot trigger"), this);
    oneShot_->setObjectName(QStringLiteral("OneShot"));
    continuous_ = new QPushButton(tr("Continuous trigger"), this);
    continuous_->setObjectName(QStringLiteral("Continuous"));
    auto* commandButton = new QPushButton(this);
    commandButton->setObjectName(QStringLiteral("TriggerSoftware"));
    command_ = new CommandButtonBinding(*this, {QT_TR_NOOP("Command Trigger"), "TriggerSoftware", "00H_ 16H.0"},
                                        commandButton);
    auto* triggers = new QHBoxLayout;
    triggers->addWidget(oneShot_);
    triggers->addWidget(continuous_);
    triggers->addWidget(commandButton);
    triggers->addStretch();
    grid->addLayout(triggers, 8, kControlColumn, 1, kExtraColumn);

    activation_ = AddEnumCombo(*grid, 9, {QT_TR_NOOP("Trigger polarity"), "TriggerActivation", "00H_ 10H.6"}, entries);
    delay_ = AddFloatEdit(*grid, 10, {QT_TR_NOOP("Exposure Delay(us)"), "TriggerDelay", "00H_ 50-53H"}, 2);
    overlap_ = AddEnumCombo(*grid, 11, {QT_TR_NOOP("Trigger overlap"), "TriggerOverlap", nullptr}, entries);
    horizontalReset_ =
        AddEnumCombo(*grid, 12, {QT_TR_NOOP("Trigger horizontal reset"), "TriggerHorizontalReset", nullptr}, entries);
    grid->setColumnStretch(kControlColumn, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();

    for (EnumComboBinding* combo : {triggerMode_, source_, softwareSource_})
        connect(combo, &EnumComboBinding::changed, this, &TriggerPage::ApplyEnablingRules);
    connect(exposureMode_, &EnumComboBinding::changed, this, [this] {
        shutter_->Exposure().Show();
        ApplyEnablingRules();
    });
    connect(shutter_, &ShutterControls::exposureModeReset, this, &TriggerPage::ApplyEnablingRules);

    // The width slider keeps the period: the delay gives up what the pulse
    // takes. Programmatic changes reach a read-only row's disabled widgets
    // too; they only show the camera's timing again.
    connect(width_.slider, &QSlider::valueChanged, this, [this](int duration) {
        if (width_.rangeEmpty)
            return RefreshFromCamera();
        WriteTimer(duration, DelayKeepingPeriod(timing_.Period(), duration));
    });
    connect(interval_.slider, &QSlider::valueChanged, this, [this](int delay) { WriteDelay(delay); });
    connect(width_.edit, &QLineEdit::returnPressed, this, [this] {
        if (!width_.rangeEmpty) {
            const int32_t duration = DurationForWidthUs(ParseDecimalInt(width_.edit->text().toStdString()));
            ScopedParamsUnlock unlock(Features());
            WriteIntClamped(Features(), kDuration, duration);
        }
        RefreshFromCamera();
    });
    connect(interval_.edit, &QLineEdit::returnPressed, this, [this] {
        WriteDelay(DelayForIntervalUs(ParseDecimalInt(interval_.edit->text().toStdString()), timing_.duration));
    });
    connect(oneShot_, &QPushButton::clicked, this, &TriggerPage::OneShot);
    commandTimer_ = new QTimer(this);
    connect(commandTimer_, &QTimer::timeout, this, [this] { ExecuteCommand(Features(), command_->Feature()); });
    connect(continuous_, &QPushButton::clicked, this, &TriggerPage::ToggleContinuous);
}

TriggerPage::PulseRow TriggerPage::AddPulseRow(QGridLayout& grid, int row, const char* label, const char* name)
{
    PulseRow pulse{new QLabel(Translate(label), this), new QSlider(Qt::Horizontal, this), new QLineEdit(this),
                   new QLabel(tr("[uSec]"), this)};
    pulse.slider->setObjectName(QLatin1String(name));
    pulse.slider->setPageStep(1);
    pulse.edit->setObjectName(QLatin1String(name) + QLatin1String("Edit"));
    pulse.edit->setFixedWidth(kEditWidth);
    pulse.edit->installEventFilter(this);
    grid.addWidget(pulse.label, row, kLabelColumn);
    grid.addWidget(pulse.slider, row, kControlColumn);
    grid.addWidget(pulse.edit, row, kEditColumn);
    grid.addWidget(pulse.unit, row, kUnitColumn);
    return pulse;
}

void TriggerPage::InitControls()
{
    InitBindings();
    logicBlockConfigured_ = false;
}

void TriggerPage::RefreshFromCamera()
{
    SdkGenParameterArray* features = Features();
    if (features && HasEnumEntry(features, kTriggerSelector, kFrameStart) &&
        !EntryNameIs(features, kTriggerSelector, kFrameStart))
        WriteEnumEntry(features, kTriggerSelector, kFrameStart);
    if (features) {
        for (EnumComboBinding* combo : {triggerMode_, source_, softwareSource_, exposureMode_, activation_})
            combo->Show();
        shutter_->Exposure().Show();
        delay_->Show();
        command_->Show();
        overlap_->Show();
        horizontalReset_->Show();
        ShowTimer();
    }
    ApplyEnablingRules();
}

void TriggerPage::ShowTimer()
{
    SdkGenParameterArray* features = Features();
    ScopedParamsUnlock unlock(features);
    if (!EntryNameIs(features, kTimerSelector, kTimer1))
        WriteEnumEntry(features, kTimerSelector, kTimer1);
    if (IsFeatureAvailable(features, kGranularity))
        WriteFeatureValue(features, kGranularity, kTimerGranularityFactor);

    int32_t duration = kDefaultDuration;
    int32_t durationMin = kDefaultDurationMin;
    int32_t durationMax = kDefaultDurationMax;
    int32_t delay = kDefaultDelay;
    int32_t delayMin = kDefaultDelayMin;
    int32_t delayMax = kDefaultDelayMax;
    int32_t increment = 0;
    if (!ReadFeatureValue(features, kDuration, duration))
        duration = kDefaultDuration;
    if (!ReadIntRange(features, kDuration, durationMin, durationMax, increment)) {
        durationMin = kDefaultDurationMin;
        durationMax = kDefaultDurationMax;
    }
    if (!ReadFeatureValue(features, kDelay, delay))
        delay = kDefaultDelay;
    if (!ReadIntRange(features, kDelay, delayMin, delayMax, increment)) {
        delayMin = kDefaultDelayMin;
        delayMax = kDefaultDelayMax;
    }
    width_.SetRangeEmpty(durationMin > durationMax, kDuration);
    interval_.SetRangeEmpty(delayMin > delayMax, kDelay);
    timing_ = PulseTiming{duration, delay};
    if (!ReadFeatureValue(features, kTimerTriggerSource, timerTriggerSource_))
        timerTriggerSource_ = -1;

    {
        // The pulse must leave at least one tick of delay in the period.
        const QSignalBlocker blocker(width_.slider);
        width_.slider->setRange(durationMin, std::min(SaturatedTiming(int64_t{timing_.Period()} - 2), durationMax));
        width_.slider->setValue(duration);
    }
    width_.edit->setText(QString::number(timing_.WidthUs()));
    {
        const QSignalBlocker blocker(interval_.slider);
        interval_.slider->setRange(delayMin, delayMax);
        interval_.slider->setValue(delay);
    }
    interval_.edit->setText(QString::number(timing_.IntervalUs()));
}

void TriggerPage::WriteTimer(int32_t duration, int32_t delay)
{
    {
        ScopedParamsUnlock unlock(Features());
        WriteIntClamped(Features(), kDuration, duration);
        WriteIntClamped(Features(), kDelay, delay);
    }
    RefreshFromCamera();
}

void TriggerPage::WriteDelay(int32_t delay)
{
    if (!interval_.rangeEmpty) {
        ScopedParamsUnlock unlock(Features());
        WriteIntClamped(Features(), kDelay, delay);
    }
    RefreshFromCamera();
}

bool TriggerPage::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving a pulse edit without Enter shows the camera's timing again.
    if (event->type() == QEvent::FocusOut && (watched == width_.edit || watched == interval_.edit))
        RefreshFromCamera();
    return SettingsPage::eventFilter(watched, event);
}

void TriggerPage::ConfigureLogicBlock()
{
    SdkGenParameterArray* features = Features();
    for (const LogicOutput& output : kLogicOutputs) {
        const std::string prefix = "PLC_Q" + std::to_string(output.output) + "_";
        const std::array<std::pair<std::string, const char*>, 7> settings = {{
            {prefix + "Variable0", output.input},
            {prefix + "Operator0", "Or"},
            {prefix + "Variable1", "Zero"},
            {prefix + "Operator1", "Or"},
            {prefix + "Variable2", "Zero"},
            {prefix + "Operator2", "Or"},
            {prefix + "Variable3", "Zero"},
        }};
        for (const auto& [feature, entry] : settings)
            WriteEnumEntry(features, feature, entry);
    }
    for (const LogicInput& input : kLogicInputs)
        WriteEnumEntry(features, input.input, input.source);
    logicBlockConfigured_ = true;
}

bool TriggerPage::HasLogicBlock() const
{
    return IsFeatureAvailable(Features(), kSoftwareTrigger);
}

int TriggerPage::CommandTriggerPeriodMs() const
{
    double rate = 0.0;
    if (!ReadFloatValue(Features(), kFrameRate, rate) || rate <= 0.0)
        return kFallbackTriggerPeriodMs;
    // Clamped before the conversion: a rate near zero gives a period beyond any int.
    return static_cast<int>(std::clamp(1000.0 / rate, double{kMinTriggerPeriodMs}, double{kMaxTriggerPeriodMs}));
}

void TriggerPage::OneShot()
{
    if (!HasLogicBlock()) {
        // A standard camera: its own trigger command takes one frame.
        ExecuteCommand(Features(), command_->Feature());
        return;
    }
    if (!logicBlockConfigured_)
        ConfigureLogicBlock();
    SdkGenParameterArray* features = Features();
    if (timerTriggerSource_ == kTimerRunning) {
        ScopedParamsUnlock unlock(features);
        if (WriteFeatureValue(features, kTimerTriggerSource, kTimerIdle))
            timerTriggerSource_ = kTimerIdle;
    }
    WriteFeatureValue(features, kSoftwareTrigger, 1);
    std::this_thread::sleep_for(kOneShotPulse);
    WriteFeatureValue(features, kSoftwareTrigger, 0);
    ApplyEnablingRules();
}

void TriggerPage::ToggleContinuous()
{
    running_ = !running_;
    if (!HasLogicBlock()) {
        if (running_)
            commandTimer_->start(CommandTriggerPeriodMs());
        else
            commandTimer_->stop();
    } else {
        if (!logicBlockConfigured_)
            ConfigureLogicBlock();
        SdkGenParameterArray* features = Features();
        ScopedParamsUnlock unlock(features);
        const int32_t next = timerTriggerSource_ == kTimerIdle ? kTimerRunning : kTimerIdle;
        if (WriteFeatureValue(features, kTimerTriggerSource, next))
            timerTriggerSource_ = next;
    }
    ApplyEnablingRules();
    continuous_->setText(running_ ? tr("Stop") : tr("Continuous trigger"));
}

void TriggerPage::ApplyEnablingRules()
{
    SdkGenParameterArray* features = Features();
    const bool camera = features != nullptr;
    // An entry name that cannot be read counts as "not on" / "not software".
    const bool on = EntryNameIs(features, triggerMode_->Feature(), "On");
    const bool software = EntryNameContains(features, source_->Feature(), "Software");
    const bool softwareSourceKnown = IsFeatureAvailable(features, softwareSource_->Feature());
    const bool plc = !softwareSourceKnown || softwareSource_->Remembered() == kSoftwareSourcePlc;
    const bool command = !softwareSourceKnown || softwareSource_->Remembered() == kSoftwareSourceCommand;
    const bool timerIdle = timerTriggerSource_ != kTimerRunning && !commandTimer_->isActive();
    // A camera without ExposureMode always exposes for the set time.
    const bool timed = !exposureMode_->IsOffered() || EntryNameIs(features, exposureMode_->Feature(), "Timed");
    const bool pulses = camera && on && software && plc;
    // The pulse rows set the logic block's timer; a standard camera without
    // one is triggered by its trigger command instead.
    const bool timer = IsFeatureAvailable(features, kDuration);
    const bool triggers = pulses && (HasLogicBlock() || command_->IsOffered());

    triggerMode_->SetEnabled(camera && timerIdle);
    source_->SetEnabled(camera && timerIdle && on);
    softwareSource_->SetEnabled(camera && timerIdle && on && software);
    exposureMode_->SetEnabled(camera);
    shutter_->Exposure().SetEnabled(camera && timed);
    width_.SetEnabled(pulses && timer);
    interval_.SetEnabled(pulses && timer);
    continuous_->setEnabled(triggers);
    oneShot_->setEnabled(triggers && !running_);
    command_->SetEnabled(camera && !running_ && on && software && command);
    for (FeatureBinding* row : std::initializer_list<FeatureBinding*>{activation_, delay_, overlap_, horizontalReset_})
        row->SetEnabled(camera && on);
}
