#include "analysis/AnalysisMarker.h"

#include "camera/FrameImage.h"

namespace {

const QColor kMarkerColour(0, 255, 0);
constexpr int kMarkerGrey = (0 + 255 + 0) / 3;

} // namespace

QPen AnalysisMarkerPen(const FrameImage& image)
{
    const bool grey = image.Kind() != FrameImage::kColour;
    return QPen(grey ? QColor(kMarkerGrey, kMarkerGrey, kMarkerGrey) : kMarkerColour, 1, Qt::SolidLine);
}
