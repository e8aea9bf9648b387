// The live image through the main window's stop/restart path, as the control
// pages, user sets and settings files use it: frames that grow while the
// camera is stopped are shown at once after the restart, a recording across
// such changes ends cleanly with a readable file, and a camera killed and
// started again comes back on its own, time after time.
#include "AviTestSupport.h"
#include "LiveMainWindow.h"

#include "app/CLumivexDlg.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "camera/PixelFormats.h"
#include "camerasettings/CameraSettingsFile.h"
#include "capture/AviWriter.h"
#include "capture/CRecordingControl.h"
#include "capturewindows/RecordingProgressBar.h"
#include "commands/CMovieCommand.h"
#include "display/GlDisplayWindow.h"
#include "display/NoticeBar.h"
#include "sdk/SdkDevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>

using namespace avitest;

namespace {

constexpr int kShownWithinMs = 1000;
constexpr int kTriggerModeOn = 1;

SdkGenParameterArray* Features(LiveMainWindow& live)
{
    return live.Context().FirstCamera()->Features();
}

void Write(LiveMainWindow& live, const char* name, int32_t value)
{
    EXPECT_TRUE(WriteFeatureValue(Features(live), name, value)) << name << "=" << value;
}

// The area at the sensor's top left corner.
void WriteArea(LiveMainWindow& live, int32_t width, int32_t height)
{
    Write(live, "Width", width);
    Write(live, "Height", height);
}

// Stops every preview, changes the camera, and starts them again, as a page
// does for a change the camera refuses while streaming.
void ChangeStopped(LiveMainWindow& live, const std::function<void()>& change)
{
    live.Window().StopPreview();
    change();
    live.Window().RestartPreview();
}

// Whether the display accepts new frames within the time after a restart.
testing::AssertionResult ShowsFramesWithin(LiveMainWindow& live, int milliseconds)
{
    GlDisplayWindow* display = live.Window().MainDisplay().DisplayWindow();
    const uint64_t before = display->Statistics().framesAccepted;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        if (display->Statistics().framesAccepted > before)
            return testing::AssertionSuccess();
        WaitLive(10);
    }
    return testing::AssertionFailure() << display->Statistics().framesAccepted - before << " frames in " << milliseconds
                                       << " ms";
}

// "Video Capture" answered with path and a Motion JPEG recording of frames;
// its messages go where the window's other messages go.
void RecordMotionJpeg(LiveMainWindow& live, const std::string& path, uint32_t frames, bool continueAfterLoss = false)
{
    CMovieCommand::Prompts prompts;
    prompts.chooseMovieFile = [path](QWidget*) { return QString::fromStdString(path); };
    prompts.chooseSettings = [frames, continueAfterLoss](QWidget*, const RecordingCameraInfo&, const QString&,
                                                         RecordingSettings& settings) {
        settings.compressor = kCompressorMotionJpeg;
        settings.frames = frames;
        settings.continueAfterLoss = continueAfterLoss;
        return true;
    };
    prompts.showInformation = [&live](QWidget* parent, const QString& text) {
        live.Prompts().Show(parent, QString(), text, MessagePrompts::Icon::Information);
    };
    live.Window().MovieCommand().SetPrompts(prompts);
    live.Window().Action(CLumivexDlg::kVideoCapture)->trigger();
}

struct GrowingChange {
    const char* name;
    bool colour;
    std::function<void(LiveMainWindow&)> before;
    std::function<void(LiveMainWindow&)> after;
    int32_t width;
    int32_t height;
};

} // namespace

TEST(LivePreviewRestart, FramesEnlargedWhileStoppedAreShownWithinASecond)
{
    const auto settingsFile = [](LiveMainWindow& live) { return live.Dir().file("camera.cfg"); };
    const GrowingChange changes[] = {
        {"Mono8 to Mono16", false, [](LiveMainWindow& l) { Write(l, "PixelFormat", kPixelMono8); },
         [](LiveMainWindow& l) { Write(l, "PixelFormat", kPixelMono16); }, 640, 480},
        {"Mono8 to RGB8Packed", true, [](LiveMainWindow& l) { Write(l, "PixelFormat", kPixelMono8); },
         [](LiveMainWindow& l) { Write(l, "PixelFormat", kPixelRGB8Packed); }, 640, 480},
        {"area 320x240 to 640x480", true, [](LiveMainWindow& l) { WriteArea(l, 320, 240); },
         [](LiveMainWindow& l) { WriteArea(l, 640, 480); }, 640, 480},
        {"binning 2 to 1", true,
         [](LiveMainWindow& l) {
             WriteArea(l, 320, 240);
             Write(l, "BinningHorizontal", 2);
             Write(l, "BinningVertical", 2);
         },
         [](LiveMainWindow& l) {
             Write(l, "BinningHorizontal", 1);
             Write(l, "BinningVertical", 1);
             WriteArea(l, 640, 480);
         },
         640, 480},
        {"user set load", true,
         [](LiveMainWindow& l) {
             Write(l, "UserSetSelector", 1);
             EXPECT_TRUE(ExecuteCommand(Features(l), "UserSetSave"));
             // The camera carries out its commands a moment later.
             WaitLive(200);
             WriteArea(l, 320, 240);
         },
         [](LiveMainWindow& l) {
             Write(l, "UserSetSelector", 1);
             EXPECT_TRUE(ExecuteCommand(Features(l), "UserSetLoad"));
         },
         640, 480},
        {"settings file load", true,
         [&](LiveMainWindow& l) {
             EXPECT_TRUE(SaveCameraSettings(settingsFile(l), *l.Context().FirstCamera()));
             WriteArea(l, 320, 240);
         },
         [&](LiveMainWindow& l) {
             EXPECT_EQ(LoadCameraSettings(settingsFile(l), *l.Context().FirstCamera()), LoadResult::Loaded);
         },
         640, 480},
    };
    for (const GrowingChange& change : changes) {
        SCOPED_TRACE(change.name);
        LiveMainWindow live;
        SimOptions options;
        options.width = 640;
        options.height = 480;
        options.colour = change.colour;
        ASSERT_TRUE(live.Start(options));
        ChangeStopped(live, [&] { change.before(live); });
        ASSERT_TRUE(ShowsFramesWithin(live, kShownWithinMs)) << "before the change";

        ChangeStopped(live, [&] { change.after(live); });
        EXPECT_TRUE(ShowsFramesWithin(live, kShownWithinMs));
        CameraConnection& camera = *live.Context().FirstCamera();
        EXPECT_EQ(camera.Width(), change.width);
        EXPECT_EQ(camera.Height(), change.height);
    }
}

TEST(LivePreviewRestart, RecordingAcrossFormatAndAreaChangesEndsWithAReadableFile)
{
    LiveMainWindow live;
    SimOptions options;
    options.width = 640;
    options.height = 480;
    options.colour = false;
    ASSERT_TRUE(live.Start(options));
    // In trigger mode nothing arrives while the recording starts.
    ChangeStopped(live, [&] {
        WriteArea(live, 320, 240);
        Write(live, "TriggerMode", kTriggerModeOn);
    });

    const std::string path = live.Dir().file("across.avi");
    RecordMotionJpeg(live, path, 1000);
    WaitLive(200);
    RecordingProgressBar* bar = live.Window().RecordingBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->Text(), QStringLiteral("Recording: 0 of 1000 frames, 0:00"));
    EXPECT_TRUE(bar->StopButton()->isEnabled());
    // A few frames on request, then the format and area change.
    constexpr int kTriggered = 3;
    for (int i = 0; i < kTriggered; ++i) {
        ASSERT_TRUE(ExecuteCommand(Features(live), "TriggerSoftware"));
        WaitLive(300);
    }
    EXPECT_TRUE(bar->Text().startsWith(QStringLiteral("Recording: 3 of 1000 frames, 0:0")))
        << bar->Text().toStdString();
    live.SaveScreenshot(QStringLiteral("live-recording-progress"));

    ChangeStopped(live, [&] {
        Write(live, "PixelFormat", kPixelMono16);
        WriteArea(live, 640, 480);
        Write(live, "TriggerMode", 0);
    });
    QElapsedTimer timer;
    timer.start();
    while (bar->isVisible() && timer.elapsed() < 5000)
        WaitLive(20);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(live.Context().recordingInProgress, 0);
    const QStringList texts = live.Prompts().Texts();
    ASSERT_GE(texts.size(), 2) << texts.join('|').toStdString();
    EXPECT_EQ(texts[texts.size() - 2], QStringLiteral("AVI File Created."));
    EXPECT_TRUE(texts.last().contains(QStringLiteral("image format or size changed"))) << texts.last().toStdString();
    EXPECT_EQ(DecodeErrors(path), "");
    EXPECT_EQ(Probe(path)["width"], "320");
    EXPECT_EQ(Probe(path)["nb_read_packets"], std::to_string(kTriggered));
}

TEST(LivePreviewRestart, StopRecordingFinalisesTheFileWithItsFrames)
{
    LiveMainWindow live;
    SimOptions options;
    options.width = 320;
    options.height = 240;
    ASSERT_TRUE(live.Start(options));
    const std::string path = live.Dir().file("stopped.avi");
    RecordMotionJpeg(live, path, 100000);
    WaitLive(1000);
    RecordingProgressBar* bar = live.Window().RecordingBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->Text().endsWith(QStringLiteral(" of 100000 frames, 0:01")) ||
                bar->Text().endsWith(QStringLiteral(" of 100000 frames, 0:00")))
        << bar->Text().toStdString();
    bar->StopButton()->click();
    WaitLive(200);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(live.Prompts().Texts(), QStringList{QStringLiteral("AVI File Created.")});
    EXPECT_EQ(DecodeErrors(path), "");
    EXPECT_GT(std::stoi(Probe(path)["nb_read_packets"]), 10);
}

TEST(LivePreviewRestart, ALostCameraComesBackWithoutAClickAndItsRecordingGoesOnInTheNextFile)
{
    // What the window may take to notice the silent camera, and to show its
    // frames again once it answers.
    constexpr int kNoticedWithinMs = 2000;
    constexpr int kResumedWithinMs = 2000;
    constexpr uint32_t kPlannedFrames = 120;
    LiveMainWindow live;
    SimOptions options;
    options.width = 320;
    options.height = 240;
    ASSERT_TRUE(live.Start(options));
    const std::string path = live.Dir().file("lost.avi");
    RecordMotionJpeg(live, path, kPlannedFrames, true);
    CRecordingControl& recording = live.Window().MovieCommand().Control();
    ASSERT_TRUE(WaitUntil([&] { return recording.FramesRecorded() >= 10; }, 3000));

    live.Camera().Stop();
    QElapsedTimer timer;
    timer.start();
    NoticeBar* notice = live.Window().CameraNotice();
    ASSERT_TRUE(WaitUntil([&] { return notice->isVisible(); }, 5000));
    EXPECT_LT(timer.elapsed(), kNoticedWithinMs);
    const CameraConnection& camera = *live.Context().FirstCamera();
    EXPECT_TRUE(notice->Text().startsWith(QStringLiteral("The camera %1 (%2) at %3 has not answered since ")
                                              .arg(QString::fromStdString(camera.Identity().model),
                                                   QString::fromStdString(camera.Identity().macAddress),
                                                   QString::fromStdString(camera.Identity().ipAddress))))
        << notice->Text().toStdString();
    // Nothing waits for a click: no message box was put up.
    EXPECT_EQ(live.Prompts().Texts(), QStringList());
    EXPECT_TRUE(live.Window().windowTitle().endsWith(QStringLiteral(" - camera lost")));
    EXPECT_TRUE(live.Window().StatusBarText().contains(QStringLiteral("camera lost")));
    EXPECT_TRUE(WaitUntil(
        [&] { return live.Window().RecordingBar()->Text().endsWith(QStringLiteral("waiting for the lost camera")); },
        1000));
    const uint32_t firstFileFrames = static_cast<uint32_t>(recording.FramesRecorded());
    // The notice over the frozen image, for a look by eye.
    live.SaveScreenshot(QStringLiteral("lost-camera-notice"));

    // Back with other firmware: what connecting reads is read again.
    EXPECT_DOUBLE_EQ(camera.OptionBoard().deviceVersion, 2.0007);
    options.interfaceAddress = TestAddress(0);
    options.deviceVersion = "2.0105";
    ASSERT_TRUE(live.Camera().Start(options)) << live.Camera().ErrorText();
    EXPECT_TRUE(ShowsFramesWithin(live, kResumedWithinMs));
    EXPECT_DOUBLE_EQ(camera.OptionBoard().deviceVersion, 2.0105);
    EXPECT_EQ(notice->CurrentKind(), NoticeBar::Kind::Information);
    EXPECT_TRUE(notice->Text().contains(QStringLiteral("answers again"))) << notice->Text().toStdString();
    EXPECT_FALSE(live.Window().windowTitle().contains(QStringLiteral("camera lost")));

    // The recording went on in the next numbered file with the frames the
    // first one lacked, and its end says when the camera was away.
    ASSERT_TRUE(WaitUntil([&] { return !live.Window().RecordingBar()->isVisible(); }, 10000));
    const std::string second = live.Dir().file("lost_2.avi");
    const QStringList texts = live.Prompts().Texts();
    ASSERT_EQ(texts.size(), 2) << texts.join('|').toStdString();
    EXPECT_EQ(texts[0], QStringLiteral("AVI File Created."));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("The camera was lost from "))) << texts[1].toStdString();
    EXPECT_TRUE(texts[1].endsWith(QStringLiteral("; the recording went on in %1.").arg(QString::fromStdString(second))))
        << texts[1].toStdString();
    for (const std::string& file : {path, second})
        EXPECT_EQ(DecodeErrors(file), "") << file;
    EXPECT_EQ(Probe(path)["nb_read_packets"], std::to_string(firstFileFrames));
    EXPECT_EQ(Probe(second)["nb_read_packets"], std::to_string(kPlannedFrames - firstFileFrames));

    // Lost again: announced again, and closing does not wait for it.
    notice->DismissButton()->click();
    live.Camera().Stop();
    EXPECT_TRUE(WaitUntil([&] { return notice->isVisible(); }, 5000));
    EXPECT_EQ(notice->CurrentKind(), NoticeBar::Kind::Warning);
    timer.restart();
    live.Window().StopPreview();
    EXPECT_LT(timer.elapsed(), 1000);
}

namespace {

// The program's resident memory and threads, as the kernel counts them.
// Qt's worker pools (image conversion and the like) are left out: they keep
// at most a few idle workers, named "Thread (pooled)", which end on their own
// after half a minute unused.
struct ProcessFigures {
    long rssKb = 0;
    long threads = 0;
};

ProcessFigures ReadProcessFigures()
{
    ProcessFigures figures;
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:")
            status >> figures.rssKb;
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        if (name != "Thread (pooled)")
            ++figures.threads;
    }
    return figures;
}

} // namespace

TEST(LivePreviewRestart, TwentyLossesInARowEachComeBackWithMemoryAndThreadsFlat)
{
    constexpr int kCycles = 20;
    constexpr int kResumedWithinMs = 2000;
    // At the end, within a tenth of the first cycle's figures.
    constexpr double kAllowedGrowth = 1.10;
    LiveMainWindow live;
    SimOptions options;
    options.width = 640;
    options.height = 480;
    ASSERT_TRUE(live.Start(options));
    options.interfaceAddress = TestAddress(0);
    NoticeBar* notice = live.Window().CameraNotice();
    ProcessFigures first;
    ProcessFigures last;
    qint64 slowestReturnMs = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        SCOPED_TRACE(cycle);
        live.Camera().Stop();
        ASSERT_TRUE(
            WaitUntil([&] { return notice->isVisible() && notice->CurrentKind() == NoticeBar::Kind::Warning; }, 5000));
        ASSERT_TRUE(live.Camera().Start(options)) << live.Camera().ErrorText();
        QElapsedTimer sinceBack;
        sinceBack.start();
        ASSERT_TRUE(ShowsFramesWithin(live, kResumedWithinMs));
        slowestReturnMs = std::max(slowestReturnMs, sinceBack.elapsed());
        if (cycle == 1 || cycle == kCycles) {
            // Taken once the lost connection's freeing, which waits out the
            // dead camera's timeouts on threads of its own, has ended.
            ASSERT_TRUE(WaitUntil([] { return SdkReleasesInFlight() == 0; }, 10000));
            (cycle == 1 ? first : last) = ReadProcessFigures();
        }
    }
    std::cout << "after cycle 1: " << first.rssKb << " kB resident, " << first.threads << " threads; after cycle "
              << kCycles << ": " << last.rssKb << " kB, " << last.threads << " threads; frames shown again at most "
              << slowestReturnMs << " ms after the camera's return\n";
    EXPECT_EQ(live.Prompts().Texts(), QStringList());
    EXPECT_LE(double(last.rssKb), double(first.rssKb) * kAllowedGrowth);
    EXPECT_LE(double(last.threads), double(first.threads) * kAllowedGrowth);
}
