#pragma once

#include "controls/AreaOverlay.h"
#include "controls/BindingOwner.h"

#include <QDialog>

class BorderSliderGroup;
class CDeviceInfo;
class ValueComboBinding;

// "White Balance setting": the white balance metering zone, switched on and
// off by WB_WindowMode and bounded by WB_WindowH1/H2 and WB_WindowV1/V2 on
// sliders. Every change is written at once; OK and Cancel only close. While
// open it draws the zone over the camera's live image as the overlay
// painter "AWBAREA".
class CAwbAreaDlg : public QDialog, public BindingOwner {
    Q_OBJECT
public:
    static constexpr const char* kOverlayName = "AWBAREA";

    // camera may be null: the dialog then shows nothing and writes nothing.
    explicit CAwbAreaDlg(CDeviceInfo* camera, QWidget* parent = nullptr);
    ~CAwbAreaDlg() override;

    SdkGenParameterArray* Features() const override;
    QString Translate(const char* text) const override;
    QObject* BindingParent() override { return this; }

    AreaOverlay& Overlay() { return overlay_; }

private:
    void ShowBorders();
    void ApplyEnablingRules();

    CDeviceInfo* camera_;
    ValueComboBinding* mode_ = nullptr;
    BorderSliderGroup* xs_ = nullptr;
    BorderSliderGroup* ys_ = nullptr;
    AreaOverlay overlay_{kOverlayName};
};
