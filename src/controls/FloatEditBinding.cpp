#include "controls/FloatEditBinding.h"

#include "camera/FeatureAccess.h"
#include "camerasettings/StandardFeatures.h"
#include "controls/TextNumbers.h"

#include <QLineEdit>

FloatEditBinding::FloatEditBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QLineEdit* edit,
                                   int decimals)
    : FeatureBinding(owner, row, label),
      edit_(edit),
      decimals_(decimals)
{
    AddCompanion(edit_);
    connect(edit_, &QLineEdit::returnPressed, this, [this] {
        const double value = ParseDecimalNumber(edit_->text().toStdString());
        const bool written =
            EnableStandardFeature(Features(), Feature()) && WriteFloatClamped(Features(), Feature(), value);
        Show();
        NoteWrite(written, QString::number(value, 'f', decimals_), written ? edit_->text() : QString());
    });
    WatchFocusLoss(edit_);
}

void FloatEditBinding::ShowValue()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    double max = 0.0;
    double min = 0.0;
    SetRangeEmpty(ReadFloatRange(features, Feature(), max, min) && min > max);
    double value = 0.0;
    if (!ReadFloatValue(features, Feature(), value)) {
        rememberedFloat_ = -1.0;
        Remember(-1);
        return;
    }
    edit_->setText(QString::number(value, 'f', decimals_));
    rememberedFloat_ = value;
}

void FloatEditBinding::FocusLost()
{
    Show();
}
