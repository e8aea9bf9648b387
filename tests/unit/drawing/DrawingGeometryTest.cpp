#include "drawing/DrawingGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace drawing;

TEST(DrawingGeometry, DirectionAngleCoversEveryQuadrantWithYDown)
{
    const QPoint origin(0, 0);
    EXPECT_DOUBLE_EQ(DirectionAngle(origin, {10, -10}, 1, 1), 315.0);
    EXPECT_DOUBLE_EQ(DirectionAngle(origin, {10, 10}, 1, 1), 45.0);
    EXPECT_DOUBLE_EQ(DirectionAngle(origin, {-10, 10}, 1, 1), 135.0);
    EXPECT_DOUBLE_EQ(DirectionAngle(origin, {-10, -10}, 1, 1), 225.0);
    EXPECT_DOUBLE_EQ(DirectionAngle(origin, {10, 0}, 1, 1), 0.0);
    EXPECT_DOUBLE_EQ(DirectionAngle(origin, {-10, 0}, 1, 1), 180.0);
    EXPECT_DOUBLE_EQ(DirectionAngle(origin, {0, -5}, 1, 1), 270.0);
    EXPECT_DOUBLE_EQ(DirectionAngle(origin, {0, 5}, 1, 1), 90.0);
    // Pixel sizes scale the slope: a 2:1 pixel makes (10, 10) lean toward x.
    EXPECT_NEAR(DirectionAngle(origin, {10, 10}, 2, 1), std::atan(0.5) * 180 / M_PI, 1e-9);
}

TEST(DrawingGeometry, RayAngleIsCounterClockwiseWithScreenUpPositive)
{
    const QPoint c(50, 50);
    EXPECT_DOUBLE_EQ(RayAngle(c, {60, 50}), 0.0);
    EXPECT_DOUBLE_EQ(RayAngle(c, {60, 40}), 45.0);
    EXPECT_DOUBLE_EQ(RayAngle(c, {50, 40}), 90.0);
    EXPECT_DOUBLE_EQ(RayAngle(c, {40, 40}), 135.0);
    EXPECT_DOUBLE_EQ(RayAngle(c, {40, 50}), 180.0);
    EXPECT_DOUBLE_EQ(RayAngle(c, {40, 60}), 225.0);
    EXPECT_DOUBLE_EQ(RayAngle(c, {50, 60}), 270.0);
    EXPECT_DOUBLE_EQ(RayAngle(c, {60, 60}), 315.0);
    EXPECT_DOUBLE_EQ(ArcSweep(0, 90), 90.0);
    EXPECT_DOUBLE_EQ(ArcSweep(270, 90), 180.0);
    EXPECT_DOUBLE_EQ(ArcSweep(45, 45), 360.0);
    EXPECT_EQ(ArcCentre({0, 0}, {100, 101}), QPoint(50, 51));
}

TEST(DrawingGeometry, DistancesToPointsAndSegments)
{
    EXPECT_DOUBLE_EQ(Distance({0, 0}, {3, 4}), 5.0);
    EXPECT_DOUBLE_EQ(DistanceToSegment({5, 7}, {0, 0}, {10, 0}), 7.0);
    // Beyond the ends the distance is to the nearer end.
    EXPECT_DOUBLE_EQ(DistanceToSegment({13, 4}, {0, 0}, {10, 0}), 5.0);
    EXPECT_DOUBLE_EQ(DistanceToSegment({3, 4}, {0, 0}, {0, 0}), 5.0);
}

TEST(DrawingGeometry, AreasAndPerimeters)
{
    const std::vector<QPoint> triangle{{0, 0}, {10, 0}, {10, 10}};
    EXPECT_DOUBLE_EQ(PolygonArea(triangle, 1, 1), 50.0);
    EXPECT_DOUBLE_EQ(PolygonArea({{10, 10}, {10, 0}, {0, 0}}, 1, 1), 50.0); // either winding
    EXPECT_DOUBLE_EQ(ClosedPolygonLength(triangle, 1, 1), 20.0 + std::sqrt(200.0));
    EXPECT_DOUBLE_EQ(PolygonArea(triangle, 2, 3), 300.0);

    const DrawingRect box = RectFromCorners({20, 30}, {10, 10});
    EXPECT_EQ(box, (DrawingRect{10, 10, 20, 30}));
    EXPECT_DOUBLE_EQ(RectanglePerimeter(box, 1, 1), 60.0);
    EXPECT_DOUBLE_EQ(RectangleArea(box, 1, 1), 200.0);

    const DrawingRect square{0, 0, 20, 20};
    EXPECT_NEAR(EllipsePerimeter(square, 1, 1), 20 * M_PI, 1e-9);
    EXPECT_NEAR(EllipseArea(square, 1, 1), 100 * M_PI, 1e-9);
    // Ramanujan-like estimate stays within a percent for a 2:1 ellipse.
    EXPECT_NEAR(EllipsePerimeter({0, 0, 40, 20}, 1, 1), 96.88, 1.0);
}

TEST(DrawingGeometry, ShiftAngleSnapByTheSlopeClass)
{
    const QPoint anchor(100, 100);
    EXPECT_EQ(SnapAngle(anchor, {110, 104}), QPoint(110, 100)); // 2*4/10 = 0: horizontal
    EXPECT_EQ(SnapAngle(anchor, {110, 106}), QPoint(106, 106)); // 2*6/10 = 1: 45 degrees
    EXPECT_EQ(SnapAngle(anchor, {110, 130}), QPoint(100, 130)); // 2*30/10 = 6: vertical
    EXPECT_EQ(SnapAngle(anchor, {90, 75}), QPoint(100, 75));    // 2*25/10 = 5: vertical
    EXPECT_EQ(SnapAngle(anchor, {90, 92}), QPoint(92, 92));     // 45 degrees up-left keeps both signs
    EXPECT_EQ(SnapAngle(anchor, {100, 80}), QPoint(100, 80));   // dx = 0 is vertical
    EXPECT_EQ(SnapAngle(anchor, {90, 96}), QPoint(90, 100));
}

TEST(DrawingGeometry, ShiftSquareKeepsSigns)
{
    EXPECT_EQ(SnapSquare({0, 0}, {10, -4}), QPoint(4, -4));
    EXPECT_EQ(SnapSquare({0, 0}, {-3, 30}), QPoint(-3, 3));
    EXPECT_EQ(SnapSquare({5, 5}, {5, 30}), QPoint(5, 5));
}

TEST(DrawingGeometry, PerpendicularFeet)
{
    EXPECT_EQ(PerpendicularFoot({0, 0}, {10, 10}, {10, 0}), QPoint(5, 5));
    EXPECT_EQ(PerpendicularFoot({0, 0}, {0, 50}, {30, 20}), QPoint(0, 20));
    EXPECT_EQ(PerpendicularFoot({0, 7}, {50, 7}, {30, 20}), QPoint(30, 7));
    EXPECT_EQ(PerpendicularFoot({0, 0}, {20, 10}, {0, 10}), QPoint(4, 2));
}

TEST(DrawingGeometry, RubberBandOverlap)
{
    const DrawingRect band{10, 10, 50, 50};
    EXPECT_TRUE(OverlapsForSelection({40, 40, 80, 80}, band));
    EXPECT_FALSE(OverlapsForSelection({50, 20, 80, 30}, band)); // shares only an edge
    EXPECT_FALSE(OverlapsForSelection({60, 20, 80, 30}, band));
    // A horizontal line is picked when it touches the band.
    EXPECT_TRUE(OverlapsForSelection({0, 50, 5, 50}, {0, 50, 5, 60}));
    EXPECT_TRUE(OverlapsForSelection({0, 30, 100, 30}, band));
    EXPECT_FALSE(OverlapsForSelection({0, 60, 100, 60}, band));
    EXPECT_TRUE(OverlapsForSelection({30, 0, 30, 5}, {30, 5, 40, 9}));
    EXPECT_EQ(BoundingBox({{5, 9}, {-3, 2}, {7, 4}}), (DrawingRect{-3, 2, 7, 9}));
}

TEST(DrawingGeometry, GridLinesAndBezierCounts)
{
    EXPECT_EQ(GridLinePositions(3, 640), (std::vector<int>{160, 320, 480}));
    EXPECT_EQ(GridLinePositions(1, 480), (std::vector<int>{240}));
    EXPECT_TRUE(GridLinePositions(0, 480).empty());
    EXPECT_TRUE(GridLinePositions(-4, 480).empty());
    EXPECT_EQ(GridLinePositions(1000000, 4).size(), 4u);
    EXPECT_EQ(BezierPointCount(3), 1);
    EXPECT_EQ(BezierPointCount(4), 4);
    EXPECT_EQ(BezierPointCount(6), 4);
    EXPECT_EQ(BezierPointCount(7), 7);
    EXPECT_EQ(BezierPointCount(0), 0);
}
