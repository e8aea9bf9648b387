#include "controls/GainTexts.h"

#include <gtest/gtest.h>

TEST(GainTexts, DecibelsForEachScaleKind)
{
    // Kind 0: 0.04 (v) - 6 with v = A + B + 2g; 0.04 in single precision.
    EXPECT_EQ(GainDecibelText(0, 0, 0, 0), "-6.000 dB");
    EXPECT_EQ(GainDecibelText(0, 10, 20, 100), "3.200 dB");
    // 0.04f x 150 falls just short of 6.
    EXPECT_EQ(GainDecibelText(0, 150, 0, 0), "0.000 dB");
    // Kind 1: 0.0359 v + 11.1.
    EXPECT_EQ(GainDecibelText(1, 0, 0, 0), "11.100 dB");
    EXPECT_EQ(GainDecibelText(1, 5, 5, 45), "14.690 dB");
    // Kind 3: 20 log10((g + 8) / 8); kind 4: 20 log10(g / 64 + 1).
    EXPECT_EQ(GainDecibelText(3, 99, 99, 0), "0.000 dB");
    EXPECT_EQ(GainDecibelText(3, 0, 0, 8), "6.021 dB");
    EXPECT_EQ(GainDecibelText(3, 0, 0, 4), "3.522 dB");
    EXPECT_EQ(GainDecibelText(4, 0, 0, 64), "6.021 dB");
    EXPECT_EQ(GainDecibelText(4, 0, 0, 32), "3.522 dB");
}

TEST(GainTexts, SinglePrecisionConstantsShowInTheThirdDecimal)
{
    // 0.04f is 0.0399999991: v = 1000000 gives 39993.999 dB where a double
    // 0.04 would give 39994.000.
    EXPECT_EQ(GainDecibelText(0, 0, 0, 500000), "39993.999 dB");
}

TEST(GainTexts, NoDecibelsForUnknownKindsOrGainsBelowZero)
{
    EXPECT_EQ(GainDecibelText(2, 0, 0, 10), "");
    EXPECT_EQ(GainDecibelText(5, 0, 0, 10), "");
    EXPECT_EQ(GainDecibelText(-1, 0, 0, 10), "");
    EXPECT_EQ(GainDecibelText(3, 0, 0, -8), "");
    EXPECT_EQ(GainDecibelText(4, 0, 0, -64), "");
}

TEST(GainTexts, PeakAverageSplitInTenthsOfAPercent)
{
    EXPECT_EQ(PeakAverageText(255), "Ave[  0.0%] Peak[100.0%]");
    EXPECT_EQ(PeakAverageText(0), "Ave[100.0%] Peak[  0.0%]");
    // 128 x 1000 / 255 = 501 tenths.
    EXPECT_EQ(PeakAverageText(128), "Ave[ 49.9%] Peak[ 50.1%]");
    EXPECT_EQ(PeakAverageText(1), "Ave[ 99.7%] Peak[  0.3%]");
}

TEST(GainTexts, PeakAverageOutsideTheRangeIsHeldAtItsEnds)
{
    EXPECT_EQ(PeakAverageText(-1), PeakAverageText(0));
    EXPECT_EQ(PeakAverageText(300), PeakAverageText(255));
}
