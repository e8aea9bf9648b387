#include "drawing/CDrawingEllipse.h"

#include <QPainter>

namespace {

const CDrawingBase::KindTraits kEllipseTraits{kDrawingEllipse,
                                              QT_TRANSLATE_NOOP("CDrawingBase", "Ellipse"),
                                              2,
                                              kTextLength | kTextArea,
                                              2,
                                              1,
                                              drawing::ShiftConstraint::Square,
                                              true};

} // namespace

CDrawingEllipse::CDrawingEllipse(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kEllipseTraits, defaults, creationPoint)
{
}

std::optional<double> CDrawingEllipse::GetLength(double sx, double sy) const
{
    return drawing::EllipsePerimeter(CornerBox(), sx, sy);
}

std::optional<double> CDrawingEllipse::GetArea(double sx, double sy) const
{
    return drawing::EllipseArea(CornerBox(), sx, sy);
}

void CDrawingEllipse::DrawShape(QPainter& painter) const
{
    painter.drawEllipse(CornerStrokeRect());
}
