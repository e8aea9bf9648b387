#include "controls/IntSliderBinding.h"

#include "camera/FeatureAccess.h"
#include "controls/TextNumbers.h"
#include "sdk/SdkGenParameter.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxDecimals = 3;
// The slider steps a float range should have at least.
constexpr double kFloatSteps = 1000.0;
constexpr double kSliderLimit = std::numeric_limits<int>::max();

bool IsFloatFeature(SdkGenParameterArray* features, const std::string& name)
{
    const SdkGenParameter* parameter = features ? features->Get(name) : nullptr;
    return parameter && parameter->GetType() == SDK_GEN_FLOAT;
}

// Decimals that give the range about a thousand steps, within what a
// slider's int positions can hold. The range is finite, but its span may not
// be (-1e308 .. 1e308).
int DecimalsFor(double min, double max)
{
    const double span = max - min;
    int decimals = 0;
    if (span > 0.0 && std::isfinite(span))
        decimals = static_cast<int>(std::clamp(std::ceil(std::log10(kFloatSteps / span)), 0.0, double{kMaxDecimals}));
    while (decimals > 0 && std::max(std::abs(min), std::abs(max)) * std::pow(10.0, decimals) > kSliderLimit)
        --decimals;
    return decimals;
}

int SliderPosition(double value, int decimals)
{
    return static_cast<int>(std::clamp(std::round(value * std::pow(10.0, decimals)), -kSliderLimit, kSliderLimit));
}

} // namespace

IntSliderBinding::IntSliderBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QSlider* slider,
                                   QLineEdit* edit)
    : FeatureBinding(owner, row, label),
      slider_(slider),
      edit_(edit)
{
    AddCompanion(slider_);
    AddCompanion(edit_);
    // Programmatic changes happen with the slider's signals blocked, so this
    // sees only what the user does.
    connect(slider_, &QSlider::valueChanged, this, [this](int position) { WriteClamped(SliderValue(position)); });
    connect(edit_, &QLineEdit::returnPressed, this, [this] {
        const std::string text = edit_->text().toStdString();
        WriteClamped(IsFloat() ? ParseDecimalNumber(text) : ParseDecimalInt(text));
    });
    WatchFocusLoss(edit_);
}

double IntSliderBinding::SliderValue(int position) const
{
    return IsFloat() ? position / std::pow(10.0, decimals_) : position;
}

QString IntSliderBinding::Text(double value) const
{
    return IsFloat() ? QString::number(value, 'f', decimals_) : QString::number(static_cast<int32_t>(value));
}

void IntSliderBinding::ShowValue()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    if (IsFloatFeature(features, Feature())) {
        ShowFloat();
        return;
    }
    decimals_ = -1;
    int32_t min = 0;
    int32_t max = 0;
    int32_t increment = 0;
    const bool ranged = ReadIntRange(features, Feature(), min, max, increment);
    SetRangeEmpty(ranged && min > max);
    if (ranged) {
        const QSignalBlocker blocker(slider_);
        slider_->setRange(min, max);
        slider_->setPageStep(increment);
    }
    int32_t value = 0;
    if (!ReadFeatureValue(features, Feature(), value)) {
        Remember(-1);
        return;
    }
    {
        const QSignalBlocker blocker(slider_);
        slider_->setValue(value);
    }
    edit_->setText(QString::number(value));
    shownValue_ = value;
    Remember(value);
    emit shown(value);
}

void IntSliderBinding::ShowFloat()
{
    SdkGenParameterArray* features = Features();
    double max = 0.0;
    double min = 0.0;
    const bool ranged = ReadFloatRange(features, Feature(), max, min);
    SetRangeEmpty(ranged && min > max);
    if (ranged) {
        decimals_ = DecimalsFor(min, max);
        const QSignalBlocker blocker(slider_);
        slider_->setRange(SliderPosition(min, decimals_), SliderPosition(max, decimals_));
        // Positions span up to twice the int range.
        const int64_t positions = int64_t{slider_->maximum()} - slider_->minimum();
        slider_->setPageStep(static_cast<int>(std::max<int64_t>(1, positions / 10)));
    } else {
        decimals_ = std::max(decimals_, 0);
    }
    double value = 0.0;
    if (!ReadFloatValue(features, Feature(), value)) {
        Remember(-1);
        return;
    }
    {
        const QSignalBlocker blocker(slider_);
        slider_->setValue(SliderPosition(value, decimals_));
    }
    edit_->setText(Text(value));
    shownValue_ = value;
    const auto rounded = static_cast<int32_t>(std::clamp(std::round(value), -kSliderLimit, kSliderLimit));
    Remember(rounded);
    emit shown(rounded);
}

bool IntSliderBinding::WriteClamped(double value)
{
    SdkGenParameterArray* features = Features();
    bool written = false;
    QString asked;
    if (IsFloatFeature(features, Feature())) {
        asked = QString::number(value, 'f', std::max(decimals_, 0));
        written = WriteFloatClamped(features, Feature(), value);
        Show();
    } else {
        const auto number = static_cast<int32_t>(std::clamp(value, -kSliderLimit - 1.0, kSliderLimit));
        written = ::WriteIntClamped(features, Feature(), number);
        Show();
        asked = QString::number(number);
    }
    NoteWrite(written, asked, written ? edit_->text() : QString());
    return written;
}

void IntSliderBinding::FocusLost()
{
    Show();
}
