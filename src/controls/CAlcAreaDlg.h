#pragma once

#include "controls/AreaDialog.h"

#include <array>

class IntSpinBinding;

// "ALC Weight/Area": the nine metering weights of the automatic light
// control (a 3 x 3 grid of spin boxes, ALCWeight1 to ALCWeight9 row by row)
// and the borders of its 4 x 4 metering window (ALCWindowH1..H4 and
// ALCWindowV1..V4 on sliders). While open it draws the window and the
// weights over the live image as the overlay painter "ALCAREA".
class CAlcAreaDlg : public AreaDialog {
    Q_OBJECT
public:
    static constexpr const char* kOverlayName = "ALCAREA";

    explicit CAlcAreaDlg(CameraConnection* camera, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateWeights();

    std::array<IntSpinBinding*, 9> weights_{};
};
