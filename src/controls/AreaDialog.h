#pragma once

#include "controls/AreaOverlay.h"
#include "controls/BindingOwner.h"
#include "controls/BorderSliderGroup.h"

#include <QDialog>

#include <vector>

class CameraConnection;
class QGridLayout;

// Base of the ALC and white balance area dialogs: a modal dialog over the
// first camera with an X and a Y group of border sliders, whose borders it
// draws over the camera's live image while it is open. Every change is
// written to the camera at once.
class AreaDialog : public QDialog, public BindingOwner {
    Q_OBJECT
public:
    ~AreaDialog() override;

    SdkGenParameterArray* Features() const override;
    QString Translate(const char* text) const override;
    QObject* BindingParent() override { return this; }

    AreaOverlay& Overlay() { return overlay_; }

protected:
    // camera may be null: the dialog then shows nothing and writes nothing.
    // overlayName: the preview painter's name.
    AreaDialog(CameraConnection* camera, const char* overlayName, QWidget* parent);

    // Adds the X and then the Y borders to the grid from firstRow; a moved
    // border makes the dialog read and show all of them again.
    void AddBorderGroups(QWidget& box, QGridLayout& grid, int firstRow,
                         const std::vector<BorderSliderGroup::Border>& xs,
                         const std::vector<BorderSliderGroup::Border>& ys);
    // Reads and shows the borders and hands them to the overlay.
    void ShowBorders();
    void SetBordersEnabled(bool enabled);
    // Switches the overlay on, once the dialog shows the camera's values.
    void StartOverlay();

private:
    CameraConnection* camera_;
    BorderSliderGroup* xs_ = nullptr;
    BorderSliderGroup* ys_ = nullptr;
    AreaOverlay overlay_;
};
