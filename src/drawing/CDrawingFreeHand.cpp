#include "drawing/CDrawingFreeHand.h"

#include <QPainter>

namespace {

const CDrawingBase::KindTraits kFreeHandTraits{kDrawingFreeHand,
                                               QT_TRANSLATE_NOOP("CDrawingBase", "Free Hand"),
                                               1,
                                               0,
                                               kOpenEndedTarget,
                                               1,
                                               drawing::ShiftConstraint::None,
                                               false};

} // namespace

CDrawingFreeHand::CDrawingFreeHand(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kFreeHandTraits, defaults, creationPoint)
{
}

void CDrawingFreeHand::PlacePoint(int, unsigned, QPoint p)
{
    if (PointCount() < kMaxFreeHandPoints)
        points_.push_back(p);
}

void CDrawingFreeHand::DrawShape(QPainter& painter) const
{
    painter.drawPolyline(points_.data(), PointCount());
}

void CDrawingFreeHand::DrawAfter(QPainter& painter) const
{
    if (!IsSelected() || points_.empty())
        return;
    DrawHandle(painter, points_.front());
    DrawHandle(painter, points_.back());
}
