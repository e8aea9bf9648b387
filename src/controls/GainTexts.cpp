#include "controls/GainTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

// The scale kinds of the option electronics. Kinds 0 and 1 count half
// steps from the two offsets; 3 and 4 are linear amplifiers.
constexpr int32_t kOffsetScale = 0;
constexpr int32_t kOffsetScaleHigh = 1;
constexpr int32_t kLinearEighths = 3;
constexpr int32_t kLinearSixtyFourths = 4;

// The camera's own constants are single precision.
constexpr float kOffsetScaleStep = 0.04f;
constexpr double kOffsetScaleBase = -6.0;
constexpr float kOffsetScaleHighStep = 0.0359f;
constexpr float kOffsetScaleHighBase = 11.1f;

constexpr int32_t kPeakAverageMax = 255;
constexpr int32_t kTenthsOfPercent = 1000;

// A raw gain below the amplifier's zero has no decibel value.
std::optional<double> AmplitudeDecibels(double ratio)
{
    if (ratio <= 0.0)
        return std::nullopt;
    return 20.0 * std::log10(ratio);
}

std::optional<double> GainDecibels(int32_t scaleKind, int32_t offset1, int32_t offset2, int32_t gain)
{
    const double steps = static_cast<double>(offset1) + offset2 + 2.0 * gain;
    switch (scaleKind) {
    case kOffsetScale:
        return double{kOffsetScaleStep} * steps + kOffsetScaleBase;
    case kOffsetScaleHigh:
        return double{kOffsetScaleHighStep} * steps + double{kOffsetScaleHighBase};
    case kLinearEighths:
        return AmplitudeDecibels((gain + 8.0) / 8.0);
    case kLinearSixtyFourths:
        return AmplitudeDecibels(gain / 64.0 + 1.0);
    default:
        return std::nullopt;
    }
}

} // namespace

std::string GainDecibelText(int32_t scaleKind, int32_t offset1, int32_t offset2, int32_t gain)
{
    const std::optional<double> decibels = GainDecibels(scaleKind, offset1, offset2, gain);
    if (!decibels)
        return {};
    // The single-precision steps leave residues such as -1e-7 at 0 dB, which
    // would print as "-0.000".
    constexpr double kShownStep = 0.0005;
    const double shown = std::abs(*decibels) < kShownStep ? 0.0 : *decibels;
    char text[64];
    std::snprintf(text, sizeof text, "%.03f dB", shown);
    return text;
}

std::string PeakAverageText(int32_t peakAverage)
{
    // A value outside the camera's range would print negative tenths.
    const int32_t p = std::clamp(peakAverage, 0, kPeakAverageMax);
    const int32_t peak = p * kTenthsOfPercent / kPeakAverageMax;
    const int32_t average = kTenthsOfPercent - peak;
    char text[64];
    std::snprintf(text, sizeof text, "Ave[%3d.%1d%%] Peak[%3d.%1d%%]", average / 10, average % 10, peak / 10,
                  peak % 10);
    return text;
}
