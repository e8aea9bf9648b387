#pragma once

#include "imaging/EllipsePainter.h"
#include "imaging/GridPainter.h"

#include <string>

// Settings file sections and keys of the grid and ellipse painters.
inline constexpr const char* kGridSection = "PreviewDCCallback_Grid";
inline constexpr const char* kGridColumnsKey = "ColNum";
inline constexpr const char* kGridRowsKey = "RowNum";
inline constexpr const char* kGridOffsetXKey = "OffsetX";
inline constexpr const char* kGridOffsetYKey = "OffsetY";
inline constexpr const char* kEllipseSection = "PreviewDCCallback_Ellipse";
inline constexpr const char* kEllipseRadiusXKey = "RadiusX";
inline constexpr const char* kEllipseRadiusYKey = "RadiusY";

// Grid and ellipse settings from the settings file: missing keys take the
// defaults, and column, row and radius values of 0 become 1.
GridSettings ReadGridSettings(const std::string& settingsPath);
EllipseSettings ReadEllipseSettings(const std::string& settingsPath);
// Writes them back as unsigned decimals, keeping every other key; false when
// the file could not be written.
bool WriteGridSettings(const std::string& settingsPath, const GridSettings& settings);
bool WriteEllipseSettings(const std::string& settingsPath, const EllipseSettings& settings);
