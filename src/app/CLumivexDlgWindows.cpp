// The main window: the dialogs and windows it opens.

#include "app/CLumivexDlg.h"

#include "analysis/CHistogramDlg.h"
#include "analysis/WaveformWindow.h"
#include "app/AboutText.h"
#include "app/CAboutDlg.h"
#include "app/MainToolBar.h"
#include "app/ScreenKeeper.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "controls/CFeaturesDlg.h"
#include "display/CCallbackEnableDlg.h"
#include "imaging/OverlayPainterSet.h"
#include "imaging/WindowLayout.h"
#include "platform/DataFiles.h"
#include "platform/UiLanguage.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QScreen>
#include <QUrl>

namespace {

// Help file names tried after "<program>.pdf", each + ".pdf".
constexpr const char* kHelpFileSuffixes[] = {"_User's Guide_en", "_e", "_User's Guide_jp", "_j"};

// The installed guide, one per language: lumivex-guide-<language>.pdf.
QString GuideFileName(bool japanese)
{
    return japanese ? QStringLiteral("lumivex-guide-ja.pdf") : QStringLiteral("lumivex-guide-en.pdf");
}

uint32_t ReadUnsigned(CameraConnection* camera, const char* name)
{
    int32_t value = 0;
    if (!camera || !ReadFeatureValue(camera->Features(), name, value))
        return 0;
    return static_cast<uint32_t>(value);
}

CameraAboutData ReadAboutData(CameraConnection* camera)
{
    CameraAboutData data;
    std::string model;
    if (camera && ReadFeatureText(camera->Features(), "DeviceModelName", model))
        data.model = QString::fromStdString(model);
    data.serialNumber = ReadUnsigned(camera, "SerialNumber");
    data.hardwareVersion = ReadUnsigned(camera, "HardwareVersion");
    data.fpgaFirmwareVersion = ReadUnsigned(camera, "FPGAFirmwareVersion");
    data.firmwareVersion = ReadUnsigned(camera, "FirmwareVersion");
    return data;
}

} // namespace

QString CLumivexDlg::FindHelpFile(const QString& programPath) const
{
    const QFileInfo program(programPath);
    const QString pdf = QStringLiteral(".pdf");
    for (const QString& folder : DataFolders(program.absolutePath())) {
        const QString base = folder + QLatin1Char('/') + program.completeBaseName();
        if (QFileInfo::exists(base + pdf))
            return base + pdf;
        for (const char* suffix : kHelpFileSuffixes) {
            QString candidate = base + QString::fromUtf8(suffix) + pdf;
            if (QFileInfo::exists(candidate))
                return candidate;
        }
    }
    // The installed guide in the user interface's language, else the other one.
    const bool japanese = CurrentUiLanguage() == QLocale::Japanese;
    for (bool inUiLanguage : {true, false}) {
        for (const QString& folder : DocFolders(program.absolutePath())) {
            QString guide = folder + QLatin1Char('/') + GuideFileName(japanese == inUiLanguage);
            if (QFileInfo::exists(guide))
                return guide;
        }
    }
    return {};
}

void CLumivexDlg::ShowSettingsDialog(QDialog& dialog, bool& placed)
{
    // Shown first: the dialog takes its size when it first shows.
    dialog.show();
    if (!placed) {
        // The first time, into the work area's bottom right corner.
        // Until the window manager has framed it, its frame is a guess.
        const QRect workArea = screen()->availableGeometry();
        QRect frame = keeper_->FrameGeometry(dialog);
        frame.moveBottomRight(workArea.bottomRight());
        keeper_->SetFrameGeometry(dialog, KeepInside(frame, workArea));
        placed = true;
    }
    dialog.raise();
    dialog.activateWindow();
    settingsShown_ = true;
    UpdateMenus();
}

void CLumivexDlg::ShowCallbacks()
{
    OverlayPainterSet* painters = context_.OverlayPainters(context_.FirstCamera());
    if (!painters)
        return;
    const auto offered = painters->Offered();
    CCallbackEnableDlg dialog(std::vector<OverlayPainter*>(offered.begin(), offered.end()), this);
    dialog.exec();
}

void CLumivexDlg::ShowWaveform()
{
    CameraConnection* first = context_.FirstCamera();
    if (!first)
        return;
    if (!waveform_) {
        waveform_ = std::make_unique<WaveformWindow>(this);
        connect(
            waveform_.get(), &WaveformWindow::closed, this, [this] { WindowClosed(waveformShown_); },
            Qt::QueuedConnection);
    }
    waveform_->Open(AnalysisSourceOf(*first));
    waveformShown_ = true;
    UpdateMenus();
}

void CLumivexDlg::ShowHistogram()
{
    CameraConnection* first = context_.FirstCamera();
    if (!first)
        return;
    if (!histogram_) {
        histogram_ = std::make_unique<CHistogramDlg>(this);
        connect(
            histogram_.get(), &CHistogramDlg::closed, this, [this] { WindowClosed(histogramShown_); },
            Qt::QueuedConnection);
    }
    histogram_->Open(AnalysisSourceOf(*first));
    histogramShown_ = true;
    UpdateMenus();
}

void CLumivexDlg::ToggleToolBar()
{
    context_.showToolBar = context_.showToolBar ? 0 : 1;
    toolBar_->setVisible(context_.showToolBar != 0);
    LayoutChildren();
    UpdateMenus();
}

void CLumivexDlg::ShowAbout()
{
    CAboutDlg about(ReadAboutData(context_.FirstCamera()), this);
    about.exec();
}

void CLumivexDlg::OpenHelp()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFilePath_));
}

CFeaturesDlg* CLumivexDlg::ShowFeatures(int index)
{
    if (index < 0 || index >= CameraContext::kMaxCameras || !context_.Camera(index))
        return nullptr;
    std::unique_ptr<CFeaturesDlg>& dialog = featureDlgs_[index];
    if (!dialog) {
        dialog = std::make_unique<CFeaturesDlg>(controlHost_, [this, index] { return context_.Camera(index); });
        dialog->setWindowIcon(windowIcon());
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog.get();
}
