#include "drawing/CDrawingTabPen.h"

#include "drawing/CColorSelButton.h"

#include <QComboBox>
#include <QSlider>

CDrawingTabPen::CDrawingTabPen(CTabParentBase& parent, QWidget* widgetParent)
    : CDrawingTabChildBase(parent, widgetParent)
{
    penStyle_ = AddCombo(tr("Pen Style"), "penStyle");
    penWidth_ = AddSlider(tr("Pen Width"), "penWidth", kMinPenWidthChoice, kMaxPenWidthChoice);
    penColor_ = AddColorButton(tr("Pen Color"), "penColor");
    brushType_ = AddCombo(tr("Brush Type"), "brushType");
    brushStyle_ = AddCombo(tr("Brush Style"), "brushStyle");
    brushColor_ = AddColorButton(tr("Brush Color"), "brushColor");
    backMode_ = AddCombo(tr("Back Mode"), "backMode");
    backColor_ = AddColorButton(tr("Back Color"), "backColor");
    polyFillMode_ = AddCombo(tr("Poly Fill Mode"), "polyFillMode");
    FinishRows();

    const auto comboEdit = [this](QComboBox* combo, int32_t DrawingStyle::*field) {
        connect(combo, &QComboBox::activated, this, [this, combo, field] { EditStyle(field, SelectedValue(combo)); });
    };
    comboEdit(penStyle_, &DrawingStyle::penStyle);
    comboEdit(brushType_, &DrawingStyle::brushType);
    comboEdit(brushStyle_, &DrawingStyle::brushHatchStyle);
    comboEdit(backMode_, &DrawingStyle::backMode);
    comboEdit(polyFillMode_, &DrawingStyle::polyFillMode);
    connect(penWidth_, &QSlider::valueChanged, this,
            [this](int width) { EditStyle<int32_t>(&DrawingStyle::penWidth, width); });
    connect(penColor_, &CColorSelButton::colorChosen, this,
            [this](uint32_t color) { EditStyle(&DrawingStyle::penColor, color); });
    connect(brushColor_, &CColorSelButton::colorChosen, this,
            [this](uint32_t color) { EditStyle(&DrawingStyle::brushColor, color); });
    connect(backColor_, &CColorSelButton::colorChosen, this,
            [this](uint32_t color) { EditStyle(&DrawingStyle::backColor, color); });
}

QString CDrawingTabPen::Caption() const
{
    return tr("Pen / Brush");
}

void CDrawingTabPen::LoadControls()
{
    const DrawingStyle& style = Parent().WorkingStyle();
    const bool selected = Parent().HasSelectedObject();
    const PenPageRules rules = PenPageRulesFor(style, selected);
    // The lists keep their entries without a selection, only disabled, so
    // that the page keeps its size.
    ShowEntries(penStyle_, PenStyleEntries(style.drawingType, style.penWidth), style.penStyle, rules.penStyle);
    penWidth_->setValue(style.penWidth);
    penWidth_->setEnabled(rules.penWidth);
    ShowColor(penColor_, style.penColor, rules.penColor);
    ShowEntries(brushType_, BrushTypeEntries(), style.brushType, rules.brushType);
    ShowEntries(brushStyle_, BrushStyleEntries(), style.brushHatchStyle, rules.brushStyle);
    ShowColor(brushColor_, style.brushColor, rules.brushColor);
    ShowEntries(backMode_, BackModeEntries(), style.backMode, rules.backMode);
    ShowColor(backColor_, style.backColor, rules.backColor);
    ShowEntries(polyFillMode_, PolyFillModeEntries(), style.polyFillMode, rules.polyFillMode);
}
