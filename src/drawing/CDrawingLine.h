#pragma once

#include "drawing/CDrawingBase.h"

// A straight line between two points; Shift snaps it to 0, 45 or 90 degrees.
class CDrawingLine : public CDrawingBase {
public:
    CDrawingLine(const DrawingStyle* defaults, QPoint creationPoint);

    std::optional<double> GetLength(double sx, double sy) const override;
    // The length sits at the middle of the line and the name at point 0, each
    // a pen width away from the line.
    std::vector<PlacedText> LayoutTexts(const DrawingUnits& units) const override;
    void DrawShape(QPainter& painter) const override;
};
