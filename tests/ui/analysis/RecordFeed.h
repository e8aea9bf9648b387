#pragma once

#include "TestFrames.h"
#include "analysis/HistogramRecord.h"
#include "analysis/WaveformRecord.h"

#include <QImage>

#include <cstdint>
#include <vector>

// What the acquisition thread does with the analysis records for one frame,
// for driving the windows without a camera.

// The frame converted for display: 8-bit grey or blue, green, red rows.
std::vector<uint8_t> ConvertForAnalysis(const TestFrame& frame);

// Copies the record's selected row of the converted frame into its buffer.
void FeedWaveform(WaveformRecord& record, const std::vector<uint8_t>& converted);

// Recounts the record's area as the acquisition thread does: colour from the
// converted frame, grey from the raw samples.
void FeedHistogram(HistogramRecord& record, const TestFrame& frame, const std::vector<uint8_t>& converted);

// The widget's picture, painted now.
QImage Grab(QWidget& widget);
