// Area of interest arithmetic: usable sizes, range ends, alignment, the
// sensor check and the order of the writes.
#include "camerasettings/AoiArea.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

AoiLimits Sensor1280(bool binningShrinks)
{
    AoiLimits limits;
    limits.maxWidth = 1280;
    limits.maxHeight = 1024;
    limits.minWidth = 16;
    limits.minHeight = 8;
    limits.widthStep = 8;
    limits.heightStep = 2;
    limits.binningShrinks = binningShrinks;
    return limits;
}

std::string Order(const std::vector<AoiWrite>& writes)
{
    std::string order;
    for (const AoiWrite& write : writes)
        order += std::string(write.feature) + "=" + std::to_string(write.value) + " ";
    return order;
}

} // namespace

TEST(AoiArea, UsableSizeShrinksWithBinningOnlyWhenFlagged)
{
    AoiLimits limits = Sensor1280(true);
    limits.binningHorizontal = 2;
    limits.decimationVertical = 0; // not positive: taken as 1
    EXPECT_EQ(limits.UsableWidth(), 640);
    EXPECT_EQ(limits.UsableHeight(), 1024);
    EXPECT_EQ(RangeEnds(limits, {0, 1280, 0, 1024}).width, 640);
    EXPECT_EQ(RangeEnds(limits, {0, 1280, 0, 1024}).offsetX, 0);

    limits.binningShrinks = false;
    EXPECT_EQ(limits.UsableWidth(), 1280);
    const AoiRangeEnds ends = RangeEnds(limits, {100, 640, 1020, 4});
    EXPECT_EQ(ends.offsetX, 640);
    EXPECT_EQ(ends.width, 1180);
    EXPECT_EQ(ends.offsetY, 1020);
    EXPECT_EQ(ends.height, 8); // never below the minimum height
}

TEST(AoiArea, AlignRoundsOffsetsDownAndSizesUp)
{
    const AoiRect aligned = AlignToSteps(Sensor1280(false), {13, 1001, 3, 101});
    EXPECT_EQ(aligned, (AoiRect{8, 1008, 2, 102}));
    // A size the step cannot round up within 32 bits is rounded down.
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(AlignToSteps(Sensor1280(false), {kMax, kMax, 0, kMax - 2}).width, kMax & -8);
    const AoiRangeEnds ends = RangeEnds(Sensor1280(false), {std::numeric_limits<int32_t>::min(), kMax, 0, 0});
    EXPECT_EQ(ends.width, kMax);
    EXPECT_EQ(ends.offsetX, 0);
}

TEST(AoiArea, OverrunWithoutFlagFitsWithFlag)
{
    const AoiRect area{800, 640, 0, 1024};
    EXPECT_TRUE(SensorOverrun(Sensor1280(false), FitToUsable(Sensor1280(false), area)).horizontal);
    EXPECT_FALSE(SensorOverrun(Sensor1280(false), area).vertical);

    const AoiLimits flagged = Sensor1280(true);
    const AoiRect fitted = AlignToSteps(flagged, FitToUsable(flagged, area));
    EXPECT_EQ(fitted, (AoiRect{640, 640, 0, 1024}));
    EXPECT_FALSE(SensorOverrun(flagged, fitted).Any());
    EXPECT_EQ(Order(AreaWrites({0, 1280, 0, 1024}, fitted)), "Width=640 OffsetX=640 ");
}

TEST(AoiArea, SizeGoesFirstWhenTheOffsetGrows)
{
    EXPECT_EQ(Order(AreaWrites({0, 1280, 0, 1024}, {16, 1264, 0, 1024})), "Width=1264 OffsetX=16 ");
    EXPECT_EQ(Order(AreaWrites({16, 1264, 8, 100}, {0, 1280, 4, 200})), "OffsetX=0 Width=1280 OffsetY=4 Height=200 ");
    EXPECT_TRUE(AreaWrites({1, 2, 3, 4}, {1, 2, 3, 4}).empty());
}
