#pragma once

#include "imaging/OverlayPainter.h"

// Writes the frame's block id at the frame's bottom-left corner.
class DroppedFramesPainter : public OverlayPainter {
public:
    explicit DroppedFramesPainter(OverlayRegistry* registry);

    void Draw(QPainter& painter, int32_t width, int32_t height, uint32_t blockId, const int32_t* droppedCount) override;
};
