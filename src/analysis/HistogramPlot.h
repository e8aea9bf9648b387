#pragma once

#include "analysis/AxisLabel.h"
#include "analysis/HistogramArea.h"

#include <QPolygon>
#include <QSize>

#include <array>
#include <cstdint>

// Geometry of the histogram plot: 256 steps of sample value across, counts
// up to the full scale F up, in client pixels.
struct HistogramLayout {
    static constexpr int kLeft = 63;
    static constexpr int kTop = 16;

    double xScale = 0; // pixels per 8-bit value step
    int plotWidth = 1;
    int plotHeight = 1;
    int extent = 0; // pixels from the left edge to value step 255
    int right = kLeft;
    int bottom = kTop;
};

HistogramLayout ComputeHistogramLayout(int clientWidth, int clientHeight);

// The count at the top of the plot: the area's pixel count (both edges
// included) / 20, times the stretch factor, truncated. 0 when the area is too
// small for the stretch; the plot then keeps its last picture.
int64_t HistogramFullScale(const HistogramArea& area, double stretch);

// The five count labels from the bottom up at y: k F / 4 shifted right by
// bitDepth - 8 (counts per sensor value); the three inner ones have grid lines.
std::array<AxisLabel, 5> HistogramCountLabels(const HistogramLayout& layout, int64_t fullScale, int bitDepth);

// The five sample value labels at x: 0 and each quarter of the sensor's range
// (0, 63, 127, 191, 255 for 8 bits); the three inner ones have grid lines.
std::array<AxisLabel, 5> HistogramValueLabels(const HistogramLayout& layout, int bitDepth);

// Bins a window shows per channel: 256 for a colour camera, counted from the
// converted 8-bit image; 2^bitDepth for a grey one, counted at the sensor's
// depth (8 to 12 bits).
int HistogramBinCount(bool colour, int bitDepth);

// The curve of binCount bins (256, or 2^bitDepth for a grey camera counted at
// its sensor depth), all spread over the 256 value steps. A bin is drawn at
// count x (binCount / 256) x plotHeight / F, so that one label unit is one
// count per sensor value whatever the bins' width, and it stays inside the
// plot. Empty for a full scale below 1 or a bin count that is not a multiple
// of 256.
QPolygon HistogramCurve(const HistogramLayout& layout, const uint32_t* counts, int binCount, int64_t fullScale);

// Client size the window opens with, kept inside the work area.
QSize HistogramClientSize(QSize workArea);
