#pragma once

#include "drawing/CDrawingBase.h"

// A rectangle with rounded corners whose size follows the shorter side.
class CDrawingRoundRect : public CDrawingBase {
public:
    CDrawingRoundRect(const DrawingStyle* defaults, QPoint creationPoint);

    void DrawShape(QPainter& painter) const override;
};
