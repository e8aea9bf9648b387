#include "imaging/OverlayPainterSet.h"

#include <utility>

OverlayPainterSet::OverlayPainterSet(OverlayRegistry& registry, std::string settingsPath)
    : settingsPath_(std::move(settingsPath)),
      logo_(&registry),
      grid_(&registry, ReadGridSettings(settingsPath_)),
      ellipse_(&registry, ReadEllipseSettings(settingsPath_)),
      fps_(&registry),
      framesReceived_(&registry)
{
}

OverlayPainterSet::~OverlayPainterSet()
{
    for (OverlayPainter* painter : Offered()) {
        if (painter->IsEnabled()) {
            DisablePainter(*painter, painter->Key());
            painter->SetKey(0);
        }
    }
    WriteGridSettings(settingsPath_, grid_.Settings());
    WriteEllipseSettings(settingsPath_, ellipse_.Settings());
}

std::array<OverlayPainter*, OverlayPainterSet::kOfferedCount> OverlayPainterSet::Offered()
{
    return {&grid_, &ellipse_, &fps_, &logo_, &framesReceived_};
}
