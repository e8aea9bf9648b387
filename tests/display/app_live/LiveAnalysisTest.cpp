// The waveform and histogram windows fed by the main window's live camera:
// what the acquisition thread counts and copies for a frame equals what the
// test works out for itself from that very frame, the markers are drawn on
// the live image, and the mouse over the live image moves them.
//
// To know which frame was counted the camera is put into software trigger
// mode, so that one trigger makes exactly one frame; a frame request posted
// beside the trigger captures the converted frame that the counting saw. Raw
// grey samples come from the simulated camera's own pattern for that frame
// number, and are checked against the captured converted frame.
#include "LiveMainWindow.h"

#include "analysis/CHistogramDlg.h"
#include "analysis/WaveformWindow.h"
#include "app/CLumivexDlg.h"
#include "camera/AcquisitionThread.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/SettingsPage.h"
#include "display/GlDisplayWindow.h"
#include "sim/SimPattern.h"
#include "sim/SimPixelFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kQuietMs = 300;
constexpr int kFrameTimeoutMs = 2000;
constexpr int kMarkerWaitMs = 400;
constexpr int kWindowGap = 10;
// A row in the pattern's bottom third, a saw-tooth that moves every frame.
constexpr int kSawToothRow = 400;
// Trigger features' entries: On, Software, the TriggerSoftware command.
constexpr int32_t kTriggerOn = 1;
constexpr int32_t kTriggerSourceSoftware = 1;
constexpr int32_t kSoftwareSourceCommand = 2;

bool IsMarkerGreen(QRgb pixel)
{
    return qGreen(pixel) > 200 && qRed(pixel) < 60 && qBlue(pixel) < 60;
}

// Whether the pixels from `from` to `to` (a horizontal or vertical run,
// both ends included) are all marker green.
testing::AssertionResult GreenRun(const QImage& image, QPoint from, QPoint to)
{
    if (image.size() != QSize(kWidth, kHeight))
        return testing::AssertionFailure() << "image is " << image.width() << "x" << image.height();
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    for (QPoint p = from;; p += step) {
        if (!IsMarkerGreen(image.pixel(p)))
            return testing::AssertionFailure() << "no green at (" << p.x() << "," << p.y() << ")";
        if (p == to)
            return testing::AssertionSuccess();
    }
}

// Whether the outline of a marker drawn for the area [left, right) x [top,
// bottom) is green on all four sides.
testing::AssertionResult GreenOutline(const QImage& image, int left, int top, int right, int bottom)
{
    for (const auto& [from, to] : {std::pair{QPoint(left, top), QPoint(right - 1, top)},
                                   std::pair{QPoint(left, bottom - 1), QPoint(right - 1, bottom - 1)},
                                   std::pair{QPoint(left, top), QPoint(left, bottom - 1)},
                                   std::pair{QPoint(right - 1, top), QPoint(right - 1, bottom - 1)}}) {
        testing::AssertionResult run = GreenRun(image, from, to);
        if (!run)
            return run;
    }
    return testing::AssertionSuccess();
}

int CountGreen(const QImage& image, QPoint from, QPoint to)
{
    int green = 0;
    for (int y = from.y(); y <= to.y(); ++y)
        for (int x = from.x(); x <= to.x(); ++x)
            green += IsMarkerGreen(image.pixel(x, y)) ? 1 : 0;
    return green;
}

// Whether the window shows a blue, a green and a red curve: enough pixels of
// each exact colour.
testing::AssertionResult ShowsColourCurves(QWidget& window)
{
    constexpr int kMinCurvePixels = 50;
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QColor colour : {QColor(Qt::blue), QColor(Qt::green), QColor(Qt::red)}) {
        int found = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                found += image.pixel(x, y) == colour.rgb() ? 1 : 0;
        if (found < kMinCurvePixels)
            return testing::AssertionFailure() << found << " pixels of " << colour.name().toStdString();
    }
    return testing::AssertionSuccess();
}

// The grey samples of frame number `frame` as the simulated camera sends them
// in the named format at its default exposure and gain, unpacked. A packed
// format carries the same samples as its unpacked twin.
std::vector<uint16_t> SimGreySamples(std::string formatName, uint32_t frame)
{
    if (const auto packed = formatName.find("Packed"); packed != std::string::npos)
        formatName.erase(packed);
    SimFrameSettings settings;
    settings.sensorWidth = settings.width = kWidth;
    settings.sensorHeight = settings.height = kHeight;
    settings.format = FindSimPixelFormat(formatName);
    settings.frame = frame;
    std::vector<uint16_t> samples;
    if (settings.format == nullptr)
        return samples;
    std::vector<uint8_t> bytes(settings.format->ImageBytes(kWidth, kHeight));
    SimPattern pattern;
    if (!pattern.Fill(settings, bytes.data(), bytes.size()))
        return samples;
    const bool words = settings.format->significantBits > 8;
    samples.resize(static_cast<size_t>(kWidth) * kHeight);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = words ? static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)) : bytes[i];
    return samples;
}

class LiveAnalysis : public ::testing::Test {
protected:
    void StartCamera(bool colour, const std::string& pixelFormat = {})
    {
        SimOptions options;
        options.width = kWidth;
        options.height = kHeight;
        options.colour = colour;
        options.pixelFormat = pixelFormat;
        ASSERT_TRUE(live_.Start(options));
        live_.Window().move(0, 0);
        camera_ = live_.Context().FirstCamera();
        ASSERT_NE(camera_, nullptr);
    }

    CHistogramDlg& OpenHistogram()
    {
        live_.Window().Action(CLumivexDlg::kHistogram)->trigger();
        return PlacedBesideTheMainWindow(live_.Window().HistogramWindow());
    }

    WaveformWindow& OpenWaveform()
    {
        live_.Window().Action(CLumivexDlg::kWaveform)->trigger();
        return PlacedBesideTheMainWindow(live_.Window().Waveform());
    }

    template <typename Window>
    Window& PlacedBesideTheMainWindow(Window* window)
    {
        EXPECT_NE(window, nullptr);
        window->move(live_.Window().frameGeometry().right() + kWindowGap, 0);
        return *window;
    }

    // Puts the camera into software trigger mode and waits until no frame is
    // on its way any more.
    void HoldFrames()
    {
        SdkGenParameterArray* features = camera_->Features();
        ASSERT_TRUE(WriteFeatureValue(features, "TriggerSoftwareSource", kSoftwareSourceCommand));
        ASSERT_TRUE(WriteFeatureValue(features, "TriggerSource", kTriggerSourceSoftware));
        ASSERT_TRUE(WriteFeatureValue(features, "TriggerMode", kTriggerOn));
        uint64_t sent = live_.Camera().FramesSent();
        for (int tries = 0; tries < 10; ++tries) {
            WaitLive(kQuietMs);
            if (live_.Camera().FramesSent() == sent)
                return;
            sent = live_.Camera().FramesSent();
        }
        FAIL() << "the camera keeps sending in trigger mode";
    }

    // Triggers exactly one frame with a frame request posted beside it, and
    // waits until the acquisition thread is done with the frame. Gives the
    // converted frame as the thread saw it and the camera's number for it.
    void TriggerOneFrame(std::vector<uint8_t>& converted, uint32_t& frameNumber, size_t bytesPerPixel)
    {
        AcquisitionThread* thread = camera_->Acquisition().GetThread();
        ASSERT_NE(thread, nullptr);
        const int32_t processed = thread->FrameCounter();
        const uint64_t sent = live_.Camera().FramesSent();
        converted.assign(static_cast<size_t>(kWidth) * kHeight * bytesPerPixel, 0);
        FrameRequest& request = live_.Context().frameRequest;
        request.Post(*camera_->Acquisition().FrameSinks(), converted.data(), kWidth, kHeight,
                     static_cast<int32_t>(bytesPerPixel));
        ASSERT_TRUE(ExecuteCommand(camera_->Features(), "TriggerSoftware"));
        uint32_t blockId = 0;
        ASSERT_TRUE(request.Finish(std::chrono::milliseconds(kFrameTimeoutMs), blockId));
        // The thread counts the frame after serving the request.
        QElapsedTimer timer;
        timer.start();
        while (thread->FrameCounter() == processed && timer.elapsed() < kFrameTimeoutMs)
            WaitLive(10);
        ASSERT_EQ(thread->FrameCounter(), processed + 1);
        WaitLive(kQuietMs);
        ASSERT_EQ(live_.Camera().FramesSent(), sent + 1) << "more than the one triggered frame came";
        ASSERT_EQ(thread->FrameCounter(), processed + 1);
        frameNumber = static_cast<uint32_t>(sent);
    }

    LiveMainWindow live_;
    CameraConnection* camera_ = nullptr;
};

TEST_F(LiveAnalysis, ColourCountsAndRowEqualTheSameFrameWithBothWindowsOpen)
{
    ASSERT_NO_FATAL_FAILURE(StartCamera(true));
    CHistogramDlg& histogram = OpenHistogram();
    WaveformWindow& waveform = OpenWaveform();
    waveform.move(histogram.frameGeometry().right() + kWindowGap, 0);
    // The waveform's row runs along the area's top edge: neither window may
    // see the other's marker.
    const HistogramArea area = histogram.Area();
    ASSERT_EQ(area, (HistogramArea{160, 120, 480, 360}));
    ASSERT_TRUE(waveform.SelectRow(area.top));
    ASSERT_NO_FATAL_FAILURE(HoldFrames());
    std::vector<uint8_t> bgr;
    uint32_t frame = 0;
    ASSERT_NO_FATAL_FAILURE(TriggerOneFrame(bgr, frame, 3));
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-both-windows"));

    // Colour images count the converted blue, green and red bytes of the
    // area, both edges included.
    std::array<std::vector<uint32_t>, 3> expected;
    for (auto& table : expected)
        table.assign(HistogramRecord::kBinCount, 0);
    for (int y = area.top; y <= area.bottom; ++y)
        for (int x = area.left; x <= area.right; ++x)
            for (int c = 0; c < 3; ++c)
                ++expected[c][bgr[(static_cast<size_t>(y) * kWidth + x) * 3 + c]];
    {
        HistogramRecord& record = *histogram.Record();
        std::lock_guard lock(record.mutex);
        for (int c = 0; c < 3; ++c) {
            const std::vector<uint32_t> counted(record.counts[c].begin(), record.counts[c].end());
            EXPECT_EQ(counted, expected[c]) << "channel " << c;
        }
    }
    // The pattern's colour bars and ramp spread over many values.
    EXPECT_GT(std::count_if(expected[1].begin(), expected[1].end(), [](uint32_t n) { return n > 0; }), 50);

    const auto row = bgr.begin() + static_cast<ptrdiff_t>(area.top) * kWidth * 3;
    const std::vector<uint8_t> expectedRow(row, row + kWidth * 3);
    WaveformRecord& record = *waveform.Record();
    std::lock_guard lock(record.mutex);
    EXPECT_EQ(record.lineBuffer, expectedRow);
}

struct GreyCase {
    const char* format;
    int32_t mirrorMode;
};

void PrintTo(const GreyCase& c, std::ostream* out)
{
    *out << c.format << " mirror " << c.mirrorMode;
}

// The raw samples as they lie on the converted frame after mirroring.
std::vector<uint16_t> Mirrored(const std::vector<uint16_t>& raw, int32_t mirrorMode)
{
    const bool horizontal = mirrorMode == 1 || mirrorMode == 3;
    const bool vertical = mirrorMode == 2 || mirrorMode == 3;
    std::vector<uint16_t> shown(raw.size());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            shown[static_cast<size_t>(y) * kWidth + x] =
                raw[static_cast<size_t>(vertical ? kHeight - 1 - y : y) * kWidth + (horizontal ? kWidth - 1 - x : x)];
    return shown;
}

// Grey images count the raw samples at the sensor's depth inside the area
// marked on the shown image, right and bottom edges excluded.
class LiveGreyHistogram : public LiveAnalysis, public ::testing::WithParamInterface<GreyCase> {};

TEST_P(LiveGreyHistogram, CountsEqualAnIndependentCountOfTheSameRawFrame)
{
    const std::string format = GetParam().format;
    const int32_t mirrorMode = GetParam().mirrorMode;
    ASSERT_NO_FATAL_FAILURE(StartCamera(false, format));
    live_.Context().displaySettings.mirrorMode = mirrorMode;
    CHistogramDlg& histogram = OpenHistogram();
    // An area off the image's centre, so that a mirrored frame shows other
    // samples in it than the raw frame holds there.
    histogram.PreviewButtonDown({160, 120});
    histogram.PreviewMouseMove({40, 30});
    histogram.PreviewButtonUp({40, 30});
    ASSERT_EQ(histogram.Area(), (HistogramArea{40, 30, 480, 360}));
    ASSERT_NO_FATAL_FAILURE(HoldFrames());
    std::vector<uint8_t> grey;
    uint32_t frame = 0;
    ASSERT_NO_FATAL_FAILURE(TriggerOneFrame(grey, frame, 1));

    const std::vector<uint16_t> shown = Mirrored(SimGreySamples(format, frame), mirrorMode);
    ASSERT_EQ(shown.size(), grey.size());
    const SimPixelFormat* simFormat = FindSimPixelFormat(format);
    ASSERT_NE(simFormat, nullptr);
    const int bits = simFormat->significantBits;
    // The raw frame worked out here is the one the thread converted.
    for (size_t i = 0; i < shown.size(); ++i)
        ASSERT_EQ(grey[i], shown[i] >> (bits - 8)) << "pixel " << i << " of frame " << frame;

    const HistogramArea area = histogram.Area();
    std::vector<uint32_t> expected(HistogramRecord::kBinCount, 0);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            ++expected[shown[static_cast<size_t>(y) * kWidth + x]];

    {
        HistogramRecord& record = *histogram.Record();
        std::lock_guard lock(record.mutex);
        EXPECT_EQ(record.bitDepth, bits);
        const std::vector<uint32_t> counted(record.counts[0].begin(), record.counts[0].end());
        EXPECT_EQ(counted, expected);
    }
    // Samples above 255 prove that the deep bins are in use.
    EXPECT_EQ(std::any_of(expected.begin() + 256, expected.end(), [](uint32_t n) { return n > 0; }), bits > 8);
    LiveMainWindow::SaveScreenshot(
        QStringLiteral("live-histogram-%1-mirror%2").arg(QLatin1String(GetParam().format)).arg(mirrorMode));
}

// The area holds part of the pattern's bottom third, a saw-tooth that moves
// with the frame number, so a count of another frame would differ.
INSTANTIATE_TEST_SUITE_P(Formats, LiveGreyHistogram,
                         ::testing::Values(GreyCase{"Mono8", 0}, GreyCase{"Mono10", 0}, GreyCase{"Mono12Packed", 0},
                                           GreyCase{"Mono8", 3}, GreyCase{"Mono10", 1}));

TEST_F(LiveAnalysis, ColourWaveformHoldsTheSelectedRowOfTheSameFrame)
{
    ASSERT_NO_FATAL_FAILURE(StartCamera(true));
    WaveformWindow& waveform = OpenWaveform();
    EXPECT_EQ(waveform.windowTitle(), QStringLiteral("Waveform"));
    EXPECT_EQ(waveform.SelectedRow(), kHeight / 2);
    // A row of the saw-tooth, which differs from frame to frame.
    ASSERT_TRUE(waveform.SelectRow(kSawToothRow));
    ASSERT_NO_FATAL_FAILURE(HoldFrames());
    std::vector<uint8_t> bgr;
    uint32_t frame = 0;
    ASSERT_NO_FATAL_FAILURE(TriggerOneFrame(bgr, frame, 3));

    const auto row = bgr.begin() + static_cast<ptrdiff_t>(kSawToothRow) * kWidth * 3;
    const std::vector<uint8_t> expected(row, row + kWidth * 3);
    WaveformRecord& record = *waveform.Record();
    std::lock_guard lock(record.mutex);
    EXPECT_EQ(record.lineBuffer, expected);
}

TEST_F(LiveAnalysis, TenBitGreyWaveformHoldsTheEightBitValuesOfTheSelectedRow)
{
    ASSERT_NO_FATAL_FAILURE(StartCamera(false, "Mono10"));
    WaveformWindow& waveform = OpenWaveform();
    ASSERT_TRUE(waveform.SelectRow(kSawToothRow));
    ASSERT_NO_FATAL_FAILURE(HoldFrames());
    std::vector<uint8_t> grey;
    uint32_t frame = 0;
    ASSERT_NO_FATAL_FAILURE(TriggerOneFrame(grey, frame, 1));

    const std::vector<uint16_t> raw = SimGreySamples("Mono10", frame);
    ASSERT_EQ(raw.size(), grey.size());
    std::vector<uint8_t> expected(kWidth);
    for (int x = 0; x < kWidth; ++x)
        expected[x] = static_cast<uint8_t>(raw[static_cast<size_t>(kSawToothRow) * kWidth + x] >> 2);
    {
        WaveformRecord& record = *waveform.Record();
        std::lock_guard lock(record.mutex);
        EXPECT_EQ(record.bitDepth, 10);
        EXPECT_EQ(record.lineBuffer, expected);
    }
    WaitLive(kMarkerWaitMs);
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-waveform-mono10"));
}

// A 12-bit camera shown through a window of its values chosen on the Other
// page, by hand and then automatically: the triggered frame is shown
// stretched from the black to the white point, and the automatic points are
// the frame's 0.1 % and 99.9 % percentiles, shown back on the page.
TEST_F(LiveAnalysis, TwelveBitGreyIsShownThroughTheWindowChosenOnTheOtherPage)
{
    ASSERT_NO_FATAL_FAILURE(StartCamera(false, "Mono12"));
    live_.Window().Action(CLumivexDlg::kSettings)->trigger();
    CLxCtrlMainDlg* controls = live_.Window().ControlDialog();
    ASSERT_NE(controls, nullptr);
    controls->move(live_.Window().frameGeometry().right() + kWindowGap, 0);
    controls->Tabs()->setCurrentIndex(CLxCtrlMainDlg::kOtherTab);
    controls->RefreshCurrentPageAndTitle();
    QWidget* page = controls->Page(CLxCtrlMainDlg::kOtherTab);
    auto* mode = page->findChild<QComboBox*>(QStringLiteral("DeepView"));
    auto* black = page->findChild<QSpinBox*>(QStringLiteral("BlackPoint"));
    auto* white = page->findChild<QSpinBox*>(QStringLiteral("WhitePoint"));
    auto* automatic = page->findChild<QCheckBox*>(QStringLiteral("AutoLevels"));
    ASSERT_TRUE(mode && black && white && automatic);
    ASSERT_TRUE(mode->isEnabled());
    EXPECT_EQ(white->maximum(), 4095);
    mode->setCurrentIndex(kDeepViewWindowLevel);
    emit mode->activated(kDeepViewWindowLevel);
    black->setValue(1000);
    white->setValue(3000);
    ASSERT_TRUE(black->isEnabled());
    ASSERT_NO_FATAL_FAILURE(HoldFrames());

    const auto expectShown = [&](int32_t low, int32_t high) {
        std::vector<uint8_t> grey;
        uint32_t frame = 0;
        ASSERT_NO_FATAL_FAILURE(TriggerOneFrame(grey, frame, 1));
        const std::vector<uint16_t> raw = SimGreySamples("Mono12", frame);
        ASSERT_EQ(raw.size(), grey.size());
        std::vector<uint16_t> sorted = raw;
        std::sort(sorted.begin(), sorted.end());
        if (low < 0) {
            const size_t clipped = sorted.size() / 1000;
            low = sorted[clipped];
            high = std::max<int32_t>(sorted[sorted.size() - 1 - clipped], low + 1);
            EXPECT_EQ(live_.Context().displaySettings.blackPoint, low);
            EXPECT_EQ(live_.Context().displaySettings.whitePoint, high);
        }
        // The window must cut into the pattern for the test to mean anything.
        ASSERT_LT(sorted.front(), high);
        ASSERT_GT(sorted.back(), low);
        std::vector<uint8_t> expected(raw.size());
        for (size_t i = 0; i < raw.size(); ++i)
            expected[i] = uint8_t(std::clamp((raw[i] - low) * 255.0 / (high - low) + 0.5 + 1e-9, 0.0, 255.0));
        EXPECT_EQ(grey, expected);
        const QImage shown = live_.DisplayedImage();
        ASSERT_EQ(shown.size(), QSize(kWidth, kHeight));
        int differing = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                differing += qRed(shown.pixel(x, y)) != expected[size_t(y) * kWidth + x] ? 1 : 0;
        EXPECT_EQ(differing, 0);
    };
    ASSERT_NO_FATAL_FAILURE(expectShown(1000, 3000));
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-window-level-mono12-1000-3000"));

    automatic->click();
    EXPECT_FALSE(black->isEnabled());
    ASSERT_NO_FATAL_FAILURE(expectShown(-1, -1));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return black->value() == live_.Context().displaySettings.blackPoint &&
                   white->value() == live_.Context().displaySettings.whitePoint;
        },
        kFrameTimeoutMs));
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-window-level-mono12-auto"));
}

TEST_F(LiveAnalysis, HistogramAreaIsMarkedOnTheLiveImageAndFollowsACornerDrag)
{
    ASSERT_NO_FATAL_FAILURE(StartCamera(true));
    CHistogramDlg& histogram = OpenHistogram();
    EXPECT_EQ(histogram.windowTitle(), QStringLiteral("Histogram"));
    WaitLive(kMarkerWaitMs);
    QImage image = live_.DisplayedImage();
    EXPECT_TRUE(GreenOutline(image, 160, 120, 480, 360));
    EXPECT_TRUE(ShowsColourCurves(histogram));
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-histogram"));

    // A user grabs the bottom-right corner and drags it down and right.
    QWidget* surface = live_.Window().MainDisplay().DisplayWindow()->Widget();
    const QPoint corner(478, 358);
    QTest::mouseMove(surface, corner);
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, corner);
    QTest::mouseMove(surface, QPoint(540, 400));
    QTest::mouseMove(surface, QPoint(560, 420));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(560, 420));
    EXPECT_EQ(histogram.Area(), (HistogramArea{160, 120, 560, 420}));

    WaitLive(kMarkerWaitMs);
    image = live_.DisplayedImage();
    EXPECT_TRUE(GreenOutline(image, 160, 120, 560, 420));
    // The old right and bottom edges are gone (the ramp and saw-tooth below
    // them hold no green).
    EXPECT_EQ(CountGreen(image, QPoint(479, 200), QPoint(479, 350)), 0);
    EXPECT_EQ(CountGreen(image, QPoint(200, 359), QPoint(450, 359)), 0);
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-histogram-dragged"));

    // Closed, the window leaves the live image unmarked and the mouse to the
    // drawing tools.
    histogram.close();
    EXPECT_FALSE(histogram.IsActive());
    WaitLive(kMarkerWaitMs);
    image = live_.DisplayedImage();
    EXPECT_EQ(CountGreen(image, QPoint(160, 120), QPoint(559, 120)), 0);
    EXPECT_EQ(CountGreen(image, QPoint(559, 200), QPoint(559, 419)), 0);
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(558, 418));
    QTest::mouseMove(surface, QPoint(300, 300));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    EXPECT_EQ(histogram.Area(), (HistogramArea{160, 120, 560, 420}));
}

TEST_F(LiveAnalysis, WaveformRowIsMarkedOnTheLiveImageAndFollowsAClick)
{
    ASSERT_NO_FATAL_FAILURE(StartCamera(true));
    WaveformWindow& waveform = OpenWaveform();
    WaitLive(kMarkerWaitMs);
    QImage image = live_.DisplayedImage();
    EXPECT_TRUE(GreenRun(image, QPoint(0, kHeight / 2), QPoint(kWidth - 1, kHeight / 2)));
    EXPECT_TRUE(ShowsColourCurves(waveform));
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-waveform"));

    // A click on the preview picks row 100.
    QWidget* surface = live_.Window().MainDisplay().DisplayWindow()->Widget();
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    EXPECT_EQ(waveform.SelectedRow(), 100);
    WaitLive(kMarkerWaitMs);
    image = live_.DisplayedImage();
    EXPECT_TRUE(GreenRun(image, QPoint(0, 100), QPoint(kWidth - 1, 100)));
    EXPECT_EQ(CountGreen(image, QPoint(0, kHeight / 2), QPoint(kWidth - 1, kHeight / 2)), 0);

    // Closed, the window leaves the live image unmarked and ignores clicks.
    waveform.close();
    WaitLive(kMarkerWaitMs);
    EXPECT_EQ(CountGreen(live_.DisplayedImage(), QPoint(0, 100), QPoint(kWidth - 1, 100)), 0);
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    EXPECT_EQ(waveform.SelectedRow(), 100);
}

} // namespace
