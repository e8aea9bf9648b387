#include "drawing/DrawingPropertyModel.h"
#include "drawing/CDrawingManagement.h"

#include <gtest/gtest.h>

namespace {

void Draw(CDrawingManagement& manager, int32_t tool, QPoint from, QPoint to)
{
    ASSERT_TRUE(manager.SetTool(tool));
    manager.OnPress(from, 0);
    manager.OnMove(0, to);
    manager.OnRelease();
}

} // namespace

TEST(DrawingPropertyModel, OpensOnTheTopmostSelectedObject)
{
    CDrawingManagement manager;
    DrawingPropertyModel empty(manager);
    EXPECT_FALSE(empty.HasSelection());
    EXPECT_EQ(empty.SelectedLine(), -1);
    EXPECT_FALSE(empty.CanSetDefaultStyle());

    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    Draw(manager, kDrawingEllipse, {10, 50}, {100, 90});
    Draw(manager, kDrawingCross, {10, 150}, {50, 190});
    manager.SelectOnly(1, true);
    DrawingPropertyModel model(manager);
    EXPECT_EQ(model.SelectedLine(), 1);
    EXPECT_EQ(model.Style().drawingType, kDrawingEllipse);
    EXPECT_EQ(model.Lines(), (QStringList{"0. Line", "1. Ellipse", "2. Cross"}));

    // Nothing selected: the first line is shown, and the manager's selection is left alone.
    manager.SelectOnly(0, false);
    model.Reload();
    EXPECT_EQ(model.SelectedLine(), 0);
    EXPECT_EQ(manager.CountSelected(), 0);

    model.SelectLine(7); // beyond the list: ignored
    EXPECT_EQ(model.SelectedLine(), 0);
    model.SelectLine(2);
    EXPECT_EQ(model.Style().drawingType, kDrawingCross);
    EXPECT_EQ(manager.TopSelectedIndex(), 2);
    EXPECT_EQ(manager.CountSelected(), 1);
}

TEST(DrawingPropertyModel, StyleEditsKeepTheImageSelection)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingRectangle, {10, 50}, {100, 90});
    DrawingPropertyModel model(manager);
    // The user clicks beside the shape on the image: it is no longer selected.
    manager.SelectOnly(0, false);

    DrawingStyle style = model.Style();
    style.penWidth = 4;
    style.name = QStringLiteral("Box");
    ASSERT_TRUE(model.ApplyStyle(style));
    DrawingStyle stored;
    ASSERT_TRUE(manager.GetObjectStyle(0, stored));
    EXPECT_EQ(stored.penWidth, 4);
    EXPECT_EQ(stored.selected, 0);
    EXPECT_EQ(model.Lines(), QStringList{"0. Box"});

    // A hatch the pens and brushes cannot be built from is refused as a whole.
    style.brushType = kBrushHatch;
    style.brushHatchStyle = 9;
    style.penWidth = 6;
    EXPECT_FALSE(model.ApplyStyle(style));
    ASSERT_TRUE(manager.GetObjectStyle(0, stored));
    EXPECT_EQ(stored.penWidth, 4);
    EXPECT_EQ(model.Style().penWidth, 4);
}
