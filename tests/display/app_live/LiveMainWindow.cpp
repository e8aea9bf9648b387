#include "LiveMainWindow.h"

#include "app/CLumivexDlg.h"
#include "camera/AcquisitionThread.h"
#include "camera/CameraConnection.h"
#include "display/GlDisplayWindow.h"
#include "sdk/SdkDiscovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

constexpr int kFrameTimeoutMs = 5000;

} // namespace

void WaitLive(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

LiveMainWindow::LiveMainWindow(const std::string& settingsPath)
    : context_(settingsPath.empty() ? dir_.file("lumivex.dat") : settingsPath),
      deviceDlg_(context_, true, prompts_)
{
    QCoreApplication::setApplicationName(QStringLiteral("Lumivex"));
}

LiveMainWindow::~LiveMainWindow()
{
    window_.reset();
    camera_.Stop();
}

bool LiveMainWindow::Start(SimOptions options, Connection connection)
{
    options.interfaceAddress = TestAddress(0);
    if (!camera_.Start(options)) {
        ADD_FAILURE() << camera_.ErrorText();
        return false;
    }
    SdkDiscoveryRecord info;
    bool connected = SdkDiscoveryRecordFromAddress(options.interfaceAddress, info);
    if (connected && connection == Connection::ConnectCommand) {
        CDeviceDlg::Services services = CDeviceDlg::SystemServices(prompts_);
        services.findCamera = [info](std::optional<SdkDiscoveryRecord>& selected) {
            selected = info;
            return SdkResult(SdkResult::OK);
        };
        deviceDlg_.SetServices(std::move(services));
        deviceDlg_.Connect();
        connected = context_.CameraCount() == 1;
    } else if (connected) {
        connected = deviceDlg_.AddCamera(info);
    }
    if (!connected) {
        ADD_FAILURE() << "the simulated camera at " << options.interfaceAddress << " could not be connected";
        return false;
    }
    window_ = std::make_unique<CLumivexDlg>(false, context_, deviceDlg_, prompts_,
                                            QString::fromStdString(dir_.file("lumivex")));
    if (!window_->IsPreviewing()) {
        ADD_FAILURE() << "the main window does not preview: " << prompts_.Texts().join(' ').toStdString();
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    GlDisplayWindow* display = window_->MainDisplay().DisplayWindow();
    while (display->Statistics().framesAccepted < 3) {
        if (timer.elapsed() > kFrameTimeoutMs) {
            ADD_FAILURE() << "no frames shown within " << kFrameTimeoutMs << " ms";
            return false;
        }
        WaitLive(20);
    }
    return true;
}

QImage LiveMainWindow::DisplayedImage()
{
    return window_->MainDisplay().DisplayWindow()->GrabFrame().convertToFormat(QImage::Format_RGB32);
}

void LiveMainWindow::SaveScreenshot(const QString& name)
{
    const QString folder = qEnvironmentVariable("LUMIVEX_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    EXPECT_TRUE(screen.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}
