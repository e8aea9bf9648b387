#pragma once

#include "drawing/CDrawingTabChildBase.h"

// "Pen / Brush": the selected object's pen, brush, background and polygon
// fill mode. Lists that do not apply to the object's kind are disabled.
class CDrawingTabPen : public CDrawingTabChildBase {
    Q_OBJECT

public:
    explicit CDrawingTabPen(CTabParentBase& parent, QWidget* widgetParent = nullptr);

    QString Caption() const override;

protected:
    void LoadControls() override;

private:
    QComboBox* penStyle_;
    QSlider* penWidth_;
    CColorSelButton* penColor_;
    QComboBox* brushType_;
    QComboBox* brushStyle_;
    CColorSelButton* brushColor_;
    QComboBox* backMode_;
    CColorSelButton* backColor_;
    QComboBox* polyFillMode_;
};
