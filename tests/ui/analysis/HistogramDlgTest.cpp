#include "RecordFeed.h"
#include "analysis/CHistogramDlg.h"
#include "analysis/HistogramPlot.h"
#include "camera/FrameSink.h"
#include "imaging/PixelFormat.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// The sink list of the camera the windows are opened for.
std::shared_ptr<FrameSinkList> TheCamera()
{
    static const auto sinks = std::make_shared<FrameSinkList>();
    return sinks;
}
const QColor kGreyCurve(64, 64, 64);

AnalysisSource Vga(uint32_t pixelFormat)
{
    return {640, 480, pixelFormat, TheCamera()};
}

QAction* StretchItem(CHistogramDlg& dlg, const QString& text)
{
    for (QAction* action : dlg.findChild<QMenuBar*>()->actions()) {
        if (action->text() != "Height Stretch")
            continue;
        for (QAction* item : action->menu()->actions())
            if (item->text() == text)
                return item;
    }
    return nullptr;
}

// The plot widget under the menu bar.
QWidget& Plot(CHistogramDlg& dlg)
{
    return *dlg.findChild<QMenuBar*>()->parentWidget()->layout()->itemAt(0)->widget();
}

} // namespace

TEST(HistogramDlg, OpensOnTheMiddleHalfWithClearedCountsAndTheOpeningPlotSize)
{
    CHistogramDlg dlg;
    {
        std::lock_guard lock(dlg.Record()->mutex);
        dlg.Record()->counts[1][7] = 99;
    }
    dlg.Open(Vga(kPixelFormatBayerGR10));
    EXPECT_EQ(dlg.windowTitle(), "Histogram");
    EXPECT_TRUE(dlg.IsActive());
    EXPECT_EQ(dlg.Area(), (HistogramArea{160, 120, 480, 360}));
    const HistogramRecord& record = *dlg.Record();
    EXPECT_TRUE(record.colour);
    EXPECT_EQ(record.bitDepth, 10);
    EXPECT_EQ(record.counts[1][7], 0u);
    EXPECT_EQ(record.window, static_cast<RepaintTarget*>(&dlg));
    EXPECT_TRUE(TheCamera()->Contains(&record));
    EXPECT_EQ(Plot(dlg).size(), QSize(335, 541));
    EXPECT_EQ(HistogramFullScale(dlg.Area(), dlg.StretchFactor()), 3868);
}

TEST(HistogramDlg, CornerDragStopsTwentyPixelsBeforeTheOppositeCorner)
{
    CHistogramDlg dlg;
    dlg.Open(Vga(kPixelFormatMono8));
    EXPECT_EQ(dlg.PreviewMouseMove({163, 118}), Qt::CrossCursor);
    EXPECT_EQ(dlg.PreviewMouseMove({300, 300}), Qt::SizeAllCursor);
    EXPECT_EQ(dlg.PreviewMouseMove({600, 20}), Qt::ArrowCursor);

    dlg.PreviewButtonDown({162, 121});
    EXPECT_EQ(dlg.PreviewMouseMove({550, 420}), Qt::CrossCursor);
    EXPECT_EQ(dlg.Area(), (HistogramArea{460, 340, 480, 360}));
    dlg.PreviewButtonUp({550, 420});
    dlg.PreviewMouseMove({10, 10});
    EXPECT_EQ(dlg.Area(), (HistogramArea{460, 340, 480, 360}));

    // A press outside the area grabs nothing.
    dlg.PreviewButtonDown({10, 10});
    dlg.PreviewMouseMove({200, 200});
    EXPECT_EQ(dlg.Area(), (HistogramArea{460, 340, 480, 360}));
}

TEST(HistogramDlg, MovingAgainstTheLeftEdgeKeepsTheWidth)
{
    CHistogramDlg dlg;
    dlg.Open(Vga(kPixelFormatMono8));
    dlg.PreviewButtonDown({300, 200});
    EXPECT_EQ(dlg.PreviewMouseMove({250, 210}), Qt::SizeAllCursor);
    EXPECT_EQ(dlg.Area(), (HistogramArea{110, 130, 430, 370}));
    dlg.PreviewMouseMove({-100, 210});
    EXPECT_EQ(dlg.Area(), (HistogramArea{0, 130, 320, 370}));
    dlg.PreviewButtonUp({-100, 210});
}

TEST(HistogramDlg, MouseIsIgnoredWhileClosed)
{
    CHistogramDlg dlg;
    QSignalSpy closed(&dlg, &CHistogramDlg::closed);
    dlg.Open(Vga(kPixelFormatMono8));
    dlg.PreviewButtonDown({300, 200});
    dlg.close();
    ASSERT_EQ(closed.count(), 1);
    EXPECT_EQ(dlg.PreviewMouseMove({100, 100}), Qt::ArrowCursor);
    EXPECT_EQ(dlg.Area(), (HistogramArea{160, 120, 480, 360}));
    dlg.close();
    EXPECT_EQ(closed.count(), 1);
}

TEST(HistogramDlg, FormatChangeKeepsAnAreaThatStillFits)
{
    CHistogramDlg dlg;
    dlg.Open(Vga(kPixelFormatMono8));
    dlg.Reformat({320, 240, kPixelFormatMono12, TheCamera()});
    EXPECT_EQ(dlg.Area(), (HistogramArea{80, 60, 240, 180}));
    EXPECT_EQ(dlg.Record()->bitDepth, 12);
    dlg.Reformat({1280, 960, kPixelFormatMono8, TheCamera()});
    EXPECT_EQ(dlg.Area(), (HistogramArea{80, 60, 240, 180}));
}

TEST(HistogramDlg, StretchOneEighthOnASmallAreaKeepsTheLastPicture)
{
    CHistogramDlg dlg;
    dlg.Open({16, 16, kPixelFormatMono8, TheCamera()});
    {
        std::lock_guard lock(dlg.Record()->mutex);
        dlg.Record()->counts[0][128] = 4;
    }
    QAction* x1 = StretchItem(dlg, "x1");
    QAction* eighth = StretchItem(dlg, "x1/8");
    ASSERT_TRUE(x1 && eighth);
    EXPECT_TRUE(x1->isChecked());
    const QImage before = Grab(Plot(dlg));

    eighth->trigger();
    EXPECT_TRUE(eighth->isChecked());
    EXPECT_FALSE(x1->isChecked());
    EXPECT_DOUBLE_EQ(dlg.StretchFactor(), 0.125);
    {
        std::lock_guard lock(dlg.Record()->mutex);
        dlg.Record()->counts[0][128] = 0;
        dlg.Record()->counts[0][10] = 4;
    }
    EXPECT_EQ(Grab(Plot(dlg)), before);

    StretchItem(dlg, "x4")->trigger();
    EXPECT_DOUBLE_EQ(dlg.StretchFactor(), 4.0);
    EXPECT_NE(Grab(Plot(dlg)), before);
}

TEST(HistogramDlg, TwelveBitGreyBinsSpreadOverThePlot)
{
    CHistogramDlg dlg;
    dlg.Open(Vga(kPixelFormatMono12));
    EXPECT_FALSE(dlg.Record()->colour);
    EXPECT_EQ(dlg.Record()->bitDepth, 12);
    {
        std::lock_guard lock(dlg.Record()->mutex);
        dlg.Record()->counts[0][4095] = 1000;
    }
    const QImage picture = Grab(Plot(dlg));
    const HistogramLayout layout = ComputeHistogramLayout(picture.width(), picture.height());
    ASSERT_EQ(layout.right, 63 + 255);
    // The last bin sits at the right edge.
    EXPECT_EQ(QColor(picture.pixel(layout.right, layout.bottom - 499)), kGreyCurve);
    EXPECT_EQ(QColor(picture.pixel(layout.right - 20, layout.bottom - 300)), QColor(Qt::white));
}

TEST(HistogramDlg, ColourCountsDrawBlueGreenRedCurves)
{
    CHistogramDlg dlg;
    dlg.Open({64, 64, kPixelFormatBGR8Packed, TheCamera()});
    const TestFrame frame = MakeColourFrame(kPixelFormatBGR8Packed, 64, 64, [](int, int) {
        return TruthRgb{200, 100, 30};
    });
    FeedHistogram(*dlg.Record(), frame, ConvertForAnalysis(frame));
    const QImage picture = Grab(Plot(dlg));
    const HistogramLayout layout = ComputeHistogramLayout(picture.width(), picture.height());
    EXPECT_EQ(QColor(picture.pixel(63 + 30, layout.bottom - layout.plotHeight + 1)), QColor(Qt::blue));
    EXPECT_EQ(QColor(picture.pixel(63 + 100, layout.bottom - layout.plotHeight + 1)), QColor(Qt::green));
    EXPECT_EQ(QColor(picture.pixel(63 + 200, layout.bottom - layout.plotHeight + 1)), QColor(Qt::red));
}
