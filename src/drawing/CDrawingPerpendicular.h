#pragma once

#include "drawing/CDrawingBase.h"

// A perpendicular gauge: points 0 and 1 define a base line, every further
// point gets a line to its foot on that (unbounded) line, measured.
class CDrawingPerpendicular : public CDrawingBase {
public:
    CDrawingPerpendicular(const DrawingStyle* defaults, QPoint creationPoint);

    // Foot on the base line of point `index` (2 and above).
    QPoint FootOf(int index) const;
    // The length of the first perpendicular (point 2), if there is one.
    std::optional<double> GetLength(double sx, double sy) const override;
    // Each perpendicular's length at its point, away from its foot.
    std::vector<PlacedText> LayoutTexts(const DrawingUnits& units) const override;
    void DrawShape(QPainter& painter) const override;
};
