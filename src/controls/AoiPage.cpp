#include "controls/AoiPage.h"

#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "controls/FloatEditBinding.h"
#include "controls/IntSpinBinding.h"
#include "controls/TextNumbers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace {

constexpr int kFrameRateDecimals = 5;
constexpr int32_t kFactorFallbackMin = 0;
constexpr int32_t kFactorFallbackMax = 10;
// The camera needs this long after acquisition stops before it takes a new
// binning or decimation factor.
constexpr std::chrono::milliseconds kFactorWait(100);
constexpr int kSliderMinimumWidth = 220;

struct AreaRowText {
    const char* label;
    const char* name;
    const char* tooltip;
};
const std::array<AreaRowText, 4> kAreaRows = {{
    {QT_TRANSLATE_NOOP("AoiPage", "X Position"), "OffsetX", "20H_ 54H,55H"},
    {QT_TRANSLATE_NOOP("AoiPage", "Width"), "Width", "20H_ 56H,57H"},
    {QT_TRANSLATE_NOOP("AoiPage", "Y Position"), "OffsetY", "20H_ 50H,51H"},
    {QT_TRANSLATE_NOOP("AoiPage", "Height"), "Height", "20H_ 52H,53H"},
}};

const std::array<FeatureRow, 4> kFactorRows = {{
    {QT_TRANSLATE_NOOP("AoiPage", "Binning horizontal"), "BinningHorizontal", nullptr},
    {QT_TRANSLATE_NOOP("AoiPage", "Binning vertical"), "BinningVertical", nullptr},
    {QT_TRANSLATE_NOOP("AoiPage", "Decimation horizontal"), "DecimationHorizontal", nullptr},
    {QT_TRANSLATE_NOOP("AoiPage", "Decimation vertical"), "DecimationVertical", nullptr},
}};
constexpr size_t kFirstDecimation = 2;

} // namespace

AoiPage::AoiPage(QWidget* parent) : SettingsPage(QT_TRANSLATE_NOOP("AoiPage", "AOI"), parent)
{
    auto* areaGroup = new QGroupBox(tr("AOI"), this);
    auto* grid = new QGridLayout(areaGroup);
    for (int row = 0; row < kAreaRowCount; ++row) {
        const AreaRowText& text = kAreaRows[row];
        Row& widgets = rows_[row];
        widgets.label = new QLabel(Translate(text.label), this);
        widgets.label->setToolTip(QLatin1String(text.tooltip));
        widgets.slider = new QSlider(Qt::Horizontal, this);
        widgets.slider->setObjectName(QLatin1String(text.name));
        widgets.slider->setMinimumWidth(kSliderMinimumWidth);
        widgets.slider->setPageStep(1);
        widgets.edit = new QLineEdit(this);
        widgets.edit->setObjectName(QLatin1String(text.name) + QLatin1String("Edit"));
        widgets.edit->setFixedWidth(kEditWidth);
        widgets.range = new QLabel(this);
        widgets.range->setObjectName(QLatin1String(text.name) + QLatin1String("Range"));
        grid->addWidget(widgets.label, row, kLabelColumn);
        grid->addWidget(widgets.slider, row, kControlColumn);
        grid->addWidget(widgets.edit, row, kEditColumn);
        grid->addWidget(widgets.range, row, kUnitColumn);
        connect(widgets.slider, &QSlider::valueChanged, this, [this, row](int value) { OnRowEdited(row, value); });
        connect(widgets.edit, &QLineEdit::returnPressed, this,
                [this, row] { OnRowEdited(row, ParseDecimalInt(rows_[row].edit->text().toStdString())); });
        connect(widgets.edit, &QLineEdit::editingFinished, this, &AoiPage::ShowArea);
    }
    activate_ = new QPushButton(tr("Activate"), this);
    activate_->setObjectName(QStringLiteral("Activate"));
    undo_ = new QPushButton(tr("Undo"), this);
    undo_->setObjectName(QStringLiteral("Undo"));
    connect(activate_, &QPushButton::clicked, this, &AoiPage::Activate);
    connect(undo_, &QPushButton::clicked, this, &AoiPage::Undo);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(activate_);
    buttons->addWidget(undo_);
    areaNote_ = new QLabel(this);
    areaNote_->setObjectName(QStringLiteral("AreaNote"));
    buttons->addWidget(areaNote_);
    buttons->addStretch();
    grid->addLayout(buttons, kAreaRowCount, kLabelColumn, 1, kExtraColumn + 1);

    auto* factorGrid = new QGridLayout;
    frameRate_ = AddFloatEdit(*factorGrid, 0, {QT_TR_NOOP("Frame rate(Hz)"), "AcquisitionFrameRate", "00H_ 58-5CH"},
                              kFrameRateDecimals);
    for (size_t index = 0; index < factors_.size(); ++index) {
        const int row = static_cast<int>(index) + 1;
        auto* label = new QLabel(this);
        auto* spin = new QSpinBox(this);
        spin->setObjectName(QLatin1String(kFactorRows[index].feature));
        spin->setFixedWidth(kEditWidth);
        factorGrid->addWidget(label, row, kLabelColumn);
        factorGrid->addWidget(spin, row, kControlColumn, Qt::AlignLeft);
        IntSpinBinding* factor =
            new IntSpinBinding(*this, kFactorRows[index], label, spin, kFactorFallbackMin, kFactorFallbackMax);
        // A factor is written with the preview stopped, not by the binding.
        disconnect(spin, &QSpinBox::valueChanged, factor, nullptr);
        connect(spin, &QSpinBox::valueChanged, this, [this, factor](int value) { OnFactorWritten(factor, value); });
        factors_[index] = factor;
    }
    factorGrid->setColumnStretch(kExtraColumn, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(areaGroup);
    layout->addLayout(factorGrid);
    layout->addStretch();
}

void AoiPage::InitControls()
{
    InitBindings();
}

int32_t& AoiPage::EditedValue(int row)
{
    switch (row) {
    case kOffsetXRow:
        return edited_.offsetX;
    case kWidthRow:
        return edited_.width;
    case kOffsetYRow:
        return edited_.offsetY;
    default:
        return edited_.height;
    }
}

QString AoiPage::OverrunWarning(const AoiRect& area) const
{
    const AoiOverrun overrun = SensorOverrun(limits_, area);
    QStringList lines;
    if (overrun.horizontal)
        lines << tr("Please set \"OffsetX\" + \"Width\" is %1 or less.").arg(limits_.maxWidth);
    if (overrun.vertical)
        lines << tr("Please set \"OffsetY\" + \"Height\" is %1 or less.").arg(limits_.maxHeight);
    return lines.join(QLatin1Char('\n'));
}

bool AoiPage::Warn(const AoiRect& area)
{
    const QString warning = OverrunWarning(area);
    if (warning.isEmpty())
        return false;
    QMessageBox box(QMessageBox::Warning, QString(), warning, QMessageBox::Ok, this);
    box.exec();
    return true;
}

void AoiPage::RefreshFromCamera()
{
    CameraConnection* camera = Camera();
    if (camera) {
        limits_.maxWidth = camera->Identity().sensorWidth;
        limits_.maxHeight = camera->Identity().sensorHeight;
        limits_.minWidth = camera->Identity().widthMin;
        limits_.minHeight = camera->Identity().heightMin;
        limits_.widthStep = camera->Identity().widthIncrement;
        limits_.heightStep = camera->Identity().heightIncrement;
        limits_.binningShrinks = camera->OptionBoard().optionFlagA != 0;
        camera_.width = camera->Identity().connectWidth;
        camera_.height = camera->Identity().connectHeight;
        ReadFeatureValue(Features(), "OffsetX", camera_.offsetX);
        ReadFeatureValue(Features(), "OffsetY", camera_.offsetY);
        edited_ = camera_;
        for (IntSpinBinding* factor : factors_)
            factor->Show();
        ReadFactors();
        ShowArea();
        frameRate_->Show();
    }
    ApplyEnablingRules();
}

void AoiPage::ReadFactors()
{
    int32_t* const values[] = {&limits_.binningHorizontal, &limits_.binningVertical, &limits_.decimationHorizontal,
                               &limits_.decimationVertical};
    for (size_t index = 0; index < factors_.size(); ++index) {
        int32_t value = 0;
        if (ReadFeatureValue(Features(), factors_[index]->Feature(), value) && value > 0)
            *values[index] = value;
    }
}

void AoiPage::OnRowEdited(int row, int32_t value)
{
    // Programmatic changes reach a read-only row's disabled widgets too.
    const QSlider* slider = rows_[row].slider;
    if (!rangeEmpty_[row])
        EditedValue(row) = std::clamp(value, slider->minimum(), std::max(slider->minimum(), slider->maximum()));
    ShowArea();
}

void AoiPage::ShowArea()
{
    const std::array<std::pair<int32_t, int32_t>, kAreaRowCount> ranges = {{{0, limits_.maxWidth},
                                                                            {limits_.minWidth, limits_.maxWidth},
                                                                            {0, limits_.maxHeight},
                                                                            {limits_.minHeight, limits_.maxHeight}}};
    for (int row = 0; row < kAreaRowCount; ++row) {
        Row& widgets = rows_[row];
        int32_t min = 0;
        int32_t max = 0;
        int32_t increment = 0;
        rangeEmpty_[row] = ranges[row].first > ranges[row].second ||
                           (ReadIntRange(Features(), kAreaRows[row].name, min, max, increment) && min > max);
        widgets.slider->setToolTip(rangeEmpty_[row] ? EmptyRangeNote(kAreaRows[row].name) : QString());
        const QSignalBlocker blocker(widgets.slider);
        widgets.slider->setRange(ranges[row].first, ranges[row].second);
        widgets.slider->setValue(EditedValue(row));
        widgets.edit->setText(QString::number(EditedValue(row)));
    }
    UpdateRangeTexts();
    ApplyEnablingRules();
}

void AoiPage::UpdateRangeTexts()
{
    const AoiRangeEnds ends = RangeEnds(limits_, edited_);
    rows_[kOffsetXRow].range->setText(QStringLiteral("0 - %1").arg(ends.offsetX));
    rows_[kWidthRow].range->setText(QStringLiteral("%1 - %2").arg(limits_.minWidth).arg(ends.width));
    rows_[kOffsetYRow].range->setText(QStringLiteral("0 - %1").arg(ends.offsetY));
    rows_[kHeightRow].range->setText(QStringLiteral("%1 - %2").arg(limits_.minHeight).arg(ends.height));
}

void AoiPage::ApplyEnablingRules()
{
    SdkGenParameterArray* features = Features();
    const bool connected = features != nullptr;
    for (int row = 0; row < kAreaRowCount; ++row) {
        const Row& widgets = rows_[row];
        widgets.label->setEnabled(connected);
        widgets.range->setEnabled(connected);
        widgets.slider->setEnabled(connected && !rangeEmpty_[row]);
        widgets.edit->setEnabled(connected && !rangeEmpty_[row]);
    }
    frameRate_->SetEnabled(connected);
    const bool edited = connected && !(edited_ == camera_);
    activate_->setEnabled(edited);
    undo_->setEnabled(edited);
    for (size_t index = 0; index < factors_.size(); ++index) {
        const std::string& feature = factors_[index]->Feature();
        bool usable = connected && IsFeatureAvailable(features, feature);
        if (usable && index >= kFirstDecimation) {
            int32_t min = 0;
            int32_t max = 0;
            int32_t increment = 0;
            usable = ReadIntRange(features, feature, min, max, increment) && min != max;
        }
        factors_[index]->SetEnabled(usable);
    }
}

namespace {

QString AreaText(const AoiRect& area)
{
    return QStringLiteral("X %1, Y %2, %3 x %4").arg(area.offsetX).arg(area.offsetY).arg(area.width).arg(area.height);
}

} // namespace

void AoiPage::Activate()
{
    const AoiRect asked = edited_;
    areaNote_->clear();
    AoiRect area = AlignToSteps(limits_, FitToUsable(limits_, edited_));
    edited_ = area;
    ShowArea();
    if (Warn(area))
        return;
    RunWithPreviewStopped([this] {
        for (const AoiWrite& write : AreaWrites(camera_, edited_)) {
            if (!WriteIntClamped(Features(), write.feature, write.value))
                break;
            camera_.*write.field = write.value;
        }
    });
    if (CameraConnection* camera = Camera())
        camera->ReadGeometry();
    RefreshFromCamera();
    // The sensor's limits, the steps or the camera itself may change what
    // was asked for: say so rather than let the sliders snap back unexplained.
    if (!(camera_ == asked))
        areaNote_->setText(tr("The camera took %1 instead of %2.").arg(AreaText(camera_), AreaText(asked)));
}

void AoiPage::Undo()
{
    edited_ = camera_;
    ShowArea();
}

void AoiPage::OnFactorWritten(IntSpinBinding* factor, int32_t value)
{
    RunWithPreviewStopped(
        [this, factor, value] {
            WriteIntClamped(Features(), factor->Feature(), value);
            for (IntSpinBinding* row : factors_)
                row->Show();
            ReadFactors();
            ShrinkToUsable();
            UpdateRangeTexts();
        },
        kFactorWait);
}

void AoiPage::ShrinkToUsable()
{
    if (!limits_.binningShrinks)
        return;
    const AoiRect fitted = AlignToSteps(limits_, FitToUsable(limits_, camera_));
    if (fitted == camera_)
        return;
    edited_ = fitted;
    ShowArea();
    if (Warn(fitted))
        return;
    if (fitted.width != camera_.width && WriteIntClamped(Features(), "Width", fitted.width))
        camera_.width = fitted.width;
    if (fitted.height != camera_.height && WriteIntClamped(Features(), "Height", fitted.height))
        camera_.height = fitted.height;
}
