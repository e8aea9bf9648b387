#pragma once

#include "controls/FeatureBinding.h"

#include <vector>

class QComboBox;

// An integer or enumeration feature on a combo box whose item index is the
// feature's value; the items are the page's own texts.
// Show: reads the value and selects that index. A selection by the user
// writes the index; when the camera takes it, the value is read back and
// shown, otherwise the binding remembers -1. Then changed() is emitted, for
// the page's enabling rules.
class ValueComboBinding : public FeatureBinding {
    Q_OBJECT
public:
    // What Show does when the value cannot be read.
    enum class Unreadable {
        KeepSelection, // leave the selection, remember -1
        SelectFirst,   // select the first item, remember 0
    };

    // items: English texts, translated in the page's context by Init.
    ValueComboBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label, QComboBox* combo,
                      std::vector<const char*> items, Unreadable unreadable);

    void Init() override;
    void ShowValue() override;

    QComboBox* Combo() const { return combo_; }

signals:
    // After a selection by the user was written (or refused) and shown.
    void changed();

private:
    void Select(int index);
    void OnActivated(int index);

    QComboBox* combo_;
    std::vector<const char*> items_;
    Unreadable unreadable_;
};
