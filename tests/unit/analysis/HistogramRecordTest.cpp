#include "analysis/HistogramRecord.h"
#include "camera/PixelFormats.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

// Makes the record's area the whole of a width × height grey frame.
void WholeFrame(HistogramRecord& record, int32_t width, int32_t height, int32_t bitDepth)
{
    record.bitDepth = bitDepth;
    record.right = width;
    record.bottom = height;
}

std::vector<uint8_t> Words(const std::vector<uint16_t>& values)
{
    std::vector<uint8_t> bytes;
    for (uint16_t value : values) {
        bytes.push_back(static_cast<uint8_t>(value));
        bytes.push_back(static_cast<uint8_t>(value >> 8));
    }
    return bytes;
}

uint32_t Total(const HistogramRecord& record)
{
    return std::accumulate(record.counts[0].begin(), record.counts[0].end(), 0u);
}

TEST(HistogramCountGrey, WideSamplesAreScaledIntoTheWindowsBins)
{
    HistogramRecord mono16;
    WholeFrame(mono16, 2, 1, 8);
    const auto raw16 = Words({0xFFFF, 0x0100});
    ASSERT_TRUE(mono16.CountGrey(kPixelMono16, raw16.data(), raw16.size(), 2, 1, 0));
    EXPECT_EQ(mono16.counts[0][255], 1u);
    EXPECT_EQ(mono16.counts[0][1], 1u);

    HistogramRecord mono14;
    WholeFrame(mono14, 1, 1, 8);
    const auto raw14 = Words({0x3FFF});
    ASSERT_TRUE(mono14.CountGrey(kPixelMono14, raw14.data(), raw14.size(), 1, 1, 0));
    EXPECT_EQ(mono14.counts[0][255], 1u);
}

TEST(HistogramCountGrey, BitsAboveTheFormatsDepthLandInTheTopBin)
{
    HistogramRecord mono12;
    WholeFrame(mono12, 3, 1, 12);
    const auto raw12 = Words({0xFFFF, 0x0FFF, 0x0800});
    ASSERT_TRUE(mono12.CountGrey(kPixelMono12, raw12.data(), raw12.size(), 3, 1, 0));
    EXPECT_EQ(mono12.counts[0][4095], 2u);
    EXPECT_EQ(mono12.counts[0][2048], 1u);

    HistogramRecord mono10;
    WholeFrame(mono10, 2, 1, 10);
    const auto raw10 = Words({0xFFFF, 0x03FF});
    ASSERT_TRUE(mono10.CountGrey(kPixelMono10, raw10.data(), raw10.size(), 2, 1, 0));
    EXPECT_EQ(mono10.counts[0][1023], 2u);
    EXPECT_EQ(Total(mono10), 2u);
}

TEST(HistogramCountGrey, PackedSamplesAreUnpacked)
{
    // Two 12-bit samples 0xABC and 0x123: high bytes first and last, the low
    // nibbles together in the middle byte.
    HistogramRecord mono12;
    WholeFrame(mono12, 2, 1, 12);
    const std::vector<uint8_t> packed12{0xAB, 0x3C, 0x12};
    ASSERT_TRUE(mono12.CountGrey(kPixelMono12Packed, packed12.data(), packed12.size(), 2, 1, 0));
    EXPECT_EQ(mono12.counts[0][0xABC], 1u);
    EXPECT_EQ(mono12.counts[0][0x123], 1u);

    // Two 10-bit samples 0x3FF and 0x001.
    HistogramRecord mono10;
    WholeFrame(mono10, 2, 1, 10);
    const std::vector<uint8_t> packed10{0xFF, 0x13, 0x00};
    ASSERT_TRUE(mono10.CountGrey(kPixelMono10Packed, packed10.data(), packed10.size(), 2, 1, 0));
    EXPECT_EQ(mono10.counts[0][0x3FF], 1u);
    EXPECT_EQ(mono10.counts[0][0x001], 1u);
}

TEST(HistogramCountGrey, CountsOnlyTheAreaWithoutItsRightAndBottomEdges)
{
    HistogramRecord record;
    record.left = 1;
    record.top = 1;
    record.right = 3;
    record.bottom = 2;
    std::vector<uint8_t> raw(4 * 3);
    std::iota(raw.begin(), raw.end(), uint8_t{0});
    ASSERT_TRUE(record.CountGrey(kPixelMono8, raw.data(), raw.size(), 4, 3, 0));
    EXPECT_EQ(Total(record), 2u);
    EXPECT_EQ(record.counts[0][5], 1u);
    EXPECT_EQ(record.counts[0][6], 1u);
}

TEST(HistogramCountGrey, MirroredFramesCountTheRawSamplesUnderTheMarkedArea)
{
    // A 4 x 3 frame whose samples are their raw positions 0 to 11.
    std::vector<uint8_t> raw(4 * 3);
    std::iota(raw.begin(), raw.end(), uint8_t{0});
    // The samples counted for the shown area [left, right) x [top, bottom).
    auto countedAt = [&raw](int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t mirrorMode) {
        HistogramRecord area;
        area.left = left;
        area.top = top;
        area.right = right;
        area.bottom = bottom;
        std::vector<int> values;
        EXPECT_TRUE(area.CountGrey(kPixelMono8, raw.data(), raw.size(), 4, 3, mirrorMode));
        for (int value = 0; value < 12; ++value)
            for (uint32_t n = 0; n < area.counts[0][value]; ++n)
                values.push_back(value);
        return values;
    };
    EXPECT_EQ(countedAt(0, 0, 1, 1, 0), std::vector<int>{0});
    EXPECT_EQ(countedAt(0, 0, 1, 1, 1), std::vector<int>{3});
    EXPECT_EQ(countedAt(0, 0, 1, 1, 2), std::vector<int>{8});
    EXPECT_EQ(countedAt(0, 0, 1, 1, 3), std::vector<int>{11});
    // Columns 1-2 of rows 0-1 as shown.
    EXPECT_EQ(countedAt(1, 0, 3, 2, 3), (std::vector<int>{5, 6, 9, 10}));
    EXPECT_EQ(countedAt(1, 0, 3, 2, 1), (std::vector<int>{1, 2, 5, 6}));
}

TEST(HistogramCountGrey, RefusesShortBuffersAndColourFormats)
{
    HistogramRecord record;
    WholeFrame(record, 4, 4, 8);
    record.counts[0][7] = 99;
    const std::vector<uint8_t> raw(15);
    EXPECT_FALSE(record.CountGrey(kPixelMono8, raw.data(), raw.size(), 4, 4, 0));
    EXPECT_FALSE(record.CountGrey(kPixelBGR8Packed, raw.data(), raw.size(), 4, 4, 0));
    EXPECT_EQ(record.counts[0][7], 99u);
}

TEST(HistogramArea, MustLieInsideTheFrame)
{
    HistogramRecord record;
    record.left = 0;
    record.top = 0;
    record.right = 639;
    record.bottom = 479;
    EXPECT_TRUE(record.AreaInside(640, 480));
    record.right = 640;
    EXPECT_FALSE(record.AreaInside(640, 480));
    record.right = 100;
    record.left = -1;
    EXPECT_FALSE(record.AreaInside(640, 480));
}

} // namespace
