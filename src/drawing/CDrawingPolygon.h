#pragma once

#include "drawing/CDrawingBase.h"

// A closed polygon through its points, filled with the object's fill mode.
class CDrawingPolygon : public CDrawingBase {
public:
    CDrawingPolygon(const DrawingStyle* defaults, QPoint creationPoint);

    std::optional<double> GetLength(double sx, double sy) const override;
    std::optional<double> GetArea(double sx, double sy) const override;
    void DrawShape(QPainter& painter) const override;
};
