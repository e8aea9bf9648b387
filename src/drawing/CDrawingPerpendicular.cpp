#include "drawing/CDrawingPerpendicular.h"

#include <QPainter>

namespace {

const CDrawingBase::KindTraits kPerpendicularTraits{kDrawingPerpendicular,
                                                    QT_TRANSLATE_NOOP("CDrawingBase", "Perpendicular"),
                                                    3,
                                                    kTextLength,
                                                    kOpenEndedTarget,
                                                    kOpenEndedTarget,
                                                    drawing::ShiftConstraint::AngleSnap,
                                                    false};

constexpr int kFirstMeasuredPoint = 2;

} // namespace

CDrawingPerpendicular::CDrawingPerpendicular(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kPerpendicularTraits, defaults, creationPoint)
{
}

QPoint CDrawingPerpendicular::FootOf(int index) const
{
    return drawing::PerpendicularFoot(GetPoint(0), GetPoint(1), GetPoint(index));
}

std::optional<double> CDrawingPerpendicular::GetLength(double sx, double sy) const
{
    if (PointCount() <= kFirstMeasuredPoint)
        return std::nullopt;
    return drawing::ScaledDistance(GetPoint(kFirstMeasuredPoint), FootOf(kFirstMeasuredPoint), sx, sy);
}

std::vector<PlacedText> CDrawingPerpendicular::LayoutTexts(const DrawingUnits& units) const
{
    std::vector<PlacedText> texts = StandardTexts(units, style_.dispTextMode & ~kTextLength);
    if (style_.dispTextMode & kTextLength) {
        const int gap = TextGap();
        for (int i = kFirstMeasuredPoint; i < PointCount(); ++i) {
            const QPoint p = GetPoint(i);
            const QPoint foot = FootOf(i);
            const int dx = drawing::Sign(p.x() - foot.x());
            const int dy = drawing::Sign(p.y() - foot.y());
            const double length = drawing::ScaledDistance(p, foot, units.pixelSizeX, units.pixelSizeY);
            texts.push_back({MeasureText(length, units.lengthUnit), p + QPoint(dx * gap, dy * gap), AlignAway(dx, dy)});
        }
    }
    return texts;
}

void CDrawingPerpendicular::DrawShape(QPainter& painter) const
{
    painter.drawLine(GetPoint(0), GetPoint(1));
    for (int i = kFirstMeasuredPoint; i < PointCount(); ++i)
        painter.drawLine(GetPoint(i), FootOf(i));
}
