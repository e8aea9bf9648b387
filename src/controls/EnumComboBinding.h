#pragma once

#include "controls/FeatureBinding.h"

class QComboBox;

// An enumeration feature on a combo box filled from the enumeration's
// entries: Init adds each entry's name as item text and its value as item
// data, in index order. Show reads the value and selects the first item
// whose data equals it (the first item when none does). A selection by the
// user writes the item's data or its index, as the page's table says, shows
// the camera's value again and emits changed(), for the page's rules.
class EnumComboBinding : public FeatureBinding {
    Q_OBJECT
public:
    enum class Write { ItemData, ItemIndex };
    struct Options {
        Write write = Write::ItemData;
        // Only the entries the camera reports as available.
        bool availableEntriesOnly = false;
        // Hide the row when the feature is missing or invisible.
        bool hideWhenUnavailable = false;
    };

    EnumComboBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QComboBox* combo, Options options);

    void Init() override;
    void ShowValue() override;

    // Refills the items from the camera's entries.
    void FillEntries();
    QComboBox* Combo() const { return combo_; }

signals:
    // After a selection by the user was written and the camera's value shown.
    void changed();

private:
    void OnActivated(int index);

    QComboBox* combo_;
    Options options_;
};
