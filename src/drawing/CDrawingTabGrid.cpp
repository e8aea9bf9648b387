#include "drawing/CDrawingTabGrid.h"

#include "drawing/CColorSelButton.h"

#include <QComboBox>
#include <QSlider>

CDrawingTabGrid::CDrawingTabGrid(CTabParentBase& parent, QWidget* widgetParent)
    : CDrawingTabChildBase(parent, widgetParent)
{
    horizontalCount_ = AddSlider(tr("Horizontal Grid Count"), "horizontalGridCount", 0, kMaxGridCountChoice);
    verticalCount_ = AddSlider(tr("Vertical Grid Count"), "verticalGridCount", 0, kMaxGridCountChoice);
    penStyle_ = AddCombo(tr("Grid Pen Style"), "gridPenStyle");
    penWidth_ = AddSlider(tr("Grid Pen Width"), "gridPenWidth", kMinPenWidthChoice, kMaxPenWidthChoice);
    penColor_ = AddColorButton(tr("Grid Pen Color"), "gridPenColor");
    backMode_ = AddCombo(tr("Grid Back Mode"), "gridBackMode");
    backColor_ = AddColorButton(tr("Grid Back Color"), "gridBackColor");
    FinishRows();

    const auto sliderEdit = [this](QSlider* slider, int32_t DrawingGrid::*field) {
        connect(slider, &QSlider::valueChanged, this, [this, field](int value) { EditGrid<int32_t>(field, value); });
    };
    sliderEdit(horizontalCount_, &DrawingGrid::horizontalCount);
    sliderEdit(verticalCount_, &DrawingGrid::verticalCount);
    sliderEdit(penWidth_, &DrawingGrid::penWidth);
    const auto comboEdit = [this](QComboBox* combo, int32_t DrawingGrid::*field) {
        connect(combo, &QComboBox::activated, this, [this, combo, field] { EditGrid(field, SelectedValue(combo)); });
    };
    comboEdit(penStyle_, &DrawingGrid::penStyle);
    comboEdit(backMode_, &DrawingGrid::backMode);
    connect(penColor_, &CColorSelButton::colorChosen, this,
            [this](uint32_t color) { EditGrid(&DrawingGrid::penColor, color); });
    connect(backColor_, &CColorSelButton::colorChosen, this,
            [this](uint32_t color) { EditGrid(&DrawingGrid::backColor, color); });
}

QString CDrawingTabGrid::Caption() const
{
    return tr("Grid");
}

void CDrawingTabGrid::LoadControls()
{
    const DrawingGrid& grid = Parent().WorkingSettings().grid;
    horizontalCount_->setValue(grid.horizontalCount);
    verticalCount_->setValue(grid.verticalCount);
    ShowEntries(penStyle_, GridPenStyleEntries(grid.penWidth), grid.penStyle, true);
    penWidth_->setValue(grid.penWidth);
    ShowColor(penColor_, grid.penColor, true);
    const bool backApplies = GridBackModeApplies(grid.penStyle);
    ShowEntries(backMode_, BackModeEntries(), grid.backMode, backApplies);
    ShowColor(backColor_, grid.backColor, backApplies);
}

template <typename T>
void CDrawingTabGrid::EditGrid(T DrawingGrid::*field, T value)
{
    EditSettings([field, value](DrawingSettings& settings) { settings.grid.*field = value; });
}
