#pragma once

#include <array>
#include <cstdint>

// The option board's outputs, "Output0(Pin No.3)" to "Output4(Pin No.7)".
inline constexpr int kOptionOutputCount = 5;

// What the option board dialog knows of the board: the data paths, output
// sources, JTAG and user FPGA enable read from the camera's registers, and
// the user FPGA's image processing settings, which cannot be read back and
// hold what was last written in this run.
struct OptionState {
    uint8_t dataToUserFpga = 0;                             // 0..2
    uint8_t dataFromUserFpga = 0;                           // 0..3
    std::array<uint8_t, kOptionOutputCount> outputSource{}; // 0 camera FPGA, 1 user FPGA
    uint8_t jtagConnection = 0;                             // 0 disable, 1 enable
    uint8_t userFpgaEnable = 0;                             // 0 disable, 1 enable

    uint8_t processingMode = 0; // 0..3
    uint8_t splitScreen = 0;
    uint16_t binarizeThreshold = 0; // 0..4095
    uint8_t edgeLevel = 0;
    std::array<uint8_t, kOptionOutputCount> outputControl{};
    uint8_t stillImage = 0;
    uint8_t zoomSlideShow = 0;

    bool operator==(const OptionState&) const = default;
};

// The data path register's two bytes, low first: data back from the user
// FPGA in bits 4-5 and data to it in bits 0-1 of the low byte, the output
// sources of pins 0 to 4 in bits 0 to 4 of the high byte.
std::array<uint8_t, 2> ComposeDataPathRegister(const OptionState& state);
// The reverse: fills the data path and output source items from the value.
void SplitDataPathRegister(uint16_t value, OptionState& state);

// The user FPGA's image settings from address 0: mode, split screen,
// threshold low and high byte, edge level.
std::array<uint8_t, 5> ImageProcessingBytes(const OptionState& state);
// From address 7: still image mode, zoom and slide show.
std::array<uint8_t, 2> FrameMemoryBytes(const OptionState& state);
// Address 6: bit i is output control pin i.
uint8_t OutputControlByte(const OptionState& state);

// Enabling rules. "User FPGA Enable" needs a camera; every image processing
// control needs a camera whose user FPGA is enabled.
bool UserFpgaEnableAvailable(bool hasCamera);
bool ImageProcessingAvailable(bool hasCamera, const OptionState& state);
