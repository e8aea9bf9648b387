#include "app/CLumivexDlg.h"

#include "app/AboutText.h"
#include "analysis/AnalysisWindowCodes.h"
#include "analysis/CGraphDlg.h"
#include "analysis/CHistogramDlg.h"
#include "app/CAboutDlg.h"
#include "app/CMyToolBar.h"
#include "app/MainMenuState.h"
#include "app/OptionModels.h"
#include "app/Profile.h"
#include "app/SettingsFile.h"
#include "app/ShellIcons.h"
#include "app/ZoomGeometry.h"
#include "camera/CDeviceDlg.h"
#include "camera/CDeviceInfo.h"
#include "camera/FeatureAccess.h"
#include "camera/MessagePrompts.h"
#include "capture/CCreateAVI.h"
#include "controls/CFeaturesDlg.h"
#include "controls/CLxCtrlMainDlg.h"
#include "capture/CMovieCommand.h"
#include "capture/RecordingProgressBar.h"
#include "app/CameraLossWatch.h"
#include "capture/CRecordingControl.h"
#include "capture/CThumbnailDlg.h"
#include "capture/SnapShotCapture.h"
#include "capture/SnapShotExitCheck.h"
#include "drawing/CDrawingBase.h"
#include "drawing/CDrawingManagement.h"
#include "drawing/CDrawingManagementDlg.h"
#include "drawing/DrawingManagementBase.h"
#include "imaging/CCallbackEnableDlg.h"
#include "imaging/CPreview.h"
#include "optionboard/CLxCtrlOPMainDlg.h"
#include "platform/DataFiles.h"
#include "imaging/DisplayGeometry.h"
#include "imaging/LxD3DDisplayWnd.h"
#include "imaging/OverlayPainterSet.h"
#include "imaging/WindowFit.h"
#include "sdk/SdkPipeline.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// The display is laid out again once the window has settled.
constexpr int kRelayoutDelayMs = 300;
// Pause after the preview stopped, before the cameras are disconnected.
constexpr auto kStopSettlePause = std::chrono::milliseconds(100);
// The main window is fitted twice: the first fit can change the frame.
constexpr int kFitPasses = 2;

// Help file names tried after "<program>.pdf", each + ".pdf".
constexpr const char* kHelpFileSuffixes[] = {"_User's Guide_en", "_e", "_User's Guide_jp", "_j"};

int ZoomIndexOf(CLumivexDlg::Command command)
{
    return kZoomMaxIndex - (command - CLumivexDlg::kZoomX8);
}

// The drawing manager's overlay painter as the acquisition thread calls it.
void PaintDrawing(QPainter& painter, uint8_t*, int32_t, int32_t, uint32_t, void* userData, const int32_t*)
{
    static_cast<const DrawingManagementBase*>(userData)->Draw(painter);
}

bool DrawingIsIdle(const void* userData)
{
    return static_cast<const DrawingManagementBase*>(userData)->DrawsNothing();
}

unsigned KeyFlags(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testFlag(Qt::ShiftModifier) ? kShiftKeyFlag : 0;
}

uint32_t ReadUnsigned(CDeviceInfo* camera, const char* name)
{
    int32_t value = 0;
    if (!camera || !ReadFeatureValue(camera->Features(), name, value))
        return 0;
    return static_cast<uint32_t>(value);
}

AnalysisSource SourceOf(CDeviceInfo& camera)
{
    AnalysisSource source;
    source.width = camera.Width();
    source.height = camera.Height();
    source.pixelFormat = camera.PixelFormat();
    source.cameraKey = camera.GetCameraKey();
    return source;
}

CameraAboutData ReadAboutData(CDeviceInfo* camera)
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

CLumivexDlg::CLumivexDlg(bool optionFilePresent, CameraContext& context, CDeviceDlg& deviceDlg,
                         MessagePrompts& prompts, const QString& programPath, QWidget* parent)
    : QDialog(parent),
      optionFilePresent_(optionFilePresent),
      context_(context),
      deviceDlg_(deviceDlg),
      prompts_(prompts),
      optionFilePath_(OptionFilePath(QFileInfo(programPath).absolutePath().toStdString())),
      recording_(std::make_unique<CRecordingControl>(context.recorder)),
      movieCommand_(std::make_unique<CMovieCommand>(context, *recording_)),
      recordingBar_(new RecordingProgressBar(*recording_, this)),
      menuBar_(new QMenuBar(this)),
      toolBar_(new CMyToolBar(this)),
      drawingPopup_(new QMenu(this)),
      statusBar_(new QStatusBar(this)),
      statsLabel_(new QLabel(statusBar_))
{
    setWindowIcon(ApplicationIcon());
    // Modal from the start, since the preview start shows the window before
    // exec() does; window-modal, so that the preview windows and the other
    // modeless windows of the desktop stay usable.
    setWindowModality(Qt::WindowModal);
    setMouseTracking(true);
    menuBar_->setNativeMenuBar(false);
    statusBar_->setSizeGripEnabled(false);
    statusBar_->addWidget(statsLabel_, 1);
    connect(&statsMonitor_, &StreamStatsMonitor::sampled, this, &CLumivexDlg::ShowStatistics);
    BuildMenus();
    controlDlg_ = std::make_unique<CLxCtrlMainDlg>(controlHost_);
    controlDlg_->setWindowIcon(windowIcon());
    thumbnailDlg_ = std::make_unique<CThumbnailDlg>(SnapShotListOf(context_));
    connect(controlDlg_.get(), &CLxCtrlMainDlg::windowClosed, this,
            [this](int code) { HandleAppMessage(kWindowClosedMessage, code); }, Qt::QueuedConnection);
    if (optionFilePresent_) {
        optionBoardDlg_ = std::make_unique<CLxCtrlOPMainDlg>(controlHost_);
        optionBoardDlg_->setWindowIcon(windowIcon());
        connect(optionBoardDlg_.get(), &CLxCtrlOPMainDlg::windowClosed, this,
                [this](int code) { HandleAppMessage(kWindowClosedMessage, code); }, Qt::QueuedConnection);
    } else {
        delete actions_[kOpSetting];
        actions_[kOpSetting] = nullptr;
    }
    helpFilePath_ = FindHelpFile(programPath);
    if (helpFilePath_.isEmpty()) {
        delete actions_[kHelp];
        actions_[kHelp] = nullptr;
    }
    BuildToolBar();
    RetranslateMenus();
    CMovieCommand::Prompts moviePrompts = CMovieCommand::StandardPrompts();
    moviePrompts.showInformation = [this](QWidget* parent, const QString& message) {
        prompts_.Show(parent, QString(), message, MessagePrompts::Icon::Information);
    };
    movieCommand_->SetPrompts(std::move(moviePrompts));
    connect(recording_.get(), &CRecordingControl::Notify, this,
            [this](unsigned message) { HandleAppMessage(static_cast<int>(message), 0); });
    lossWatch_ = std::make_unique<CameraLossWatch>(
        context_, [this](CDeviceInfo& camera) { OnCameraLost(camera); },
        [this](CDeviceInfo& camera, const SdkDeviceInfo& found) { OnCameraBack(camera, found); }, this);
    toolBar_->setVisible(context_.showToolBar != 0);
    // The bars' heights decide the window's size before it is first shown.
    menuBar_->ensurePolished();
    toolBar_->ensurePolished();
    context_.mainWindow = this;
    ShowStatistics();

    if (CDeviceInfo* first = context_.FirstCamera()) {
        if (first->GetPipeline().IsStarted())
            StopPreview();
        else
            StartPreview();
    }
    UpdateMenus();
}

CLumivexDlg::~CLumivexDlg()
{
    delete drawPropertyDlg_.data();
    StopPreview();
    std::this_thread::sleep_for(kStopSettlePause);
    controlDlg_.reset();
    optionBoardDlg_.reset();
    thumbnailDlg_.reset();
    // The acquisition threads have stopped: nothing reads the records any more.
    context_.waveformRecord = nullptr;
    waveform_.reset();
    context_.histogramRecord = nullptr;
    histogram_.reset();
    for (int i = 0; i < CameraContext::kMaxCameras; ++i) {
        if (CDeviceInfo* camera = context_.Camera(i))
            camera->Disconnect();
        previews_[i].reset();
    }
    if (context_.mainWindow == this)
        context_.mainWindow = nullptr;
    Profile(context_.SettingsPath()).WriteInt(kSettingSection, kShowToolBarKey, context_.showToolBar);
}

QAction* CLumivexDlg::Action(Command command) const
{
    return actions_[command];
}

QAction* CLumivexDlg::DrawingModeAction(int mode) const
{
    return mode >= 0 && mode < kDrawingModeCount ? modeButtons_[mode] : nullptr;
}

CPreview* CLumivexDlg::PreviewWindow(int camera) const
{
    return camera >= 0 && camera < CameraContext::kMaxCameras ? previews_[camera].get() : nullptr;
}

void CLumivexDlg::BuildMenus()
{
    for (QMenu*& menu : menus_) {
        menu = new QMenu(menuBar_);
        menuBar_->addMenu(menu);
        connect(menu, &QMenu::aboutToShow, this, &CLumivexDlg::UpdateMenus);
    }
    auto add = [this](Command command, QMenu* menu, auto handler) {
        QAction* action = menu->addAction(QString());
        connect(action, &QAction::triggered, this, handler);
        actions_[command] = action;
        return action;
    };
    QMenu* file = menus_[0];
    QMenu* option = menus_[1];
    QMenu* capture = menus_[2];
    QMenu* draw = menus_[3];
    QMenu* window = menus_[4];
    QMenu* help = menus_[5];

    add(kClose, file, &QDialog::accept);

    add(kLiveVideo, option, &CLumivexDlg::ToggleLiveVideo);
    add(kSettings, option, [this] {
        controlDlg_->RefreshCurrentPageAndTitle();
        ShowSettingsDialog(*controlDlg_, controlDlgPlaced_);
    });
    add(kFeatures, option, [this] { ShowFeatures(0); });
    sizeMenu_ = option->addMenu(QString());
    for (int command = kZoomX8; command <= kZoomX1_8; ++command) {
        const int zoom = ZoomIndexOf(static_cast<Command>(command));
        add(static_cast<Command>(command), sizeMenu_, [this, zoom] { SetZoom(zoom); })->setCheckable(true);
    }
    sizeMenu_->addSeparator();
    add(kAdjustWindowSize, sizeMenu_, &CLumivexDlg::AdjustWindowSize);
    add(kCallback, option, &CLumivexDlg::ShowCallbacks);
    add(kWaveform, option, &CLumivexDlg::ShowWaveform);
    add(kHistogram, option, &CLumivexDlg::ShowHistogram);
    add(kManageConnection, option, &CLumivexDlg::ManageConnection);
    // The option board dialog reads the camera's option state whenever it is shown.
    add(kOpSetting, option, [this] {
        if (optionBoardDlg_)
            ShowSettingsDialog(*optionBoardDlg_, optionBoardDlgPlaced_);
    });

    add(kSnapShot, capture, &CLumivexDlg::TakeSnapShot);
    add(kVideoCapture, capture, &CLumivexDlg::VideoCapture);

    add(kToolBar, draw, &CLumivexDlg::ToggleToolBar)->setCheckable(true);
    add(kDeleteDrawing, draw, &CLumivexDlg::DeleteDrawing);
    add(kDrawProperty, draw, &CLumivexDlg::ShowDrawProperty);

    add(kShowThumbnail, window, &CLumivexDlg::ShowThumbnails);

    add(kVersionInformation, help, &CLumivexDlg::ShowAbout);
    add(kHelp, help, &CLumivexDlg::OpenHelp);

    for (int mode = 0; mode < kDrawingModeCount; ++mode) {
        QAction* item = drawingPopup_->addAction(QString());
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, mode] { SetDrawingMode(mode); });
        modeItems_[mode] = item;
    }
}

void CLumivexDlg::BuildToolBar()
{
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    for (int mode = 0; mode < kDrawingModeCount; ++mode) {
        QAction* button = toolBar_->addAction(DrawingModeIcon(mode), QString());
        button->setCheckable(true);
        connect(button, &QAction::triggered, this, [this, mode] { SetDrawingMode(mode); });
        modeButtons_[mode] = button;
    }
    modeButtons_[0]->setChecked(true);
}

void CLumivexDlg::RetranslateMenus()
{
    const QString titles[] = {tr("File(&F)"), tr("Option(&O)"), tr("Capture(&C)"),
                              tr("Draw(&D)"), tr("Window(&W)"), tr("Help(&H)")};
    for (size_t i = 0; i < menus_.size(); ++i)
        menus_[i]->setTitle(titles[i]);
    sizeMenu_->setTitle(tr("Size(&Z)"));

    const QString texts[kCommandCount] = {
        tr("Close(&X)"),
        IsPreviewing() ? tr("Still Image(&P)") : tr("Live Video(&P)"),
        tr("Settings(&S)"),
        tr("x8"),
        tr("x4"),
        tr("x2"),
        tr("x1"),
        tr("x1/2"),
        tr("x1/4"),
        tr("x1/8"),
        tr("Adjust Window Size"),
        tr("Callback(&C)..."),
        tr("Waveform(&W)"),
        tr("Histogram(&H)"),
        tr("Manage Connection(&M)"),
        tr("OP Setting(&O)"),
        tr("Snap Shot(&S)"),
        tr("Video Capture(&V)..."),
        tr("Tool Bar"),
        tr("Delete Drawing"),
        tr("Draw Property.."),
        tr("Show Thumbnail(&T)"),
        tr("Version Information(&V)..."),
        tr("Help(&H)..."),
        tr("Features(&E)..."),
    };
    for (int command = 0; command < kCommandCount; ++command) {
        if (actions_[command])
            actions_[command]->setText(texts[command]);
    }

    const QString modes[kDrawingModeCount] = {
        tr("Select"), tr("Line"),          tr("Rectangle"), tr("Ellipse"), tr("Text"),      tr("Degree"),
        tr("Polygon"), tr("Perpendicular"), tr("Arc"),       tr("Bezier"),  tr("Free Hand"), tr("Cross"),
    };
    drawingPopup_->setTitle(tr("Mode"));
    for (int mode = 0; mode < kDrawingModeCount; ++mode) {
        modeItems_[mode]->setText(modes[mode]);
        modeButtons_[mode]->setText(modes[mode]);
    }
}

void CLumivexDlg::UpdateMenus()
{
    RetranslateMenus();
    MainMenuInputs inputs;
    inputs.hasCamera = context_.CameraCount() > 0;
    inputs.previewing = IsPreviewing();
    inputs.recording = context_.recordingInProgress != 0;
    inputs.settingsShown = settingsShown_;
    inputs.waveformShown = waveformShown_;
    inputs.histogramShown = histogramShown_;
    inputs.optionBoardUsable = optionBoardUsable_;
    inputs.drawingSelected = context_.drawingManager->CountSelected() > 0;
    const MainMenuState state = ComputeMenuState(inputs);

    auto enable = [this](Command command, bool enabled) {
        if (actions_[command])
            actions_[command]->setEnabled(enabled);
    };
    enable(kSettings, state.settings);
    enable(kFeatures, inputs.hasCamera);
    for (int command = kZoomX8; command <= kZoomX1_8; ++command) {
        enable(static_cast<Command>(command), state.size);
        actions_[command]->setChecked(ZoomIndexOf(static_cast<Command>(command)) == context_.zoomIndex);
    }
    enable(kAdjustWindowSize, state.size);
    enable(kCallback, state.callback);
    enable(kWaveform, state.waveform);
    enable(kHistogram, state.histogram);
    enable(kManageConnection, state.manageConnection);
    enable(kOpSetting, state.opSetting);
    enable(kSnapShot, state.snapShot);
    enable(kVideoCapture, state.videoCapture);
    enable(kDeleteDrawing, state.deleteDrawing);
    enable(kShowThumbnail, state.showThumbnail);
    actions_[kToolBar]->setChecked(context_.showToolBar != 0);

    const QString name = QCoreApplication::applicationName();
    if (CDeviceInfo* first = context_.FirstCamera()) {
        QString title = QStringLiteral("%1 - %2(%3)").arg(name, QString::fromStdString(first->GetModel()),
                                                           QString::fromStdString(first->GetMACAddress()));
        if (lossWatch_ && lossWatch_->IsLost(*first))
            title += QStringLiteral(" - ") + tr("camera lost");
        setWindowTitle(title);
    } else
        setWindowTitle(name);
}

QString CLumivexDlg::FindHelpFile(const QString& programPath) const
{
    const QFileInfo program(programPath);
    const QString pdf = QStringLiteral(".pdf");
    for (const QString& folder : DataFolders(program.absolutePath())) {
        const QString base = folder + QLatin1Char('/') + program.completeBaseName();
        if (QFileInfo::exists(base + pdf))
            return base + pdf;
        for (const char* suffix : kHelpFileSuffixes) {
            const QString candidate = base + QString::fromUtf8(suffix) + pdf;
            if (QFileInfo::exists(candidate))
                return candidate;
        }
    }
    return {};
}

bool CLumivexDlg::IsPreviewing() const
{
    CDeviceInfo* first = context_.FirstCamera();
    return first && first->GetPipeline().IsStarted();
}

void CLumivexDlg::StartPreview()
{
    CDeviceInfo* first = context_.FirstCamera();
    if (!first)
        return;
    optionBoardUsable_ = optionFilePresent_ && IsOptionBoardModel(*first, optionFilePath_);
    DestroyPreviewWindows();
    const int count = context_.CameraCount();
    for (int i = 0; i < count; ++i) {
        CDeviceInfo* camera = context_.Camera(i);
        if (i == 0) {
            StartMainDisplay(*camera, count > 1);
            if (!mainDisplay_.DisplayWindow()->HasOpenGL())
                return;
        } else {
            StartPreviewWindow(*camera, i);
        }
        camera->StartAcquisition();
    }
}

void CLumivexDlg::StartMainDisplay(CDeviceInfo& camera, bool moveToOrigin)
{
    show();
    FitToImage();
    if (moveToOrigin)
        move(0, 0);
    LayoutChildren();
    if (!CreateMainDisplayWindow(camera.GetCameraNumber() + kMainDisplayId)) {
        prompts_.Show(this, QCoreApplication::applicationName(), LxD3DDisplayWnd::NoOpenGLText(),
                      MessagePrompts::Icon::Exclamation);
        // Closed once the window's own event loop runs.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    LxD3DDisplayWnd* window = mainDisplay_.DisplayWindow();
    window->SetZoom(context_.zoomIndex);
    window->SetInterpolationMethod(context_.displaySettings.interpolationMethod);
    RegisterDrawingPainter(camera);
    context_.drawingManager->SetImageSize(camera.GetConnectWidth(), camera.GetConnectHeight());
    camera.StartThread(&mainDisplay_, converter_);
    QTimer::singleShot(kRelayoutDelayMs, this, &CLumivexDlg::LayoutChildren);
}

bool CLumivexDlg::CreateMainDisplayWindow(int controlId)
{
    if (!mainDisplay_.HasDisplayWindow()) {
        auto window = std::make_unique<LxD3DDisplayWnd>();
        window->SetBackgroundColor(0, 0, 0);
        window->Create(this, controlId);
        mainDisplay_.SetDisplayWindow(std::move(window));
        LayoutChildren();
    }
    return mainDisplay_.DisplayWindow()->HasOpenGL();
}

void CLumivexDlg::StartPreviewWindow(CDeviceInfo& camera, int index)
{
    auto preview = std::make_unique<CPreview>();
    preview->setWindowIcon(windowIcon());
    preview->setWindowTitle(tr("Preview - %1(%2)")
                                .arg(QString::fromStdString(camera.GetModel()),
                                     QString::fromStdString(camera.GetMACAddress())));
    preview->show();
    const int corner = camera.GetCameraNumber() * kPreviewCascade - kPreviewCascade;
    preview->move(corner, corner);
    preview->CreateDisplayWindow(camera.GetCameraNumber() + kPreviewDisplayId);
    if (LxD3DDisplayWnd* window = preview->Display().DisplayWindow())
        window->SetZoom(context_.zoomIndex);
    camera.StartThread(&preview->Display(), converter_);
    preview->FitWindowToImage(context_.zoomIndex, camera.GetConnectWidth(), camera.GetConnectHeight());
    previews_[index] = std::move(preview);
    AttachPreviewLine(index);
}

void CLumivexDlg::DestroyPreviewWindows()
{
    for (std::unique_ptr<CPreview>& preview : previews_)
        preview.reset();
}

bool CLumivexDlg::StopPreview()
{
    const bool wasPreviewing = IsPreviewing();
    for (int i = 0; i < context_.CameraCount(); ++i) {
        CDeviceInfo* camera = context_.Camera(i);
        camera->StopAcquisition();
        camera->StopThread();
    }
    UnregisterDrawingPainter();
    return wasPreviewing;
}

void CLumivexDlg::RestartPreview()
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        CDeviceInfo* camera = context_.Camera(i);
        if (i == 0) {
            if (!mainDisplay_.HasDisplayWindow())
                return;
            RegisterDrawingPainter(*camera);
            // The change may have been the area of interest or the pixel
            // format: the drawing grid and open analysis windows follow it.
            context_.drawingManager->SetImageSize(camera->GetConnectWidth(), camera->GetConnectHeight());
            if (waveform_)
                waveform_->Reformat(SourceOf(*camera));
            if (histogram_)
                histogram_->Reformat(SourceOf(*camera));
            mainDisplay_.DisplayWindow()->SetInterpolationMethod(context_.displaySettings.interpolationMethod);
            camera->StartThread(&mainDisplay_, converter_);
        } else if (previews_[i]) {
            camera->StartThread(&previews_[i]->Display(), converter_);
        }
        camera->StartAcquisition();
    }
}

CDeviceInfo* CLumivexDlg::PreviewHost::ControlCamera()
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

void CLumivexDlg::RegisterDrawingPainter(CDeviceInfo& camera)
{
    OverlayRegistry* registry = camera.GetOverlayRegistry();
    if (context_.drawingOverlayPainter || !registry)
        return;
    context_.drawingOverlayPainter = std::make_unique<DrawingManagementBase>(*context_.drawingManager);
    drawingRegistry_ = registry;
    drawingPainterKey_ = registry->Add(&PaintDrawing, context_.drawingOverlayPainter.get(), &DrawingIsIdle);
}

void CLumivexDlg::UnregisterDrawingPainter()
{
    if (drawingRegistry_)
        drawingRegistry_->Remove(drawingPainterKey_);
    drawingRegistry_ = nullptr;
    drawingPainterKey_ = 0;
    context_.drawingOverlayPainter.reset();
}

void CLumivexDlg::SetZoom(int zoomIndex)
{
    context_.zoomIndex = std::clamp(zoomIndex, kZoomMinIndex, kZoomMaxIndex);
    AdjustWindowSize();
}

void CLumivexDlg::AdjustWindowSize()
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        if (i == 0) {
            if (LxD3DDisplayWnd* window = mainDisplay_.DisplayWindow()) {
                window->SetZoom(context_.zoomIndex);
                if (QWidget* widget = window->Widget())
                    widget->show();
            }
            FitToImage();
        } else if (CPreview* preview = previews_[i].get()) {
            if (LxD3DDisplayWnd* window = preview->Display().DisplayWindow())
                window->SetZoom(context_.zoomIndex);
            CDeviceInfo* camera = context_.Camera(i);
            preview->FitWindowToImage(context_.zoomIndex, camera->GetConnectWidth(), camera->GetConnectHeight());
        }
    }
    UpdateMenus();
}

void CLumivexDlg::FitToImage()
{
    CDeviceInfo* first = context_.FirstCamera();
    if (!first)
        return;
    const QSize image = ZoomedImageSize(context_.zoomIndex, first->GetConnectWidth(), first->GetConnectHeight());
    const QSize client(image.width(), image.height() + ContentTop() + StatusBarHeight());
    const QRect workArea = screen()->availableGeometry();
    for (int pass = 0; pass < kFitPasses; ++pass) {
        const QRect frame = frameGeometry();
        const QRect inner = geometry();
        const QRect fitted = FitWindowRect(frame, inner, client, workArea);
        move(fitted.topLeft());
        resize(fitted.size() - (frame.size() - inner.size()));
    }
    LayoutChildren();
}

int CLumivexDlg::ContentTop() const
{
    int top = menuBar_->sizeHint().height();
    if (!toolBar_->isHidden())
        top += toolBar_->sizeHint().height();
    return top;
}

void CLumivexDlg::LayoutChildren()
{
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    if (!toolBar_->isHidden())
        toolBar_->setGeometry(0, menuHeight, width(), toolBar_->sizeHint().height());
    const int top = ContentTop();
    int bottom = std::max(top, height() - StatusBarHeight());
    statusBar_->setGeometry(0, bottom, width(), height() - bottom);
    if (!recordingBar_->isHidden()) {
        const int barHeight = recordingBar_->sizeHint().height();
        bottom = std::max(top, bottom - barHeight);
        recordingBar_->setGeometry(0, bottom, width(), barHeight);
    }
    if (LxD3DDisplayWnd* window = mainDisplay_.DisplayWindow())
        window->SetPlacement(0, top, width(), bottom - top);
}

void CLumivexDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutChildren();
}

QPoint CLumivexDlg::ImagePoint(const QPoint& windowPoint) const
{
    QPoint point = windowPoint - QPoint(0, ContentTop());
    int horizontal = 0;
    int vertical = 0;
    mainDisplay_.GetScrollPosition(horizontal, vertical);
    return DisplayToImage(point, context_.zoomIndex, QPoint(horizontal, vertical));
}

bool CLumivexDlg::WaveformActive() const
{
    return waveform_ && waveform_->IsActive();
}

bool CLumivexDlg::HistogramActive() const
{
    return histogram_ && histogram_->IsActive();
}

void CLumivexDlg::SetImageCursor(Qt::CursorShape cursor)
{
    if (LxD3DDisplayWnd* window = mainDisplay_.DisplayWindow(); window && window->Widget())
        window->Widget()->setCursor(cursor);
}

// Mouse input over the image goes to the waveform window while it is open,
// else to the histogram window while that is open, else to the drawing manager.
void CLumivexDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || context_.CameraCount() == 0)
        return QDialog::mousePressEvent(event);
    const QPoint point = ImagePoint(event->position().toPoint());
    if (WaveformActive())
        return;
    if (HistogramActive())
        histogram_->PreviewButtonDown(point);
    else
        context_.drawingManager->OnPress(point, KeyFlags(event->modifiers()));
}

void CLumivexDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (context_.CameraCount() == 0)
        return QDialog::mouseMoveEvent(event);
    const QPoint point = ImagePoint(event->position().toPoint());
    if (WaveformActive())
        return;
    if (HistogramActive())
        SetImageCursor(histogram_->PreviewMouseMove(point));
    else
        SetImageCursor(context_.drawingManager->OnMove(KeyFlags(event->modifiers()), point));
}

void CLumivexDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (context_.CameraCount() == 0)
        return QDialog::mouseReleaseEvent(event);
    const QPoint point = ImagePoint(event->position().toPoint());
    const bool left = event->button() == Qt::LeftButton;
    if (WaveformActive()) {
        if (left)
            waveform_->SelectRow(point.y());
        return;
    }
    if (HistogramActive()) {
        if (left)
            histogram_->PreviewButtonUp(point);
        return;
    }
    CDrawingManagement& manager = *context_.drawingManager;
    if (left) {
        manager.OnRelease();
    } else if (event->button() == Qt::RightButton) {
        if (!manager.IsCreating()) {
            drawingPopup_->popup(event->globalPosition().toPoint());
            return;
        }
        manager.FinishCreation();
    } else {
        return;
    }
    SyncToolBar();
    if (drawPropertyDlg_)
        drawPropertyDlg_->Reload();
}

void CLumivexDlg::SetDrawingMode(int mode)
{
    context_.drawingManager->SetTool(mode);
    SyncToolBar();
}

void CLumivexDlg::SyncToolBar()
{
    const int32_t tool = context_.drawingManager->Tool();
    for (int mode = 0; mode < kDrawingModeCount; ++mode) {
        modeButtons_[mode]->setChecked(mode == tool);
        modeItems_[mode]->setChecked(mode == tool);
    }
}

void CLumivexDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_S) {
        if (QAction* snapShot = actions_[kSnapShot]; snapShot->isEnabled())
            snapShot->trigger();
        return;
    }
    // Escape does not close the main window.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void CLumivexDlg::closeEvent(QCloseEvent* event)
{
    const SnapShotQuitQuestion ask = [this](QWidget* parent, const QString& question) {
        return prompts_.AskOkCancel(parent, QCoreApplication::applicationName(), question);
    };
    if (!MayQuitWithSnapShots(SnapShotListOf(context_), this, ask)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CLumivexDlg::HandleAppMessage(int message, int code)
{
    if (message == kWindowClosedMessage) {
        if (code == CLxCtrlMainDlg::kDialogClosed)
            settingsShown_ = false;
        else if (code == kWaveformClosedCode)
            waveformShown_ = false;
        else if (code == kHistogramClosedCode)
            histogramShown_ = false;
        else
            return;
        activateWindow();
        UpdateMenus();
    } else if (message == static_cast<int>(kRecordingStartedMessage)) {
        recordingBar_->Begin();
        LayoutChildren();
        controlDlg_->RefreshCurrentPageAndTitle();
    } else if (message == static_cast<int>(kRecordingFinishedMessage)) {
        recordingBar_->Finish();
        LayoutChildren();
        movieCommand_->RecordingFinished(this);
        controlDlg_->RefreshCurrentPageAndTitle();
        UpdateMenus();
    }
}

void CLumivexDlg::OnCameraLost(CDeviceInfo& camera)
{
    // Nothing more comes from it: the movie of the first camera is closed
    // with what it holds, and the window stops asking the camera anything.
    if (&camera == context_.FirstCamera() && context_.recordingInProgress != 0)
        recording_->Stop();
    camera.Abandon();
    UpdateMenus();
    ShowStatistics();
    prompts_.Show(this, QCoreApplication::applicationName(),
                  tr("The camera %1 (%2) at %3 no longer answers. The live image resumes when it is back.")
                      .arg(QString::fromStdString(camera.GetModel()), QString::fromStdString(camera.GetMACAddress()),
                           QString::fromStdString(camera.GetIPAddress())),
                  MessagePrompts::Icon::Exclamation);
}

void CLumivexDlg::OnCameraBack(CDeviceInfo& camera, const SdkDeviceInfo& found)
{
    if (camera.Reconnect(found) != 1)
        return;
    const int index = camera.GetCameraNumber() - 1;
    if (&camera == context_.FirstCamera() && mainDisplay_.HasDisplayWindow())
        camera.StartThread(&mainDisplay_, converter_);
    else if (index > 0 && index < CameraContext::kMaxCameras && previews_[index])
        camera.StartThread(&previews_[index]->Display(), converter_);
    camera.StartAcquisition();
    UpdateMenus();
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

void CLumivexDlg::ShowSettingsDialog(QDialog& dialog, bool& placed)
{
    // Shown first: the dialog takes its size when it first shows.
    dialog.show();
    if (!placed) {
        // The first time, into the work area's bottom right corner.
        const QRect workArea = screen()->availableGeometry();
        QRect frame = dialog.frameGeometry();
        frame.moveBottomRight(workArea.bottomRight());
        dialog.move(frame.topLeft());
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
    CCallbackEnableDlg dialog(std::vector<CPreviewDCCallbackBase*>(offered.begin(), offered.end()), this);
    dialog.exec();
}

void CLumivexDlg::TakeSnapShot()
{
    if (!::TakeSnapShot(context_))
        return;
    thumbnailDlg_->SnapShotTaken(this);
}

void CLumivexDlg::ShowThumbnails()
{
    if (context_.CameraCount() == 0)
        return;
    thumbnailDlg_->show();
    thumbnailDlg_->raise();
}

void CLumivexDlg::ShowWaveform()
{
    CDeviceInfo* first = context_.FirstCamera();
    if (!first)
        return;
    if (!waveform_) {
        waveform_ = std::make_unique<CGraphDlg>(this);
        connect(waveform_.get(), &CGraphDlg::windowClosed, this,
                [this](int code) { HandleAppMessage(kWindowClosedMessage, code); }, Qt::QueuedConnection);
        context_.waveformRecord = waveform_->Record();
    }
    waveform_->Open(SourceOf(*first));
    waveformShown_ = true;
    UpdateMenus();
}

void CLumivexDlg::ShowHistogram()
{
    CDeviceInfo* first = context_.FirstCamera();
    if (!first)
        return;
    if (!histogram_) {
        histogram_ = std::make_unique<CHistogramDlg>(this);
        connect(histogram_.get(), &CHistogramDlg::windowClosed, this,
                [this](int code) { HandleAppMessage(kWindowClosedMessage, code); }, Qt::QueuedConnection);
        context_.histogramRecord = histogram_->Record();
    }
    histogram_->Open(SourceOf(*first));
    histogramShown_ = true;
    UpdateMenus();
}

void CLumivexDlg::VideoCapture()
{
    if (context_.CameraCount() == 0)
        return;
    movieCommand_->Run(this);
    UpdateMenus();
}

void CLumivexDlg::ManageConnection()
{
    deviceDlg_.RunModal();
    UpdateMenus();
}

void CLumivexDlg::ToggleToolBar()
{
    context_.showToolBar = context_.showToolBar ? 0 : 1;
    toolBar_->setVisible(context_.showToolBar != 0);
    LayoutChildren();
    UpdateMenus();
}

void CLumivexDlg::DeleteDrawing()
{
    context_.drawingManager->DeleteSelected();
    if (drawPropertyDlg_)
        drawPropertyDlg_->Reload();
    UpdateMenus();
}

void CLumivexDlg::ShowDrawProperty()
{
    if (drawPropertyDlg_) {
        drawPropertyDlg_->raise();
        drawPropertyDlg_->activateWindow();
        return;
    }
    auto* dialog = new CDrawingManagementDlg(*context_.drawingManager, this);
    // Its questions and messages are this window's message boxes; the file
    // choosers stay the system's.
    CDrawingManagementDlg::Prompts prompts = CDrawingManagementDlg::StandardPrompts();
    prompts.askYesNo = [this](QWidget* parent, const QString& question) {
        return prompts_.AskYesNo(parent, QCoreApplication::applicationName(), question);
    };
    prompts.showError = [this](QWidget* parent, const QString& message) {
        prompts_.Show(parent, QCoreApplication::applicationName(), message, MessagePrompts::Icon::Exclamation);
    };
    dialog->SetPrompts(std::move(prompts));
    dialog->SetInitialFileRegistrar([this](const QString& path) { context_.RegisterDrawingFile(path); });
    connect(dialog, &CDrawingManagementDlg::closed, this, [this] { drawPropertyDlg_ = nullptr; });
    drawPropertyDlg_ = dialog;
    dialog->show();
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

int CLumivexDlg::StatusBarHeight() const
{
    return statusBar_->sizeHint().height();
}

QString CLumivexDlg::StatusBarText() const
{
    return statsLabel_->text();
}

void CLumivexDlg::ShowStatistics()
{
    QStringList lines;
    for (int i = 0; i < context_.CameraCount(); ++i) {
        CDeviceInfo& camera = *context_.Camera(i);
        // A lost camera's figures stopped with it.
        const QString text = lossWatch_->IsLost(camera) ? tr("camera lost, waiting for it to answer again")
                                                        : statsMonitor_.Text(i);
        lines << tr("Camera %1 (%2): %3")
                     .arg(i + 1)
                     .arg(QString::fromStdString(StreamStatsMonitor::CameraName(camera)), text);
        if (previews_[i])
            previews_[i]->SetStatusLine(text);
    }
    const int oldHeight = StatusBarHeight();
    statsLabel_->setText(lines.join(QLatin1Char('\n')));
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
