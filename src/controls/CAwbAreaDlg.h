#pragma once

#include "controls/AreaDialog.h"

class ValueComboBinding;

// "White Balance setting": the white balance metering zone, switched on and
// off by WB_WindowMode and bounded by WB_WindowH1/H2 and WB_WindowV1/V2 on
// sliders. OK and Cancel only close. While open it draws the zone over the
// live image as the overlay painter "AWBAREA".
class CAwbAreaDlg : public AreaDialog {
    Q_OBJECT
public:
    static constexpr const char* kOverlayName = "AWBAREA";

    explicit CAwbAreaDlg(CameraConnection* camera, QWidget* parent = nullptr);

private:
    void ApplyEnablingRules();

    ValueComboBinding* mode_ = nullptr;
};
