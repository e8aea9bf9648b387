#pragma once

#include "analysis/AxisLabel.h"

#include <QPolygon>
#include <QSize>

#include <array>
#include <cstdint>
#include <vector>

// Geometry of the waveform plot: sample values 0..255 up, sample index along
// the row across, in client pixels.
struct WaveformLayout {
    static constexpr int kLeft = 40;
    static constexpr int kTop = 16;

    double xScale = 0; // pixels per sample index
    double yScale = 0; // pixels per sample value
    int plotWidth = 0;
    int plotHeight = 0;
    int right = kLeft;
    int bottom = kTop;
};

// The layout for a client area of that size and a row of sampleCount samples
// (at least 1). A client smaller than the margins still gives a layout, with a
// plot of a single pixel.
WaveformLayout ComputeWaveformLayout(int clientWidth, int clientHeight, int sampleCount);

// The five value labels from the bottom up: 0 and each quarter of the sensor's
// range (0, 255, 511, 767, 1023 for 10 bits), at y; the three inner ones have
// grid lines.
std::array<AxisLabel, 5> WaveformValueLabels(const WaveformLayout& layout, int bitDepth);

// The sample index labels 0, 200, 400, ... that fit in the plot, at x; all but
// the first and one exactly on the right edge have grid lines.
std::vector<AxisLabel> WaveformIndexLabels(const WaveformLayout& layout);

// The curve of one channel of an interleaved row of sampleCount samples with
// `channels` bytes each.
QPolygon WaveformCurve(const WaveformLayout& layout, const uint8_t* samples, int sampleCount, int channels,
                       int channel);

// Client size the window opens with for a row of rowLength samples, kept
// inside the work area.
QSize WaveformClientSize(int rowLength, QSize workArea);
