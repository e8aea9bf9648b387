#include "drawing/CDrawingArc.h"
#include "drawing/CDrawingCross.h"
#include "drawing/CDrawingDegree.h"
#include "drawing/CDrawingFreeHand.h"
#include "drawing/CDrawingPerpendicular.h"
#include "drawing/DrawingObjects.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

DrawingUnits Units()
{
    return DefaultDrawingUnits();
}

std::unique_ptr<CDrawingBase> Make(int32_t type, std::vector<QPoint> points)
{
    auto object = CreateDrawingObject(type, nullptr, points.front());
    for (size_t i = 0; i < points.size(); ++i)
        object->SetPoint(int(i), points[i]);
    return object;
}

void SetTextMode(CDrawingBase& object, int32_t mode)
{
    DrawingStyle style = object.Style();
    style.dispTextMode = mode;
    ASSERT_TRUE(object.ApplyStyle(style));
}

std::vector<QString> TextsOf(const CDrawingBase& object, const DrawingUnits& units = Units())
{
    std::vector<QString> texts;
    for (const PlacedText& text : object.LayoutTexts(units))
        texts.push_back(text.text);
    return texts;
}

} // namespace

TEST(DrawingObjects, KindsStartWithTheirNamesPointsAndTargets)
{
    struct Expected {
        int32_t type;
        const char* name;
        int points;
        int32_t mode;
        int pointTarget;
        int releaseTarget;
        bool box;
    };
    const Expected kinds[] = {
        {1, "Line", 2, 0x20, 2, 1, false},
        {2, "Rectangle", 2, 0x60, 2, 1, true},
        {3, "Ellipse", 2, 0x60, 2, 1, true},
        {4, "Text", 1, 0x10, 1, 1, false},
        {5, "Degree", 3, 0x400, 3, 2, false},
        {6, "Polygon", 3, 0x60, 30000, 30000, false},
        {7, "Perpendicular", 3, 0x20, 30000, 30000, false},
        {8, "Arc", 4, 0x25, 4, 3, true},
        {9, "Bezier", 4, 0, 30000, 30000, false},
        {10, "Free Hand", 1, 0, 30000, 1, false},
        {11, "Cross", 2, 0, 2, 1, true},
        {12, "Round Rect", 2, 0, 2, 1, true},
    };
    for (const Expected& kind : kinds) {
        SCOPED_TRACE(kind.name);
        auto object = CreateDrawingObject(kind.type, nullptr, {7, 8});
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->Type(), kind.type);
        EXPECT_EQ(object->Style().drawingType, kind.type);
        EXPECT_EQ(object->Style().name, QString::fromLatin1(kind.name));
        EXPECT_EQ(object->Style().dispTextMode, kind.mode);
        EXPECT_EQ(object->PointCount(), kind.points);
        EXPECT_EQ(object->GetPoint(kind.points - 1), QPoint(7, 8));
        EXPECT_EQ(object->PointTarget(), kind.pointTarget);
        EXPECT_EQ(object->ReleaseTarget(), kind.releaseTarget);
        EXPECT_EQ(object->IsBox(), kind.box);
    }
    EXPECT_EQ(CreateDrawingObject(0, nullptr, {}), nullptr);
    EXPECT_EQ(CreateDrawingObject(13, nullptr, {}), nullptr);
}

TEST(DrawingObjects, StyleComesFromTheDefaultOrTheStandaloneValues)
{
    auto plain = CreateDrawingObject(kDrawingLine, nullptr, {});
    EXPECT_EQ(plain->Style().backMode, 1);
    EXPECT_EQ(plain->Style().backColor, 0xFFFFFFu);
    EXPECT_EQ(plain->Style().brushHatchStyle, 3);
    EXPECT_EQ(plain->Style().penWidth, 1);
    EXPECT_EQ(plain->Style().font.height, 13);
    EXPECT_EQ(plain->Style().font.weight, 400);
    EXPECT_EQ(plain->Style().font.charSet, 1);
    EXPECT_EQ(plain->Style().textBackMode, 1);
    EXPECT_EQ(plain->Style().textBackColor, 0xFFFFFFu);

    DrawingStyle defaults = ManagerDefaultDrawingStyle();
    defaults.penColor = 0x0000FF;
    defaults.penWidth = 3;
    defaults.font.faceName = QStringLiteral("DejaVu Sans");
    defaults.name = QStringLiteral("not taken");
    defaults.dispTextMode = 0x7;
    defaults.lock = 1;
    auto styled = CreateDrawingObject(kDrawingRectangle, &defaults, {});
    EXPECT_EQ(styled->Style().penColor, 0x0000FFu);
    EXPECT_EQ(styled->Style().penWidth, 3);
    EXPECT_EQ(styled->Style().font.faceName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(styled->Style().name, QStringLiteral("Rectangle"));
    EXPECT_EQ(styled->Style().dispTextMode, 0x60);
    EXPECT_EQ(styled->Style().lock, 0);
}

TEST(DrawingObjects, ApplyStyleKeepsTheKindAndRefusesUnbuildableStyles)
{
    auto object = CreateDrawingObject(kDrawingEllipse, nullptr, {});
    DrawingStyle style = object->Style();
    style.drawingType = kDrawingLine;
    style.name = QString(300, QLatin1Char('n'));
    style.brushType = kBrushHatch;
    style.brushHatchStyle = 5;
    ASSERT_TRUE(object->ApplyStyle(style));
    EXPECT_EQ(object->Style().drawingType, kDrawingEllipse);
    EXPECT_EQ(object->Style().name.size(), kMaxNameLength);
    EXPECT_EQ(object->Style().brushHatchStyle, 5);

    style.brushHatchStyle = 6;
    EXPECT_FALSE(object->ApplyStyle(style));
    EXPECT_EQ(object->Style().brushHatchStyle, 5);
    style.brushHatchStyle = 0;
    style.penStyle = 7;
    EXPECT_FALSE(object->ApplyStyle(style));
}

TEST(DrawingObjects, Measurements)
{
    auto line = Make(kDrawingLine, {{0, 0}, {30, 40}});
    EXPECT_DOUBLE_EQ(*line->GetLength(1, 1), 50.0);
    EXPECT_NEAR(*line->GetLength(2, 1), 72.111, 1e-3);
    EXPECT_FALSE(line->GetArea(1, 1));

    auto rectangle = Make(kDrawingRectangle, {{10, 10}, {20, 30}});
    EXPECT_DOUBLE_EQ(*rectangle->GetLength(1, 1), 60.0);
    EXPECT_DOUBLE_EQ(*rectangle->GetArea(1, 1), 200.0);

    auto polygon = Make(kDrawingPolygon, {{0, 0}, {10, 0}, {10, 10}});
    EXPECT_DOUBLE_EQ(*polygon->GetArea(1, 1), 50.0);
    EXPECT_DOUBLE_EQ(*polygon->GetLength(1, 1), 20.0 + std::sqrt(200.0));

    EXPECT_DOUBLE_EQ(line->GetAngle(1, 0, 1, 1), 53.13010235415598);
    EXPECT_DOUBLE_EQ(Make(kDrawingLine, {{0, 0}, {10, -10}})->GetAngle(1, 0, 1, 1), 315.0);

    // Arms to the right and straight down: 90 degrees clockwise on screen.
    auto degree = Make(kDrawingDegree, {{60, 50}, {50, 50}, {50, 70}});
    EXPECT_DOUBLE_EQ(static_cast<CDrawingDegree&>(*degree).GaugeAngle(1, 1, 1), 90.0);
    EXPECT_DOUBLE_EQ(static_cast<CDrawingDegree&>(*degree).GaugeAngle(1, 1, 0.5), 45.0);
    // The other way round the second arm is behind the first: 360 is added.
    auto reflex = Make(kDrawingDegree, {{50, 70}, {50, 50}, {60, 50}});
    EXPECT_DOUBLE_EQ(static_cast<CDrawingDegree&>(*reflex).GaugeAngle(1, 1, 1), 270.0);

    auto perpendicular = Make(kDrawingPerpendicular, {{0, 0}, {100, 0}, {30, 40}});
    EXPECT_DOUBLE_EQ(*perpendicular->GetLength(1, 1), 40.0);
    EXPECT_DOUBLE_EQ(*perpendicular->GetLength(1, 0.5), 20.0);
}

TEST(DrawingObjects, MeasurementTextsInTheirFormats)
{
    auto line = Make(kDrawingLine, {{0, 0}, {30, 40}});
    EXPECT_EQ(TextsOf(*line), (std::vector<QString>{"  50.0[pixel]  "}));
    SetTextMode(*line, kTextName | kTextLength | kTextWidth | kTextHeight);
    EXPECT_EQ(TextsOf(*line),
              (std::vector<QString>{"  30.0[pixel]  ", "  40.0[pixel]  ", "  50.0[pixel]  ", "  Line  "}));

    auto rectangle = Make(kDrawingRectangle, {{10, 10}, {20, 30}});
    EXPECT_EQ(TextsOf(*rectangle), (std::vector<QString>{"  60.0[pixel]  ", "  200.0[pixel2]  "}));
    SetTextMode(*rectangle, kTextTopLeft | kTextTopRight | kTextBottomLeft | kTextBottomRight);
    DrawingUnits units = Units();
    units.pixelSizeX = 0.5;
    units.pixelSizeY = 2.0;
    EXPECT_EQ(TextsOf(*rectangle, units),
              (std::vector<QString>{"  (5.0, 20.0)  ", "  (10.0, 20.0)  ", "  (5.0, 60.0)  ", "  (10.0, 60.0)  "}));

    auto ellipse = Make(kDrawingEllipse, {{0, 0}, {20, 20}});
    EXPECT_EQ(TextsOf(*ellipse), (std::vector<QString>{"  62.8[pixel]  ", "  314.2[pixel2]  "}));

    auto degree = Make(kDrawingDegree, {{60, 50}, {50, 50}, {50, 70}});
    EXPECT_EQ(TextsOf(*degree), (std::vector<QString>{"  90.0[Degree]  "}));

    auto polygon = Make(kDrawingPolygon, {{0, 0}, {10, 0}, {10, 10}});
    EXPECT_EQ(TextsOf(*polygon), (std::vector<QString>{"  34.1[pixel]  ", "  50.0[pixel2]  "}));

    auto perpendicular = Make(kDrawingPerpendicular, {{0, 0}, {100, 0}, {30, 40}, {70, -5}});
    EXPECT_EQ(TextsOf(*perpendicular), (std::vector<QString>{"  40.0[pixel]  ", "  5.0[pixel]  "}));

    // A quarter of a circle of diameter 100; the default arc also writes two corners.
    auto arc = Make(kDrawingArc, {{0, 0}, {100, 100}, {150, 50}, {50, -50}});
    EXPECT_EQ(TextsOf(*arc), (std::vector<QString>{"  (0.0, 0.0)  ", "  (0.0, 100.0)  ", "  78.5[pixel]  "}));
    SetTextMode(*arc, kTextLength | kTextDegree);
    EXPECT_EQ(TextsOf(*arc), (std::vector<QString>{"  78.5[pixel]  ", "  0.0[Degree]  ", "  90.0[Degree]  "}));
    arc->SetPoint(1, {100, 60});
    SetTextMode(*arc, kTextLength);
    EXPECT_EQ(TextsOf(*arc), (std::vector<QString>{"  -[pixel]  "}));

    auto cross = Make(kDrawingCross, {{10, 20}, {30, 40}});
    EXPECT_TRUE(TextsOf(*cross).empty());
    SetTextMode(*cross, kTextCenter | kTextWidth);
    EXPECT_EQ(TextsOf(*cross), (std::vector<QString>{"  20.0[pixel]  ", "  (20.0, 30.0)  "}));

    auto text = Make(kDrawingText, {{10, 10}});
    EXPECT_EQ(TextsOf(*text), (std::vector<QString>{"  Text  "}));
    SetTextMode(*text, kTextName | kTextDate | kTextTime);
    EXPECT_EQ(TextsOf(*text).size(), 3u);

    // Kinds without a length or an area write nothing for those bits.
    auto bezier = Make(kDrawingBezier, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    SetTextMode(*bezier, kTextLength | kTextArea);
    EXPECT_TRUE(TextsOf(*bezier).empty());
}

TEST(DrawingObjects, TextPlacementAroundTheBox)
{
    auto rectangle = Make(kDrawingRectangle, {{10, 10}, {20, 30}});
    SetTextMode(*rectangle, kTextLength | kTextArea | kTextName | kTextWidth | kTextHeight);
    const auto texts = rectangle->LayoutTexts(Units());
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].anchor, QPoint(21, 10)); // length: right + pen width, top
    EXPECT_EQ(texts[1].anchor, QPoint(21, 30)); // area: bottom-aligned at the bottom
    EXPECT_EQ(texts[1].align, Qt::AlignLeft | Qt::AlignBottom);
    EXPECT_EQ(texts[2].anchor, QPoint(10, 9)); // width above the box
    EXPECT_EQ(texts[3].anchor, QPoint(9, 10)); // height left of the box
    EXPECT_EQ(texts[3].align, Qt::AlignRight | Qt::AlignTop);
    EXPECT_EQ(texts[4].anchor, QPoint(9, 9)); // name up and left
    EXPECT_EQ(texts[4].align, Qt::AlignRight | Qt::AlignBottom);

    // A horizontal line writes its length above its middle, its name left of point 0.
    auto line = Make(kDrawingLine, {{100, 50}, {200, 50}});
    SetTextMode(*line, kTextLength | kTextName);
    const auto lineTexts = line->LayoutTexts(Units());
    EXPECT_EQ(lineTexts[0].anchor, QPoint(150, 49));
    EXPECT_EQ(lineTexts[0].align, Qt::AlignHCenter | Qt::AlignBottom);
    EXPECT_EQ(lineTexts[1].anchor, QPoint(99, 50));
    EXPECT_EQ(lineTexts[1].align, Qt::AlignRight | Qt::AlignVCenter);
}

TEST(DrawingObjects, HitTestRanges)
{
    auto line = Make(kDrawingLine, {{100, 100}, {300, 100}});
    EXPECT_EQ(line->HitTest({109, 100}), 1u);
    EXPECT_EQ(line->HitTest({100, 109}), 1u);
    EXPECT_EQ(line->HitTest({300, 91}), 2u);
    EXPECT_EQ(line->HitTest({90, 100}), kHitBody); // 10 px from point 0: not the point, but on the segment's range
    EXPECT_EQ(line->HitTest({200, 119}), kHitBody);
    EXPECT_EQ(line->HitTest({200, 120}), kHitNone);
    EXPECT_EQ(line->HitTest({80, 100}), kHitNone);

    auto rectangle = Make(kDrawingRectangle, {{100, 100}, {200, 160}});
    EXPECT_EQ(rectangle->HitTest({103, 158}), kHitCornerA);
    EXPECT_EQ(rectangle->HitTest({197, 104}), kHitCornerB);
    EXPECT_EQ(rectangle->HitTest({190, 110}), kHitBody); // far from the diagonal, inside the box
    EXPECT_EQ(rectangle->HitTest({230, 110}), kHitNone);

    auto text = Make(kDrawingText, {{200, 200}});
    EXPECT_EQ(text->HitTest({205, 205}), 1u);
    EXPECT_EQ(text->HitTest({180, 190}), kHitBody); // inside the name written up-left of the point
    EXPECT_EQ(text->HitTest({260, 260}), kHitNone);

    EXPECT_EQ(CDrawingBase::CursorFor(2), Qt::CrossCursor);
    EXPECT_EQ(CDrawingBase::CursorFor(kHitCornerB), Qt::CrossCursor);
    EXPECT_EQ(CDrawingBase::CursorFor(kHitBody), Qt::SizeAllCursor);
    EXPECT_EQ(CDrawingBase::CursorFor(kHitNone), Qt::ArrowCursor);
}

TEST(DrawingObjects, Drags)
{
    auto line = Make(kDrawingLine, {{0, 0}, {50, 50}});
    line->Drag(kHitBody, 0, {10, 10}, {15, 7});
    EXPECT_EQ(line->Points(), (std::vector<QPoint>{{5, -3}, {55, 47}}));
    line->Drag(2, kShiftKeyFlag, {}, {105, 1}); // snapped horizontal against point 0
    EXPECT_EQ(line->GetPoint(1), QPoint(105, -3));
    line->Drag(2, 0, {}, {105, 1});
    EXPECT_EQ(line->GetPoint(1), QPoint(105, 1));
    line->Drag(9, 0, {}, {1, 1}); // no such point
    EXPECT_EQ(line->PointCount(), 2);

    auto rectangle = Make(kDrawingRectangle, {{0, 0}, {40, 40}});
    rectangle->Drag(kHitCornerA, 0, {}, {10, 60});
    EXPECT_EQ(rectangle->Points(), (std::vector<QPoint>{{10, 0}, {40, 60}}));
    rectangle->Drag(kHitCornerB, kShiftKeyFlag, {}, {100, -20}); // square against corner (10, 60)
    EXPECT_EQ(rectangle->Points(), (std::vector<QPoint>{{10, -20}, {90, 60}}));

    // Corners mean nothing to kinds that are not boxes.
    auto polygon = Make(kDrawingPolygon, {{0, 0}, {10, 0}, {10, 10}});
    polygon->Drag(kHitCornerA, 0, {}, {99, 99});
    EXPECT_EQ(polygon->Points(), (std::vector<QPoint>{{0, 0}, {10, 0}, {10, 10}}));
}

TEST(DrawingObjects, PlacingPointsWhileCreating)
{
    auto line = CreateDrawingObject(kDrawingLine, nullptr, {100, 100});
    line->PlacePoint(1, kShiftKeyFlag, {110, 106});
    EXPECT_EQ(line->GetPoint(1), QPoint(106, 106));
    line->PlacePoint(1, 0, {110, 106});
    EXPECT_EQ(line->GetPoint(1), QPoint(110, 106));

    auto polygon = CreateDrawingObject(kDrawingPolygon, nullptr, {0, 0});
    polygon->PlacePoint(4, kShiftKeyFlag, {5, 5}); // grows, never constrained
    EXPECT_EQ(polygon->PointCount(), 5);
    EXPECT_EQ(polygon->GetPoint(3), QPoint(0, 0));
    EXPECT_EQ(polygon->GetPoint(4), QPoint(5, 5));
    EXPECT_EQ(polygon->GetPoint(99), QPoint(0, 0));
    polygon->RemovePoint(0);
    polygon->InsertPoint(4, {8, 8});
    EXPECT_EQ(polygon->Points().back(), QPoint(8, 8));

    auto stroke = CreateDrawingObject(kDrawingFreeHand, nullptr, {0, 0});
    for (int i = 1; i < 30005; ++i)
        stroke->PlacePoint(1, 0, {i, i});
    EXPECT_EQ(stroke->PointCount(), CDrawingFreeHand::kMaxFreeHandPoints);
    EXPECT_EQ(stroke->GetPoint(2), QPoint(2, 2));
}

TEST(DrawingObjects, RubberBandSelection)
{
    auto rectangle = Make(kDrawingRectangle, {{100, 100}, {200, 200}});
    EXPECT_TRUE(rectangle->SelectIfInRect({150, 150, 300, 300}));
    EXPECT_TRUE(rectangle->IsSelected());
    EXPECT_FALSE(rectangle->SelectIfInRect({0, 0, 50, 50}));
    EXPECT_FALSE(rectangle->IsSelected());

    DrawingStyle locked = rectangle->Style();
    locked.lock = 1;
    ASSERT_TRUE(rectangle->ApplyStyle(locked));
    EXPECT_FALSE(rectangle->SelectIfInRect({150, 150, 300, 300}));

    // The arc's box is that of its two corner points only.
    auto arc = Make(kDrawingArc, {{0, 0}, {10, 10}, {500, 500}, {500, 400}});
    EXPECT_EQ(arc->GetBoundingBox(), (drawing::DrawingRect{0, 0, 10, 10}));
    EXPECT_FALSE(arc->SelectIfInRect({400, 400, 600, 600}));
}
