#include "controls/WhiteBalancePage.h"

#include "camera/FeatureAccess.h"
#include "controls/CAwbAreaDlg.h"
#include "controls/IntSliderBinding.h"
#include "controls/ValueComboBinding.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr std::chrono::milliseconds kPushToSetPoll(200);
const char* const kColorFlag = "DeviceColorFlg";

// The gain rows, in page order: the feature prefix of each.
constexpr std::array<const char*, 4> kGainPrefixes = {"BalanceRatio_R", "BalanceRatio_Gr", "BalanceRatio_Gb",
                                                      "BalanceRatio_B"};

// The gains each mode from OFF to Preset3 edits, with their registers in
// page order (R, Gr, Gb, B).
struct GainSet {
    const char* suffix;
    std::array<const char*, 4> registers;
};

constexpr std::array<GainSet, 4> kGainSets = {{
    {"_Once", {"20H_ 80H", "20H_ 81H", "20H_ 83H", "20H_ 82H"}},
    {"_Preset1", {"20H_ 41H", "20H_ 42H", "20H_ 44H", "20H_ 43H"}},
    {"_Preset2", {"20H_ 45H", "20H_ 46H", "20H_ 48H", "20H_ 47H"}},
    {"_Preset3", {"20H_ 49H", "20H_ 4AH", "20H_ 4CH", "20H_ 4BH"}},
}};
constexpr int32_t kPreset1 = 1;

bool HasGainSet(int32_t mode)
{
    return mode >= 0 && mode < static_cast<int32_t>(kGainSets.size());
}

} // namespace

WhiteBalancePage::WhiteBalancePage(QWidget* parent)
    : SettingsPage(QT_TRANSLATE_NOOP("WhiteBalancePage", "WhiteBalance"), parent)
{
    auto* grid = new QGridLayout;
    mode_ = AddValueCombo(*grid, 0, {QT_TR_NOOP("White Balance"), "BalanceWhiteAuto", "20H_ 40H.0-2"},
                          {QT_TR_NOOP("OFF"), QT_TR_NOOP("Preset1"), QT_TR_NOOP("Preset2"), QT_TR_NOOP("Preset3"),
                           QT_TR_NOOP("ATW"), QT_TR_NOOP("Push to set WB")},
                          ValueComboBinding::Unreadable::SelectFirst);
    const std::array<const char*, 4> gainLabels = {QT_TR_NOOP("Color Gain R"), QT_TR_NOOP("Color Gain Gr"),
                                                   QT_TR_NOOP("Color Gain Gb"), QT_TR_NOOP("Color Gain B")};
    // The rows are bound to the selected mode's gains; they start on Preset1.
    const GainSet& preset1 = kGainSets[kPreset1];
    for (size_t row = 0; row < gains_.size(); ++row) {
        const std::string feature = std::string(kGainPrefixes[row]) + preset1.suffix;
        gains_[row] =
            AddIntSlider(*grid, static_cast<int>(row) + 1, {gainLabels[row], feature.c_str(), preset1.registers[row]});
        gains_[row]->Slider()->setObjectName(QLatin1String(kGainPrefixes[row]));
        gains_[row]->Edit()->setObjectName(QLatin1String(kGainPrefixes[row]) + QLatin1String("Edit"));
    }
    threshold_ = AddIntSlider(*grid, 5, {QT_TR_NOOP("Y Threshold"), "YThreshold", "20H_ 4EH,4FH"});
    grid->setColumnStretch(kControlColumn, 1);

    zone_ = new QPushButton(tr("WB Zone"), this);
    zone_->setObjectName(QStringLiteral("WBZone"));
    connect(zone_, &QPushButton::clicked, this, [this] {
        CAwbAreaDlg dialog(Camera(), this);
        dialog.exec();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(zone_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();

    pushToSetTimer_ = new QTimer(this);
    pushToSetTimer_->setInterval(kPushToSetPoll);
    connect(pushToSetTimer_, &QTimer::timeout, this, &WhiteBalancePage::PollPushToSet);
    connect(mode_, &ValueComboBinding::changed, this, &WhiteBalancePage::OnModeChanged);
}

void WhiteBalancePage::InitControls()
{
    InitBindings();
    BindGains(kPreset1);
}

bool WhiteBalancePage::IsWaitingForPushToSet() const
{
    return pushToSetTimer_->isActive();
}

void WhiteBalancePage::BindGains(int32_t mode)
{
    const GainSet& set = kGainSets[mode];
    for (size_t row = 0; row < gains_.size(); ++row)
        gains_[row]->Rebind(std::string(kGainPrefixes[row]) + set.suffix, set.registers[row]);
}

void WhiteBalancePage::RefreshFromCamera()
{
    SdkGenParameterArray* features = Features();
    if (features) {
        if (!ReadFeatureValue(features, kColorFlag, colorFlag_))
            colorFlag_ = -1;
        if (IsColorCamera()) {
            mode_->Show();
            if (HasGainSet(mode_->Remembered())) {
                BindGains(mode_->Remembered());
                for (IntSliderBinding* gain : gains_)
                    gain->Show();
            }
            threshold_->Show();
        }
    }
    ApplyEnablingRules();
}

void WhiteBalancePage::ApplyEnablingRules()
{
    const bool usable = Features() && IsColorCamera() && !IsWaitingForPushToSet();
    mode_->SetEnabled(usable);
    threshold_->SetEnabled(usable);
    zone_->setEnabled(usable);
    const bool gainsUsable = usable && mode_->Remembered() != kModeAtw;
    for (IntSliderBinding* gain : gains_)
        gain->SetEnabled(gainsUsable);
}

void WhiteBalancePage::OnModeChanged()
{
    RefreshFromCamera();
    if (mode_->Remembered() == kModePushToSet) {
        pushToSetTimer_->start();
        ApplyEnablingRules();
    }
}

void WhiteBalancePage::PollPushToSet()
{
    int32_t mode = 0;
    if (ReadFeatureValue(Features(), mode_->Feature(), mode) && mode != kModeOff)
        return;
    pushToSetTimer_->stop();
    RefreshFromCamera();
}
