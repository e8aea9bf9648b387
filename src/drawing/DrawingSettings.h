#pragma once

#include <QString>
#include <cstdint>

// The units record handed to the objects when they write their measurements:
// unit names, the size of one pixel in length units and the factor applied to
// displayed angles.
struct DrawingUnits {
    QString lengthUnit;
    QString areaUnit;
    QString degreeUnit;
    double pixelSizeX = 1.0;
    double pixelSizeY = 1.0;
    double degreeRatio = 1.0;

    bool operator==(const DrawingUnits&) const = default;
};

// The optional reference grid drawn under the objects. Colours are 0x00BBGGRR.
struct DrawingGrid {
    int32_t horizontalCount = 0; // vertical lines across the width
    int32_t verticalCount = 0;   // horizontal lines down the height
    int32_t penStyle = 0;
    int32_t penWidth = 1;
    uint32_t penColor = 0;
    int32_t backMode = 1;
    uint32_t backColor = 0xFFFFFF;

    bool operator==(const DrawingGrid&) const = default;
};

// The manager's settings block that the property dialog edits as one piece.
struct DrawingSettings {
    DrawingUnits units;
    DrawingGrid grid;

    bool operator==(const DrawingSettings&) const = default;
};

// Units with the default unit names "[pixel]", "[pixel2]", "[Degree]".
DrawingUnits DefaultDrawingUnits();
