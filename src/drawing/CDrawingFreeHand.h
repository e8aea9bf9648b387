#pragma once

#include "drawing/CDrawingBase.h"

// A free-hand stroke: every mouse move while drawing adds a point, up to
// kMaxFreeHandPoints.
class CDrawingFreeHand : public CDrawingBase {
public:
    static constexpr int kMaxFreeHandPoints = 30000;

    CDrawingFreeHand(const DrawingStyle* defaults, QPoint creationPoint);

    // Appends the point, whatever the index, while there is room.
    void PlacePoint(int index, unsigned keyFlags, QPoint p) override;
    void DrawShape(QPainter& painter) const override;
    // Handles only at the two ends of a selected stroke.
    void DrawAfter(QPainter& painter) const override;
};
