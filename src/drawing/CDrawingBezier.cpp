#include "drawing/CDrawingBezier.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const CDrawingBase::KindTraits kBezierTraits{kDrawingBezier,
                                             QT_TRANSLATE_NOOP("CDrawingBase", "Bezier"),
                                             4,
                                             0,
                                             kOpenEndedTarget,
                                             kOpenEndedTarget,
                                             drawing::ShiftConstraint::None,
                                             false};

} // namespace

CDrawingBezier::CDrawingBezier(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kBezierTraits, defaults, creationPoint)
{
}

void CDrawingBezier::DrawShape(QPainter& painter) const
{
    const int used = drawing::BezierPointCount(PointCount());
    if (used < 4)
        return;
    QPainterPath path(points_[0]);
    for (int i = 1; i + 2 < used; i += 3)
        path.cubicTo(points_[i], points_[i + 1], points_[i + 2]);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}
