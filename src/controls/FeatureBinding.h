#pragma once

#include <QObject>

#include <cstdint>
#include <string>
#include <vector>

class BindingOwner;
class QLabel;
class QWidget;
class SdkGenParameterArray;

// One row of a page's feature table: the label's English text (translated in
// the page's context; mark it with QT_TRANSLATE_NOOP and the page's class
// name), the camera feature, and the camera register behind it as bank,
// address and bits ("20H_ 21H"), shown as the label's tooltip (null: none).
struct FeatureRow {
    const char* label = nullptr;
    const char* feature = nullptr;
    const char* tooltip = nullptr;
};

// Base of the widget bindings of the control pages and their dialogs: ties a
// label and its widgets to one camera feature of the owner's camera. Show reads the feature
// and shows it; user actions write it and show the camera's value again.
// No failure raises a message: the widgets keep what they showed and the
// binding remembers -1.
//
// The remembered value is the last value shown or written (0 until the first
// show, -1 after a failed read); the settings file saves it.
class FeatureBinding : public QObject {
    Q_OBJECT
public:
    // label may be null (a button row); the row's tooltip then goes on the
    // first widget added.
    // The binding lives as long as its owner.
    FeatureBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label);

    const std::string& Feature() const { return feature_; }
    // Binds the row to another feature (and register text) from now on.
    void Rebind(std::string feature, const char* tooltip);
    int32_t Remembered() const { return remembered_; }

    // Reads the feature from the page's camera and shows it.
    virtual void Show() = 0;
    // One-time set-up: the label's text and tooltip; lists filled from the
    // camera. Pages call it for all their bindings through
    // CTabDialog::InitBindings.
    virtual void Init();

    // The label and every widget of the row.
    void SetEnabled(bool enabled);
    void SetVisible(bool visible);
    // Adds a widget (unit text, preset button) that is enabled and shown
    // together with the row.
    void AddCompanion(QWidget* widget);
    QLabel* Label() const { return label_; }

protected:
    BindingOwner& Owner() const { return owner_; }
    SdkGenParameterArray* Features() const;
    void Remember(int32_t value) { remembered_ = value; }

    // Calls FocusLost when the widget (an edit box) loses the keyboard focus.
    void WatchFocusLoss(QWidget* edit);
    virtual void FocusLost() {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyTooltip();

    BindingOwner& owner_;
    std::string feature_;
    const char* labelText_;
    const char* tooltip_;
    QLabel* label_;
    std::vector<QWidget*> widgets_;
    int32_t remembered_ = 0;
};
