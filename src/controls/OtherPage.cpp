#include "controls/OtherPage.h"

#include "camera/CameraConnection.h"
#include "camera/DisplaySettings.h"
#include "camera/FeatureAccess.h"
#include "controls/ControlHost.h"
#include "controls/DeepViewControls.h"
#include "controls/FloatEditBinding.h"
#include "controls/IntSpinBinding.h"
#include "imaging/PixelFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace {

const char* const kPixelFormat = "PixelFormat";
const char* const kReverseX = "ReverseX";
const char* const kReverseY = "ReverseY";
constexpr int kFrameRateDecimals = 5;
constexpr int32_t kTapFallbackMin = 0;
constexpr int32_t kTapFallbackMax = 10;

// The Bayer groups a reversal keeps the pixel format in, each in the order
// its codes are tried.
using BayerGroup = std::array<uint32_t, 4>;
constexpr std::array<BayerGroup, 5> kBayerGroups = {{
    {kPixelFormatBayerRG8, kPixelFormatBayerGR8, kPixelFormatBayerGB8, kPixelFormatBayerBG8},
    {kPixelFormatBayerRG10, kPixelFormatBayerGR10, kPixelFormatBayerGB10, kPixelFormatBayerBG10},
    {kPixelFormatBayerRG12, kPixelFormatBayerGR12, kPixelFormatBayerGB12, kPixelFormatBayerBG12},
    {kPixelFormatBayerRG10Packed, kPixelFormatBayerGR10Packed, kPixelFormatBayerGB10Packed,
     kPixelFormatBayerBG10Packed},
    {kPixelFormatBayerRG12Packed, kPixelFormatBayerGR12Packed, kPixelFormatBayerGB12Packed,
     kPixelFormatBayerBG12Packed},
}};
// The 16-bit Bayer codes, which have no group of their own.
constexpr std::array<uint32_t, 4> kBayer16 = {0x0110002E, 0x0110002F, 0x01100030, 0x01100031};

const std::array<const char*, 6> kInterpolationItems = {
    QT_TRANSLATE_NOOP("OtherPage", "OFF(Mono)"),
    QT_TRANSLATE_NOOP("OtherPage", "OFF(Color)"),
    QT_TRANSLATE_NOOP("OtherPage", "Nearest Neighbor Replication"),
    QT_TRANSLATE_NOOP("OtherPage", "Bilinear"),
    QT_TRANSLATE_NOOP("OtherPage", "BiCubic"),
    QT_TRANSLATE_NOOP("OtherPage", "Bilinear with false color reduction"),
};
const std::array<const char*, 4> kMirrorItems = {
    QT_TRANSLATE_NOOP("OtherPage", "OFF(Normal)"),
    QT_TRANSLATE_NOOP("OtherPage", "Horizontal"),
    QT_TRANSLATE_NOOP("OtherPage", "Vertical"),
    QT_TRANSLATE_NOOP("OtherPage", "Horizontal/Vertical"),
};

template <size_t N>
QComboBox* NewTextCombo(QWidget& page, const char* name, const std::array<const char*, N>& items)
{
    auto* combo = new QComboBox(&page);
    combo->setObjectName(QLatin1String(name));
    for (const char* item : items)
        combo->addItem(QCoreApplication::translate("OtherPage", item));
    return combo;
}

} // namespace

OtherPage::OtherPage(QWidget* parent) : SettingsPage(QT_TRANSLATE_NOOP("OtherPage", "Other"), parent)
{
    auto* cameraGroup = new QGroupBox(tr("Camera Setting"), this);
    auto* grid = new QGridLayout(cameraGroup);
    EnumComboBinding::Options available;
    available.availableEntriesOnly = true;
    EnumComboBinding::Options byIndex = available;
    byIndex.write = EnumComboBinding::Write::ItemIndex;
    pixelFormat_ = AddEnumCombo(*grid, 0, {QT_TR_NOOP("Output Format"), kPixelFormat, "00H_ 19H.0-2"}, available);
    // The pixel format is written with the preview stopped, not by the binding.
    disconnect(pixelFormat_->Combo(), &QComboBox::activated, pixelFormat_, nullptr);
    connect(pixelFormat_->Combo(), &QComboBox::activated, this, &OtherPage::OnPixelFormatChanged);
    smear_ = AddEnumCombo(*grid, 1, {QT_TR_NOOP("Smear half reduction"), "SmearHalfReduction", "00H_ 11H.4"}, byIndex);
    frameRate_ = AddFloatEdit(*grid, 2, {QT_TR_NOOP("Frame rate(Hz)"), "AcquisitionFrameRate", "00H_ 58-5CH"},
                              kFrameRateDecimals);
    binningMode_ = AddEnumCombo(*grid, 3, {QT_TR_NOOP("Binning mode"), "BinningMode", nullptr}, byIndex);
    doubleSpeed_ = AddEnumCombo(*grid, 4, {QT_TR_NOOP("Double speed mode"), "DoubleSpeedMode", nullptr}, byIndex);
    auto* tapLabel = new QLabel(this);
    auto* tapSpin = new QSpinBox(this);
    tapSpin->setObjectName(QStringLiteral("DoubleSpeedModeTapSel"));
    tapSpin->setFixedWidth(kEditWidth);
    grid->addWidget(tapLabel, 5, kLabelColumn);
    grid->addWidget(tapSpin, 5, kControlColumn, Qt::AlignLeft);
    tap_ = new IntSpinBinding(*this, {QT_TR_NOOP("Double speed mode tap"), "DoubleSpeedModeTapSel", nullptr}, tapLabel,
                              tapSpin, kTapFallbackMin, kTapFallbackMax);
    shutterType_ =
        AddEnumCombo(*grid, 6, {QT_TR_NOOP("Exposure shutter type"), "ExposureShutterType", nullptr}, byIndex);
    reverseXBox_ = new QCheckBox(tr("Reverse X"), this);
    reverseXBox_->setObjectName(QLatin1String(kReverseX));
    reverseYBox_ = new QCheckBox(tr("Reverse Y"), this);
    reverseYBox_->setObjectName(QLatin1String(kReverseY));
    grid->addWidget(reverseXBox_, 7, kLabelColumn);
    grid->addWidget(reverseYBox_, 7, kControlColumn);
    connect(reverseXBox_, &QCheckBox::clicked, this, [this] { OnReverseClicked(kReverseX, reverseXBox_, reverseX_); });
    connect(reverseYBox_, &QCheckBox::clicked, this, [this] { OnReverseClicked(kReverseY, reverseYBox_, reverseY_); });
    for (EnumComboBinding* combo : {smear_, binningMode_, doubleSpeed_, shutterType_})
        connect(combo, &EnumComboBinding::changed, this, &OtherPage::ApplyEnablingRules);

    auto* softwareGroup = new QGroupBox(tr("Software Setting"), this);
    auto* softwareGrid = new QGridLayout(softwareGroup);
    interpolationLabel_ = new QLabel(tr("Color Interpolation"), this);
    interpolation_ = NewTextCombo(*this, "ColorInterpolation", kInterpolationItems);
    mirrorLabel_ = new QLabel(tr("Mirror Mode"), this);
    mirror_ = NewTextCombo(*this, "MirrorMode", kMirrorItems);
    softwareGrid->addWidget(interpolationLabel_, 0, kLabelColumn);
    softwareGrid->addWidget(interpolation_, 0, kControlColumn, Qt::AlignLeft);
    softwareGrid->addWidget(mirrorLabel_, 1, kLabelColumn);
    softwareGrid->addWidget(mirror_, 1, kControlColumn, Qt::AlignLeft);
    connect(interpolation_, &QComboBox::activated, this, &OtherPage::OnInterpolationChanged);
    connect(mirror_, &QComboBox::activated, this, &OtherPage::OnMirrorChanged);
    deepView_ = new DeepViewControls(*this, *softwareGrid, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cameraGroup);
    layout->addWidget(softwareGroup);
    layout->addStretch();
}

std::vector<uint32_t> OtherPage::BayerGroupOf(uint32_t pixelFormat)
{
    for (const BayerGroup& group : kBayerGroups) {
        for (uint32_t code : group) {
            if (code == pixelFormat)
                return {group.begin(), group.end()};
        }
    }
    return {};
}

bool OtherPage::IsBayerFormat(uint32_t pixelFormat)
{
    for (uint32_t code : kBayer16) {
        if (code == pixelFormat)
            return true;
    }
    return !BayerGroupOf(pixelFormat).empty();
}

void OtherPage::InitControls()
{
    InitBindings();
}

void OtherPage::RefreshFromCamera()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    pixelFormat_->Show();
    pixelFormatValue_ = pixelFormat_->Remembered();
    ApplyBayerGroupRule();
    smear_->Show();
    frameRate_->Show();
    tap_->Show();
    binningMode_->Show();
    doubleSpeed_->Show();
    shutterType_->Show();
    {
        const QSignalBlocker blockX(reverseXBox_);
        const QSignalBlocker blockY(reverseYBox_);
        if (ReadFeatureValue(features, kReverseX, reverseX_))
            reverseXBox_->setChecked(reverseX_ != 0);
        if (ReadFeatureValue(features, kReverseY, reverseY_))
            reverseYBox_->setChecked(reverseY_ != 0);
    }
    if (DisplaySettings* display = Host() ? Host()->Display() : nullptr) {
        interpolation_->setCurrentIndex(display->interpolationMethod.load());
        mirror_->setCurrentIndex(display->mirrorMode.load());
    }
    binningMode_->SetVisible(IsFeatureAvailable(features, binningMode_->Feature()));
    doubleSpeed_->SetVisible(IsFeatureAvailable(features, doubleSpeed_->Feature()));
    tap_->SetVisible(IsFeatureAvailable(features, tap_->Feature()));
    shutterType_->SetVisible(IsFeatureAvailable(features, shutterType_->Feature()));
    reverseXBox_->setVisible(IsFeatureAvailable(features, kReverseX));
    reverseYBox_->setVisible(IsFeatureAvailable(features, kReverseY));
    ApplyEnablingRules();
}

void OtherPage::ApplyEnablingRules()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    pixelFormat_->SetEnabled(true);
    smear_->SetEnabled(true);
    frameRate_->SetEnabled(true);
    mirrorLabel_->setEnabled(true);
    mirror_->setEnabled(true);
    int32_t format = 0;
    const bool bayer = ReadFeatureValue(features, kPixelFormat, format) && IsBayerFormat(static_cast<uint32_t>(format));
    interpolationLabel_->setEnabled(bayer);
    interpolation_->setEnabled(bayer);
    deepView_->Show(Host() ? Host()->Display() : nullptr, static_cast<uint32_t>(format));
}

void OtherPage::ApplyBayerGroupRule()
{
    const std::vector<uint32_t> group = BayerGroupOf(static_cast<uint32_t>(pixelFormatValue_));
    if (group.empty())
        return;
    pixelFormat_->FillEntries();
    QComboBox* combo = pixelFormat_->Combo();
    for (int item = 0; item < combo->count(); ++item) {
        const auto value = static_cast<uint32_t>(combo->itemData(item).toLongLong());
        for (uint32_t code : group) {
            if (value != code)
                continue;
            const QSignalBlocker blocker(combo);
            combo->setCurrentIndex(item);
            if (WriteFeatureValue(Features(), kPixelFormat, static_cast<int32_t>(code)))
                pixelFormatValue_ = static_cast<int32_t>(code);
            pixelFormat_->Show();
            return;
        }
    }
}

void OtherPage::OnPixelFormatChanged(int index)
{
    const auto value = static_cast<int32_t>(pixelFormat_->Combo()->itemData(index).toLongLong());
    RunWithPreviewStopped([this, value] {
        if (WriteFeatureValue(Features(), kPixelFormat, value)) {
            pixelFormatValue_ = value;
            Camera()->SelectDigitizationTaps();
        }
        pixelFormat_->Show();
        ApplyEnablingRules();
    });
}

void OtherPage::OnReverseClicked(const char* feature, QCheckBox* box, int32_t& remembered)
{
    const int32_t state = box->isChecked() ? 1 : 0;
    RunWithPreviewStopped([&, feature, state] {
        const bool written = WriteFeatureValue(Features(), feature, state);
        ApplyBayerGroupRule();
        if (written)
            remembered = state;
        ApplyEnablingRules();
    });
}

void OtherPage::OnInterpolationChanged(int index)
{
    if (!Host())
        return;
    if (DisplaySettings* display = Host()->Display())
        display->interpolationMethod = index;
    Host()->SetDisplayInterpolation(index);
}

void OtherPage::OnMirrorChanged(int index)
{
    if (DisplaySettings* display = Host() ? Host()->Display() : nullptr)
        display->mirrorMode = index;
}
