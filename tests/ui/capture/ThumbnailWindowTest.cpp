#include "capturewindows/CSnapShotDlg.h"
#include "capturewindows/CThumbnailDlg.h"
#include "capturewindows/SnapShotList.h"

#include "SnapShotUiSupport.h"
#include "TempDir.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

std::vector<bool> Selection(const SnapShotList& list)
{
    std::vector<bool> selected;
    for (int i = 0; i < list.Count(); ++i)
        selected.push_back(list.At(i)->IsSelected());
    return selected;
}

// 20 thumbnails of 80 x 60 in cells of 90 x 70, two columns: ten rows to scroll.
struct TallGrid {
    SnapShotList list;
    CThumbnailDlg window{list};

    TallGrid()
    {
        AddSnapShots(list, 20, 320, 240);
        window.resize(200, 300);
        window.show();
    }
    QScrollBar& Vertical() { return *window.verticalScrollBar(); }
    QScrollBar& Horizontal() { return *window.horizontalScrollBar(); }
};

} // namespace

TEST(ThumbnailWindow, ContextMenuFollowsTheListAndActsOnIt)
{
    SnapShotList list;
    CThumbnailDlg window(list);
    std::unique_ptr<QMenu> menu = window.CreateContextMenu();
    for (const char* text : {"Show", "Save", "Delete", "Delete All"})
        EXPECT_FALSE(FindAction(*menu, QString::fromLatin1(text))->isEnabled()) << text;
    EXPECT_TRUE(FindAction(*menu, QStringLiteral("Snap Shot NO."))->isChecked());
    EXPECT_TRUE(FindAction(*menu, QStringLiteral("x1/4"))->isChecked());
    EXPECT_FALSE(FindAction(*menu, QStringLiteral("x1"))->isChecked());

    AddSnapShots(list, 3, 64, 48);
    menu = window.CreateContextMenu();
    for (const char* text : {"Show", "Save", "Delete", "Delete All"})
        EXPECT_TRUE(FindAction(*menu, QString::fromLatin1(text))->isEnabled()) << text;

    FindAction(*menu, QStringLiteral("x2"))->trigger();
    EXPECT_EQ(list.Zoom(), -1);
    EXPECT_EQ(list.CellSize(), QSize(128 + 10, 96 + 10));
    FindAction(*menu, QStringLiteral("Snap Shot NO."))->trigger();
    EXPECT_FALSE(list.ShowNumbers());
    menu = window.CreateContextMenu();
    EXPECT_TRUE(FindAction(*menu, QStringLiteral("x2"))->isChecked());
    EXPECT_FALSE(FindAction(*menu, QStringLiteral("x1/4"))->isChecked());
    EXPECT_FALSE(FindAction(*menu, QStringLiteral("Snap Shot NO."))->isChecked());

    FindAction(*menu, QStringLiteral("Show"))->trigger();
    ASSERT_NE(list.At(0)->Window(), nullptr);
    EXPECT_TRUE(list.At(0)->Window()->isVisible());
    EXPECT_EQ(list.At(1)->Window(), nullptr);

    FindAction(*menu, QStringLiteral("Delete"))->trigger();
    EXPECT_EQ(list.Count(), 2);
    FindAction(*menu, QStringLiteral("Delete All"))->trigger();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ThumbnailWindow, KeysScrollByCellsAndLines)
{
    TallGrid grid;
    ASSERT_EQ(grid.list.Columns(), 2);
    const int max = 10 * 70 - grid.window.viewport()->height();
    ASSERT_EQ(grid.Vertical().maximum(), max);

    SendKey(&grid.window, Qt::Key_PageDown);
    EXPECT_EQ(grid.Vertical().value(), 70);
    SendKey(&grid.window, Qt::Key_Down);
    EXPECT_EQ(grid.list.ScrollPosition(), QPoint(0, 71));
    SendKey(&grid.window, Qt::Key_PageUp);
    EXPECT_EQ(grid.Vertical().value(), 1);
    SendKey(&grid.window, Qt::Key_Up);
    SendKey(&grid.window, Qt::Key_Up);
    EXPECT_EQ(grid.Vertical().value(), 0);
    SendKey(&grid.window, Qt::Key_End);
    EXPECT_EQ(grid.list.ScrollPosition(), QPoint(0, max));
    SendKey(&grid.window, Qt::Key_PageDown);
    EXPECT_EQ(grid.Vertical().value(), max);
    SendKey(&grid.window, Qt::Key_Home);
    EXPECT_EQ(grid.Vertical().value(), 0);

    // Cells wider than the window: left and right page by a cell, up to the end.
    grid.list.SetZoom(-1);
    grid.window.Refresh();
    const int cellWidth = 640 + 10;
    ASSERT_EQ(grid.Horizontal().maximum(), cellWidth - grid.window.viewport()->width());
    SendKey(&grid.window, Qt::Key_Right);
    EXPECT_EQ(grid.Horizontal().value(), grid.Horizontal().maximum());
    SendKey(&grid.window, Qt::Key_Left);
    EXPECT_EQ(grid.list.ScrollPosition().x(), 0);
}

TEST(ThumbnailWindow, WheelScrollsByWholeCellsOrAcrossWideCells)
{
    TallGrid grid;
    const int shownRows = grid.window.viewport()->height() / 70;
    SendWheel(grid.window.viewport(), QPoint(150, 5), -120);
    EXPECT_EQ(grid.Vertical().value(), 70 * shownRows);
    // Below the diagonal too while the cells fit across.
    SendWheel(grid.window.viewport(), QPoint(5, 250), 120);
    EXPECT_EQ(grid.Vertical().value(), 0);
    EXPECT_EQ(grid.Horizontal().value(), 0);

    grid.list.SetZoom(-1);
    grid.window.Refresh();
    const int excess = 650 - grid.window.viewport()->width();
    SendWheel(grid.window.viewport(), QPoint(5, 250), -120);
    EXPECT_EQ(grid.Horizontal().value(), excess / 10);
    EXPECT_EQ(grid.Vertical().value(), 0);
    SendWheel(grid.window.viewport(), QPoint(150, 5), -120);
    EXPECT_GT(grid.Vertical().value(), 0);
}

TEST(ThumbnailWindow, ClicksSelectAndDoubleClickShows)
{
    SnapShotList list;
    CThumbnailDlg window(list);
    AddSnapShots(list, 3, 320, 240);
    window.resize(220, 300); // two columns
    window.show();
    QWidget* viewport = window.viewport();

    SendClick(viewport, QPoint(95, 5), Qt::LeftButton);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, true, false}));
    SendClick(viewport, QPoint(5, 75), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, true, true}));
    // Past the last thumbnail: the last.
    SendClick(viewport, QPoint(120, 200), Qt::LeftButton);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, false, true}));

    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 75), QPointF(viewport->mapToGlobal(QPoint(5, 75))),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &doubleClick);
    ASSERT_NE(list.At(2)->Window(), nullptr);
    EXPECT_TRUE(list.At(2)->Window()->isVisible());

    SendKey(&window, Qt::Key_Delete);
    EXPECT_EQ(list.Count(), 2);
    SendKey(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(ThumbnailWindow, TheFirstSnapshotChoosesSizeAndPlaceOnce)
{
    SnapShotList list;
    CThumbnailDlg window(list);
    AddSnapShots(list, 1, 1280, 1024);
    window.SnapShotTaken(nullptr);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(list.Zoom(), 3);
    const QRect workArea = window.screen()->availableGeometry();
    EXPECT_EQ(window.frameGeometry().right(), workArea.right());
    EXPECT_EQ(window.frameGeometry().top(), workArea.top());
    EXPECT_EQ(window.frameGeometry().height(), workArea.height());
    EXPECT_LT(window.frameGeometry().width(), workArea.width() / 2);
    EXPECT_GE(window.viewport()->width(), list.CellSize().width());

    // The user's choice of size stays; every snapshot scrolls the newest into view.
    list.SetZoom(0);
    window.hide();
    AddSnapShots(list, 5, 1280, 1024);
    window.SnapShotTaken(nullptr);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(list.Zoom(), 0);
    EXPECT_GT(window.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(window.verticalScrollBar()->value(), window.verticalScrollBar()->maximum());

    SnapShotList small;
    CThumbnailDlg smallWindow(small);
    AddSnapShots(small, 1, 640, 480);
    smallWindow.SnapShotTaken(nullptr);
    EXPECT_EQ(small.Zoom(), 2);
}

TEST(ThumbnailWindow, GoesBesideTheMainWindowWhenThereIsRoom)
{
    QWidget mainWindow;
    const QRect workArea = mainWindow.screen()->availableGeometry();
    mainWindow.setGeometry(workArea.left(), workArea.top(), workArea.width() / 2, workArea.height() / 2);
    mainWindow.show();
    SnapShotList list;
    CThumbnailDlg window(list);
    AddSnapShots(list, 1, 640, 480);
    window.SnapShotTaken(&mainWindow);
    EXPECT_EQ(window.frameGeometry().left(), mainWindow.frameGeometry().right() + 1);
    EXPECT_EQ(window.frameGeometry().right(), workArea.right());
}

TEST(ThumbnailWindow, Screenshot)
{
    TempDir dir;
    SnapShotList list;
    CThumbnailDlg window(list);
    AddSnapShots(list, 7, 320, 240);
    list.SetSaveChooser([&dir](QWidget*, const QString& name) {
        return QString::fromStdString(dir.file(name.toStdString() + ".bmp"));
    });
    ASSERT_EQ(list.Save(2, nullptr), 0);
    ASSERT_EQ(list.Save(5, nullptr), 0);
    window.resize(300, 250);
    window.show();
    SendClick(window.viewport(), QPoint(95, 75), Qt::LeftButton, Qt::ControlModifier);
    const QImage picture = window.grab().toImage();
    KeepScreenshot(picture, QStringLiteral("thumbnail-window.png"));
    EXPECT_EQ(picture.size(), QSize(300, 250));
}
