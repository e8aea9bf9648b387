#pragma once

// The main window previewing one simulated camera, for tests of what is drawn
// over the live image or shown beside it. Runs under an X server (display
// tests) inside the private network namespace.

#include "AppTestSupport.h"
#include "TempDir.h"

#include "context/CameraContext.h"
#include "selection/CDeviceDlg.h"
#include "sim/SimCamera.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class CLumivexDlg;
class QWidget;

// Runs the event loop for a while, so that frames arrive and are painted.
void WaitLive(int milliseconds);
// Runs the event loop until condition holds, for at most milliseconds; gives
// whether it came to hold.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds);

class LiveMainWindow {
public:
    // How Start connects the camera: directly, or with the camera selection
    // dialog's "Connect" command, which also loads the drawing file
    // registered for the camera.
    enum class Connection { Direct, ConnectCommand };

    // settingsPath: the settings file the context reads when created and
    // writes when destroyed; empty for one in Dir().
    explicit LiveMainWindow(const std::string& settingsPath = {});
    ~LiveMainWindow();

    // Starts the simulated camera with options (its address is the test
    // program's own), connects it and opens the main window previewing it;
    // returns once frames are shown. False, with a failure recorded, when any
    // step fails.
    bool Start(SimOptions options, Connection connection = Connection::Direct);

    CLumivexDlg& Window() { return *window_; }
    CameraContext& Context() { return context_; }
    SimCamera& Camera() { return camera_; }
    RecordingPrompts& Prompts() { return prompts_; }
    const TempDir& Dir() const { return dir_; }

    // The live image as last painted into the main window's display area.
    QImage DisplayedImage();

    // Saves the whole screen as name.png in LUMIVEX_SCREENSHOT_DIR, when that
    // variable names a folder, for a look by eye.
    static void SaveScreenshot(const QString& name);

private:
    SimCamera camera_;
    TempDir dir_;
    RecordingPrompts prompts_;
    CameraContext context_;
    CDeviceDlg deviceDlg_;
    std::unique_ptr<CLumivexDlg> window_;
};
