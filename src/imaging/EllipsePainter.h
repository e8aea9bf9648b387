#pragma once

#include "imaging/OverlayPainter.h"

#include <cstdint>

// The ellipse painter's settings, kept in the settings file.
struct EllipseSettings {
    uint32_t radiusStepX = 100;
    uint32_t radiusStepY = 100;
};

// Draws concentric hollow ellipses around the frame's centre, their radii
// growing by the steps, up to the first one that lies outside the frame on all
// four sides (that one is not drawn).
class EllipsePainter : public OverlayPainter {
public:
    // Radius steps of 0 count as 1.
    explicit EllipsePainter(OverlayRegistry* registry, const EllipseSettings& settings = {});

    void Draw(QPainter& painter, int32_t width, int32_t height, uint32_t blockId, const int32_t* droppedCount) override;

    const EllipseSettings& Settings() const { return settings_; }

private:
    EllipseSettings settings_;
};
