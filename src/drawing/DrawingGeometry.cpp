#include "drawing/DrawingGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace drawing {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// Slope class from which a Shift-snapped line becomes vertical.
constexpr int kVerticalSlopeClass = 5;
// Empirical constant of the ellipse perimeter estimate.
constexpr double kEllipseCorrection = 8.8;

} // namespace

DrawingRect RectFromCorners(QPoint a, QPoint b)
{
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
}

DrawingRect BoundingBox(const std::vector<QPoint>& points)
{
    if (points.empty())
        return {};
    DrawingRect box{points[0].x(), points[0].y(), points[0].x(), points[0].y()};
    for (const QPoint& p : points) {
        box.left = std::min(box.left, p.x());
        box.top = std::min(box.top, p.y());
        box.right = std::max(box.right, p.x());
        box.bottom = std::max(box.bottom, p.y());
    }
    return box;
}

bool OverlapsForSelection(const DrawingRect& box, const DrawingRect& band)
{
    const int left = std::max(box.left, band.left);
    const int right = std::min(box.right, band.right);
    const int top = std::max(box.top, band.top);
    const int bottom = std::min(box.bottom, band.bottom);
    if (box.Width() > 0 && box.Height() > 0)
        return left < right && top < bottom;
    return left <= right && top <= bottom;
}

double Distance(QPoint a, QPoint b)
{
    return std::hypot(double(a.x() - b.x()), double(a.y() - b.y()));
}

double DistanceToSegment(QPoint p, QPoint a, QPoint b)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0.0)
        return Distance(p, a);
    const double t = std::clamp(((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(p.x() - (a.x() + t * dx), p.y() - (a.y() + t * dy));
}

double ScaledDistance(QPoint a, QPoint b, double sx, double sy)
{
    return std::hypot((a.x() - b.x()) * sx, (a.y() - b.y()) * sy);
}

double ClosedPolygonLength(const std::vector<QPoint>& points, double sx, double sy)
{
    double length = 0.0;
    for (size_t i = 0; i < points.size(); ++i)
        length += ScaledDistance(points[i == 0 ? points.size() - 1 : i - 1], points[i], sx, sy);
    return length;
}

double PolygonArea(const std::vector<QPoint>& points, double sx, double sy)
{
    double sum = 0.0;
    for (size_t i = 0; i < points.size(); ++i) {
        const QPoint& prev = points[i == 0 ? points.size() - 1 : i - 1];
        sum += double(prev.y() + points[i].y()) * double(points[i].x() - prev.x());
    }
    return std::abs(sx * sy * 0.5 * sum);
}

double RectanglePerimeter(const DrawingRect& box, double sx, double sy)
{
    return 2.0 * (box.Width() * sx + box.Height() * sy);
}

double RectangleArea(const DrawingRect& box, double sx, double sy)
{
    // In floating point: a box as large as drawing files may hold overflows an int.
    return double(box.Width()) * box.Height() * sx * sy;
}

double EllipsePerimeter(const DrawingRect& box, double sx, double sy)
{
    const double a = box.Width() * sx;
    const double b = box.Height() * sy;
    return std::numbers::pi * std::sqrt((a * a + b * b) / 2.0 - (a - b) * (a - b) / kEllipseCorrection);
}

double EllipseArea(const DrawingRect& box, double sx, double sy)
{
    return std::numbers::pi * (box.Width() * sx) * (box.Height() * sy) / 4.0;
}

double DirectionAngle(QPoint from, QPoint to, double sx, double sy)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (dx == 0)
        return dy < 0 ? 270.0 : 90.0;
    double angle = std::atan((dy * sy) / (dx * sx)) * kDegreesPerRadian;
    if (dx < 0)
        angle += 180.0;
    else if (dy < 0)
        angle += 360.0;
    return angle;
}

double RayAngle(QPoint centre, QPoint p)
{
    const double dx = p.x() - centre.x();
    const double dy = p.y() - centre.y();
    if (dx == 0.0)
        return dy < 0.0 ? 90.0 : 270.0;
    const double slope = std::atan(dy / dx) * kDegreesPerRadian;
    if (dx < 0.0)
        return 180.0 - slope;
    if (dy == 0.0)
        return 0.0;
    return dy < 0.0 ? -slope : 360.0 - slope;
}

double ArcSweep(double startAngle, double endAngle)
{
    const double sweep = endAngle - startAngle;
    return sweep > 0.0 ? sweep : sweep + 360.0;
}

double EllipseParameterAngle(double rayAngle, double rx, double ry)
{
    if (rx <= 0.0 || ry <= 0.0)
        return rayAngle;
    const double radians = rayAngle / kDegreesPerRadian;
    const double angle = std::atan2(std::sin(radians) * rx, std::cos(radians) * ry) * kDegreesPerRadian;
    return angle < 0.0 ? angle + 360.0 : angle;
}

QPoint ArcCentre(QPoint corner0, QPoint corner1)
{
    return {(corner0.x() + corner1.x() + 1) / 2, (corner0.y() + corner1.y() + 1) / 2};
}

QPoint SnapAngle(QPoint anchor, QPoint p)
{
    const int dx = std::abs(p.x() - anchor.x());
    const int dy = std::abs(p.y() - anchor.y());
    const int slopeClass = dx == 0 ? kVerticalSlopeClass : 2 * dy / dx;
    if (slopeClass == 0)
        return {p.x(), anchor.y()};
    if (slopeClass >= kVerticalSlopeClass)
        return {anchor.x(), p.y()};
    return SnapSquare(anchor, p);
}

QPoint SnapSquare(QPoint anchor, QPoint p)
{
    const int dx = p.x() - anchor.x();
    const int dy = p.y() - anchor.y();
    const int side = std::min(std::abs(dx), std::abs(dy));
    return {anchor.x() + Sign(dx) * side, anchor.y() + Sign(dy) * side};
}

QPoint ApplyConstraint(ShiftConstraint constraint, QPoint anchor, QPoint p)
{
    switch (constraint) {
    case ShiftConstraint::AngleSnap:
        return SnapAngle(anchor, p);
    case ShiftConstraint::Square:
        return SnapSquare(anchor, p);
    case ShiftConstraint::None:
        break;
    }
    return p;
}

QPoint PerpendicularFoot(QPoint b0, QPoint b1, QPoint p)
{
    if (b0.x() == b1.x())
        return {b0.x(), p.y()};
    if (b0.y() == b1.y())
        return {p.x(), b0.y()};
    const double e = double(b0.y() - b1.y()) / double(b0.x() - b1.x());
    const double intercept = b0.y() - e * b0.x();
    const double footX = (e * p.y() + p.x() - e * intercept) / (e * e + 1.0);
    const double footY = intercept + e * footX;
    return {int(footX), int(footY)};
}

std::vector<int> GridLinePositions(int count, int extent)
{
    // More lines than pixels would only paint the same pixels again.
    count = std::min(count, extent);
    std::vector<int> positions;
    for (int i = 1; i <= count; ++i)
        positions.push_back(int(int64_t(i) * extent / (count + 1)));
    return positions;
}

int BezierPointCount(int count)
{
    return count < 1 ? 0 : (count - 1) / 3 * 3 + 1;
}

} // namespace drawing
