// The option board's register composition and enabling rules.
#include "optionboard/OptionState.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionState, DataPathRegisterPutsEachItemInItsBits)
{
    OptionState state;
    state.dataToUserFpga = 2;
    state.dataFromUserFpga = 3;
    state.outputSource = {1, 0, 1, 0, 1};
    const std::array<uint8_t, 2> bytes = ComposeDataPathRegister(state);
    EXPECT_EQ(bytes[0], 0x32);
    EXPECT_EQ(bytes[1], 0x15);

    state.outputSource = {0, 1, 0, 1, 0};
    state.dataToUserFpga = 1;
    state.dataFromUserFpga = 0;
    EXPECT_EQ(ComposeDataPathRegister(state), (std::array<uint8_t, 2>{0x01, 0x0A}));
}

TEST(OptionState, SplittingKeepsOnlyTheDefinedBitsAndRoundTrips)
{
    OptionState state;
    state.jtagConnection = 1;
    SplitDataPathRegister(0xFFFF, state);
    EXPECT_EQ(state.dataToUserFpga, 3);
    EXPECT_EQ(state.dataFromUserFpga, 3);
    EXPECT_EQ(state.outputSource, (std::array<uint8_t, 5>{1, 1, 1, 1, 1}));
    EXPECT_EQ(state.jtagConnection, 1) << "only the data path items change";

    for (const uint16_t value : {0x0000, 0x0132, 0x1021, 0x0A13}) {
        OptionState split;
        SplitDataPathRegister(value, split);
        const std::array<uint8_t, 2> bytes = ComposeDataPathRegister(split);
        EXPECT_EQ(bytes[0] | (bytes[1] << 8), value);
    }
}

TEST(OptionState, UserFpgaBytes)
{
    OptionState state;
    state.processingMode = 2;
    EXPECT_EQ(ImageProcessingBytes(state), (std::array<uint8_t, 5>{2, 0, 0, 0, 0}));

    state.splitScreen = 1;
    state.binarizeThreshold = 4095;
    state.edgeLevel = 255;
    EXPECT_EQ(ImageProcessingBytes(state), (std::array<uint8_t, 5>{2, 1, 0xFF, 0x0F, 0xFF}))
        << "threshold low byte first";

    state.stillImage = 1;
    EXPECT_EQ(FrameMemoryBytes(state), (std::array<uint8_t, 2>{1, 0}));

    state.outputControl = {1, 0, 0, 1, 1};
    EXPECT_EQ(OutputControlByte(state), 0x19);
}

TEST(OptionState, EnablingRules)
{
    OptionState state;
    EXPECT_FALSE(UserFpgaEnableAvailable(false));
    EXPECT_TRUE(UserFpgaEnableAvailable(true));
    EXPECT_FALSE(ImageProcessingAvailable(true, state));
    state.userFpgaEnable = 1;
    EXPECT_TRUE(ImageProcessingAvailable(true, state));
    EXPECT_FALSE(ImageProcessingAvailable(false, state));
}

} // namespace
