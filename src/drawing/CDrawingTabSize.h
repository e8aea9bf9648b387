#pragma once

#include "drawing/CDrawingTabChildBase.h"

// "Other": locks or hides the selected object. Locked and hidden objects
// cannot be picked on the image; hidden ones are not drawn.
class CDrawingTabSize : public CDrawingTabChildBase {
    Q_OBJECT

public:
    explicit CDrawingTabSize(CTabParentBase& parent, QWidget* widgetParent = nullptr);

    QString Caption() const override;

protected:
    void LoadControls() override;

private:
    QCheckBox* lock_;
    QCheckBox* hide_;
};
