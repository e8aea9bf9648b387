#include "drawing/DrawingSettings.h"

#include <QCoreApplication>

DrawingUnits DefaultDrawingUnits()
{
    DrawingUnits units;
    units.lengthUnit = QCoreApplication::translate("CDrawingManagement", "[pixel]");
    units.areaUnit = QCoreApplication::translate("CDrawingManagement", "[pixel2]");
    units.degreeUnit = QCoreApplication::translate("CDrawingManagement", "[Degree]");
    return units;
}
