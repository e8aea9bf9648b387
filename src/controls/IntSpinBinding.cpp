#include "controls/IntSpinBinding.h"

#include "camera/FeatureAccess.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

IntSpinBinding::IntSpinBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QSpinBox* spin,
                               int32_t fallbackMin, int32_t fallbackMax)
    : FeatureBinding(owner, row, label),
      spin_(spin),
      fallbackMin_(fallbackMin),
      fallbackMax_(fallbackMax)
{
    AddCompanion(spin_);
    // Typing alone writes nothing: a step or Enter does (the spin shows the
    // camera's value, so Enter on an unchanged number has nothing to write).
    spin_->setKeyboardTracking(false);
    connect(spin_, &QSpinBox::valueChanged, this, [this](int value) { Write(value); });
    // The box's own focus handling would take the typed number; the filter
    // sees the focus loss first and puts the remembered value back.
    WatchFocusLoss(spin_);
    WatchFocusLoss(spin_->findChild<QLineEdit*>());
}

void IntSpinBinding::ShowValue()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    int32_t min = fallbackMin_;
    int32_t max = fallbackMax_;
    int32_t increment = 0;
    if (!ReadIntRange(features, Feature(), min, max, increment)) {
        min = fallbackMin_;
        max = fallbackMax_;
    }
    SetRangeEmpty(min > max);
    int32_t value = 0;
    const bool read = ReadFeatureValue(features, Feature(), value);
    const QSignalBlocker blocker(spin_);
    // A range that takes no value leaves the spin the camera's value alone:
    // it is shown, and no step can write another.
    if (min > max && read)
        spin_->setRange(value, value);
    else
        spin_->setRange(min, max);
    if (!read) {
        Remember(-1);
        return;
    }
    spin_->setValue(value);
    Remember(value);
    emit shown(value);
}

void IntSpinBinding::Write(int32_t value)
{
    const bool written = WriteFeatureValue(Features(), Feature(), value);
    Show();
    NoteWrite(written, QString::number(value), written ? QString::number(spin_->value()) : QString());
}

void IntSpinBinding::FocusLost()
{
    const QSignalBlocker blocker(spin_);
    spin_->setValue(Remembered());
}
