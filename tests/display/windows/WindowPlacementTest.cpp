// The main window and the preview windows of four simulated cameras on a
// desktop with a window manager (run by scripts/with-wm at 1920x1080 and at
// 1280x720): every window's frame inside the available area, Tile and
// Cascade, and the places remembered across a restart.
#include "AppTestSupport.h"
#include "TempDir.h"

#include "analysis/CHistogramDlg.h"
#include "analysis/WaveformWindow.h"
#include "app/CLumivexDlg.h"
#include "capturewindows/CThumbnailDlg.h"
#include "capturewindows/SnapShotList.h"
#include "commands/SnapShotCapture.h"
#include "context/CameraContext.h"
#include "controls/CFeaturesDlg.h"
#include "controls/CLxCtrlMainDlg.h"
#include "display/CPreview.h"
#include "display/GlDisplayWindow.h"
#include "imaging/DisplayGeometry.h"
#include "imaging/WindowLayout.h"
#include "sdk/SdkDiscovery.h"
#include "selection/CDeviceDlg.h"
#include "sim/SimCamera.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QSettings>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr int kCameras = 4;
constexpr int kWidth = 1280;
constexpr int kHeight = 960;
// The window manager answers within this.
constexpr int kSettleMs = 5000;

QRect WorkArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Runs the event loop until the condition holds, at most for the settling time.
template <typename Condition>
bool WaitUntil(Condition condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > kSettleMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// The frame as the window system has it now.
QRect Frame(const QWidget& window)
{
    return window.windowHandle() ? window.windowHandle()->frameGeometry() : window.frameGeometry();
}

bool Framed(const QWidget& window)
{
    return window.isVisible() && window.windowHandle() && !window.windowHandle()->frameMargins().isNull();
}

// The main window over the cameras, connected anew: one run of the program.
class Session {
public:
    explicit Session(const std::string& settingsPath) : context_(settingsPath), deviceDlg_(context_, true, prompts_)
    {
        for (int i = 0; i < kCameras; ++i) {
            SdkDiscoveryRecord info;
            if (!SdkDiscoveryRecordFromAddress(TestAddress(i), info) || !deviceDlg_.AddCamera(info))
                ADD_FAILURE() << "camera " << i << " could not be connected";
        }
        window_ = std::make_unique<CLumivexDlg>(false, context_, deviceDlg_, prompts_,
                                                QString::fromStdString(settingsPath + ".program"));
    }

    CLumivexDlg& Window() { return *window_; }
    CameraContext& Context() { return context_; }

    // The main window and the preview windows, by camera.
    std::array<QWidget*, kCameras> ImageWindows()
    {
        return {window_.get(), window_->PreviewWindow(1), window_->PreviewWindow(2), window_->PreviewWindow(3)};
    }

    std::array<QRect, kCameras> Frames()
    {
        std::array<QRect, kCameras> frames;
        for (int i = 0; i < kCameras; ++i)
            frames[i] = Frame(*ImageWindows()[i]);
        return frames;
    }

    // The windows' frames are there, as asked of the window system and as the
    // widgets have them from the window manager's answers.
    bool SettledAt(const std::array<QRect, kCameras>& frames)
    {
        return WaitUntil([&] {
            for (int i = 0; i < kCameras; ++i) {
                if (Frame(*ImageWindows()[i]) != frames[i] || ImageWindows()[i]->frameGeometry() != frames[i])
                    return false;
            }
            return true;
        });
    }

    GlDisplayWindow* Display(int i)
    {
        return i == 0 ? window_->MainDisplay().DisplayWindow() : window_->PreviewWindow(i)->Display().DisplayWindow();
    }

    // Waits until the window manager has framed every camera window.
    bool AllFramed()
    {
        return WaitUntil([this] {
            const std::array<QWidget*, kCameras> windows = ImageWindows();
            return std::all_of(windows.begin(), windows.end(), [](QWidget* w) { return w && Framed(*w); });
        });
    }

private:
    RecordingPrompts prompts_;
    CameraContext context_;
    CDeviceDlg deviceDlg_;
    std::unique_ptr<CLumivexDlg> window_;
};

class WindowPlacementTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (int i = 0; i < kCameras; ++i) {
            SimOptions options;
            options.interfaceAddress = TestAddress(i);
            options.width = kWidth;
            options.height = kHeight;
            options.colour = i % 2 == 0;
            // Few frames: the windows are what matters here.
            options.fps = 5.0;
            cameras_[i] = std::make_unique<SimCamera>();
            ASSERT_TRUE(cameras_[i]->Start(options)) << cameras_[i]->ErrorText();
        }
    }

    static void TearDownTestSuite()
    {
        for (auto& camera : cameras_)
            camera.reset();
    }

    WindowPlacementTest() { QCoreApplication::setApplicationName(QStringLiteral("Lumivex")); }

    std::string SettingsPath() const { return dir_.file("lumivex.dat"); }

    static inline std::array<std::unique_ptr<SimCamera>, kCameras> cameras_;
    TempDir dir_;
};

// Whether the display shows the whole image: no scroll bars, and the image
// drawn no larger than the display.
::testing::AssertionResult ShowsWholeImage(GlDisplayWindow& display)
{
    const QSize view = display.Widget()->size();
    const int zoom = display.Zoom();
    const ScrollLayout bars = ComputeScrollLayout(zoom, view.width(), view.height(), kWidth, kHeight, 0, 0, 0);
    const DrawTransform transform = ComputeDrawTransform(zoom, view.width(), view.height(), kWidth, kHeight, 0, 0);
    const double drawnWidth = kWidth * transform.scale;
    const double drawnHeight = kHeight * transform.scale;
    if (bars.horizontal.shown || bars.vertical.shown || drawnWidth > view.width() + 1 ||
        drawnHeight > view.height() + 1)
        return ::testing::AssertionFailure() << "zoom " << zoom << " draws " << drawnWidth << "x" << drawnHeight
                                             << " in " << view.width() << "x" << view.height();
    return ::testing::AssertionSuccess();
}

TEST_F(WindowPlacementTest, EveryWindowOpensWithItsFrameInsideTheAvailableArea)
{
    Session session(SettingsPath());
    CLumivexDlg& window = session.Window();
    ASSERT_TRUE(window.IsPreviewing());
    ASSERT_TRUE(session.AllFramed());
    // The windows the commands open, each framed by the window manager.
    window.Action(CLumivexDlg::kSettings)->trigger();
    window.Action(CLumivexDlg::kSnapShot)->trigger();
    window.Action(CLumivexDlg::kWaveform)->trigger();
    window.Action(CLumivexDlg::kHistogram)->trigger();
    CFeaturesDlg* features = window.ShowFeatures(0);
    ASSERT_NE(features, nullptr);
    std::vector<QWidget*> others = {window.ControlDialog(), window.ThumbnailWindow(), window.Waveform(),
                                    window.HistogramWindow(), features};
    // The snapshot's own window, opened as from the thumbnail window.
    SnapShotListOf(session.Context()).ShowSelected();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("CSnapShotDlg") && widget->isVisible())
            others.push_back(widget);
    }
    ASSERT_EQ(others.size(), 6U);
    for (QWidget* other : others)
        ASSERT_NE(other, nullptr);
    EXPECT_TRUE(
        WaitUntil([&] { return std::all_of(others.begin(), others.end(), [](QWidget* w) { return Framed(*w); }); }));

    const QRect area = WorkArea();
    for (QWidget* image : session.ImageWindows())
        others.push_back(image);
    for (QWidget* shown : others) {
        // Placed again once framed: the final place settles within the wait.
        EXPECT_TRUE(WaitUntil([&] { return area.contains(Frame(*shown)); }))
            << shown->metaObject()->className() << " " << Frame(*shown).x() << ',' << Frame(*shown).y() << ' '
            << Frame(*shown).width() << 'x' << Frame(*shown).height();
    }
    // Cascaded from the area's corner, each title bar in sight.
    EXPECT_EQ(session.Frames()[0].topLeft(), area.topLeft());
    for (int i = 1; i < kCameras; ++i)
        EXPECT_NE(session.Frames()[i].topLeft(), session.Frames()[i - 1].topLeft()) << i;
}

TEST_F(WindowPlacementTest, TileShowsFourWholeImagesOverTheAreaAndCascadeRestores)
{
    Session session(SettingsPath());
    CLumivexDlg& window = session.Window();
    ASSERT_TRUE(session.AllFramed());
    window.Action(CLumivexDlg::kTile)->trigger();
    const QRect area = WorkArea();
    const std::vector<QRect> cells = TileFrames(kCameras, area);
    EXPECT_TRUE(session.SettledAt({cells[0], cells[1], cells[2], cells[3]}));
    const std::array<QRect, kCameras> frames = session.Frames();
    long long covered = 0;
    for (int i = 0; i < kCameras; ++i) {
        covered += static_cast<long long>(frames[i].width()) * frames[i].height();
        for (int j = i + 1; j < kCameras; ++j)
            EXPECT_FALSE(frames[i].intersects(frames[j])) << i << " and " << j;
        EXPECT_TRUE(ShowsWholeImage(*session.Display(i))) << "camera " << i;
        EXPECT_EQ(window.WindowZoom(i), session.Display(i)->Zoom());
    }
    EXPECT_GE(covered, static_cast<long long>(area.width()) * area.height() * 9 / 10);

    window.Action(CLumivexDlg::kCascade)->trigger();
    EXPECT_TRUE(WaitUntil([&] { return session.Frames()[0].topLeft() == area.topLeft(); }));
    for (int i = 0; i < kCameras; ++i) {
        EXPECT_EQ(session.Display(i)->Zoom(), session.Context().zoomIndex);
        EXPECT_TRUE(area.contains(session.Frames()[i])) << i;
    }
}

TEST_F(WindowPlacementTest, TileAtConnectionTilesTheWindowsOfTheNextRun)
{
    {
        Session first(SettingsPath());
        QAction* tileAtConnection = first.Window().Action(CLumivexDlg::kTileAtConnection);
        ASSERT_FALSE(tileAtConnection->isChecked());
        tileAtConnection->trigger();
    }
    Session next(SettingsPath());
    EXPECT_TRUE(next.Window().Action(CLumivexDlg::kTileAtConnection)->isChecked());
    ASSERT_TRUE(next.AllFramed());
    const std::vector<QRect> cells = TileFrames(kCameras, WorkArea());
    EXPECT_TRUE(next.SettledAt({cells[0], cells[1], cells[2], cells[3]}));
}

TEST_F(WindowPlacementTest, EachWindowComesBackWhereItWasLeftAndOntoTheScreen)
{
    std::array<QRect, kCameras> left;
    std::array<int, kCameras> zooms{};
    {
        Session first(SettingsPath());
        ASSERT_TRUE(first.AllFramed());
        first.Window().Tile();
        const std::vector<QRect> cells = TileFrames(kCameras, WorkArea());
        left = {cells[0], cells[1], cells[2], cells[3]};
        ASSERT_TRUE(first.SettledAt(left));
        for (int i = 0; i < kCameras; ++i)
            zooms[i] = first.Window().WindowZoom(i);
    }
    {
        Session again(SettingsPath());
        ASSERT_TRUE(again.AllFramed());
        EXPECT_TRUE(again.SettledAt(left));
        for (int i = 0; i < kCameras; ++i)
            EXPECT_EQ(again.Frames()[i], left[i]) << i;
        for (int i = 0; i < kCameras; ++i) {
            EXPECT_EQ(again.Window().WindowZoom(i), zooms[i]) << i;
            EXPECT_EQ(again.Display(i)->Zoom(), zooms[i]) << i;
        }
    }

    // A place on a monitor that is gone: the preview's remembered geometry
    // made far right of the screen.
    {
        QSettings windows(QString::fromStdString(dir_.file("windows.ini")), QSettings::IniFormat);
        QWidget away;
        away.setGeometry(WorkArea().right() + 2000, 300, 500, 400);
        for (const QString& camera : windows.childGroups()) {
            if (windows.contains(camera + QStringLiteral("/preview/geometry")))
                windows.setValue(camera + QStringLiteral("/preview/geometry"), away.saveGeometry());
        }
    }
    Session back(SettingsPath());
    ASSERT_TRUE(back.AllFramed());
    for (int i = 1; i < kCameras; ++i) {
        EXPECT_TRUE(WaitUntil([&] { return WorkArea().contains(back.Frames()[i]); })) << i;
    }
}

} // namespace
