#pragma once

#include "SimFeatureTable.h"

#include <array>
#include <cstdint>
#include <string>

// Register addresses of the features the simulated camera acts on, looked up
// once from its feature table.
struct SimAddresses {
    static constexpr int kWhiteBalanceSets = 4; // Once, Preset1, Preset2, Preset3
    static constexpr int kColourGains = 4;      // R, Gr, Gb, B
    static constexpr int kPlcInputs = 8;
    static constexpr int kPlcVariables = 4;
    static constexpr int kPlcOperators = 3;

    struct PlcOutput {
        std::array<uint32_t, kPlcVariables> variables{};
        std::array<uint32_t, kPlcOperators> operators{};
    };

    uint32_t sensorWidth = 0;
    uint32_t sensorHeight = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t offsetX = 0;
    uint32_t offsetY = 0;
    uint32_t binningHorizontal = 0;
    uint32_t binningVertical = 0;
    uint32_t decimationHorizontal = 0;
    uint32_t decimationVertical = 0;
    uint32_t binningMode = 0;
    uint32_t reverseX = 0;
    uint32_t reverseY = 0;
    uint32_t pixelFormat = 0;

    uint32_t acquisitionMode = 0;
    uint32_t acquisitionFrameCount = 0;
    uint32_t acquisitionStart = 0;
    uint32_t exposureMode = 0;
    uint32_t exposureTime = 0;
    uint32_t exposureAuto = 0;
    uint32_t gainRaw = 0;
    uint32_t gainAuto = 0;
    uint32_t digitalGain = 0;
    uint32_t blackLevel = 0;
    uint32_t targetBrightness = 0;

    uint32_t balanceWhiteAuto = 0;
    std::array<std::array<uint32_t, kColourGains>, kWhiteBalanceSets> balanceRatios{};
    uint32_t gammaMode = 0;
    uint32_t reloadGammaData = 0;

    uint32_t triggerMode = 0;
    uint32_t triggerSource = 0;
    uint32_t triggerSoftwareSource = 0;
    uint32_t triggerSoftware = 0;
    uint32_t timerGranularity = 0;
    uint32_t timerDuration = 0;
    uint32_t timerDelay = 0;
    uint32_t timerTriggerSource = 0;
    std::array<uint32_t, kPlcInputs> plcInputs{};
    PlcOutput plcQ4;
    PlcOutput plcQ9;
    std::array<uint32_t, 2> plcControls{};

    uint32_t userSetSelector = 0;
    uint32_t userSetLoad = 0;
    uint32_t userSetSave = 0;

    // Fills every address; false with the name of the first feature missing.
    bool Resolve(const SimFeatureTable& table, std::string* missing);
};
