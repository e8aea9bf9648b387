#pragma once

#include "drawing/CDrawingBase.h"

// A poly-Bezier curve: start point, then two control points and an end point
// per segment.
class CDrawingBezier : public CDrawingBase {
public:
    CDrawingBezier(const DrawingStyle* defaults, QPoint creationPoint);

    void DrawShape(QPainter& painter) const override;
};
