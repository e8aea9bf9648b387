#include "SimAddresses.h"

#include <string_view>

bool SimAddresses::Resolve(const SimFeatureTable& table, std::string* missing)
{
    bool complete = true;
    auto at = [&](std::string_view name) -> uint32_t {
        const uint32_t address = table.AddressOf(name);
        if (address == 0 && complete) {
            complete = false;
            *missing = std::string(name);
        }
        return address;
    };

    sensorWidth = at("SensorWidth");
    sensorHeight = at("SensorHeight");
    width = at("Width");
    height = at("Height");
    offsetX = at("OffsetX");
    offsetY = at("OffsetY");
    binningHorizontal = at("BinningHorizontal");
    binningVertical = at("BinningVertical");
    decimationHorizontal = at("DecimationHorizontal");
    decimationVertical = at("DecimationVertical");
    binningMode = at("BinningMode");
    reverseX = at("ReverseX");
    reverseY = at("ReverseY");
    pixelFormat = at("PixelFormat");

    acquisitionMode = at("AcquisitionMode");
    acquisitionFrameCount = at("AcquisitionFrameCount");
    acquisitionStart = at("AcquisitionStart");
    exposureMode = at("ExposureMode");
    exposureTime = at("ExposureTimeRaw");
    exposureAuto = at("ExposureAuto");
    gainRaw = at("GainRaw");
    gainAuto = at("GainAuto");
    digitalGain = at("DigitalGain");
    blackLevel = at("BlackLevelRaw");
    targetBrightness = at("TargetBrightness");

    balanceWhiteAuto = at("BalanceWhiteAuto");
    static constexpr std::array<const char*, kWhiteBalanceSets> kSets = {"Once", "Preset1", "Preset2", "Preset3"};
    static constexpr std::array<const char*, kColourGains> kGains = {"R", "Gr", "Gb", "B"};
    for (int set = 0; set < kWhiteBalanceSets; ++set) {
        for (int gain = 0; gain < kColourGains; ++gain)
            balanceRatios[set][gain] = at(std::string("BalanceRatio_") + kGains[gain] + "_" + kSets[set]);
    }
    gammaMode = at("GammaMode");
    reloadGammaData = at("ReloadGammaData");

    triggerMode = at("TriggerMode");
    triggerSource = at("TriggerSource");
    triggerSoftwareSource = at("TriggerSoftwareSource");
    triggerSoftware = at("TriggerSoftware");
    timerGranularity = at("TimerGranularityFactor");
    timerDuration = at("TimerDurationRaw");
    timerDelay = at("TimerDelayRaw");
    timerTriggerSource = at("TimerTriggerSource");
    for (int input = 0; input < kPlcInputs; ++input)
        plcInputs[input] = at("PLC_I" + std::to_string(input));
    auto output = [&](int number, PlcOutput& out) {
        const std::string prefix = "PLC_Q" + std::to_string(number) + "_";
        for (int v = 0; v < kPlcVariables; ++v)
            out.variables[v] = at(prefix + "Variable" + std::to_string(v));
        for (int o = 0; o < kPlcOperators; ++o)
            out.operators[o] = at(prefix + "Operator" + std::to_string(o));
    };
    output(4, plcQ4);
    output(9, plcQ9);
    plcControls = {at("PLC_ctrl0"), at("PLC_ctrl1")};

    userSetSelector = at("UserSetSelector");
    userSetLoad = at("UserSetLoad");
    userSetSave = at("UserSetSave");
    return complete;
}
