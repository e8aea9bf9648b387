#pragma once

#include "drawing/DrawingStyle.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <vector>

// What the drawing property pages offer and enable for an object's kind and
// style: the entries of their lists and which controls apply. Kept apart from
// the widgets so that the rules can be checked without a dialog.

// Ranges of the pen width and grid count sliders.
constexpr int kMinPenWidthChoice = kMinPenWidth;
constexpr int kMaxPenWidthChoice = kMaxPenWidth;
constexpr int kMaxGridCountChoice = kMaxGridCount;

// One line of a list: its text and the style value it stands for.
struct ListEntry {
    QString text;
    int32_t value;

    bool operator==(const ListEntry&) const = default;
};
using ListEntries = std::vector<ListEntry>;

// "Pen Style": "Solid", then "Dash" and "Dot" for the cross, or all four
// styled pens for the other kinds while the pen is thinner than 2 pixels,
// then "Null".
ListEntries PenStyleEntries(int32_t kind, int32_t penWidth);
// "Grid Pen Style": the styled pens only while the grid pen is thinner than 2.
ListEntries GridPenStyleEntries(int32_t penWidth);
ListEntries BrushTypeEntries();
ListEntries BrushStyleEntries();
// "Transparent" and "Opaque": back modes of the shape, the text and the grid.
ListEntries BackModeEntries();
ListEntries PolyFillModeEntries();
// "Display Type": the measurement texts the kind can show, in the fixed order
// Name, Width, Height, Length, Area, Degree, Date, Time, Center Position.
ListEntries DisplayTypeEntries(int32_t kind);

// The display text mode after the "Display Type" selection changed: the
// selected bits replace the offered ones; bits the list does not offer (the
// corner coordinates) are kept as they were.
int32_t DisplayTypeMode(int32_t kind, int32_t oldMode, int32_t selectedBits);

// Which controls of the "Pen / Brush" page apply to the object. All are off
// without a selected object.
struct PenPageRules {
    bool penStyle = false;
    bool penWidth = false;
    bool penColor = false;
    bool brushType = false;
    bool brushStyle = false;
    bool brushColor = false;
    bool backMode = false;
    bool backColor = false;
    bool polyFillMode = false;

    bool operator==(const PenPageRules&) const = default;
};
PenPageRules PenPageRulesFor(const DrawingStyle& style, bool hasSelection);

// "Grid Back Mode" (and its colour) apply only to styled grid pens.
bool GridBackModeApplies(int32_t gridPenStyle);

// The font chooser works in points; the style's font record in pixels of the
// image. One point is taken as 96/72 pixels, the usual screen resolution.
QFont ChooserFontFromRecord(const LogicalFont& record);
// The record after the chooser's OK: face, character height, weight, italic,
// underline and strike-out from the chosen font; the fields the chooser does
// not show stay as they were in `base`.
LogicalFont RecordFromChosenFont(const QFont& font, const LogicalFont& base);

// A colour as the 0x00BBGGRR value that styles and files keep.
uint32_t ColorRefFromColor(const QColor& color);
