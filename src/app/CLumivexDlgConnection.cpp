// The main window: starting and stopping the live image, cameras lost and
// found again, the connection command and the stream statistics.


#include "analysis/CHistogramDlg.h"
#include "analysis/WaveformWindow.h"
#include "app/CLumivexDlg.h"
#include "app/CameraLossWatch.h"
#include "app/OptionModels.h"
#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "capture/CRecordingControl.h"
#include "display/CPreview.h"
#include "display/GlDisplayWindow.h"
#include "display/NoticeBar.h"
#include "optionread/OptionBoardRead.h"
#include "sdk/SdkPipeline.h"
#include "selection/CDeviceDlg.h"
#include "selection/MessagePrompts.h"

#include <QLabel>
#include <QStatusBar>
#include <QTime>

namespace {

// The display is laid out again once the window has settled.
constexpr int kRelayoutDelayMs = 300;
// When a camera was lost and back, to the second.
const QString kClockFormat = QStringLiteral("HH:mm:ss");

// What the live image of a camera cannot do without.
constexpr const char* kImageFormatFeatures[] = {"Width", "Height", "PixelFormat", "PayloadSize"};

QStringList MissingImageFormatFeatures(CameraConnection& camera)
{
    QStringList missing;
    for (const char* name : kImageFormatFeatures) {
        if (!IsFeatureAvailable(camera.Features(), name))
            missing << QString::fromLatin1(name);
    }
    return missing;
}

} // namespace

bool CLumivexDlg::IsPreviewing() const
{
    CameraConnection* first = context_.FirstCamera();
    return first && first->GetPipeline().IsStarted();
}

void CLumivexDlg::StartPreview()
{
    CameraConnection* first = context_.FirstCamera();
    if (!first)
        return;
    optionBoardUsable_ = optionFilePresent_ && IsOptionBoardModel(*first, optionFilePath_);
    DestroyPreviewWindows();
    const int count = context_.CameraCount();
    for (int i = 0; i < count; ++i) {
        CameraConnection* camera = context_.Camera(i);
        // No frame of such a camera could be sized or converted: it gets no
        // live image, but the window still comes up for its features.
        const QStringList missing = MissingImageFormatFeatures(*camera);
        if (i == 0) {
            StartMainDisplay(*camera, count > 1, missing.isEmpty());
            if (!mainDisplay_.DisplayWindow()->HasOpenGL())
                return;
        } else if (missing.isEmpty()) {
            StartPreviewWindow(*camera, i);
        }
        if (!missing.isEmpty()) {
            prompts_.Show(this, QCoreApplication::applicationName(),
                          tr("The camera %1(%2) lacks %3, which a live image needs. Option > Features still shows "
                             "and sets its features.")
                              .arg(QString::fromStdString(camera->Identity().model),
                                   QString::fromStdString(camera->Identity().macAddress),
                                   missing.join(QStringLiteral(", "))),
                          MessagePrompts::Icon::Exclamation);
            continue;
        }
        camera->Acquisition().StartAcquisition();
    }
    if (tileAtConnection_ || tileThisRun_)
        Tile();
}

void CLumivexDlg::StartMainDisplay(CameraConnection& camera, bool moveToOrigin, bool live)
{
    // Placed before it is first shown, so that the window manager puts the
    // frame, title bar included, where asked.
    if (!RestoreWindow(0)) {
        placements_[0] = Placement::Cascade;
        if (moveToOrigin)
            PlaceInCascade(0);
        else
            FitToImage();
    }
    show();
    LayoutChildren();
    if (!CreateMainDisplayWindow(camera.GetCameraNumber() + kMainDisplayId)) {
        prompts_.Show(this, QCoreApplication::applicationName(), GlDisplayWindow::NoOpenGLText(),
                      MessagePrompts::Icon::Exclamation);
        // Closed once the program's event loop runs.
        QMetaObject::invokeMethod(this, &CLumivexDlg::Quit, Qt::QueuedConnection);
        return;
    }
    if (!live)
        return;
    GlDisplayWindow* window = mainDisplay_.DisplayWindow();
    window->SetZoom(zooms_[0]);
    window->SetInterpolationMethod(context_.displaySettings.interpolationMethod);
    RegisterDrawingPainter(camera);
    context_.drawingManager->SetImageSize(camera.Identity().connectWidth, camera.Identity().connectHeight);
    // Open analysis windows follow the first camera, which may be newly connected.
    if (waveform_)
        waveform_->Reformat(AnalysisSourceOf(camera));
    if (histogram_)
        histogram_->Reformat(AnalysisSourceOf(camera));
    camera.Acquisition().StartThread(&mainDisplay_, converter_);
    QTimer::singleShot(kRelayoutDelayMs, this, &CLumivexDlg::LayoutChildren);
}

bool CLumivexDlg::CreateMainDisplayWindow(int controlId)
{
    if (!mainDisplay_.HasDisplayWindow()) {
        auto window = std::make_unique<GlDisplayWindow>();
        window->SetBackgroundColor(0, 0, 0);
        window->Create(imageArea_, controlId);
        mainDisplay_.SetDisplayWindow(std::move(window));
        LayoutChildren();
    }
    return mainDisplay_.DisplayWindow()->HasOpenGL();
}

void CLumivexDlg::StartPreviewWindow(CameraConnection& camera, int index)
{
    auto preview = std::make_unique<CPreview>();
    preview->setWindowIcon(windowIcon());
    preview->setWindowTitle(PreviewTitle(camera, false));
    previews_[index] = std::move(preview);
    AttachPreviewLine(index);
    CPreview* shown = previews_[index].get();
    // Placed before it is first shown, as the main window.
    if (!RestoreWindow(index)) {
        placements_[index] = Placement::Cascade;
        PlaceInCascade(index);
    }
    shown->show();
    shown->CreateDisplayWindow(camera.GetCameraNumber() + kPreviewDisplayId);
    if (GlDisplayWindow* window = shown->Display().DisplayWindow())
        window->SetZoom(zooms_[index]);
    camera.Acquisition().StartThread(&shown->Display(), converter_);
}

void CLumivexDlg::DestroyPreviewWindows()
{
    RememberWindows();
    for (std::unique_ptr<CPreview>& preview : previews_)
        preview.reset();
}

bool CLumivexDlg::StopPreview()
{
    const bool wasPreviewing = IsPreviewing();
    for (int i = 0; i < context_.CameraCount(); ++i) {
        CameraConnection* camera = context_.Camera(i);
        camera->Acquisition().StopAcquisition();
        camera->Acquisition().StopThread();
    }
    UnregisterDrawingPainter();
    return wasPreviewing;
}

void CLumivexDlg::RestartPreview()
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        CameraConnection* camera = context_.Camera(i);
        if (!MissingImageFormatFeatures(*camera).isEmpty())
            continue;
        if (i == 0) {
            if (!mainDisplay_.HasDisplayWindow())
                return;
            RegisterDrawingPainter(*camera);
            // The change may have been the area of interest or the pixel
            // format: the drawing grid and open analysis windows follow it.
            context_.drawingManager->SetImageSize(camera->Identity().connectWidth, camera->Identity().connectHeight);
            if (waveform_)
                waveform_->Reformat(AnalysisSourceOf(*camera));
            if (histogram_)
                histogram_->Reformat(AnalysisSourceOf(*camera));
            mainDisplay_.DisplayWindow()->SetInterpolationMethod(context_.displaySettings.interpolationMethod);
            camera->Acquisition().StartThread(&mainDisplay_, converter_);
        } else if (previews_[i]) {
            camera->Acquisition().StartThread(&previews_[i]->Display(), converter_);
        }
        camera->Acquisition().StartAcquisition();
    }
}

CameraConnection* CLumivexDlg::PreviewHost::ControlCamera()
{
    return window_.context_.FirstCamera();
}

void CLumivexDlg::PreviewHost::SetDisplayInterpolation(int method)
{
    // Only the first camera's display follows the choice; the preview windows
    // of further cameras keep their own.
    if (window_.mainDisplay_.HasDisplayWindow())
        window_.mainDisplay_.DisplayWindow()->SetInterpolationMethod(method);
}

void CLumivexDlg::PreviewHost::CloseRecording()
{
    window_.recording_->Stop();
}

QString CLumivexDlg::PreviewTitle(CameraConnection& camera, bool lost) const
{
    QString title =
        tr("Preview - %1(%2)")
            .arg(QString::fromStdString(camera.Identity().model), QString::fromStdString(camera.Identity().macAddress));
    if (lost)
        title += QStringLiteral(" - ") + tr("camera lost");
    return title;
}

int CLumivexDlg::CameraIndex(const CameraConnection& camera) const
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        if (context_.Camera(i) == &camera)
            return i;
    }
    return -1;
}

NoticeBar* CLumivexDlg::NoticeOf(int index) const
{
    if (index == 0)
        return cameraNotice_;
    return index > 0 && index < CameraContext::kMaxCameras && previews_[index] ? previews_[index]->Notice() : nullptr;
}

void CLumivexDlg::FollowCameraNotice()
{
    // The image keeps its size: the window grows or shrinks by the strip.
    if (mainDisplay_.HasDisplayWindow())
        FitToImage();
    else
        LayoutChildren();
}

void CLumivexDlg::OnCameraLost(CameraConnection& camera)
{
    // Nothing more comes from it: the movie of the first camera is closed
    // with what it holds (to go on in the next file once the camera is back,
    // when so chosen), and the window stops asking the camera anything.
    if (&camera == context_.FirstCamera() && context_.recordingInProgress != 0)
        recording_->CameraLost();
    camera.Abandon();
    const int index = CameraIndex(camera);
    if (index >= 0)
        lostAt_[index] = QDateTime::currentDateTime();
    if (NoticeBar* notice = NoticeOf(index))
        notice->ShowNotice(
            tr("The camera %1 (%2) at %3 has not answered since %4. It is being looked for; the live image resumes "
               "as soon as it is back.")
                .arg(QString::fromStdString(camera.Identity().model),
                     QString::fromStdString(camera.Identity().macAddress),
                     QString::fromStdString(camera.Identity().ipAddress), lostAt_[index].toString(kClockFormat)),
            NoticeBar::Kind::Warning);
    if (index > 0 && previews_[index])
        previews_[index]->setWindowTitle(PreviewTitle(camera, true));
    UpdateMenus();
    ShowStatistics();
}

bool CLumivexDlg::OnCameraBack(CameraConnection& camera, const SdkDiscoveryRecord& found)
{
    if (camera.Reconnect(found) != 1)
        return false;
    ReadOptionBoard(camera);
    const int index = CameraIndex(camera);
    if (index == 0 && mainDisplay_.HasDisplayWindow())
        camera.Acquisition().StartThread(&mainDisplay_, converter_);
    else if (index > 0 && previews_[index])
        camera.Acquisition().StartThread(&previews_[index]->Display(), converter_);
    camera.Acquisition().StartAcquisition();
    if (index == 0 && context_.recordingInProgress != 0)
        recording_->CameraBack(camera);
    if (NoticeBar* notice = NoticeOf(index))
        notice->ShowNotice(
            tr("The camera %1 (%2) at %3 was lost from %4 to %5 and answers again; the live image resumed.")
                .arg(QString::fromStdString(camera.Identity().model),
                     QString::fromStdString(camera.Identity().macAddress),
                     QString::fromStdString(camera.Identity().ipAddress), lostAt_[index].toString(kClockFormat),
                     QTime::currentTime().toString(kClockFormat)),
            NoticeBar::Kind::Information);
    if (index > 0 && previews_[index])
        previews_[index]->setWindowTitle(PreviewTitle(camera, false));
    UpdateMenus();
    ShowStatistics();
    return true;
}

void CLumivexDlg::ToggleLiveVideo()
{
    if (context_.CameraCount() == 0)
        return;
    if (IsPreviewing())
        StopPreview();
    else
        StartPreview();
    UpdateMenus();
}

void CLumivexDlg::ManageConnection()
{
    deviceDlg_.RunModal();
    UpdateMenus();
}

int CLumivexDlg::StatusBarHeight() const
{
    return statusBar()->sizeHint().height();
}

QString CLumivexDlg::StatusBarText() const
{
    return statsLabel_->text();
}

void CLumivexDlg::ShowStatistics()
{
    QStringList lines;
    for (int i = 0; i < context_.CameraCount(); ++i) {
        CameraConnection& camera = *context_.Camera(i);
        // A lost camera's figures stopped with it.
        const QString text =
            lossWatch_->IsLost(camera) ? tr("camera lost, waiting for it to answer again") : statsMonitor_.Text(i);
        lines << tr("Camera %1 (%2): %3")
                     .arg(i + 1)
                     .arg(QString::fromStdString(StreamStatsMonitor::CameraName(camera)), text);
        if (previews_[i])
            previews_[i]->SetStatusLine(text);
        if (const QString advice = statsMonitor_.Advice(i); !advice.isEmpty() && !lossWatch_->IsLost(camera))
            lines << advice;
    }
    const int oldHeight = StatusBarHeight();
    statsLabel_->setText(lines.join(QLatin1Char('\n')));
    // A narrow window cuts the lines short.
    statsLabel_->setToolTip(statsLabel_->text());
    // More cameras, more lines: the image keeps its size.
    if (StatusBarHeight() != oldHeight && IsPreviewing())
        FitToImage();
    else
        LayoutChildren();
}

void CLumivexDlg::AttachPreviewLine(int index)
{
    CPreview* preview = previews_[index].get();
    preview->SetStatusLine(statsMonitor_.Text(index));
    connect(preview, &CPreview::featuresRequested, this, [this, index] { ShowFeatures(index); });
}
