#pragma once

#include "drawing/CDrawingBase.h"

// The ellipse inscribed in the box spanned by two corner points; Shift makes
// it a circle.
class CDrawingEllipse : public CDrawingBase {
public:
    CDrawingEllipse(const DrawingStyle* defaults, QPoint creationPoint);

    std::optional<double> GetLength(double sx, double sy) const override;
    std::optional<double> GetArea(double sx, double sy) const override;
    void DrawShape(QPainter& painter) const override;
};
