#pragma once

#include "controls/BindingOwner.h"
#include "controls/EnumComboBinding.h"
#include "controls/ValueComboBinding.h"

#include <QWidget>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class CameraConnection;
class ControlHost;
class FloatEditBinding;
class IntSliderBinding;
class QGridLayout;
class QLabel;

// Base of the pages of the camera control dialog. A page is a table of
// feature rows and its enabling rules:
//
//   constructor   builds its widgets in grids with the Add* builders below,
//                 one call per row of its table (label, feature, binding
//                 kind, register tooltip), and connects the bindings'
//                 changed()/shown() signals to its own rules;
//   InitControls  calls InitBindings() (label texts, tooltips, lists from
//                 the camera's enumerations) and anything of its own;
//   RefreshFromCamera
//                 with a camera, calls Show() on its bindings in its table's
//                 order, then applies its enabling rules; without one, only
//                 the rules.
//
// The page acts on the host's first camera. Enter and Escape never leave a
// page, so neither closes the dialog. Every binding remembers the value it
// last showed or wrote (-1: unknown), for the page's rules and the settings
// file.
class SettingsPage : public QWidget, public BindingOwner {
    Q_OBJECT
public:
    // The grid columns of a standard row.
    enum Column : int {
        kLabelColumn = 0,
        kControlColumn = 1, // slider, combo or float edit
        kEditColumn = 2,    // a slider's edit box
        kUnitColumn = 3,    // unit text such as "[uSec]"
        kExtraColumn = 4,   // notes and computed texts
    };

    // The width of the pages' numeric edit boxes.
    static constexpr int kEditWidth = 80;

    // caption: the tab's English caption, translated in this page's context.
    explicit SettingsPage(const char* caption, QWidget* parent = nullptr);
    ~SettingsPage() override;

    // Reads every bound feature and shows it, then applies the enabling
    // rules; without a camera only the rules run, on the remembered values.
    virtual void RefreshFromCamera() = 0;
    // One-time set-up when the dialog builds the page.
    virtual void InitControls() = 0;

    // Set by the control dialog before InitControls.
    void SetHost(ControlHost* host) { host_ = host; }
    QString Caption() const;

    // The host's first camera, or null.
    CameraConnection* Camera() const;
    // The window that owns the dialog; null before SetHost.
    ControlHost* Host() const { return host_; }
    SdkGenParameterArray* Features() const override;
    QString Translate(const char* text) const override;
    QObject* BindingParent() override { return this; }

    // The value the page's binding of that feature last showed or wrote;
    // -1 when it could not be read or the page binds no such feature.
    int32_t Remembered(const std::string& feature) const;
    // The same for a float edit; -1 likewise.
    double RememberedFloat(const std::string& feature) const;

    // Runs a change that the camera refuses while streaming: stops every
    // camera's preview when it runs, waits waitAfterStop, makes the change,
    // and restarts the preview after a 10 ms pause.
    void RunWithPreviewStopped(const std::function<void()>& change,
                               std::chrono::milliseconds waitAfterStop = std::chrono::milliseconds(0));

    // Row builders for the page and its shared row groups: label, widgets
    // and binding in the standard columns of the grid's row (combos from
    // `column`); unit texts are translated.
    IntSliderBinding* AddIntSlider(QGridLayout& grid, int row, const FeatureRow& feature, const char* unit = nullptr);
    ValueComboBinding* AddValueCombo(QGridLayout& grid, int row, const FeatureRow& feature,
                                     std::vector<const char*> items, ValueComboBinding::Unreadable unreadable,
                                     int column = kLabelColumn);
    EnumComboBinding* AddEnumCombo(QGridLayout& grid, int row, const FeatureRow& feature,
                                   EnumComboBinding::Options options, int column = kLabelColumn);
    FloatEditBinding* AddFloatEdit(QGridLayout& grid, int row, const FeatureRow& feature, int decimals);
    // A text of the page (unit, note) in the grid, translated.
    QLabel* AddText(QGridLayout& grid, int row, int column, const char* text);

protected:
    // Init() of every binding of the page, in creation order.
    void InitBindings();

    void keyPressEvent(QKeyEvent* event) override;

private:
    const char* caption_;
    ControlHost* host_ = nullptr;
};
