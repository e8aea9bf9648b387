#pragma once

#include "SimPixelFormat.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Channels of SimFrameSettings::gains.
namespace SimGainChannel {
inline constexpr int kRed = 0;
inline constexpr int kGreenOnRed = 1;  // green sites on the red rows of a Bayer mosaic
inline constexpr int kGreenOnBlue = 2; // green sites on the blue rows
inline constexpr int kBlue = 3;
inline constexpr int kLuminance = 4; // mono output
inline constexpr int kCount = 5;
} // namespace SimGainChannel

// A gamma table of the camera: 4096 entries of 12-bit output.
using SimGammaTable = std::array<uint16_t, 4096>;

// Everything that decides the look of one frame, read from the camera's
// registers just before the frame is filled.
struct SimFrameSettings {
    uint32_t sensorWidth = 0;
    uint32_t sensorHeight = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t offsetX = 0; // in binned pixels, like Width
    uint32_t offsetY = 0;
    uint32_t binningHorizontal = 1;
    uint32_t binningVertical = 1;
    uint32_t decimationHorizontal = 1;
    uint32_t decimationVertical = 1;
    bool reverseX = false;
    bool reverseY = false;
    const SimPixelFormat* format = nullptr;
    bool colourSensor = false;
    SimBayerPattern sensorPattern = SimBayerPattern::GR;
    // Linear gains from scene to signal, by SimGainChannel.
    std::array<double, SimGainChannel::kCount> gains = {1.0, 1.0, 1.0, 1.0, 1.0};
    uint16_t blackLevel = 0; // 12-bit
    // Applied after gain when set: red, green, blue, mono.
    std::shared_ptr<const std::array<SimGammaTable, 4>> gamma;
    uint32_t frame = 0;
};

// The simulated camera's test pattern. The scene lies on the sensor: the top
// third holds eight colour bars in eight bands of falling brightness, the
// middle third a grey ramp from left to right crossed by a black line every
// 32 sensor rows, the bottom third a saw-tooth that moves right by four
// pixels per frame. The frame is the area of interest of that scene after
// binning, decimation and mirroring, scaled by the gains, offset by the black
// level, through the gamma table, then written in the pixel format.
class SimPattern {
public:
    // Fills data, which holds size bytes; false when the format is unknown or
    // the image does not fit.
    bool Fill(const SimFrameSettings& settings, uint8_t* data, size_t size);

    // The scene at a sensor position, 12-bit red, green, blue.
    static std::array<uint16_t, 3> SceneAt(uint32_t x, uint32_t y, uint32_t sensorWidth, uint32_t sensorHeight,
                                           uint32_t frame);
    // Mean luminance of the scene (12-bit), for the automatic light control.
    static double SceneMeanLuminance(uint32_t sensorWidth, uint32_t sensorHeight);
    // The illuminant's colour cast on red, green and blue that a white balance
    // removes.
    static std::array<double, 3> Illuminant();

private:
    void BuildLookUpTables(const SimFrameSettings& settings);
    void BuildRow(const SimFrameSettings& settings, uint32_t sensorRow, bool oddRow, uint8_t* out);

    std::vector<uint32_t> columns_;
    std::array<std::vector<uint16_t>, SimGainChannel::kCount> lookUp_;
    std::vector<std::vector<uint8_t>> rowCache_;
    std::vector<bool> rowBuilt_;
};
