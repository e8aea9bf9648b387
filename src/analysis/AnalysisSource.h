#pragma once

#include <cstdint>
#include <memory>

class CameraConnection;
class FrameSinkList;

// The camera an analysis window is opened for: its image size and pixel
// format when the window opens, and the sink list its frames come through.
struct AnalysisSource {
    int32_t width = 0;
    int32_t height = 0;
    uint32_t pixelFormat = 0;
    std::shared_ptr<FrameSinkList> sinks;
};

// The camera's image size, pixel format and sink list as they are now.
AnalysisSource AnalysisSourceOf(CameraConnection& camera);

// False for the seven grey formats, true for every other format.
bool IsColourSource(uint32_t pixelFormat);

// Bits per sample the sensor delivers, as the analysis axes show it: 10 for
// the 10-bit grey and Bayer formats (packed or not), 12 for the 12-bit ones,
// 8 for every other format.
int32_t SensorBitDepth(uint32_t pixelFormat);
