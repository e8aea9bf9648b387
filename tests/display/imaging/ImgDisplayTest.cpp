#include "display/GlDisplayWindow.h"
#include "display/LxImgDisplay.h"
#include "imaging/PixelFormat.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(ImgDisplay, PassesConvertedAndRawFramesToItsWindow)
{
    QWidget parent;
    parent.resize(200, 200);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));

    LxImgDisplay display;
    auto window = std::make_unique<GlDisplayWindow>();
    window->SetPlacement(0, 0, 100, 100);
    ASSERT_TRUE(window->Create(&parent, 1001).IsOK());
    window->SetZoom(kZoomOneIndex);
    window->SetInterpolationMethod(4);
    QPointer<QWidget> widget = window->Widget();
    display.SetDisplayWindow(std::move(window));
    EXPECT_EQ(display.InterpolationMethod(), 4);
    QTRY_VERIFY(!display.DisplayWindow()->GrabFrame().isNull());

    const std::vector<uint8_t> grey(10 * 8, 77);
    EXPECT_TRUE(display.ShowImage(kPixelFormatMono8, grey.data(), 10, 8));
    EXPECT_EQ(qRed(display.DisplayWindow()->GrabFrame().pixel(5, 5)), 77);

    std::vector<uint8_t> colour(10 * 8 * 3);
    for (size_t i = 0; i < colour.size(); i += 3) {
        colour[i] = 10;
        colour[i + 1] = 20;
        colour[i + 2] = 30;
    }
    EXPECT_TRUE(display.ShowImage(kPixelFormatBGR8Packed, colour.data(), 10, 8));
    const QRgb shown = display.DisplayWindow()->GrabFrame().pixel(5, 5);
    EXPECT_EQ(qBlue(shown), 10);
    EXPECT_EQ(qGreen(shown), 20);
    EXPECT_EQ(qRed(shown), 30);

    // RGB8Packed raw data is swapped into blue, green, red by the window.
    EXPECT_TRUE(display.ShowRawImage(kPixelFormatRGB8Packed, 8, 10, colour.data(), colour.size()));
    EXPECT_EQ(qBlue(display.DisplayWindow()->GrabFrame().pixel(5, 5)), 30);
    EXPECT_FALSE(display.ShowRawImage(kPixelFormatRGB8Packed, 8, 10, colour.data(), colour.size() - 3));
    EXPECT_FALSE(display.ShowImage(0x12345678, colour.data(), 10, 8));

    int h = -1;
    int v = -1;
    EXPECT_TRUE(display.GetScrollPosition(h, v));
    EXPECT_EQ(h, 0);
    EXPECT_EQ(v, 0);

    display.Destroy();
    EXPECT_FALSE(display.HasDisplayWindow());
    EXPECT_TRUE(widget.isNull());
}

} // namespace
