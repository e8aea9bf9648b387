#pragma once

#include "capture/RecordingSettings.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class CameraContext;
class CRecordingControl;
class QWidget;

// The main window's "Video Capture(&V)..." command: asks for the movie file
// and the recording settings, keeps the settings, and starts recording the
// first camera. Also the main window's answer to the end of a recording.
class CMovieCommand {
    Q_DECLARE_TR_FUNCTIONS(CMovieCommand)

public:
    // The questions the command puts to the user; tests answer them instead.
    struct Prompts {
        // A path to record to (the chooser asks before overwriting), or empty.
        std::function<QString(QWidget* parent)> chooseMovieFile;
        // Shows the recording setting dialog on settings; false when cancelled.
        std::function<bool(QWidget* parent, const RecordingCameraInfo& camera, const QString& path,
                           RecordingSettings& settings)>
            chooseSettings;
        std::function<void(QWidget* parent, const QString& message)> showInformation;
    };

    CMovieCommand(CameraContext& context, CRecordingControl& control);

    void SetPrompts(Prompts prompts) { prompts_ = std::move(prompts); }
    CRecordingControl& Control() const { return control_; }
    // The system's file chooser, the "Recording Setting" dialog and message boxes.
    static Prompts StandardPrompts();

    // The command. Sets the context's recording-in-progress flag when the
    // recording started.
    void Run(QWidget* parent);
    // When the recording finished: clears the recording-in-progress flag and
    // shows "AVI File Created.", then why it ended early and when the camera
    // was lost, if it was.
    void RecordingFinished(QWidget* parent);

private:
    CameraContext& context_;
    CRecordingControl& control_;
    Prompts prompts_;
};
