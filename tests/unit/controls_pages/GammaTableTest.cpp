// The gamma table, its channels and the frames around each channel's table.
#include "controls/GammaTable.h"

#include "imaging/PixelFormat.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(GammaTable, IdentityAndCurve)
{
    const std::vector<uint16_t> identity = ComputeGammaTable(1.0);
    ASSERT_EQ(identity.size(), 4096u);
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ(identity[i], i) << i;

    const std::vector<uint16_t> curve = ComputeGammaTable(0.45);
    EXPECT_EQ(curve[0], 0);
    EXPECT_EQ(curve[4095], 4095);
    EXPECT_EQ(curve[1024], static_cast<uint16_t>(std::pow(1024.0 / 4095, 0.45) * 4095 + 0.5));
    EXPECT_GT(curve[1024], 1024);
}

TEST(GammaTable, ChannelsByPixelFormat)
{
    EXPECT_EQ(GammaChannels(kPixelFormatMono8), std::vector<uint8_t>{3});
    EXPECT_EQ(GammaChannels(kPixelFormatMono14), std::vector<uint8_t>{3});
    EXPECT_EQ(GammaChannels(kPixelFormatBayerGR8), (std::vector<uint8_t>{0, 1, 2}));
    EXPECT_EQ(GammaChannels(kPixelFormatRGB8Packed), (std::vector<uint8_t>{0, 1, 2}));
}

TEST(GammaTable, FramesCarryTargetAndChannel)
{
    EXPECT_EQ(GammaStartFrame(GammaTarget::Register, 0), (std::array<uint8_t, 6>{0x02, 0xF2, 0x10, 0x40, 0x00, 0x03}));
    EXPECT_EQ(GammaEndFrame(GammaTarget::Eeprom, 3), (std::array<uint8_t, 6>{0x02, 0xF1, 0x13, 0x40, 0x00, 0x03}));
}
