#include "controls/TextNumbers.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TextNumbers, IntegerTakesTheLeadingNumber)
{
    EXPECT_EQ(ParseDecimalInt("1005"), 1005);
    EXPECT_EQ(ParseDecimalInt("  -42"), -42);
    EXPECT_EQ(ParseDecimalInt("+7"), 7);
    EXPECT_EQ(ParseDecimalInt("12ab"), 12);
    EXPECT_EQ(ParseDecimalInt("3.9"), 3);
    EXPECT_EQ(ParseDecimalInt("abc"), 0);
    EXPECT_EQ(ParseDecimalInt(""), 0);
    EXPECT_EQ(ParseDecimalInt("-"), 0);
    EXPECT_EQ(ParseDecimalInt("0x10"), 0);
}

TEST(TextNumbers, IntegerSaturatesBeyondThirtyTwoBits)
{
    EXPECT_EQ(ParseDecimalInt("2147483647"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ParseDecimalInt("2147483648"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ParseDecimalInt("99999999999999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ParseDecimalInt("-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ParseDecimalInt("-99999999999999999999"), std::numeric_limits<int32_t>::min());
}

TEST(TextNumbers, NumberUsesThePointWhateverTheLocale)
{
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber(" -0.25us"), -0.25);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("+3"), 3.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("2e3"), 2000.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("12,5"), 12.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("text"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("+-1"), 0.0);
}

TEST(TextNumbers, NumberRefusesWhatNoFeatureCanTake)
{
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("nan"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("inf"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber("1e999"), 0.0);
}
