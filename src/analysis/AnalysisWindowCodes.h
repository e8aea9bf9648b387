#pragma once

// The main window's "window closed" notification and the codes with which
// the analysis windows report their closing through it.
constexpr int kWindowClosedMessage = 0x9004;
constexpr int kWaveformClosedCode = 2;
constexpr int kHistogramClosedCode = 3;
