#pragma once

#include "drawing/CDrawingBase.h"

// A cross marker: a horizontal and a vertical line through the centre of the
// box spanned by two points, each a band of one-pixel lines as wide as the pen.
class CDrawingCross : public CDrawingBase {
public:
    CDrawingCross(const DrawingStyle* defaults, QPoint creationPoint);

    QPoint Centre() const;
    // The standard texts, and the centre's coordinates beside it.
    std::vector<PlacedText> LayoutTexts(const DrawingUnits& units) const override;
    void DrawShape(QPainter& painter) const override;
};
