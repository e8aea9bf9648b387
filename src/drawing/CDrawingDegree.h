#pragma once

#include "drawing/CDrawingBase.h"

// An angle gauge: arm end, vertex, arm end. Measures the angle turned
// clockwise on screen from the first arm to the second.
class CDrawingDegree : public CDrawingBase {
public:
    CDrawingDegree(const DrawingStyle* defaults, QPoint creationPoint);

    // The gauge's angle in degrees times the display ratio.
    double GaugeAngle(double sx, double sy, double ratio) const;
    std::vector<PlacedText> LayoutTexts(const DrawingUnits& units) const override;
    void DrawShape(QPainter& painter) const override;
    // A small arc at the vertex marks the measured angle.
    void DrawAfter(QPainter& painter) const override;
};
