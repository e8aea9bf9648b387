#pragma once

#include "controls/CTabDialog.h"

// Holds the place of a control page that is not built yet, so the dialog
// always has its eight tabs in their order.
// Its caption is translated in the context "CTabDialog".
class CEmptyTabPage : public CTabDialog {
public:
    using CTabDialog::CTabDialog;

    void RefreshFromCamera() override {}
    void InitControls() override {}
};
