#include "commands/CMovieCommand.h"

#include "capture/CRecordingControl.h"
#include "capturewindows/CRecordingFrameCount.h"
#include "context/CameraContext.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QString ChooseMovieFile(QWidget* parent)
{
    QFileDialog dialog(parent, CMovieCommand::tr("Save File"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // FFV1 makes a .mkv and numbered images a folder of the chosen name, whatever the extension.
    dialog.setNameFilters({CMovieCommand::tr("AVI File(*.avi)"), CMovieCommand::tr("Matroska File(*.mkv)"),
                           CMovieCommand::tr("AllFiles(*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("AVI"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool ChooseSettings(QWidget* parent, const RecordingCameraInfo& camera, const QString& path,
                    RecordingSettings& settings)
{
    CRecordingFrameCount dialog(camera, settings, path, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.Settings();
    return true;
}

void ShowInformation(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Information, QString(), message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

CMovieCommand::CMovieCommand(CameraContext& context, CRecordingControl& control)
    : context_(context),
      control_(control),
      prompts_(StandardPrompts())
{
}

CMovieCommand::Prompts CMovieCommand::StandardPrompts()
{
    return {ChooseMovieFile, ChooseSettings, ShowInformation};
}

void CMovieCommand::Run(QWidget* parent)
{
    CameraConnection* camera = context_.FirstCamera();
    if (!camera)
        return;
    const QString path = prompts_.chooseMovieFile(parent);
    if (path.isEmpty()) {
        prompts_.showInformation(parent, tr("Operation Canceled."));
        return;
    }
    RecordingSettings settings = ReadRecordingSettings(context_.SettingsPath());
    if (!prompts_.chooseSettings(parent, ReadRecordingCameraInfo(*camera), path, settings))
        return;
    // A settings file that cannot be written only loses the choice for next time.
    WriteRecordingSettings(context_.SettingsPath(), settings);
    if (control_.Record(*camera, path.toStdString(), settings))
        context_.recordingInProgress = 1;
}

void CMovieCommand::RecordingFinished(QWidget* parent)
{
    context_.recordingInProgress = 0;
    prompts_.showInformation(parent, tr("AVI File Created."));
    if (const QString problem = control_.EndProblem(); !problem.isEmpty())
        prompts_.showInformation(parent, problem);
    if (const QString losses = control_.LossSummary(); !losses.isEmpty())
        prompts_.showInformation(parent, losses);
}
