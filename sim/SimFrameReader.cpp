#include "SimFrameReader.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kReferenceExposureUs = 10000.0;
constexpr double kGainDecibelsPerStep = 0.08;
constexpr double kDigitalGainUnity = 64.0;
constexpr double kBalanceUnity = 128.0;
constexpr uint32_t kBlackLevelScale = 16; // 8-bit register to 12-bit signal
constexpr double kBrightnessScale = 16.0; // 8-bit target to 12-bit signal
constexpr uint32_t kTimedExposure = 1;
constexpr uint32_t kBinningSum = 0;
constexpr uint32_t kWhiteBalanceAtw = 4;
constexpr uint32_t kWhiteBalancePushToSet = 5;

using SimGainChannel::kBlue;
using SimGainChannel::kGreenOnBlue;
using SimGainChannel::kGreenOnRed;
using SimGainChannel::kLuminance;
using SimGainChannel::kRed;

} // namespace

std::array<uint32_t, 4> SimNeutralBalanceRatios()
{
    const std::array<double, 3> light = SimPattern::Illuminant();
    auto ratio = [](double cast) { return static_cast<uint32_t>(std::lround(kBalanceUnity / cast)); };
    return {ratio(light[0]), ratio(light[1]), ratio(light[1]), ratio(light[2])};
}

SimFrameSettings ReadSimFrameSettings(const SimMemory& memory, const SimAddresses& a, bool colourSensor,
                                      SimBayerPattern sensorPattern)
{
    auto value = [&memory](uint32_t address) { return memory.ReadBigEndian32(address); };

    SimFrameSettings s;
    s.sensorWidth = value(a.sensorWidth);
    s.sensorHeight = value(a.sensorHeight);
    s.width = value(a.width);
    s.height = value(a.height);
    s.offsetX = value(a.offsetX);
    s.offsetY = value(a.offsetY);
    s.binningHorizontal = value(a.binningHorizontal);
    s.binningVertical = value(a.binningVertical);
    s.decimationHorizontal = value(a.decimationHorizontal);
    s.decimationVertical = value(a.decimationVertical);
    s.reverseX = value(a.reverseX) != 0;
    s.reverseY = value(a.reverseY) != 0;
    s.format = FindSimPixelFormat(value(a.pixelFormat));
    s.colourSensor = colourSensor;
    s.sensorPattern = sensorPattern;

    double signal = 0.0;
    if (value(a.exposureAuto) != 0 || value(a.gainAuto) != 0) {
        // The light control loop settles at once: the mean meets the target.
        const double mean = SimPattern::SceneMeanLuminance(s.sensorWidth, s.sensorHeight);
        signal = mean > 0.0 ? value(a.targetBrightness) * kBrightnessScale / mean : 1.0;
    } else {
        const uint32_t exposureUs = value(a.exposureTime);
        const double exposure =
            value(a.exposureMode) == kTimedExposure && exposureUs > 0 ? exposureUs / kReferenceExposureUs : 1.0;
        const double analogue = std::pow(10.0, kGainDecibelsPerStep * value(a.gainRaw) / 20.0);
        signal = exposure * analogue;
    }
    signal *= 1.0 + value(a.digitalGain) / kDigitalGainUnity;
    if (value(a.binningMode) == kBinningSum)
        signal *=
            static_cast<double>(std::max<uint32_t>(s.binningHorizontal, 1)) * std::max<uint32_t>(s.binningVertical, 1);
    s.blackLevel = static_cast<uint16_t>(value(a.blackLevel) * kBlackLevelScale);

    s.gains.fill(signal);
    if (colourSensor) {
        const uint32_t mode = value(a.balanceWhiteAuto);
        std::array<uint32_t, 4> ratios{};
        if (mode == kWhiteBalanceAtw) {
            ratios = SimNeutralBalanceRatios();
        } else {
            // Off and a running one-push use the one-push result (set 0).
            const int set = mode < kWhiteBalanceAtw && mode != kWhiteBalancePushToSet ? static_cast<int>(mode) : 0;
            for (int gain = 0; gain < SimAddresses::kColourGains; ++gain)
                ratios[gain] = value(a.balanceRatios[set][gain]);
        }
        const std::array<double, 3> light = SimPattern::Illuminant();
        s.gains[kRed] = signal * light[0] * ratios[0] / kBalanceUnity;
        s.gains[kGreenOnRed] = signal * light[1] * ratios[1] / kBalanceUnity;
        s.gains[kGreenOnBlue] = signal * light[1] * ratios[2] / kBalanceUnity;
        s.gains[kBlue] = signal * light[2] * ratios[3] / kBalanceUnity;
        s.gains[kLuminance] = signal;
    }
    return s;
}
