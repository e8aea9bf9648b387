#include "optionboard/OptionState.h"

namespace {

constexpr uint8_t kDataToUserFpgaMask = 0x03;
constexpr uint8_t kDataFromUserFpgaMask = 0x03;
constexpr int kDataFromUserFpgaShift = 4;

} // namespace

std::array<uint8_t, 2> ComposeDataPathRegister(const OptionState& state)
{
    const auto low = static_cast<uint8_t>(((state.dataFromUserFpga & kDataFromUserFpgaMask) << kDataFromUserFpgaShift) |
                                          (state.dataToUserFpga & kDataToUserFpgaMask));
    uint8_t high = 0;
    for (int pin = 0; pin < kOptionOutputCount; ++pin)
        high |= static_cast<uint8_t>((state.outputSource[pin] & 1) << pin);
    return {low, high};
}

void SplitDataPathRegister(uint16_t value, OptionState& state)
{
    const auto low = static_cast<uint8_t>(value & 0xFF);
    const auto high = static_cast<uint8_t>(value >> 8);
    state.dataToUserFpga = low & kDataToUserFpgaMask;
    state.dataFromUserFpga = (low >> kDataFromUserFpgaShift) & kDataFromUserFpgaMask;
    for (int pin = 0; pin < kOptionOutputCount; ++pin)
        state.outputSource[pin] = (high >> pin) & 1;
}

std::array<uint8_t, 5> ImageProcessingBytes(const OptionState& state)
{
    return {state.processingMode, state.splitScreen, static_cast<uint8_t>(state.binarizeThreshold & 0xFF),
            static_cast<uint8_t>(state.binarizeThreshold >> 8), state.edgeLevel};
}

std::array<uint8_t, 2> FrameMemoryBytes(const OptionState& state)
{
    return {state.stillImage, state.zoomSlideShow};
}

uint8_t OutputControlByte(const OptionState& state)
{
    uint8_t byte = 0;
    for (int pin = 0; pin < kOptionOutputCount; ++pin)
        byte |= static_cast<uint8_t>((state.outputControl[pin] & 1) << pin);
    return byte;
}

bool UserFpgaEnableAvailable(bool hasCamera)
{
    return hasCamera;
}

bool ImageProcessingAvailable(bool hasCamera, const OptionState& state)
{
    return hasCamera && state.userFpgaEnable == 1;
}
