#pragma once

#include <cstdint>

// What the option electronics and the camera's firmware told at connect time,
// read by the option board code; the defaults stand when a value cannot be read.
struct OptionBoardValues {
    int32_t optionFlagA = 1;
    int32_t optionFlagB = 0;
    int32_t gainScaleKind = 0;
    int32_t gainOffset1 = 0;
    int32_t gainOffset2 = 0;
    // 1 when the camera has a second line source (five output lines).
    int32_t secondLineSource = 0;
    double deviceVersion = 2.0;
};
