#include "controls/GainShutterPage.h"

#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "controls/CAlcAreaDlg.h"
#include "controls/EnumComboBinding.h"
#include "controls/GainTexts.h"
#include "controls/IntSliderBinding.h"
#include "controls/ShutterControls.h"
#include "controls/ValueComboBinding.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const char* const kTimedMode = "Timed";
const char* const kOffEntry = "Off";
const char* const kModelCode = "ModelCode";

// An automatic mode is on when its entry is anything but "Off" (whose value
// differs between cameras); a mode that is a plain integer is on above 0, and
// a missing or unreadable one is off.
bool IsAutoOn(SdkGenParameterArray* features, const FeatureBinding& mode)
{
    std::string entry;
    if (ReadFeatureText(features, mode.Feature(), entry))
        return entry != kOffEntry;
    return mode.Remembered() > 0;
}

using Unreadable = ValueComboBinding::Unreadable;
using Write = EnumComboBinding::Write;

} // namespace

GainShutterPage::GainShutterPage(QWidget* parent)
    : SettingsPage(QT_TRANSLATE_NOOP("GainShutterPage", "Gain/Shutter"), parent)
{
    // The automatic light control's modes, two per row.
    const std::vector<const char*> offOn = {QT_TR_NOOP("OFF"), QT_TR_NOOP("ON")};
    auto* modes = new QGridLayout;
    gainAuto_ = AddEnumCombo(*modes, 0, {QT_TR_NOOP("AGC Mode"), "GainAuto", "20H_ 20H.3"}, {Write::ItemData});
    exposureAuto_ = AddValueCombo(*modes, 0, {QT_TR_NOOP("Auto Shutter"), "ExposureAuto", "20H_ 20H.2"}, offOn,
                                  Unreadable::KeepSelection, 2);
    exposureMode_ = AddEnumCombo(*modes, 1, {QT_TR_NOOP("Exposure mode"), "ExposureMode", nullptr}, {Write::ItemIndex});
    priority_ =
        AddValueCombo(*modes, 1, {QT_TR_NOOP("ALC Priority"), "PriorityMode", "20H_ 20H.0"},
                      {QT_TR_NOOP("Iris Priority"), QT_TR_NOOP("Shutter Priority")}, Unreadable::KeepSelection, 2);
    irisLens_ = AddValueCombo(*modes, 2, {QT_TR_NOOP("ALC Iris Lens"), "ALCIrisLens", "20H_ 20H.1"}, offOn,
                              Unreadable::KeepSelection);
    lensAdjustment_ =
        AddValueCombo(*modes, 2, {QT_TR_NOOP("Lens Manual Adjustment"), "LensManualAdjustment", "20H_ 92H.0-1"},
                      {QT_TR_NOOP("Hold"), QT_TR_NOOP("Open"), QT_TR_NOOP("Close")}, Unreadable::KeepSelection, 2);
    modes->setColumnStretch(4, 1);

    const char* const microseconds = QT_TR_NOOP("[uSec]");
    auto* sliders = new QGridLayout;
    gain_ = AddIntSlider(*sliders, 0, {QT_TR_NOOP("Fixed Gain"), "GainRaw", "00H_ 30H"});
    shutter_ = new ShutterControls(
        *this, *sliders, 1, {QT_TR_NOOP("Fixed Shutter"), "ExposureTimeRaw", "00H_ 20H,21H,22H"}, *exposureMode_);
    agcRange_ = AddIntSlider(*sliders, 3, {QT_TR_NOOP("AGC Range"), "AGCRange", "20H_ 21H"});
    minShutter_ = AddIntSlider(*sliders, 4, {QT_TR_NOOP("Min. Shutter time"), "Min_ShutterTime", "20H_ 26H,27H,28H"},
                               microseconds);
    maxShutter_ = AddIntSlider(*sliders, 5, {QT_TR_NOOP("Max. Shutter time"), "Max_ShutterTime", "20H_ 23H,24H,25H"},
                               microseconds);
    target_ = AddIntSlider(*sliders, 6, {QT_TR_NOOP("Target Brightness"), "TargetBrightness", "20H_ 2EH"});
    peakAverage_ = AddIntSlider(*sliders, 7, {QT_TR_NOOP("ALC Peak-Average"), "ALC_Peak_Average", "20H_ 2FH"});
    digitalGain_ = AddIntSlider(*sliders, 9, {QT_TR_NOOP("Digital Gain"), "DigitalGain", "00H_ 31H"});
    blackLevel_ = AddIntSlider(*sliders, 10, {QT_TR_NOOP("Black Level"), "BlackLevelRaw", "00H_ 38H"});
    sliders->setColumnStretch(kControlColumn, 1);

    // The computed texts keep the width of their longest form, so the page
    // does not jump as they change.
    decibels_ = new QLabel(this);
    decibels_->setObjectName(QStringLiteral("GainDecibels"));
    decibels_->setMinimumWidth(decibels_->fontMetrics().horizontalAdvance(QStringLiteral("-99.999 dB")));
    sliders->addWidget(decibels_, 0, kExtraColumn);
    gain_->AddCompanion(decibels_);
    weight_ = new QPushButton(tr("Weight"), this);
    weight_->setObjectName(QStringLiteral("Weight"));
    sliders->addWidget(weight_, 6, kExtraColumn, Qt::AlignLeft);
    peakAverageRatio_ = new QLabel(this);
    peakAverageRatio_->setObjectName(QStringLiteral("PeakAverageRatio"));
    peakAverageRatio_->setMinimumWidth(
        peakAverageRatio_->fontMetrics().horizontalAdvance(QString::fromStdString(PeakAverageText(128))));
    sliders->addWidget(peakAverageRatio_, 7, kExtraColumn);
    // The peak-average slider's two ends.
    auto* average = new QLabel(tr("Average"), this);
    auto* peak = new QLabel(tr("Peak"), this);
    auto* ends = new QHBoxLayout;
    ends->addWidget(average);
    ends->addStretch();
    ends->addWidget(peak);
    sliders->addLayout(ends, 8, kControlColumn);
    peakAverage_->AddCompanion(average);
    peakAverage_->AddCompanion(peak);
    peakAverage_->AddCompanion(peakAverageRatio_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addSpacing(8);
    layout->addLayout(sliders);
    layout->addStretch();

    connect(gainAuto_, &EnumComboBinding::changed, this, &GainShutterPage::ApplyEnablingRules);
    connect(exposureAuto_, &ValueComboBinding::changed, this, &GainShutterPage::ApplyEnablingRules);
    connect(irisLens_, &ValueComboBinding::changed, this, &GainShutterPage::ApplyEnablingRules);
    connect(exposureMode_, &EnumComboBinding::changed, this, [this] {
        shutter_->Exposure().Show();
        ApplyEnablingRules();
    });
    connect(shutter_, &ShutterControls::exposureModeReset, this, &GainShutterPage::ApplyEnablingRules);
    connect(gain_, &IntSliderBinding::shown, this, &GainShutterPage::ShowDecibels);
    connect(peakAverage_, &IntSliderBinding::shown, this,
            [this](int32_t value) { peakAverageRatio_->setText(QString::fromStdString(PeakAverageText(value))); });
    // Moving one shutter limit also writes the other from its slider; the
    // edit boxes write only their own.
    connect(minShutter_->Slider(), &QSlider::valueChanged, this,
            [this] { maxShutter_->WriteClamped(maxShutter_->Slider()->value()); });
    connect(maxShutter_->Slider(), &QSlider::valueChanged, this,
            [this] { minShutter_->WriteClamped(minShutter_->Slider()->value()); });
    connect(weight_, &QPushButton::clicked, this, &GainShutterPage::OpenAreaDialog);
}

void GainShutterPage::InitControls()
{
    InitBindings();
}

void GainShutterPage::CheckAvailability()
{
    SdkGenParameterArray* features = Features();
    auto check = [features](Availability& mark, const std::string& feature) {
        if (mark == Availability::NotChecked)
            mark = IsFeatureAvailable(features, feature) ? Availability::Available : Availability::Unavailable;
    };
    check(irisAvailable_, irisLens_->Feature());
    check(lensAvailable_, lensAdjustment_->Feature());
}

void GainShutterPage::RefreshFromCamera()
{
    if (Features()) {
        CheckAvailability();
        gainAuto_->Show();
        exposureAuto_->Show();
        exposureMode_->Show();
        if (irisAvailable_ == Availability::Available)
            irisLens_->Show();
        if (lensAvailable_ == Availability::Available)
            lensAdjustment_->Show();
        priority_->Show();
        for (IntSliderBinding* slider : {gain_, &shutter_->Exposure(), agcRange_, minShutter_, maxShutter_, target_,
                                         peakAverage_, digitalGain_, blackLevel_})
            slider->Show();
    }
    ApplyEnablingRules();
}

void GainShutterPage::ApplyEnablingRules()
{
    SdkGenParameterArray* features = Features();
    const bool gainAuto = IsAutoOn(features, *gainAuto_);
    const bool exposureAuto = IsAutoOn(features, *exposureAuto_);
    const bool iris = irisLens_->Remembered() > 0;
    // A camera without ExposureMode always exposes for the set time.
    std::string exposureMode;
    const bool timed =
        !exposureMode_->IsOffered() ||
        (ReadFeatureText(features, exposureMode_->Feature(), exposureMode) && exposureMode == kTimedMode);

    exposureMode_->SetEnabled(!exposureAuto);
    shutter_->Exposure().SetEnabled(timed && !exposureAuto);
    gain_->SetEnabled(!gainAuto);
    irisLens_->SetEnabled(irisAvailable_ == Availability::Available);
    lensAdjustment_->SetEnabled(lensAvailable_ == Availability::Available && !iris);
    priority_->SetEnabled(priority_->Remembered() >= 0 && iris && exposureAuto);
    minShutter_->SetEnabled(exposureAuto);
    maxShutter_->SetEnabled(exposureAuto);
    agcRange_->SetEnabled(gainAuto);
    const bool lightControl = iris || exposureAuto || gainAuto;
    peakAverage_->SetEnabled(lightControl);
    target_->SetEnabled(lightControl);
    weight_->setEnabled(lightControl);
    digitalGain_->SetEnabled(true);
    blackLevel_->SetEnabled(true);
}

void GainShutterPage::ShowDecibels(int32_t gain)
{
    const CameraConnection* camera = Camera();
    if (!camera)
        return;
    // A standard float Gain is in decibels already. A raw gain has a
    // decibel scale only on the cameras whose option electronics report it,
    // which identify themselves by ModelCode.
    if (gain_->IsFloat()) {
        decibels_->setText(QString::asprintf("%.03f dB", gain_->ShownValue()));
        return;
    }
    if (!IsFeatureAvailable(Features(), kModelCode)) {
        decibels_->clear();
        return;
    }
    const OptionBoardValues& board = camera->OptionBoard();
    decibels_->setText(
        QString::fromStdString(GainDecibelText(board.gainScaleKind, board.gainOffset1, board.gainOffset2, gain)));
}

void GainShutterPage::OpenAreaDialog()
{
    CameraConnection* camera = Camera();
    if (!camera)
        return;
    CAlcAreaDlg dialog(camera, this);
    dialog.exec();
}
