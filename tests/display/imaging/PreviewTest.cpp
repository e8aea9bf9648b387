#include "TempDir.h"

#include "camera/OverlayRegistry.h"
#include "display/CCallbackEnableDlg.h"
#include "display/CPreview.h"
#include "display/GlDisplayWindow.h"
#include "display/NoticeBar.h"
#include "imaging/OverlayPainterSet.h"
#include "imaging/PixelFormat.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Where the screenshots for a look by eye go, when set.
QString ScreenshotDir()
{
    return qEnvironmentVariable("LUMIVEX_SCREENSHOT_DIR");
}

// A camera-like test frame: a soft colour gradient with a bright disc.
std::vector<uint8_t> TestScene(int width, int height)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
            const double dx = x - width * 0.6;
            const double dy = y - height * 0.45;
            const bool disc = std::sqrt(dx * dx + dy * dy) < height * 0.18;
            p[0] = static_cast<uint8_t>(disc ? 90 : 60 + 120 * y / height);
            p[1] = static_cast<uint8_t>(disc ? 220 : 80 + 100 * x / width);
            p[2] = static_cast<uint8_t>(disc ? 250 : 140 - 80 * x / width);
        }
    }
    return pixels;
}

QImage GrabOnScreen(QWidget& window)
{
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(Preview, FitsItsClientAreaToTheZoomedImage)
{
    CPreview preview;
    preview.move(50, 50);
    preview.resize(200, 150);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    ASSERT_TRUE(preview.CreateDisplayWindow(10002).IsOK());
    GlDisplayWindow* window = preview.Display().DisplayWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_FALSE(preview.FitWindowToImage(0, 640, 480));
    EXPECT_TRUE(preview.FitWindowToImage(4, 640, 480));
    QTRY_COMPARE(preview.size(), QSize(640, 480));
    QTRY_COMPARE(window->Widget()->geometry(), QRect(0, 0, 640, 480));

    // A notice above the image makes the window taller and the image keeps its size.
    preview.Notice()->ShowNotice(QStringLiteral("The camera is lost."), NoticeBar::Kind::Warning);
    const int noticeHeight = preview.Notice()->height();
    EXPECT_GT(noticeHeight, 0);
    QTRY_COMPARE(preview.size(), QSize(640, 480 + noticeHeight));
    QTRY_COMPARE(window->Widget()->geometry(), QRect(0, noticeHeight, 640, 480));
    preview.Notice()->DismissButton()->click();
    QTRY_COMPARE(preview.size(), QSize(640, 480));
    QTRY_COMPARE(window->Widget()->geometry(), QRect(0, 0, 640, 480));

    // At the screen's bottom edge the window stays on the screen and the strip takes from the image.
    const QRect screenArea = preview.screen()->availableGeometry();
    preview.move(50, screenArea.bottom() + 1 - preview.frameGeometry().height());
    QTRY_COMPARE(preview.frameGeometry().bottom(), screenArea.bottom());
    preview.Notice()->ShowNotice(QStringLiteral("The camera is lost."), NoticeBar::Kind::Warning);
    QTRY_COMPARE(window->Widget()->geometry(), QRect(0, noticeHeight, 640, 480 - noticeHeight));
    EXPECT_EQ(preview.size(), QSize(640, 480));
    preview.Notice()->DismissButton()->click();
    QTRY_COMPARE(window->Widget()->geometry(), QRect(0, 0, 640, 480));
    EXPECT_EQ(preview.size(), QSize(640, 480));
    preview.move(50, 50);

    EXPECT_TRUE(preview.FitWindowToImage(3, 640, 480));
    QTRY_COMPARE(preview.size(), QSize(320, 240));

    // x4 of 1600 x 1200 asks for 6400 x 4800 and ends inside the work area.
    EXPECT_TRUE(preview.FitWindowToImage(6, 1600, 1200));
    const QRect workArea = preview.screen()->availableGeometry();
    QTRY_VERIFY(preview.frameGeometry().width() == workArea.width());
    EXPECT_TRUE(workArea.contains(preview.frameGeometry()));
    EXPECT_EQ(preview.frameGeometry().height(), workArea.height());
}

TEST(Preview, ShowsAFrameWithEveryOverlayOnScreen)
{
    constexpr int kWidth = 640;
    constexpr int kHeight = 480;
    std::vector<uint8_t> frame = TestScene(kWidth, kHeight);
    {
        // Every painter switched on, drawn as the acquisition thread does.
        TempDir dir;
        OverlayRegistry registry;
        OverlayPainterSet painters(registry, dir.file("lumivex.dat"));
        for (OverlayPainter* painter : painters.Offered())
            ASSERT_TRUE(EnablePainter(*painter));
        QImage image(frame.data(), kWidth, kHeight, kWidth * 3, QImage::Format_BGR888);
        QPainter painter(&image);
        const int32_t dropped = 0;
        registry.PaintAll(painter, frame.data(), kWidth, kHeight, 1234, &dropped);
    }

    CPreview preview;
    preview.setWindowTitle(QStringLiteral("Preview - camera 2"));
    preview.move(50, 50);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    ASSERT_TRUE(preview.CreateDisplayWindow(10002).IsOK());
    preview.Display().DisplayWindow()->SetZoom(4);
    ASSERT_TRUE(preview.FitWindowToImage(4, kWidth, kHeight));
    ASSERT_TRUE(preview.Display().ShowImage(kPixelFormatBGR8Packed, frame.data(), kWidth, kHeight));

    // What the X server shows is the painted frame, pixel for pixel.
    const QImage expected =
        QImage(frame.data(), kWidth, kHeight, kWidth * 3, QImage::Format_BGR888).convertToFormat(QImage::Format_RGB32);
    QTRY_COMPARE_WITH_TIMEOUT(GrabOnScreen(preview), expected, 5000);

    if (!ScreenshotDir().isEmpty())
        GrabOnScreen(preview).save(QDir(ScreenshotDir()).filePath(QStringLiteral("preview-overlays.png")));
}

TEST(CallbackEnableDlgOnScreen, ShowsBothListsAndTheButtons)
{
    OverlayRegistry registry;
    OverlayPainterSet painters(registry, {});
    ASSERT_TRUE(EnablePainter(painters.Grid()));
    ASSERT_TRUE(EnablePainter(painters.Fps()));
    const auto offered = painters.Offered();
    CCallbackEnableDlg dialog({offered.begin(), offered.end()});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage shot = GrabOnScreen(dialog);
    EXPECT_EQ(shot.size(), dialog.size());
    if (!ScreenshotDir().isEmpty())
        shot.save(QDir(ScreenshotDir()).filePath(QStringLiteral("callback-functions.png")));
}

} // namespace
