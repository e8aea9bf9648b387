#pragma once

#include "imaging/FrameRateMeter.h"
#include "imaging/OverlayPainter.h"

#include <QString>

// Writes the received frame rate and frame count at the frame's top-right
// corner, and the local date and time at its bottom-right corner.
class FrameRatePainter : public OverlayPainter {
public:
    explicit FrameRatePainter(OverlayRegistry* registry);

    void Draw(QPainter& painter, int32_t width, int32_t height, uint32_t blockId, const int32_t* droppedCount) override;
    // Starts the statistics afresh.
    void Reset() override;

    // The top-right text for a reading.
    static QString RateText(const FrameRateMeter::Reading& reading);

private:
    FrameRateMeter meter_;
};
