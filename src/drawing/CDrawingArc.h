#pragma once

#include "drawing/CDrawingBase.h"

// An elliptic arc: points 0 and 1 span the box of the full ellipse, points 2
// and 3 mark the rays from the box centre where the arc starts and ends; the
// arc runs counter-clockwise from start to end.
class CDrawingArc : public CDrawingBase {
public:
    CDrawingArc(const DrawingStyle* defaults, QPoint creationPoint);

    double StartAngle() const;
    double EndAngle() const;
    // The arc length, only when the ellipse is a circle in length units.
    std::optional<double> GetLength(double sx, double sy) const override;
    // The box of points 0 and 1.
    drawing::DrawingRect GetBoundingBox() const override;
    std::vector<PlacedText> LayoutTexts(const DrawingUnits& units) const override;
    void DrawShape(QPainter& painter) const override;
};
