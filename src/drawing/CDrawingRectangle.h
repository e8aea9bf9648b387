#pragma once

#include "drawing/CDrawingBase.h"

// A rectangle spanned by two corner points; Shift keeps it square.
class CDrawingRectangle : public CDrawingBase {
public:
    CDrawingRectangle(const DrawingStyle* defaults, QPoint creationPoint);

    std::optional<double> GetLength(double sx, double sy) const override;
    std::optional<double> GetArea(double sx, double sy) const override;
    void DrawShape(QPainter& painter) const override;
};
