#pragma once

#include <cstdint>
#include <string>

// The texts the gain and shutter page shows beside its sliders.

// The gain in decibels, "%.03f dB", for raw gain g by the camera's gain
// scale kind and its two gain offsets; empty for a kind the panel does not
// know (anything but 0, 1, 3 and 4).
std::string GainDecibelText(int32_t scaleKind, int32_t offset1, int32_t offset2, int32_t gain);

// The split of the light metering between average and peak for the
// ALC_Peak_Average value p (0 = all average, 255 = all peak), in tenths of a
// percent: "Ave[%3d.%1d%%] Peak[%3d.%1d%%]".
std::string PeakAverageText(int32_t peakAverage);
