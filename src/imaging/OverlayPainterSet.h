#pragma once

#include "imaging/CPreviewDCCallback_DisplayLogo.h"
#include "imaging/CPreviewDCCallback_DropFramesCount.h"
#include "imaging/CPreviewDCCallback_Ellipse.h"
#include "imaging/CPreviewDCCallback_Grid.h"
#include "imaging/CPreviewDCCallback_ShowFPS.h"
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
    std::array<CPreviewDCCallbackBase*, kOfferedCount> Offered();

    CPreviewDCCallback_DisplayLogo& Logo() { return logo_; }
    CPreviewDCCallback_Grid& Grid() { return grid_; }
    CPreviewDCCallback_Ellipse& Ellipse() { return ellipse_; }
    CPreviewDCCallback_ShowFPS& Fps() { return fps_; }
    CPreviewDCCallback_DropFramesCount& FramesReceived() { return framesReceived_; }

private:
    std::string settingsPath_;
    CPreviewDCCallback_DisplayLogo logo_;
    CPreviewDCCallback_Grid grid_;
    CPreviewDCCallback_Ellipse ellipse_;
    CPreviewDCCallback_ShowFPS fps_;
    CPreviewDCCallback_DropFramesCount framesReceived_;
};
