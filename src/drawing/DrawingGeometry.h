#pragma once

#include <QPoint>
#include <vector>

// Geometry and measurement of the drawing objects, in image pixels (y grows
// downward). Lengths and areas take the horizontal and vertical size of one
// pixel (sx, sy) in length units.
namespace drawing {

// A box spanned by points with inclusive corners: width and height are the
// coordinate differences, so a horizontal line has height 0.
struct DrawingRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(QPoint p) const { return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom; }
    bool operator==(const DrawingRect&) const = default;
};

// The box with a and b as opposite corners.
DrawingRect RectFromCorners(QPoint a, QPoint b);
// Minimum and maximum x and y over the points; an empty box at (0, 0) for none.
DrawingRect BoundingBox(const std::vector<QPoint>& points);
// Rubber-band test: a box with width and height is picked when it and the band
// share an area; a flat (horizontal, vertical or single-point) box when it
// touches or crosses the band.
bool OverlapsForSelection(const DrawingRect& box, const DrawingRect& band);

// -1, 0 or 1.
inline int Sign(int v)
{
    return (v > 0) - (v < 0);
}

double Distance(QPoint a, QPoint b);
double DistanceToSegment(QPoint p, QPoint a, QPoint b);
double ScaledDistance(QPoint a, QPoint b, double sx, double sy);

double ClosedPolygonLength(const std::vector<QPoint>& points, double sx, double sy);
double PolygonArea(const std::vector<QPoint>& points, double sx, double sy);
double RectanglePerimeter(const DrawingRect& box, double sx, double sy);
double RectangleArea(const DrawingRect& box, double sx, double sy);
// Perimeter estimate and area of the ellipse inscribed in the box.
double EllipsePerimeter(const DrawingRect& box, double sx, double sy);
double EllipseArea(const DrawingRect& box, double sx, double sy);

// Direction from `from` to `to` in degrees 0..360, clockwise on screen from
// the positive x axis (y grows downward).
double DirectionAngle(QPoint from, QPoint to, double sx, double sy);
// Angle of the ray from `centre` through p in degrees, counter-clockwise on
// screen from the positive x axis (screen-up positive).
double RayAngle(QPoint centre, QPoint p);
// Counter-clockwise sweep from start to end angle, in (0, 360].
double ArcSweep(double startAngle, double endAngle);
// The parameter angle (as arc drawing takes it) of the point where a ray at
// rayAngle from the centre meets the ellipse of radii rx, ry; 0..360 degrees.
double EllipseParameterAngle(double rayAngle, double rx, double ry);
// Centre of the box spanned by two points, rounded up.
QPoint ArcCentre(QPoint corner0, QPoint corner1);

// Shift constraints of a point against its anchor.
enum class ShiftConstraint { None, AngleSnap, Square };
// Snaps to horizontal, 45 degrees or vertical by the slope class
// 2 * |dy| / |dx| (0: horizontal, 1..4: diagonal, 5 and more: vertical).
QPoint SnapAngle(QPoint anchor, QPoint p);
// Cuts the larger of |dx| and |dy| to the smaller, keeping signs.
QPoint SnapSquare(QPoint anchor, QPoint p);
QPoint ApplyConstraint(ShiftConstraint constraint, QPoint anchor, QPoint p);

// Foot of the perpendicular from p on the unbounded line through b0 and b1,
// truncated to pixels.
QPoint PerpendicularFoot(QPoint b0, QPoint b1, QPoint p);

// Positions of `count` lines dividing `extent` into count + 1 equal parts.
std::vector<int> GridLinePositions(int count, int extent);
// Points a poly-Bezier can use out of `count`: the largest 3k + 1 not above it.
int BezierPointCount(int count);

} // namespace drawing
