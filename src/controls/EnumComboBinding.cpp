#include "controls/EnumComboBinding.h"

#include "camera/FeatureAccess.h"
#include "camerasettings/EnumFeatures.h"

#include <QComboBox>
#include <QSignalBlocker>

EnumComboBinding::EnumComboBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QComboBox* combo,
                                   Options options)
    : FeatureBinding(owner, row, label),
      combo_(combo),
      options_(options)
{
    AddCompanion(combo_);
    connect(combo_, &QComboBox::activated, this, &EnumComboBinding::OnActivated);
}

void EnumComboBinding::Init()
{
    FeatureBinding::Init();
    FillEntries();
    if (options_.hideWhenUnavailable)
        SetVisible(IsFeatureAvailable(Features(), Feature()));
}

void EnumComboBinding::FillEntries()
{
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    std::vector<SdkGenEnumEntry> entries;
    if (!ReadEnumEntries(Features(), Feature(), entries))
        return;
    for (const SdkGenEnumEntry& entry : entries) {
        if (!options_.availableEntriesOnly || entry.IsAvailable())
            combo_->addItem(QString::fromStdString(entry.GetName()), QVariant::fromValue(entry.GetValue()));
    }
}

void EnumComboBinding::ShowValue()
{
    SdkGenParameterArray* features = Features();
    if (!features)
        return;
    int32_t value = 0;
    if (!ReadFeatureValue(features, Feature(), value)) {
        Remember(-1);
        return;
    }
    // Item data holds the entry's 64-bit value; the feature access gives its
    // low 32 bits.
    int found = -1;
    for (int i = 0; i < combo_->count() && found < 0; ++i) {
        if (static_cast<int32_t>(static_cast<uint32_t>(combo_->itemData(i).toLongLong())) == value)
            found = i;
    }
    const QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(found >= 0 ? found : 0);
    Remember(value);
}

void EnumComboBinding::OnActivated(int index)
{
    const int32_t value =
        options_.write == Write::ItemData ? static_cast<int32_t>(combo_->itemData(index).toLongLong()) : index;
    const QString asked = combo_->itemText(index);
    const bool written = WriteFeatureValue(Features(), Feature(), value);
    Show();
    NoteWrite(written, asked, written ? combo_->currentText() : QString());
    emit changed();
}
