#pragma once

#include "controls/AreaOverlay.h"
#include "controls/BindingOwner.h"

#include <QDialog>

#include <array>

class BorderSliderGroup;
class CDeviceInfo;
class IntSpinBinding;

// "ALC Weight/Area": the nine metering weights of the automatic light
// control (a 3 x 3 grid of spin boxes, ALCWeight1 to ALCWeight9 row by row)
// and the borders of its 4 x 4 metering window (ALCWindowH1..H4 and
// ALCWindowV1..V4 on sliders). Every change is written at once. While open
// it draws the window and the weights over the camera's live image as the
// overlay painter "ALCAREA".
class CAlcAreaDlg : public QDialog, public BindingOwner {
    Q_OBJECT
public:
    static constexpr const char* kOverlayName = "ALCAREA";

    // camera may be null: the dialog then shows nothing and writes nothing.
    explicit CAlcAreaDlg(CDeviceInfo* camera, QWidget* parent = nullptr);
    ~CAlcAreaDlg() override;

    SdkGenParameterArray* Features() const override;
    QString Translate(const char* text) const override;
    QObject* BindingParent() override { return this; }

    AreaOverlay& Overlay() { return overlay_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowBorders();
    void UpdateWeights();

    CDeviceInfo* camera_;
    std::array<IntSpinBinding*, 9> weights_{};
    BorderSliderGroup* xs_ = nullptr;
    BorderSliderGroup* ys_ = nullptr;
    AreaOverlay overlay_{kOverlayName};
};
