#include "display/GlDisplayWindow.h"
#include "display/LxImgDisplay.h"
#include "imaging/PixelFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ImgDisplayWithoutWindow, RefusesEverythingAndKeepsTheOutputs)
{
    LxImgDisplay display;
    EXPECT_FALSE(display.HasDisplayWindow());
    EXPECT_EQ(display.InterpolationMethod(), GlDisplayWindow::kDefaultInterpolationMethod);
    const std::vector<uint8_t> grey(16, 1);
    EXPECT_FALSE(display.ShowImage(kPixelFormatMono8, grey.data(), 4, 4));
    EXPECT_FALSE(display.ShowRawImage(kPixelFormatMono8, 4, 4, grey.data(), grey.size()));
    int h = 7;
    int v = 8;
    EXPECT_FALSE(display.GetScrollPosition(h, v));
    EXPECT_EQ(h, 7);
    EXPECT_EQ(v, 8);
    display.Destroy();
}

} // namespace
