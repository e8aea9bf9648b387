#include "controls/IoPage.h"

#include "camera/CameraConnection.h"
#include "controls/FloatEditBinding.h"
#include "controls/ValueComboBinding.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <string>

namespace {

constexpr int kStrobeDecimals = 2;
constexpr int kTwoPinLines = 2;
constexpr int kInverterColumn = SettingsPage::kExtraColumn;

struct LineTexts {
    const char* sourceFivePins;
    const char* sourceTwoPins;
    const char* sourceTooltip;
    const char* userFivePins;
    const char* userTwoPins;
    const char* userTooltip;
};

const std::array<LineTexts, IoPage::kLineCount> kLines = {{
    {QT_TRANSLATE_NOOP("IoPage", "Output pin0(Pin No.3)"), QT_TRANSLATE_NOOP("IoPage", "Output pin0(Pin No.2)"),
     "00H_ F0H.0-3", QT_TRANSLATE_NOOP("IoPage", "UserOutputValue pin0(Pin No.3)"),
     QT_TRANSLATE_NOOP("IoPage", "UserOutputValue pin0(Pin No.2)"), "00H_ F1H.3"},
    {QT_TRANSLATE_NOOP("IoPage", "Output pin1(Pin No.4)"), QT_TRANSLATE_NOOP("IoPage", "Output pin1(Pin No.3)"),
     "00H_ F0H.4-7", QT_TRANSLATE_NOOP("IoPage", "UserOutputValue pin1(Pin No.4)"),
     QT_TRANSLATE_NOOP("IoPage", "UserOutputValue pin1(Pin No.3)"), "00H_ F1H.4"},
    {QT_TRANSLATE_NOOP("IoPage", "Output pin2(Pin No.5)"), nullptr, "00H_ F8H.0-3",
     QT_TRANSLATE_NOOP("IoPage", "UserOutputValue pin2(Pin No.5)"), nullptr, "00H_ F1H.5"},
    {QT_TRANSLATE_NOOP("IoPage", "Output pin3(Pin No.6)"), nullptr, "00H_ F8H.4-7",
     QT_TRANSLATE_NOOP("IoPage", "UserOutputValue pin3(Pin No.6)"), nullptr, "00H_ F1H.6"},
    {QT_TRANSLATE_NOOP("IoPage", "Output pin4(Pin No.7)"), nullptr, "00H_ F9H.0-3",
     QT_TRANSLATE_NOOP("IoPage", "UserOutputValue pin4(Pin No.7)"), nullptr, "00H_ F1H.7"},
}};

const std::vector<const char*> kSourceItems = {
    QT_TRANSLATE_NOOP("IoPage", "FrameTriggerWait"), QT_TRANSLATE_NOOP("IoPage", "UserOutputValue"),
    QT_TRANSLATE_NOOP("IoPage", "ExposureActive"),   QT_TRANSLATE_NOOP("IoPage", "TriggerAuxiliary"),
    QT_TRANSLATE_NOOP("IoPage", "TriggerInternal"),  QT_TRANSLATE_NOOP("IoPage", "SensorReadOut"),
    QT_TRANSLATE_NOOP("IoPage", "Strobe signal")};
const std::vector<const char*> kLevelItems = {QT_TRANSLATE_NOOP("IoPage", "Off(Low)"),
                                              QT_TRANSLATE_NOOP("IoPage", "On(High)")};
const std::vector<const char*> kInverterItems = {QT_TRANSLATE_NOOP("IoPage", "False"),
                                                 QT_TRANSLATE_NOOP("IoPage", "True")};

std::string Numbered(const char* prefix, int line)
{
    return prefix + std::to_string(line);
}

} // namespace

IoPage::IoPage(QWidget* parent) : SettingsPage(QT_TRANSLATE_NOOP("IoPage", "Output"), parent)
{
    auto* grid = new QGridLayout;
    inverterHeader_ = AddText(*grid, 0, kInverterColumn, QT_TR_NOOP("Inverter"));
    inverterHeader_->setToolTip(QStringLiteral("00H_ 5DH"));
    constexpr auto selectFirst = ValueComboBinding::Unreadable::SelectFirst;
    for (int line = 0; line < kLineCount; ++line) {
        const LineTexts& texts = kLines[line];
        const std::string source = Numbered("LineSource", line);
        sources_[line] = AddValueCombo(*grid, line + 1, {texts.sourceFivePins, source.c_str(), texts.sourceTooltip},
                                       kSourceItems, selectFirst);
        const std::string inverter = Numbered("LineInverter", line);
        inverters_[line] = AddValueCombo(*grid, line + 1, {nullptr, inverter.c_str(), nullptr}, kInverterItems,
                                         selectFirst, kInverterColumn);
        connect(sources_[line], &ValueComboBinding::changed, this, &IoPage::ApplyEnablingRules);
    }
    for (int line = 0; line < kLineCount; ++line) {
        const LineTexts& texts = kLines[line];
        const std::string user = Numbered("UserOutputValue", line);
        userOutputs_[line] =
            AddValueCombo(*grid, kLineCount + 1 + line, {texts.userFivePins, user.c_str(), texts.userTooltip},
                          kLevelItems, selectFirst);
    }
    int row = 2 * kLineCount + 1;
    strobeDelay_ = AddFloatEdit(
        *grid, row++, {QT_TR_NOOP("Strobe signal delay(uSec)"), "StrobeSignalDelay", "00H_ 54-57H"}, kStrobeDecimals);
    strobeOnTime_ = AddFloatEdit(
        *grid, row++, {QT_TR_NOOP("Strobe signal ontime(uSec)"), "StrobeSignalOnTime", "00H_ 90-93H"}, kStrobeDecimals);
    polarity_ = AddValueCombo(*grid, row, {QT_TR_NOOP("StrobeSignalPolarity:"), "StrobeSignalPolarity", "00H_ 5DH.0"},
                              {QT_TR_NOOP("Positive"), QT_TR_NOOP("Negative")}, selectFirst);
    grid->setColumnStretch(kExtraColumn + 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
}

void IoPage::InitControls()
{
    InitBindings();
    polarity_->SetVisible(false);
}

int IoPage::VisibleLines() const
{
    return fivePins_ ? kLineCount : kTwoPinLines;
}

void IoPage::RefreshFromCamera()
{
    CameraConnection* camera = Camera();
    if (camera) {
        fivePins_ = camera->OptionBoard().optionFlagB != 0;
        ShowPinLayout();
        for (int line = 0; line < VisibleLines(); ++line) {
            sources_[line]->Show();
            userOutputs_[line]->Show();
        }
        strobeDelay_->Show();
        strobeOnTime_->Show();
        for (int line = 0; line < VisibleLines(); ++line)
            inverters_[line]->Show();
    }
    ApplyEnablingRules();
}

void IoPage::ShowPinLayout()
{
    for (int line = 0; line < kLineCount; ++line) {
        const LineTexts& texts = kLines[line];
        const bool shown = line < VisibleLines();
        sources_[line]->SetVisible(shown);
        userOutputs_[line]->SetVisible(shown);
        inverters_[line]->SetVisible(shown);
        if (!shown)
            continue;
        sources_[line]->Label()->setText(Translate(fivePins_ ? texts.sourceFivePins : texts.sourceTwoPins));
        userOutputs_[line]->Label()->setText(Translate(fivePins_ ? texts.userFivePins : texts.userTwoPins));
    }
    polarity_->SetVisible(false);
}

void IoPage::ApplyEnablingRules()
{
    const bool connected = Features() != nullptr;
    for (int line = 0; line < kLineCount; ++line) {
        sources_[line]->SetEnabled(connected);
        inverters_[line]->SetEnabled(connected);
        userOutputs_[line]->SetEnabled(connected && sources_[line]->Remembered() == kUserOutputSource);
    }
    strobeDelay_->SetEnabled(connected);
    strobeOnTime_->SetEnabled(connected);
}
