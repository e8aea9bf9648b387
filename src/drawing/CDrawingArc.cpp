#include "drawing/CDrawingArc.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace {

const CDrawingBase::KindTraits kArcTraits{
    kDrawingArc, QT_TRANSLATE_NOOP("CDrawingBase", "Arc"), 4,   kTextLength | kTextBottomLeft | kTextTopLeft, 4,
    3,           drawing::ShiftConstraint::Square,         true};

constexpr int kStartRayPoint = 2;
constexpr int kEndRayPoint = 3;
constexpr int kQtAngleUnitsPerDegree = 16;

} // namespace

CDrawingArc::CDrawingArc(const DrawingStyle* defaults, QPoint creationPoint)
    : CDrawingBase(kArcTraits, defaults, creationPoint)
{
}

double CDrawingArc::StartAngle() const
{
    return drawing::RayAngle(drawing::ArcCentre(GetPoint(0), GetPoint(1)), GetPoint(kStartRayPoint));
}

double CDrawingArc::EndAngle() const
{
    return drawing::RayAngle(drawing::ArcCentre(GetPoint(0), GetPoint(1)), GetPoint(kEndRayPoint));
}

std::optional<double> CDrawingArc::GetLength(double sx, double sy) const
{
    const double width = std::abs(GetPoint(0).x() - GetPoint(1).x()) * sx;
    const double height = std::abs(GetPoint(0).y() - GetPoint(1).y()) * sy;
    if (width != height)
        return std::nullopt;
    return width * std::numbers::pi * drawing::ArcSweep(StartAngle(), EndAngle()) / 360.0;
}

drawing::DrawingRect CDrawingArc::GetBoundingBox() const
{
    return CornerBox();
}

std::vector<PlacedText> CDrawingArc::LayoutTexts(const DrawingUnits& units) const
{
    const int32_t mode = style_.dispTextMode;
    std::vector<PlacedText> texts = StandardTexts(units, mode & ~(kTextLength | kTextDegree));
    if (mode & kTextLength) {
        const drawing::DrawingRect box = GetBoundingBox();
        const auto length = GetLength(units.pixelSizeX, units.pixelSizeY);
        const QString text =
            length ? MeasureText(*length, units.lengthUnit) : PaddedText(QStringLiteral("-") + units.lengthUnit);
        texts.push_back({text, {box.right + TextGap(), box.top}, Qt::AlignLeft | Qt::AlignBottom});
    }
    if (mode & kTextDegree) {
        const QPoint centre = drawing::ArcCentre(GetPoint(0), GetPoint(1));
        const double angles[] = {StartAngle(), EndAngle()};
        for (int ray = 0; ray < 2; ++ray) {
            const QPoint p = GetPoint(kStartRayPoint + ray);
            texts.push_back({MeasureText(angles[ray] * units.degreeRatio, units.degreeUnit), p,
                             AlignAway(drawing::Sign(p.x() - centre.x()), drawing::Sign(p.y() - centre.y()))});
        }
    }
    return texts;
}

void CDrawingArc::DrawShape(QPainter& painter) const
{
    // The arc starts and ends where the rays cross the ellipse; Qt places arc
    // ends by the ellipse's parameter angle, which differs unless it is a circle.
    const QRectF rect = CornerStrokeRect();
    const double start = drawing::EllipseParameterAngle(StartAngle(), rect.width() / 2, rect.height() / 2);
    const double end = drawing::EllipseParameterAngle(EndAngle(), rect.width() / 2, rect.height() / 2);
    const double sweep = drawing::ArcSweep(start, end);
    painter.drawArc(rect, int(std::lround(start * kQtAngleUnitsPerDegree)),
                    int(std::lround(sweep * kQtAngleUnitsPerDegree)));
}
