#include "controls/IntSliderBinding.h"

#include "camera/FeatureAccess.h"
#include "controls/TextNumbers.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

IntSliderBinding::IntSliderBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QSlider* slider,
                                   QLineEdit* edit)
    : FeatureBinding(owner, row, label), slider_(slider), edit_(edit)
{
    AddCompanion(slider_);
    AddCompanion(edit_);
    // Programmatic changes happen with the slider's signals blocked, so this
    // sees only what the user does.
    connect(slider_, &QSlider::valueChanged, this, [this](int position) { WriteClamped(position); });
    connect(edit_, &QLineEdit::returnPressed, this,
            [this] { WriteClamped(ParseDecimalInt(edit_->text().toStdString())); });
    WatchFocusLoss(edit_);
}

void IntSliderBinding::Show()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    int32_t min = 0;
    int32_t max = 0;
    int32_t increment = 0;
    if (ReadIntRange(features, Feature(), min, max, increment)) {
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
    Remember(value);
    emit shown(value);
}

bool IntSliderBinding::WriteClamped(int32_t value)
{
    const bool written = ::WriteIntClamped(Features(), Feature(), value);
    Show();
    return written;
}

void IntSliderBinding::FocusLost()
{
    Show();
}
