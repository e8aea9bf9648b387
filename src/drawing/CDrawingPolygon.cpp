#include "drawing/CDrawingPolygon.h"

#include <QPainter>

namespace {

const CDrawingBase::KindTraits kPolygonTraits{kDrawingPolygon,
                                              QT_TRANSLATE_NOOP("CDrawingBase", "Polygon"),
                                              3,
                                              kTextLength | kTextArea,
                                              kOpenEndedTarget,
                                              kOpenEndedTarget,
                                              drawing::ShiftConstraint::None,
                                              false};

} // namespace

CDrawingPolygon::CDrawingPolygon(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kPolygonTraits, defaults, creationPoint)
{
}

std::optional<double> CDrawingPolygon::GetLength(double sx, double sy) const
{
    return drawing::ClosedPolygonLength(points_, sx, sy);
}

std::optional<double> CDrawingPolygon::GetArea(double sx, double sy) const
{
    return drawing::PolygonArea(points_, sx, sy);
}

void CDrawingPolygon::DrawShape(QPainter& painter) const
{
    painter.drawPolygon(points_.data(), PointCount(),
                        style_.polyFillMode == kFillWinding ? Qt::WindingFill : Qt::OddEvenFill);
}
