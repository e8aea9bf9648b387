#include "app/CLumivexApp.h"

#include "app/CLumivexDlg.h"
#include "app/DemoCameras.h"
#include "app/OptionModels.h"
#include "app/SerialMessageBox.h"
#include "camera/CRS232C_OM.h"
#include "context/CameraContext.h"
#include "platform/SignalWatch.h"
#include "sdk/SdkDiscovery.h"
#include "selection/CDeviceDlg.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

// The program keeps no settings of its own under this name; it only names
// the settings folder.
constexpr const char* kOrganisation = "Norvane";

void ReportError(const QString& text)
{
    std::fprintf(stderr, "lumivex: %s\n", text.toLocal8Bit().constData());
}

CLumivexDlg* MainWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* mainWindow = qobject_cast<CLumivexDlg*>(window))
            return mainWindow;
    }
    return nullptr;
}

// Ends the modal windows from the innermost out, each returning from its
// own event loop, and then the main window as File > Close does.
void EndModalWindows()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QWidget* ended = nullptr;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        // A window that refuses to end is left to its user.
        if (modal == ended)
            return;
        ended = modal;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
    if (CLumivexDlg* mainWindow = MainWindow())
        mainWindow->Action(CLumivexDlg::kClose)->trigger();
}

// A failed serial exchange is shown in a message box while the windows run.
class SerialMessageBoxInstalled {
public:
    SerialMessageBoxInstalled() { CRS232C_OM::SetProgramReporter(&box_); }
    ~SerialMessageBoxInstalled() { CRS232C_OM::SetProgramReporter(nullptr); }
    SerialMessageBoxInstalled(const SerialMessageBoxInstalled&) = delete;
    SerialMessageBoxInstalled& operator=(const SerialMessageBoxInstalled&) = delete;

private:
    SerialMessageBox box_;
};

} // namespace

CLumivexApp::CLumivexApp(QString programPath, LaunchOptions options, MessagePrompts& prompts, std::string settingsPath)
    : programPath_(std::move(programPath)),
      options_(std::move(options)),
      prompts_(prompts),
      settingsPath_(std::move(settingsPath))
{
}

int CLumivexApp::Run()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
    const bool optionFilePresent =
        std::filesystem::exists(OptionFilePath(QFileInfo(programPath_).absolutePath().toStdString()));

    // The simulated cameras outlive the camera context, which disconnects from them.
    DemoCameras demo;
    if (options_.demoCameras > 0 && !demo.Start(options_.demoCameras)) {
        ReportError(demo.ErrorText());
        return 1;
    }

    // A logout or shutdown (SIGTERM, SIGHUP) or Ctrl+C in the terminal ends
    // the program as File > Close does: a recording is finalised and every
    // camera released, rather than left taken until its heartbeat expires.
    SignalWatch interruptions({SIGINT, SIGTERM, SIGHUP});
    QObject::connect(&interruptions, &SignalWatch::signalled, &EndModalWindows);

    const SerialMessageBoxInstalled serialMessageBox;

    auto context = std::make_unique<CameraContext>(settingsPath_);
    CDeviceDlg deviceDlg(*context, true, prompts_);
    bool accepted = false;
    if (options_.connect) {
        for (const std::string& address : options_.connectAddresses) {
            SdkDiscoveryRecord info;
            if (!SdkDiscoveryRecordFromAddress(address, info) || !deviceDlg.ConnectAtStart(info))
                ReportError(QCoreApplication::translate("CLumivexApp", "Could not connect to %1.")
                                .arg(QString::fromStdString(address)));
        }
        accepted = true;
    } else {
        accepted = deviceDlg.RunModal() == QDialog::Accepted;
    }
    if (accepted && interruptions.FirstSignal() == 0) {
        auto mainWindow = std::make_unique<CLumivexDlg>(optionFilePresent, *context, deviceDlg, prompts_, programPath_);
        mainWindow->StatsMonitor().SetLogPath(options_.statsLogPath);
        if (options_.tile)
            mainWindow->SetTileAtConnection(true);
        QEventLoop running;
        QObject::connect(mainWindow.get(), &CLumivexDlg::closed, &running, &QEventLoop::quit);
        // A signal taken while the window started (in a message box's own
        // loop) already ended the program.
        if (interruptions.FirstSignal() == 0) {
            mainWindow->show();
            running.exec();
        }
    }
    context.reset();
    const int signal = interruptions.FirstSignal();
    return signal != 0 ? SignalWatch::ExitStatus(signal) : 0;
}
