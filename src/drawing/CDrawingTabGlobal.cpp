#include "drawing/CDrawingTabGlobal.h"

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>

namespace {

// A real as "%f" writes it: up to 309 integer digits and 7 more characters.
constexpr int kMaxRealLength = 320;

} // namespace

CDrawingTabGlobal::CDrawingTabGlobal(CTabParentBase& parent, QWidget* widgetParent)
    : CDrawingTabChildBase(parent, widgetParent)
{
    lengthUnit_ = AddEdit(tr("Length Unit Name"), "lengthUnit", kMaxNameLength);
    areaUnit_ = AddEdit(tr("Area Unit Name"), "areaUnit", kMaxNameLength);
    degreeUnit_ = AddEdit(tr("Degree Unit Name"), "degreeUnit", kMaxNameLength);
    pixelSizeX_ = AddEdit(tr("Horizontal Length / Pixel"), "pixelSizeX", kMaxRealLength);
    pixelSizeY_ = AddEdit(tr("Vertical Length / Pixel"), "pixelSizeY", kMaxRealLength);
    degreeRatio_ = AddEdit(tr("Degree Unit Ratio"), "degreeRatio", kMaxRealLength);
    drawOnSnapshot_ = AddCheckBox(tr("Draw To Snap Shot"), "drawOnSnapshot");
    FinishRows();

    const auto unitEdit = [this](QLineEdit* edit, QString DrawingUnits::*field) {
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            EditSettings([field, &text](DrawingSettings& settings) { settings.units.*field = text; });
        });
    };
    unitEdit(lengthUnit_, &DrawingUnits::lengthUnit);
    unitEdit(areaUnit_, &DrawingUnits::areaUnit);
    unitEdit(degreeUnit_, &DrawingUnits::degreeUnit);
    const auto realEdit = [this](QLineEdit* edit, double DrawingUnits::*field) {
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { EditReal(field, text); });
    };
    realEdit(pixelSizeX_, &DrawingUnits::pixelSizeX);
    realEdit(pixelSizeY_, &DrawingUnits::pixelSizeY);
    realEdit(degreeRatio_, &DrawingUnits::degreeRatio);
    connect(drawOnSnapshot_, &QCheckBox::clicked, this, [this](bool checked) {
        if (!Loading())
            Parent().DrawOnSnapshotEdited(checked);
    });
}

QString CDrawingTabGlobal::Caption() const
{
    return tr("General");
}

void CDrawingTabGlobal::LoadControls()
{
    const DrawingUnits& units = Parent().WorkingSettings().units;
    ShowText(lengthUnit_, units.lengthUnit);
    ShowText(areaUnit_, units.areaUnit);
    ShowText(degreeUnit_, units.degreeUnit);
    ShowReal(pixelSizeX_, units.pixelSizeX);
    ShowReal(pixelSizeY_, units.pixelSizeY);
    ShowReal(degreeRatio_, units.degreeRatio);
    ShowCheck(drawOnSnapshot_, Parent().DrawOnSnapshot(), true);
}

void CDrawingTabGlobal::EditReal(double DrawingUnits::*field, const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (ok && std::isfinite(value))
        EditSettings([field, value](DrawingSettings& settings) { settings.units.*field = value; });
}
