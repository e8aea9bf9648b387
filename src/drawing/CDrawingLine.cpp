#include "drawing/CDrawingLine.h"

#include <QPainter>

namespace {

const CDrawingBase::KindTraits kLineTraits{
    kDrawingLine, QT_TRANSLATE_NOOP("CDrawingBase", "Line"), 2, kTextLength, 2, 1, drawing::ShiftConstraint::AngleSnap,
    false};

} // namespace

CDrawingLine::CDrawingLine(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kLineTraits, defaults, creationPoint)
{
}

std::optional<double> CDrawingLine::GetLength(double sx, double sy) const
{
    return drawing::ScaledDistance(GetPoint(0), GetPoint(1), sx, sy);
}

std::vector<PlacedText> CDrawingLine::LayoutTexts(const DrawingUnits& units) const
{
    const int32_t mode = style_.dispTextMode;
    std::vector<PlacedText> texts = StandardTexts(units, mode & ~(kTextLength | kTextName));
    const QPoint p0 = GetPoint(0);
    const QPoint p1 = GetPoint(1);
    const int gap = TextGap();
    if (mode & kTextLength) {
        // Of the two normals, the one pointing up (or right for a vertical line).
        const QPoint along = p1 - p0;
        QPoint normal(along.y(), -along.x());
        if (normal.y() > 0 || (normal.y() == 0 && normal.x() < 0))
            normal = -normal;
        const int nx = drawing::Sign(normal.x());
        const int ny = drawing::Sign(normal.y());
        const QPoint middle = (p0 + p1) / 2;
        texts.push_back({MeasureText(*GetLength(units.pixelSizeX, units.pixelSizeY), units.lengthUnit),
                         middle + QPoint(nx * gap, ny * gap), AlignAway(nx, ny)});
    }
    if (mode & kTextName) {
        const int dx = drawing::Sign(p0.x() - p1.x());
        const int dy = drawing::Sign(p0.y() - p1.y());
        texts.push_back({PaddedText(style_.name), p0 + QPoint(dx * gap, dy * gap), AlignAway(dx, dy)});
    }
    return texts;
}

void CDrawingLine::DrawShape(QPainter& painter) const
{
    painter.drawPolyline(points_.data(), PointCount());
}
