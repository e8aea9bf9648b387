#include "display/GlDisplayWindow.h"
#include "imaging/PixelFormat.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The offscreen platform has no OpenGL: the window exists, reports the
// failure, and refuses frames instead of crashing.
TEST(DisplayWindowWithoutOpenGL, CreateFailsCleanlyAndFramesAreRefused)
{
    QWidget parent;
    GlDisplayWindow window;
    window.SetPlacement(5, 6, 320, 240);
    EXPECT_EQ(window.Create(&parent, 1000).GetCode(), SdkResult::GENERIC_ERROR);
    EXPECT_FALSE(window.HasOpenGL());
    EXPECT_EQ(GlDisplayWindow::NoOpenGLText(), "This PC does not support OpenGL.");
    ASSERT_NE(window.Widget(), nullptr);
    EXPECT_EQ(window.Widget()->geometry(), QRect(5, 6, 320, 240));

    const std::vector<uint8_t> frame(320 * 240, 50);
    EXPECT_EQ(window.ShowImage(240, frame.data(), 320, kPixelFormatMono8, frame.size()).GetCode(),
              SdkResult::NOT_SUPPORTED);
    EXPECT_TRUE(window.GrabFrame().isNull());
    EXPECT_EQ(window.Statistics().framesAccepted, 0u);
    EXPECT_TRUE(window.Destroy().IsOK());
}

TEST(DisplayWindowWithoutOpenGL, SettingsAreKeptBeforeCreation)
{
    GlDisplayWindow window;
    EXPECT_EQ(window.InterpolationMethod(), 3);
    EXPECT_EQ(window.Zoom(), 0);
    EXPECT_TRUE(window.SetZoom(6).IsOK());
    window.SetInterpolationMethod(5);
    EXPECT_EQ(window.Zoom(), 6);
    EXPECT_EQ(window.InterpolationMethod(), 5);
    int h = -1;
    int v = -1;
    EXPECT_TRUE(window.GetScrollPosition(h, v).IsOK());
    EXPECT_EQ(h, 0);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(window.Destroy().GetCode(), SdkResult::GENERIC_ERROR);
}

} // namespace
