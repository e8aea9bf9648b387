#include "controls/CameraSettingsButtons.h"

#include "camera/CameraConnection.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/ControlHost.h"
#include "controls/PageSettingsFile.h"
#include "controls/SettingsPage.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <chrono>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kRestartPause(10);

QString Text(const char* text)
{
    return QCoreApplication::translate("CLxCtrlMainDlg", text);
}

// Asks before going on while a recording runs; false when the user cancels.
bool RecordingMayClose(CLxCtrlMainDlg& dialog, ControlHost& host)
{
    if (!host.IsRecording())
        return true;
    const bool proceed =
        QMessageBox::question(
            &dialog, QString(),
            Text(QT_TRANSLATE_NOOP("CLxCtrlMainDlg", "Do you continue the operation? If you continue the "
                                                     "operation, the recording file would be closed.")),
            QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    // As the question promises: the file is closed before the camera changes.
    if (proceed)
        host.CloseRecording();
    return proceed;
}

QString AskPath(CLxCtrlMainDlg& dialog, bool save)
{
    const QString filter = Text(QT_TRANSLATE_NOOP("CLxCtrlMainDlg", "CFG File(*.cfg);;AllFiles(*.*)"));
    QFileDialog files(&dialog, save ? Text(QT_TRANSLATE_NOOP("CLxCtrlMainDlg", "Save File"))
                                    : Text(QT_TRANSLATE_NOOP("CLxCtrlMainDlg", "Load File")));
    files.setNameFilter(filter);
    files.setDefaultSuffix(QStringLiteral("cfg"));
    files.setOption(QFileDialog::ReadOnly, false);
    files.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    files.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) {
        QMessageBox::information(&dialog, QString(), Text(QT_TRANSLATE_NOOP("CLxCtrlMainDlg", "Operation Canceled.")));
        return {};
    }
    return files.selectedFiles().front();
}

void OnSave(CLxCtrlMainDlg& dialog, ControlHost& host)
{
    if (!RecordingMayClose(dialog, host))
        return;
    const QString path = AskPath(dialog, true);
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = SaveCameraSettings(path.toStdString(), dialog);
    QApplication::restoreOverrideCursor();
    if (saved) {
        dialog.RefreshCurrentPageAndTitle();
        return;
    }
    // A file that cannot be written (a read-only folder, a full disk) must
    // not pass for saved settings.
    QMessageBox::warning(&dialog, QString(),
                         Text(QT_TRANSLATE_NOOP("CLxCtrlMainDlg", "The camera settings could not be written to %1."))
                             .arg(QDir::toNativeSeparators(path)));
}

void OnLoad(CLxCtrlMainDlg& dialog, ControlHost& host)
{
    if (!RecordingMayClose(dialog, host))
        return;
    const QString path = AskPath(dialog, false);
    if (path.isEmpty())
        return;
    const bool stopped = host.StopPreview();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string why;
    const LoadResult result = LoadCameraSettings(path.toStdString(), dialog, &why);
    QApplication::restoreOverrideCursor();
    if (result == LoadResult::Loaded)
        dialog.RefreshCurrentPageAndTitle();
    if (stopped) {
        std::this_thread::sleep_for(kRestartPause);
        host.StartPreview();
    }
    if (result == LoadResult::NoSettings)
        QMessageBox::information(
            &dialog, QString(),
            Text(QT_TRANSLATE_NOOP("CLxCtrlMainDlg", "The file holds no settings for this camera model.")));
    else if (result == LoadResult::Unreadable)
        QMessageBox::warning(&dialog, QString(), QString::fromStdString(why));
}

} // namespace

void ConnectCameraSettingsButtons(CLxCtrlMainDlg& dialog, ControlHost& host)
{
    QObject::connect(dialog.SaveButton(), &QPushButton::clicked, &dialog, [&dialog, &host] { OnSave(dialog, host); });
    QObject::connect(dialog.LoadButton(), &QPushButton::clicked, &dialog, [&dialog, &host] { OnLoad(dialog, host); });
    dialog.SaveButton()->setEnabled(true);
    dialog.LoadButton()->setEnabled(true);
}
