#pragma once

#include "drawing/CDrawingBase.h"

// A text label at one point: its name, the local time and the local date.
class CDrawingText : public CDrawingBase {
public:
    CDrawingText(const DrawingStyle* defaults, QPoint creationPoint);

    // Hit on its point, or inside the texts it shows.
    uint32_t HitTest(QPoint p) const override;
    std::vector<PlacedText> LayoutTexts(const DrawingUnits& units) const override;
    // Nothing: the texts are the label.
    void DrawShape(QPainter& painter) const override;
};
