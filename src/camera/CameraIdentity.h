#pragma once

#include <cstdint>
#include <string>

// What a camera told at connect time: its address, its name and the bounds of
// its image area. Kept until the next connect.
struct CameraIdentity {
    std::string ipAddress;
    std::string macAddress;
    std::string model;
    int32_t sensorWidth = 0;
    int32_t sensorHeight = 0;
    int32_t widthMin = 0;
    int32_t heightMin = 0;
    // The image area's size as found at connect.
    int32_t connectWidth = 0;
    int32_t connectHeight = 0;
    int32_t widthIncrement = 0;
    int32_t heightIncrement = 0;
    // Entries of SensorDigitizationTaps, 0 when the camera has none.
    int32_t tapCount = 0;
};
