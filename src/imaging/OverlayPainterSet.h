#pragma once

#include "imaging/DroppedFramesPainter.h"
#include "imaging/EllipsePainter.h"
#include "imaging/FrameRatePainter.h"
#include "imaging/GridPainter.h"
#include "imaging/LogoPainter.h"
#include "imaging/OverlaySettings.h"

#include <array>
#include <string>

class OverlayRegistry;

// One camera's built-in overlay painters, bound to its overlay registry. They
// start switched off. The grid and ellipse settings are read from the settings
// file at construction and written back at destruction. User interface thread.
class OverlayPainterSet {
public:
    static constexpr size_t kOfferedCount = 5;

    // registry must outlive the set.
    OverlayPainterSet(OverlayRegistry& registry, std::string settingsPath);
    // Switches every painter off, then writes the settings back.
    ~OverlayPainterSet();
    OverlayPainterSet(const OverlayPainterSet&) = delete;
    OverlayPainterSet& operator=(const OverlayPainterSet&) = delete;

    // The painters in the order the "Callback Functions" dialog offers them:
    // Grid, Ellipse, FPS, Logo, Frames Received.
    std::array<OverlayPainter*, kOfferedCount> Offered();

    LogoPainter& Logo() { return logo_; }
    GridPainter& Grid() { return grid_; }
    EllipsePainter& Ellipse() { return ellipse_; }
    FrameRatePainter& Fps() { return fps_; }
    DroppedFramesPainter& FramesReceived() { return framesReceived_; }

private:
    std::string settingsPath_;
    LogoPainter logo_;
    GridPainter grid_;
    EllipsePainter ellipse_;
    FrameRatePainter fps_;
    DroppedFramesPainter framesReceived_;
};
