#include "app/CLumivexDlg.h"

#include "analysis/CHistogramDlg.h"
#include "analysis/WaveformWindow.h"
#include "app/CameraLossWatch.h"
#include "app/MainMenuState.h"
#include "app/MainToolBar.h"
#include "app/OptionModels.h"
#include "app/ScreenKeeper.h"
#include "app/ShellIcons.h"
#include "camera/CameraConnection.h"
#include "capture/CRecordingControl.h"
#include "capturewindows/CThumbnailDlg.h"
#include "capturewindows/RecordingProgressBar.h"
#include "capturewindows/SnapShotExitCheck.h"
#include "commands/CMovieCommand.h"
#include "commands/SnapShotCapture.h"
#include "context/SettingsFile.h"
#include "controls/CFeaturesDlg.h"
#include "controls/CLxCtrlMainDlg.h"
#include "display/CPreview.h"
#include "display/GlDisplayWindow.h"
#include "display/NoticeBar.h"
#include "drawing/CDrawingManagementDlg.h"
#include "optionboard/CLxCtrlOPMainDlg.h"
#include "profile/Profile.h"
#include "sdk/SdkPipeline.h"
#include "selection/MessagePrompts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include <chrono>
#include <thread>

namespace {

// Pause after the preview stopped, before the cameras are disconnected.
constexpr auto kStopSettlePause = std::chrono::milliseconds(100);
// Whether the windows are tiled whenever the live images start.
constexpr const char* kTileWindowsKey = "TileWindows";
constexpr int kRecordingSummaryMs = 60000;

int ZoomIndexOf(CLumivexDlg::Command command)
{
    return kZoomMaxIndex - (command - CLumivexDlg::kZoomX8);
}

} // namespace

CLumivexDlg::CLumivexDlg(bool optionFilePresent, CameraContext& context, CDeviceDlg& deviceDlg, MessagePrompts& prompts,
                         const QString& programPath, QWidget* parent)
    : QMainWindow(parent),
      optionFilePresent_(optionFilePresent),
      context_(context),
      deviceDlg_(deviceDlg),
      prompts_(prompts),
      optionFilePath_(OptionFilePath(QFileInfo(programPath).absolutePath().toStdString())),
      recording_(std::make_unique<CRecordingControl>(context.recorder)),
      movieCommand_(std::make_unique<CMovieCommand>(context, *recording_)),
      imageArea_(new QWidget(this)),
      recordingBar_(new RecordingProgressBar(*recording_, imageArea_)),
      cameraNotice_(new NoticeBar(imageArea_)),
      toolBar_(new MainToolBar(this)),
      drawingPopup_(new QMenu(this)),
      statsLabel_(new QLabel(this)),
      keeper_(new ScreenKeeper(*this))
{
    zooms_.fill(context_.zoomIndex);
    keeper_->onFramed = [this](QWidget& window) { OnFramed(window); };
    tileAtConnection_ = Profile(context_.SettingsPath()).GetInt(kSettingSection, kTileWindowsKey, 0) != 0;
    setWindowIcon(ApplicationIcon());
    // Mouse input over the image comes up to this window, hovering included.
    setMouseTracking(true);
    imageArea_->setMouseTracking(true);
    imageArea_->installEventFilter(this);
    setCentralWidget(imageArea_);
    // The right button over the bars gives no menu of bars to hide.
    setContextMenuPolicy(Qt::NoContextMenu);
    menuBar()->setNativeMenuBar(false);
    statusBar()->setSizeGripEnabled(false);
    // A narrow window cuts the lines short rather than growing to their width.
    statsLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(statsLabel_, 1);
    // The strips' buttons answer Enter while they have the focus, and the
    // recording strip's is the window's default button (see keyPressEvent).
    cameraNotice_->DismissButton()->setAutoDefault(true);
    recordingBar_->StopButton()->setAutoDefault(true);
    recordingBar_->StopButton()->setDefault(true);
    connect(&statsMonitor_, &StreamStatsMonitor::sampled, this, &CLumivexDlg::ShowStatistics);
    BuildMenus();
    controlDlg_ = std::make_unique<CLxCtrlMainDlg>(controlHost_);
    controlDlg_->setWindowIcon(windowIcon());
    thumbnailDlg_ = std::make_unique<CThumbnailDlg>(SnapShotListOf(context_));
    connect(
        controlDlg_.get(), &CLxCtrlMainDlg::closed, this, [this] { WindowClosed(settingsShown_); },
        Qt::QueuedConnection);
    if (optionFilePresent_) {
        optionBoardDlg_ = std::make_unique<CLxCtrlOPMainDlg>(controlHost_);
        optionBoardDlg_->setWindowIcon(windowIcon());
        connect(
            optionBoardDlg_.get(), &CLxCtrlOPMainDlg::closed, this, [this] { WindowClosed(settingsShown_); },
            Qt::QueuedConnection);
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
    connect(recording_.get(), &CRecordingControl::recordingStarted, this, &CLumivexDlg::OnRecordingStarted);
    connect(recording_.get(), &CRecordingControl::recordingFinished, this, &CLumivexDlg::OnRecordingFinished);
    lossWatch_ = std::make_unique<CameraLossWatch>(
        context_, [this](CameraConnection& camera) { OnCameraLost(camera); },
        [this](CameraConnection& camera, const SdkDiscoveryRecord& found) { return OnCameraBack(camera, found); },
        this);
    connect(cameraNotice_, &NoticeBar::shownChanged, this, &CLumivexDlg::FollowCameraNotice);
    toolBar_->setVisible(context_.showToolBar != 0);
    // The bars' heights decide the window's size before it is first shown.
    menuBar()->ensurePolished();
    toolBar_->ensurePolished();
    context_.mainWindow = this;
    ShowStatistics();

    if (CameraConnection* first = context_.FirstCamera()) {
        if (first->GetPipeline().IsStarted())
            StopPreview();
        else
            StartPreview();
    }
    // No camera's image placed the window.
    if (!testAttribute(Qt::WA_Moved))
        PlaceImageless();
    UpdateMenus();
}

CLumivexDlg::~CLumivexDlg()
{
    RememberWindows();
    delete drawPropertyDlg_.data();
    StopPreview();
    std::this_thread::sleep_for(kStopSettlePause);
    controlDlg_.reset();
    optionBoardDlg_.reset();
    thumbnailDlg_.reset();
    waveform_.reset();
    histogram_.reset();
    for (int i = 0; i < CameraContext::kMaxCameras; ++i) {
        if (CameraConnection* camera = context_.Camera(i))
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
        menu = new QMenu(menuBar());
        menuBar()->addMenu(menu);
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

    add(kClose, file, &CLumivexDlg::Quit);

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
    window->addSeparator();
    add(kTile, window, &CLumivexDlg::Tile);
    add(kCascade, window, &CLumivexDlg::Cascade);
    add(kTileAtConnection, window, [this](bool checked) {
        tileAtConnection_ = checked;
        Profile(context_.SettingsPath()).WriteInt(kSettingSection, kTileWindowsKey, checked ? 1 : 0);
    })->setCheckable(true);

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
    addToolBar(toolBar_);
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
        tr("Tile(&T)"),
        tr("Cascade(&A)"),
        tr("Tile at Connection(&N)"),
    };
    for (int command = 0; command < kCommandCount; ++command) {
        if (actions_[command])
            actions_[command]->setText(texts[command]);
    }

    const QString modes[kDrawingModeCount] = {
        tr("Select"),  tr("Line"),          tr("Rectangle"), tr("Ellipse"), tr("Text"),      tr("Degree"),
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
        actions_[command]->setChecked(ZoomIndexOf(static_cast<Command>(command)) == zooms_[0]);
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
    enable(kTile, state.size);
    enable(kCascade, state.size);
    actions_[kTileAtConnection]->setChecked(tileAtConnection_);
    actions_[kToolBar]->setChecked(context_.showToolBar != 0);

    const QString name = QCoreApplication::applicationName();
    if (CameraConnection* first = context_.FirstCamera()) {
        QString title = QStringLiteral("%1 - %2(%3)")
                            .arg(name, QString::fromStdString(first->Identity().model),
                                 QString::fromStdString(first->Identity().macAddress));
        if (lossWatch_ && lossWatch_->IsLost(*first))
            title += QStringLiteral(" - ") + tr("camera lost");
        setWindowTitle(title);
    } else
        setWindowTitle(name);
}

void CLumivexDlg::Quit()
{
    quitting_ = true;
    close();
    quitting_ = false;
}

void CLumivexDlg::closeEvent(QCloseEvent* event)
{
    const SnapShotQuitQuestion ask = [this](QWidget* parent, const QString& question) {
        return prompts_.AskOkCancel(parent, QCoreApplication::applicationName(), question);
    };
    if (!quitting_ && !MayQuitWithSnapShots(SnapShotListOf(context_), this, ask)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void CLumivexDlg::WindowClosed(bool& shown)
{
    shown = false;
    activateWindow();
    UpdateMenus();
}

void CLumivexDlg::OnRecordingStarted()
{
    recordingBar_->Begin();
    LayoutChildren();
    controlDlg_->RefreshCurrentPageAndTitle();
}

void CLumivexDlg::OnRecordingFinished()
{
    recordingBar_->Finish();
    LayoutChildren();
    // What was recorded and lost, over the stream figures for a minute.
    statusBar()->showMessage(recording_->Summary(), kRecordingSummaryMs);
    movieCommand_->RecordingFinished(this);
    controlDlg_->RefreshCurrentPageAndTitle();
    UpdateMenus();
}
