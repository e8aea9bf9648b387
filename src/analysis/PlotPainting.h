#pragma once

#include "analysis/AxisLabel.h"

#include <QColor>
#include <QRect>

#include <span>

class QPainter;

// Drawing shared by the waveform and histogram plots. `plot` spans the plot
// area with inclusive corners (left, top) and (right, bottom).

// The black frame, 2 pixels wide, around the given rectangle.
void DrawPlotFrame(QPainter& painter, const QRect& frame);

// Labels of the vertical axis, right-aligned between boxLeft and boxRight and
// centred on their y; dash-dot grid lines across the plot where marked.
void DrawVerticalAxis(QPainter& painter, std::span<const AxisLabel> labels, int boxLeft, int boxRight,
                      const QRect& plot);

// Labels of the horizontal axis, centred on their x under the plot; dash-dot
// grid lines up the plot where marked.
void DrawHorizontalAxis(QPainter& painter, std::span<const AxisLabel> labels, const QRect& plot);

// The curve colour of a channel: blue, green, red for channels 0, 1, 2 of a
// colour image; dark grey for a grey image.
QColor ChannelColour(bool colour, int channel);
