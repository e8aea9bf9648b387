#include "capturewindows/SnapShotList.h"
#include "capturewindows/SnapShotImage.h"
#include "imaging/PixelConversion.h"
#include "imaging/PixelFormat.h"

#include "SnapShotTestFrames.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cerrno>

namespace {

int Add(SnapShotList& list, const TestFrame& frame, bool colour)
{
    return list.Add(static_cast<uint32_t>(frame.width), static_cast<uint32_t>(frame.height), colour, frame.data.data());
}

int AddGrey(SnapShotList& list, int width, int height)
{
    return Add(list, GreySnapShotFrame(width, height), false);
}

std::vector<bool> Selection(const SnapShotList& list)
{
    std::vector<bool> selected;
    for (int i = 0; i < list.Count(); ++i)
        selected.push_back(list.At(i)->IsSelected());
    return selected;
}

QImage Painted(const SnapShotList& list)
{
    QImage picture(list.ClientSize(), QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QPainter painter(&picture);
    list.Paint(painter);
    return picture;
}

int CountPixels(const QImage& picture, QRect area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += picture.pixel(x, y) == colour;
    return count;
}

} // namespace

TEST(SnapShotList, OnlyTheFirstSnapshotIntoAnEmptyListComesSelected)
{
    SnapShotList list;
    ASSERT_EQ(AddGrey(list, 16, 8), 0);
    ASSERT_EQ(AddGrey(list, 16, 8), 0);
    EXPECT_EQ(Selection(list), (std::vector<bool>{true, false}));

    list.Delete(true);
    ASSERT_EQ(AddGrey(list, 16, 8), 0);
    EXPECT_EQ(Selection(list), (std::vector<bool>{true}));
}

TEST(SnapShotList, NumbersAreNeverReused)
{
    SnapShotList list;
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(AddGrey(list, 8, 8), 0);
    EXPECT_EQ(list.At(0)->Number(), 1u);
    EXPECT_EQ(list.Newest()->Number(), 3u);

    list.Delete(true);
    EXPECT_EQ(list.Count(), 0);
    ASSERT_EQ(AddGrey(list, 8, 8), 0);
    EXPECT_EQ(list.Newest()->Number(), 4u);
    EXPECT_EQ(list.Find(4), list.Newest());
    EXPECT_EQ(list.Find(1), nullptr);
}

TEST(SnapShotList, AddKeepsAnOwnCopyAndRefusesWhatItCannotHold)
{
    SnapShotList list;
    TestFrame frame = ColourSnapShotFrame(5, 3);
    ASSERT_EQ(Add(list, frame, true), 0);
    const std::vector<uint8_t> original = frame.data;
    std::fill(frame.data.begin(), frame.data.end(), uint8_t{0});
    const SnapShotImage& image = *list.At(0);
    EXPECT_EQ(std::vector<uint8_t>(image.Pixels(), image.Pixels() + image.ImageSize()), original);
    EXPECT_EQ(image.RowLength(), 15u);
    EXPECT_EQ(image.FormatCode(), 4);
    EXPECT_FALSE(image.IsSaved());

    const uint8_t pixel = 0;
    EXPECT_EQ(list.Add(0, 4, false, &pixel), EINVAL);
    EXPECT_EQ(list.Add(4, 0, true, &pixel), EINVAL);
    EXPECT_EQ(list.Add(4, 4, false, nullptr), EINVAL);
    // A row longer than the display image can address.
    EXPECT_EQ(list.Add(0x80000000u, 1, true, &pixel), EINVAL);
    EXPECT_EQ(list.Count(), 1);
}

TEST(SnapShotList, DeleteTakesTheSelectedOrAll)
{
    SnapShotList list;
    int changes = 0;
    list.SetChangeListener([&changes] { ++changes; });
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(AddGrey(list, 8, 8), 0);
    list.SetClientSize(QSize(18, 18)); // one column of 12 x 12 cells
    list.SelectAt(QPoint(1, 12 * 2 + 1), true);
    list.Delete(false);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0)->Number(), 2u);
    EXPECT_EQ(list.At(1)->Number(), 4u);
    EXPECT_EQ(list.CountUnsaved(), 2);
    list.Delete(true);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(changes, 6);
}

TEST(SnapShotList, TheFirstFrameChoosesTheThumbnailSize)
{
    EXPECT_EQ(SnapShotList::DefaultZoomFor(1280, 1024), 3);
    EXPECT_EQ(SnapShotList::DefaultZoomFor(640, 480), 2);
    EXPECT_EQ(SnapShotList::DefaultZoomFor(1000, 1000), 2);
    EXPECT_EQ(SnapShotList::DefaultZoomFor(1001, 1000), 3);
}

TEST(SnapShotList, CellsFitTheLargestThumbnailWithItsFrame)
{
    SnapShotList list;
    EXPECT_EQ(list.CellSize(), QSize(10, 10));
    ASSERT_EQ(AddGrey(list, 1280, 1024), 0);
    ASSERT_EQ(AddGrey(list, 640, 1200), 0);

    list.SetZoom(3);
    EXPECT_EQ(list.CellSize(), QSize(160 + 10, 150 + 10));
    list.SetZoom(2);
    EXPECT_EQ(list.CellSize(), QSize(320 + 10, 300 + 10));
    list.SetZoom(-1);
    EXPECT_EQ(list.CellSize(), QSize(2560 + 10, 2400 + 10));
    list.SetZoom(7);
    EXPECT_EQ(list.Zoom(), SnapShotList::kMaxZoom);
}

TEST(SnapShotList, ColumnsFillTheClientWidthAndRowsHoldTheRest)
{
    SnapShotList list;
    for (int i = 0; i < 7; ++i)
        ASSERT_EQ(AddGrey(list, 640, 480), 0);
    // 160 x 120 thumbnails in 170 x 130 cells.
    list.SetClientSize(QSize(3 * 170 + 169, 400));
    EXPECT_EQ(list.Columns(), 3);
    EXPECT_EQ(list.Rows(), 3);
    EXPECT_EQ(list.ContentSize(), QSize(510, 390));
    EXPECT_EQ(list.MaxScrollPosition(), QPoint(0, 0));

    list.SetClientSize(QSize(100, 200));
    EXPECT_EQ(list.Columns(), 1);
    EXPECT_EQ(list.Rows(), 7);
    EXPECT_EQ(list.MaxScrollPosition(), QPoint(70, 7 * 130 - 200));
}

TEST(SnapShotList, ScrollPositionStaysWithinTheContent)
{
    SnapShotList list;
    for (int i = 0; i < 6; ++i)
        ASSERT_EQ(AddGrey(list, 640, 480), 0);
    list.SetClientSize(QSize(170, 200));
    list.SetScrollPosition(QPoint(-5, 10000));
    EXPECT_EQ(list.ScrollPosition(), QPoint(0, 6 * 130 - 200));
    // Smaller thumbnails: less to scroll.
    list.SetZoom(3);
    EXPECT_EQ(list.ScrollPosition(), QPoint(0, 6 * 70 - 200));
    list.Delete(true);
    EXPECT_EQ(list.ScrollPosition(), QPoint(0, 0));
}

TEST(SnapShotList, ClickSelectsTheCellUnderThePointer)
{
    SnapShotList list;
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(AddGrey(list, 640, 480), 0);
    list.SetClientSize(QSize(2 * 170 + 50, 2 * 130)); // 2 columns, 3 rows

    list.SelectAt(QPoint(171, 1), false);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, true, false, false, false}));
    list.SelectAt(QPoint(5, 135), true);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, true, true, false, false}));
    list.SelectAt(QPoint(171, 1), true);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, false, true, false, false}));

    // Past the last thumbnail: the last one.
    list.SelectAt(QPoint(200, 2 * 130 + 5), false);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, false, false, false, true}));
    list.SetScrollPosition(QPoint(0, 130));
    list.SelectAt(QPoint(200, 129), false);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, false, false, true, false}));

    // Right of the last column is still the same row, not the next one.
    list.SetScrollPosition(QPoint(0, 0));
    list.SelectAt(QPoint(2 * 170 + 20, 5), false);
    EXPECT_EQ(Selection(list), (std::vector<bool>{false, true, false, false, false}));
}

TEST(SnapShotList, ClickOnAnEmptyListDoesNothing)
{
    SnapShotList list;
    list.SetClientSize(QSize(100, 100));
    list.SelectAt(QPoint(3, 3), false);
    EXPECT_EQ(list.Count(), 0);
}

TEST(SnapShotList, PaintShowsSelectionFramesAndNumbersInTheirColours)
{
    SnapShotList list;
    ASSERT_EQ(Add(list, ColourSnapShotFrame(320, 240), true), 0);
    ASSERT_EQ(AddGrey(list, 320, 240), 0);
    list.Find(2)->SetSavedPath(QStringLiteral("/tmp/2.bmp"));
    list.SetClientSize(QSize(2 * 90 + 40, 100)); // 80 x 60 thumbnails in 90 x 70 cells

    const QImage picture = Painted(list);
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb black = qRgb(0, 0, 0);
    // The first is selected: a frame as wide as the border all round.
    EXPECT_EQ(CountPixels(picture, QRect(0, 0, 90, 70), blue), 90 * 70 - 80 * 60);
    EXPECT_EQ(CountPixels(picture, QRect(90, 0, 90, 70), blue), 0);
    // Beyond the cells the window is white.
    EXPECT_EQ(CountPixels(picture, QRect(180, 0, 40, 100), qRgb(255, 255, 255)), 40 * 100);
    EXPECT_EQ(CountPixels(picture, QRect(0, 70, 180, 30), qRgb(255, 255, 255)), 180 * 30);
    // The thumbnails are the images scaled down by 4.
    const TruthRgb colour = ColourAt(40 * 4, 20 * 4);
    EXPECT_EQ(picture.pixel(5 + 40, 5 + 20), qRgb(colour.r, colour.g, colour.b));
    const int grey = GreyAt(12 * 4, 30 * 4);
    EXPECT_EQ(picture.pixel(95 + 12, 5 + 30), qRgb(grey, grey, grey));
    // Numbers: red while unsaved, black once saved, in the thumbnail's corner.
    EXPECT_GT(CountPixels(picture, QRect(5 + 50, 5 + 40, 30, 20), red), 0);
    EXPECT_EQ(CountPixels(picture, QRect(5 + 50, 5 + 40, 30, 20), black), 0);
    EXPECT_GT(CountPixels(picture, QRect(95 + 50, 5 + 40, 30, 20), black), 0);
    EXPECT_EQ(CountPixels(picture, QRect(95 + 50, 5 + 40, 30, 20), red), 0);

    list.SetShowNumbers(false);
    EXPECT_EQ(CountPixels(Painted(list), QRect(95 + 50, 5 + 40, 30, 20), black), 0);
}

TEST(SnapShotList, PaintFollowsTheScrollPosition)
{
    SnapShotList list;
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(AddGrey(list, 320, 240), 0);
    list.SetShowNumbers(false);
    list.SetClientSize(QSize(90, 100)); // one column of 90 x 70 cells
    list.SetScrollPosition(QPoint(0, 75));
    const QImage picture = Painted(list);
    // The first cell, with its frame, is scrolled out; the second starts at -5.
    EXPECT_EQ(CountPixels(picture, QRect(0, 0, 90, 100), qRgb(0, 0, 255)), 0);
    const int grey = GreyAt(0, 0);
    EXPECT_EQ(picture.pixel(5, 0), qRgb(grey, grey, grey));
    EXPECT_EQ(picture.pixel(5, 60), qRgb(255, 255, 255));
}

TEST(SnapShotImage, PixelReadoutGivesRedGreenBlueOfTheClampedPixel)
{
    SnapShotList list;
    ASSERT_EQ(Add(list, ColourSnapShotFrame(40, 30), true), 0);
    ASSERT_EQ(AddGrey(list, 40, 30), 0);
    const SnapShotImage& colour = *list.At(0);
    const SnapShotImage& grey = *list.At(1);
    EXPECT_EQ(colour.PixelReadout(7, 3), QStringLiteral("(x,y) = (7,3)/(R,G,B)=(41,40,41)"));
    EXPECT_EQ(colour.PixelReadout(-4, 99), QStringLiteral("(x,y) = (0,29)/(R,G,B)=(40,47,47)"));
    // Grey pixels give the same value three times.
    EXPECT_EQ(grey.PixelReadout(2, 5), QStringLiteral("(x,y) = (2,5)/(R,G,B)=(43,43,43)"));
    EXPECT_EQ(grey.PixelReadout(45, 0), QStringLiteral("(x,y) = (39,0)/(R,G,B)=(103,103,103)"));

    // A 12-bit camera's snapshot reads the camera's own value, where the
    // mirrored image shows it: raw (3 - x, y) at (x, y) mirrored horizontally.
    auto raw = std::make_unique<SnapShotRawFrame>();
    raw->pixelFormat = kPixelFormatMono12;
    raw->mirror = kMirrorHorizontal;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            const int value = 3000 + 10 * y + x;
            raw->bytes.insert(raw->bytes.end(), {uint8_t(value), uint8_t(value >> 8)});
        }
    }
    const std::vector<uint8_t> shown(8, 187);
    ASSERT_EQ(list.Add(4, 2, false, shown.data(), std::move(raw)), 0);
    const SnapShotImage& deep = *list.At(2);
    EXPECT_EQ(deep.PixelReadout(0, 0), QStringLiteral("(x,y) = (0,0)/Value=3003 (12 bits)"));
    EXPECT_EQ(deep.PixelReadout(9, 1), QStringLiteral("(x,y) = (3,1)/Value=3010 (12 bits)"));
}

TEST(SnapShotImage, WindowTitleHoldsNumberReadoutAndPath)
{
    EXPECT_EQ(SnapShotWindowTitle(12, QString(), QString()), QStringLiteral("12 :  - "));
    EXPECT_EQ(SnapShotWindowTitle(3, QStringLiteral("(x,y) = (1,2)/(R,G,B)=(3,4,5)"), QStringLiteral("/a/3.png")),
              QStringLiteral("3 : (x,y) = (1,2)/(R,G,B)=(3,4,5) - /a/3.png"));
}
