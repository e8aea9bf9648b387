#include "drawing/CDrawingDegree.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const CDrawingBase::KindTraits kDegreeTraits{kDrawingDegree,
                                             QT_TRANSLATE_NOOP("CDrawingBase", "Degree"),
                                             3,
                                             kTextDegree,
                                             3,
                                             2,
                                             drawing::ShiftConstraint::AngleSnap,
                                             false};

constexpr double kMarkRadius = 16.0;
constexpr int kQtAngleUnitsPerDegree = 16;

} // namespace

CDrawingDegree::CDrawingDegree(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kDegreeTraits, defaults, creationPoint)
{
}

double CDrawingDegree::GaugeAngle(double sx, double sy, double ratio) const
{
    const double first = GetAngle(0, 1, sx, sy);
    double second = GetAngle(2, 1, sx, sy);
    if (second < first)
        second += 360.0;
    return ratio * (second - first);
}

std::vector<PlacedText> CDrawingDegree::LayoutTexts(const DrawingUnits& units) const
{
    std::vector<PlacedText> texts = StandardTexts(units, style_.dispTextMode & ~kTextDegree);
    if (style_.dispTextMode & kTextDegree) {
        // Outside the angle: away from the sum of the two arm directions.
        const QPoint vertex = GetPoint(1);
        const QPoint arm0 = GetPoint(0) - vertex;
        const QPoint arm2 = GetPoint(2) - vertex;
        const double length0 = std::max(1.0, std::hypot(arm0.x(), arm0.y()));
        const double length2 = std::max(1.0, std::hypot(arm2.x(), arm2.y()));
        const double awayX = -(arm0.x() / length0 + arm2.x() / length2);
        const double awayY = -(arm0.y() / length0 + arm2.y() / length2);
        const int dx = std::abs(awayX) < 0.1 ? 0 : (awayX > 0 ? 1 : -1);
        const int dy = std::abs(awayY) < 0.1 ? 0 : (awayY > 0 ? 1 : -1);
        const int gap = TextGap();
        const double angle = GaugeAngle(units.pixelSizeX, units.pixelSizeY, units.degreeRatio);
        texts.push_back({MeasureText(angle, units.degreeUnit), vertex + QPoint(dx * gap, dy * gap), AlignAway(dx, dy)});
    }
    return texts;
}

void CDrawingDegree::DrawShape(QPainter& painter) const
{
    painter.drawPolyline(points_.data(), PointCount());
}

void CDrawingDegree::DrawAfter(QPainter& painter) const
{
    const QPoint vertex = GetPoint(1);
    const double radius =
        std::min({kMarkRadius, drawing::Distance(vertex, GetPoint(0)), drawing::Distance(vertex, GetPoint(2))});
    if (radius >= 2.0) {
        // Screen angles run clockwise; Qt's arc angles run counter-clockwise.
        const double first = GetAngle(0, 1, 1.0, 1.0);
        const double sweep = GaugeAngle(1.0, 1.0, 1.0);
        painter.save();
        painter.setPen(MakeDrawingPen(kPenSolid, 1, style_.penColor, IsGreyDevice(painter)));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(vertex.x() - radius, vertex.y() - radius, 2 * radius, 2 * radius),
                        int(std::lround(-first * kQtAngleUnitsPerDegree)),
                        int(std::lround(-sweep * kQtAngleUnitsPerDegree)));
        painter.restore();
    }
    CDrawingBase::DrawAfter(painter);
}
