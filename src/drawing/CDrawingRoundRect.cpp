#include "drawing/CDrawingRoundRect.h"

#include <QPainter>
#include <algorithm>

namespace {

const CDrawingBase::KindTraits kRoundRectTraits{kDrawingRoundRect,
                                                QT_TRANSLATE_NOOP("CDrawingBase", "Round Rect"),
                                                2,
                                                0,
                                                2,
                                                1,
                                                drawing::ShiftConstraint::Square,
                                                true};

// The corner ellipses are this fraction of the shorter side.
constexpr int kCornerDivisor = 4;

} // namespace

CDrawingRoundRect::CDrawingRoundRect(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kRoundRectTraits, defaults, creationPoint)
{
}

void CDrawingRoundRect::DrawShape(QPainter& painter) const
{
    const drawing::DrawingRect box = CornerBox();
    const int corner = std::min(box.Width(), box.Height()) / kCornerDivisor;
    // The corner size is the ellipse's width and height; Qt takes radii.
    painter.drawRoundedRect(CornerStrokeRect(), corner / 2.0, corner / 2.0);
}
