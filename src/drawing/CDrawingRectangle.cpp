#include "drawing/CDrawingRectangle.h"

#include <QPainter>

namespace {

const CDrawingBase::KindTraits kRectangleTraits{kDrawingRectangle,
                                                QT_TRANSLATE_NOOP("CDrawingBase", "Rectangle"),
                                                2,
                                                kTextLength | kTextArea,
                                                2,
                                                1,
                                                drawing::ShiftConstraint::Square,
                                                true};

} // namespace

CDrawingRectangle::CDrawingRectangle(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kRectangleTraits, defaults, creationPoint)
{
}

std::optional<double> CDrawingRectangle::GetLength(double sx, double sy) const
{
    return drawing::RectanglePerimeter(CornerBox(), sx, sy);
}

std::optional<double> CDrawingRectangle::GetArea(double sx, double sy) const
{
    return drawing::RectangleArea(CornerBox(), sx, sy);
}

void CDrawingRectangle::DrawShape(QPainter& painter) const
{
    painter.drawRect(CornerStrokeRect());
}
