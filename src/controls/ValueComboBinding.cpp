#include "controls/ValueComboBinding.h"

#include "camera/FeatureAccess.h"
#include "controls/BindingOwner.h"

#include <QComboBox>
#include <QSignalBlocker>

ValueComboBinding::ValueComboBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QComboBox* combo,
                                     std::vector<const char*> items, Unreadable unreadable)
    : FeatureBinding(owner, row, label),
      combo_(combo),
      items_(std::move(items)),
      unreadable_(unreadable)
{
    AddCompanion(combo_);
    connect(combo_, &QComboBox::activated, this, &ValueComboBinding::OnActivated);
}

void ValueComboBinding::Init()
{
    FeatureBinding::Init();
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    for (const char* item : items_)
        combo_->addItem(Owner().Translate(item));
}

void ValueComboBinding::ShowValue()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    int32_t min = 0;
    int32_t max = 0;
    int32_t increment = 0;
    SetRangeEmpty(ReadIntRange(features, Feature(), min, max, increment) && min > max);
    int32_t value = 0;
    if (ReadFeatureValue(features, Feature(), value)) {
        Select(value);
        Remember(value);
    } else if (unreadable_ == Unreadable::SelectFirst) {
        Select(0);
        Remember(0);
    } else {
        Remember(-1);
    }
}

void ValueComboBinding::Select(int index)
{
    const QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(index);
}

void ValueComboBinding::OnActivated(int index)
{
    const QString asked = combo_->itemText(index);
    const bool written = !RangeEmpty() && WriteFeatureValue(Features(), Feature(), index);
    if (written)
        Show();
    else
        Remember(-1);
    NoteWrite(written, asked, written ? combo_->currentText() : QString());
    emit changed();
}
