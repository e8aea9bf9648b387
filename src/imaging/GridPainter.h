#pragma once

#include "imaging/OverlayPainter.h"

#include <cstdint>

// The grid painter's settings, kept in the settings file.
struct GridSettings {
    uint32_t columns = 4;
    uint32_t rows = 3;
    uint32_t offsetX = 0;
    uint32_t offsetY = 0;
};

// Draws columns + 1 vertical and rows + 1 horizontal lines that split the
// frame into equal cells, shifted right and down by the offsets modulo the
// cell size (so by less than one cell).
class GridPainter : public OverlayPainter {
public:
    // Column and row counts of 0 count as 1.
    explicit GridPainter(OverlayRegistry* registry, const GridSettings& settings = {});

    void Draw(QPainter& painter, int32_t width, int32_t height, uint32_t blockId, const int32_t* droppedCount) override;

    const GridSettings& Settings() const { return settings_; }

private:
    GridSettings settings_;
};
