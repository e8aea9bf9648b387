#include "capturewindows/CSnapShotDlg.h"
#include "capturewindows/SnapShotList.h"

#include "SnapShotTestFrames.h"
#include "SnapShotUiSupport.h"
#include "TempDir.h"

#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// Opens the window of the list's only snapshot.
CSnapShotDlg& OpenWindow(SnapShotList& list)
{
    list.Find(list.At(0)->Number())->SetSelected(true);
    list.ShowSelected();
    return *list.At(0)->Window();
}

QRgb ColourPixel(int x, int y)
{
    const TruthRgb colour = ColourAt(x, y);
    return qRgb(colour.r, colour.g, colour.b);
}

} // namespace

TEST(SnapShotWindow, OpensAtImageSizeInTheBottomLeftCorner)
{
    SnapShotList list;
    AddSnapShots(list, 1, 120, 90);
    CSnapShotDlg& window = OpenWindow(list);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.viewport()->size(), QSize(120, 90));
    const QRect workArea = window.screen()->availableGeometry();
    EXPECT_EQ(window.frameGeometry().left(), workArea.left());
    EXPECT_EQ(window.frameGeometry().bottom(), workArea.bottom());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("1 :  - "));

    // Closing only hides; the next show brings the same window back.
    SendKey(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    list.ShowSelected();
    EXPECT_EQ(list.At(0)->Window(), &window);
    EXPECT_TRUE(window.isVisible());
}

TEST(SnapShotWindow, ATallImageIsCutToTheWorkArea)
{
    SnapShotList list;
    AddSnapShots(list, 1, 64, 4000);
    CSnapShotDlg& window = OpenWindow(list);
    const QRect workArea = window.screen()->availableGeometry();
    EXPECT_EQ(window.frameGeometry().top(), workArea.top());
    EXPECT_EQ(window.frameGeometry().height(), workArea.height());
    EXPECT_EQ(window.verticalScrollBar()->maximum(), 4000 - window.viewport()->height());
}

TEST(SnapShotWindow, ASmallImageIsCentredOnWhite)
{
    SnapShotList list;
    AddSnapShots(list, 1, 40, 30);
    CSnapShotDlg& window = OpenWindow(list);
    window.resize(200, 150);
    EXPECT_EQ(window.ViewOffset(), QPoint(-80, -60));
    const QImage picture = window.grab().toImage();
    KeepScreenshot(picture, QStringLiteral("snapshot-window-centred.png"));
    EXPECT_EQ(picture.pixel(80, 60), ColourPixel(0, 0));
    EXPECT_EQ(picture.pixel(119, 89), ColourPixel(39, 29));
    for (QPoint white :
         {QPoint(0, 0), QPoint(79, 60), QPoint(80, 59), QPoint(120, 89), QPoint(119, 90), QPoint(199, 149)})
        EXPECT_EQ(picture.pixel(white), qRgb(255, 255, 255)) << white.x() << "," << white.y();
}

TEST(SnapShotWindow, TitleReadsOutThePixelUnderThePointerOncePainted)
{
    SnapShotList list;
    AddSnapShots(list, 1, 1000, 800);
    CSnapShotDlg& window = OpenWindow(list);
    window.resize(300, 200);
    SendMouseMove(window.viewport(), QPoint(10, 10));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("1 :  - "));

    window.grab();
    window.horizontalScrollBar()->setValue(100);
    window.verticalScrollBar()->setValue(50);
    EXPECT_EQ(window.ViewOffset(), QPoint(100, 50));
    SendMouseMove(window.viewport(), QPoint(10, 12));
    const TruthRgb pixel = ColourAt(110, 62);
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("1 : (x,y) = (110,62)/(R,G,B)=(%1,%2,%3) - ").arg(pixel.r).arg(pixel.g).arg(pixel.b));
    const QImage picture = window.grab().toImage();
    EXPECT_EQ(picture.pixel(10, 12), ColourPixel(110, 62));
    KeepScreenshot(picture, QStringLiteral("snapshot-window-scrolled.png"));
}

TEST(SnapShotWindow, ScrollsToTheLastPixelAndByWheel)
{
    SnapShotList list;
    AddSnapShots(list, 1, 1000, 800);
    CSnapShotDlg& window = OpenWindow(list);
    window.resize(300, 200);
    const QSize client = window.viewport()->size();
    QScrollBar& horizontal = *window.horizontalScrollBar();
    QScrollBar& vertical = *window.verticalScrollBar();
    ASSERT_EQ(horizontal.maximum(), 1000 - client.width());
    ASSERT_EQ(vertical.maximum(), 800 - client.height());

    // Below the diagonal across, above it down, by a tenth of what is hidden.
    SendWheel(window.viewport(), QPoint(5, client.height() - 5), -120);
    EXPECT_EQ(horizontal.value(), (1000 - client.width()) / 10);
    SendWheel(window.viewport(), QPoint(client.width() - 5, 5), -240);
    EXPECT_EQ(vertical.value(), 2 * ((800 - client.height()) / 10));
    SendWheel(window.viewport(), QPoint(client.width() - 5, 5), 360);
    EXPECT_EQ(vertical.value(), 0);

    horizontal.triggerAction(QAbstractSlider::SliderToMaximum);
    vertical.triggerAction(QAbstractSlider::SliderToMaximum);
    window.grab();
    SendMouseMove(window.viewport(), QPoint(client.width() - 1, client.height() - 1));
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("1 : (x,y) = (999,799)/")))
        << window.windowTitle().toStdString();
}

TEST(SnapShotWindow, SaveFromItsMenuShowsThePath)
{
    TempDir dir;
    SnapShotList list;
    AddSnapShots(list, 2, 50, 40);
    list.Delete(false);
    const QString path = QString::fromStdString(dir.file("two.png"));
    list.SetSaveChooser([&path](QWidget*, const QString&) { return path; });
    CSnapShotDlg& window = OpenWindow(list);
    std::unique_ptr<QMenu> menu = window.CreateContextMenu();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("Save"));
    menu->actions().front()->trigger();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("2 :  - ") + path);
    EXPECT_EQ(list.CountUnsaved(), 0);
}

TEST(SnapShotWindow, GoesWithItsSnapshot)
{
    SnapShotList list;
    AddSnapShots(list, 1, 50, 40);
    QPointer<CSnapShotDlg> window = &OpenWindow(list);
    list.Delete(true);
    EXPECT_TRUE(window.isNull());
}
