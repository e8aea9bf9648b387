#include "drawing/DrawingPropertyRules.h"
#include "drawing/DrawingPaint.h"

#include <gtest/gtest.h>

namespace {

std::vector<int32_t> Values(const ListEntries& entries)
{
    std::vector<int32_t> values;
    for (const ListEntry& entry : entries)
        values.push_back(entry.value);
    return values;
}

QStringList Texts(const ListEntries& entries)
{
    QStringList texts;
    for (const ListEntry& entry : entries)
        texts.append(entry.text);
    return texts;
}

DrawingStyle StyleOf(int32_t kind)
{
    DrawingStyle style = StandaloneDrawingStyle();
    style.drawingType = kind;
    return style;
}

} // namespace

TEST(DrawingPropertyRules, PenStylesFollowKindAndWidth)
{
    const QStringList allStyles{"Solid", "Dash", "Dot", "Dashes And Dots", "Dashes And Double Dot", "Null"};
    EXPECT_EQ(Texts(PenStyleEntries(kDrawingLine, 1)), allStyles);
    EXPECT_EQ(Values(PenStyleEntries(kDrawingLine, 1)), (std::vector<int32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Texts(PenStyleEntries(kDrawingLine, 3)), (QStringList{"Solid", "Null"}));
    EXPECT_EQ(Values(PenStyleEntries(kDrawingRectangle, 2)), (std::vector<int32_t>{0, 5}));
    // The cross bands one-pixel lines: dashes and dots at every width, never the two mixed styles.
    EXPECT_EQ(Texts(PenStyleEntries(kDrawingCross, 3)), (QStringList{"Solid", "Dash", "Dot", "Null"}));
    EXPECT_EQ(Values(PenStyleEntries(kDrawingCross, 1)), (std::vector<int32_t>{0, 1, 2, 5}));
    EXPECT_EQ(Texts(GridPenStyleEntries(1)), allStyles);
    EXPECT_EQ(Values(GridPenStyleEntries(4)), (std::vector<int32_t>{0, 5}));
}

TEST(DrawingPropertyRules, FixedListsInTheirOrder)
{
    EXPECT_EQ(Values(BrushTypeEntries()), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(Texts(BrushTypeEntries()), (QStringList{"Null", "Solid", "Hatch"}));
    EXPECT_EQ(Values(BrushStyleEntries()), (std::vector<int32_t>{3, 4, 5, 2, 0, 1}));
    EXPECT_EQ(Texts(BrushStyleEntries()).first(), "45-degree upward left-to-right");
    EXPECT_EQ(Values(BackModeEntries()), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(Texts(PolyFillModeEntries()), (QStringList{"Alternate", "Winding"}));
}

TEST(DrawingPropertyRules, DisplayTypesByKind)
{
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingLine)), (QStringList{"Name", "Width", "Height", "Length"}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingPolygon)), (QStringList{"Name", "Width", "Height", "Length", "Area"}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingText)), (QStringList{"Name", "Date", "Time"}));
    EXPECT_EQ(Values(DisplayTypeEntries(kDrawingText)), (std::vector<int32_t>{0x10, 0x200, 0x100}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingDegree)), (QStringList{"Name", "Degree"}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingPerpendicular)), (QStringList{"Name", "Length"}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingArc)), (QStringList{"Name", "Width", "Height", "Length", "Degree"}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingBezier)), (QStringList{"Name"}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingFreeHand)), (QStringList{"Name", "Width", "Height"}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingRoundRect)), (QStringList{"Name", "Width", "Height"}));
    EXPECT_EQ(Texts(DisplayTypeEntries(kDrawingCross)), (QStringList{"Name", "Width", "Height", "Center Position"}));
    EXPECT_TRUE(DisplayTypeEntries(kDrawingSelect).empty());
}

TEST(DrawingPropertyRules, DisplayTypeSelectionKeepsTheCornerBits)
{
    // The arc starts with the top-left and bottom-left coordinates and its
    // length; the list offers only the length of these.
    EXPECT_EQ(DisplayTypeMode(kDrawingArc, 0x25, kTextName), 0x05 | kTextName);
    EXPECT_EQ(DisplayTypeMode(kDrawingArc, 0x25, kTextLength | kTextDegree), 0x25 | kTextDegree);
    // Bits the kind does not offer cannot come in through the selection.
    EXPECT_EQ(DisplayTypeMode(kDrawingText, kTextName, kTextArea | kTextTime), kTextTime);
}

TEST(DrawingPropertyRules, PenPageEnablingByKind)
{
    EXPECT_EQ(PenPageRulesFor(StyleOf(kDrawingRectangle), false), PenPageRules{});

    const PenPageRules text = PenPageRulesFor(StyleOf(kDrawingText), true);
    EXPECT_FALSE(text.penStyle);
    EXPECT_FALSE(text.brushType);
    EXPECT_FALSE(text.backMode);
    EXPECT_TRUE(text.penWidth);

    DrawingStyle rectangle = StyleOf(kDrawingRectangle);
    rectangle.brushType = kBrushSolid;
    EXPECT_FALSE(PenPageRulesFor(rectangle, true).brushStyle);
    EXPECT_TRUE(PenPageRulesFor(rectangle, true).brushColor);
    rectangle.brushType = kBrushHatch;
    const PenPageRules hatched = PenPageRulesFor(rectangle, true);
    EXPECT_TRUE(hatched.brushStyle);
    EXPECT_TRUE(hatched.backMode);
    EXPECT_FALSE(hatched.polyFillMode);

    DrawingStyle line = StyleOf(kDrawingLine);
    EXPECT_FALSE(PenPageRulesFor(line, true).backMode);
    EXPECT_FALSE(PenPageRulesFor(line, true).brushType);
    line.penStyle = kPenDot;
    EXPECT_TRUE(PenPageRulesFor(line, true).backMode);
    line.penStyle = kPenNull;
    EXPECT_FALSE(PenPageRulesFor(line, true).backMode);

    EXPECT_TRUE(PenPageRulesFor(StyleOf(kDrawingPolygon), true).polyFillMode);
    EXPECT_TRUE(GridBackModeApplies(kPenDash));
    EXPECT_FALSE(GridBackModeApplies(kPenSolid));
    EXPECT_FALSE(GridBackModeApplies(kPenNull));
}

TEST(DrawingPropertyRules, FontRecordThroughTheChooser)
{
    LogicalFont record;
    record.height = -16;
    record.weight = 400;
    record.charSet = 1;
    record.escapement = 450;
    record.faceName = QStringLiteral("DejaVu Sans");
    const QFont shown = ChooserFontFromRecord(record);
    EXPECT_DOUBLE_EQ(shown.pointSizeF(), 12.0); // 16 pixels at 96 per 72 points
    EXPECT_EQ(shown.family(), "DejaVu Sans");

    QFont chosen = shown;
    chosen.setPointSizeF(18.0);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    chosen.setFamily(QStringLiteral("DejaVu Serif"));
    const LogicalFont back = RecordFromChosenFont(chosen, record);
    EXPECT_EQ(back.height, -24);
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.italic, 1);
    EXPECT_EQ(back.underline, 0);
    EXPECT_EQ(back.strikeOut, 1);
    EXPECT_EQ(back.faceName, "DejaVu Serif");
    EXPECT_EQ(back.escapement, 450); // not shown by the chooser: kept
    EXPECT_EQ(back.charSet, 1);
    // Unchanged in the chooser, the record comes back as it went in.
    EXPECT_EQ(RecordFromChosenFont(shown, record), record);

    // A positive (cell) height goes through as the size the drawing uses.
    LogicalFont cell = record;
    cell.height = 13;
    EXPECT_EQ(RecordFromChosenFont(ChooserFontFromRecord(cell), cell).height, -MakeDrawingFont(cell).pixelSize());
}

TEST(DrawingPropertyRules, ColorRefsAreBlueGreenRed)
{
    EXPECT_EQ(ColorRefFromColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(ColorRefFromColor(ColorFromRef(0x00ABCDEF)), 0x00ABCDEFu);
    EXPECT_EQ(ColorRefFromColor(QColor::fromHsv(0, 255, 255)), 0x0000FFu);
}
