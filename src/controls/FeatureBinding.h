#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <string>
#include <utility>
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

// Why a feature whose range has its minimum above its maximum is shown
// read-only; rows that are no binding say it too.
QString EmptyRangeNote(const std::string& feature);

// Base of the widget bindings of the control pages and their dialogs: ties a
// label and its widgets to one camera feature of the owner's camera. Show reads the feature
// and shows it; user actions write it and show the camera's value again.
// No failure raises a message box: the widgets keep what they showed, the
// binding remembers -1, and a write the camera refused or adjusted is noted
// in a tooltip at the widget (WriteNote).
//
// The row binds the first of its feature's names (its own, then the standard
// names) that the camera offers. A row whose feature the camera lacks stays
// disabled with a tooltip that says so; a read-only feature is shown with its
// input widgets disabled. SetEnabled asks for a state within these limits.
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

    // The feature bound now: the row's own name or the standard name the
    // camera offers instead.
    const std::string& Feature() const { return feature_; }
    // Binds the row to another feature (and register text) from now on.
    void Rebind(std::string feature, const char* tooltip);
    int32_t Remembered() const { return remembered_; }

    // Picks the name the camera offers, then reads the feature from the
    // page's camera and shows it.
    void Show();
    // One-time set-up: the label's text and tooltip; lists filled from the
    // camera. Pages call it for all their bindings through
    // SettingsPage::InitBindings.
    virtual void Init();

    // The label and every widget of the row, within what the camera allows.
    void SetEnabled(bool enabled);
    // Whether the camera offers the bound feature (true without a camera).
    bool IsOffered() const { return access_ != Access::Absent; }
    // What the last write's note said; empty when the camera took the value
    // as asked.
    const QString& WriteNote() const { return writeNote_; }
    void SetVisible(bool visible);
    // Adds a widget (unit text, preset button) that is enabled and shown
    // together with the row.
    void AddCompanion(QWidget* widget);
    QLabel* Label() const { return label_; }

protected:
    BindingOwner& Owner() const { return owner_; }
    SdkGenParameterArray* Features() const;
    void Remember(int32_t value) { remembered_ = value; }
    // Reads the bound feature and shows it.
    virtual void ShowValue() = 0;
    // A range whose minimum is above its maximum takes no value: the row
    // shows the camera's value read-only and says why (ShowValue sets it).
    void SetRangeEmpty(bool empty);
    bool RangeEmpty() const { return rangeEmpty_; }
    // After a write of the user's value: notes a refusal, or a value the
    // camera shows other than the one asked for, at the row's widget.
    void NoteWrite(bool written, const QString& asked, const QString& shown);

    // Calls FocusLost when the widget (an edit box) loses the keyboard focus.
    void WatchFocusLoss(QWidget* edit);
    virtual void FocusLost() {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Access { Unknown, Absent, ReadOnly, Writable };

    // Binds the first name the camera offers and learns its access.
    void Resolve();
    void ApplyTooltip();
    void ApplyEnabled();
    void Track(QWidget* widget);
    // False once one of the row's widgets is destroyed or being destroyed:
    // a window that closes takes the focus from its widgets one by one.
    bool WidgetsIntact() const;

    BindingOwner& owner_;
    std::string ownFeature_;
    std::string feature_;
    Access access_ = Access::Unknown;
    bool rangeEmpty_ = false;
    bool enabledWanted_ = true;
    QString writeNote_;
    const char* labelText_;
    const char* tooltip_;
    QLabel* label_;
    std::vector<QWidget*> widgets_;
    // Each widget as it was added, and its class then.
    std::vector<std::pair<QPointer<QWidget>, const QMetaObject*>> tracked_;
    int32_t remembered_ = 0;
};
