#pragma once

#include <QPen>

class FrameImage;

// The pen the analysis windows mark the live image with: green, or on grey
// frames the grey nearest to it.
QPen AnalysisMarkerPen(const FrameImage& image);
