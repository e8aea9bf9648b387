#pragma once

#include "app/StreamStatsMonitor.h"
#include "camera/OverlayRegistry.h"
#include "context/CameraContext.h"
#include "controls/ControlHost.h"
#include "display/LxImgDisplay.h"
#include "imaging/PixelFrameConverter.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CDeviceDlg;
class CameraConnection;
class CDrawingManagementDlg;
class CFeaturesDlg;
class WaveformWindow;
class CHistogramDlg;
class CLxCtrlMainDlg;
class CLxCtrlOPMainDlg;
class CMovieCommand;
class MainToolBar;
class CRecordingControl;
class CameraLossWatch;
class GlDisplayWindow;
class ScreenKeeper;
class SdkDiscoveryRecord;
class RecordingProgressBar;
class CThumbnailDlg;
class CPreview;
class MessagePrompts;
class NoticeBar;
class QAction;
class QActionGroup;
class QDialog;
class QLabel;
class QMenu;

// The main window: menu bar, drawing toolbar, the live image of the first
// camera and the stream statistics in the status bar. It starts and stops the
// preview of every connected camera (the further cameras in preview windows of
// their own), applies the zoom, routes mouse input over the image to the
// drawing manager, keeps the menus current and follows the signals of the
// windows it opened and of the recording.
class CLumivexDlg : public QMainWindow {
    Q_OBJECT

public:
    // The commands of the menu bar.
    enum Command {
        kClose,
        kLiveVideo,
        kSettings,
        kZoomX8,
        kZoomX4,
        kZoomX2,
        kZoomX1,
        kZoomX1_2,
        kZoomX1_4,
        kZoomX1_8,
        kAdjustWindowSize,
        kCallback,
        kWaveform,
        kHistogram,
        kManageConnection,
        kOpSetting,
        kSnapShot,
        kVideoCapture,
        kToolBar,
        kDeleteDrawing,
        kDrawProperty,
        kShowThumbnail,
        kVersionInformation,
        kHelp,
        kFeatures,
        kTile,
        kCascade,
        kTileAtConnection,
        kCommandCount
    };
    static constexpr int kDrawingModeCount = 12;
    // Display windows' control numbers: camera number plus these.
    static constexpr int kMainDisplayId = 1000;
    static constexpr int kPreviewDisplayId = 10000;
    // Preview windows of further cameras start at camera number x this - this.
    static constexpr int kPreviewCascade = 50;

    // programPath: the program file, beside which option.ini and the help
    // file are looked for. context and deviceDlg must outlive the window.
    CLumivexDlg(bool optionFilePresent, CameraContext& context, CDeviceDlg& deviceDlg, MessagePrompts& prompts,
                const QString& programPath, QWidget* parent = nullptr);
    // Stops the preview, disconnects the cameras and stores the toolbar setting.
    ~CLumivexDlg() override;

    // The command's menu item; null for an item removed from the menu
    // ("OP Setting" without option.ini, "Help" without a help file).
    QAction* Action(Command command) const;
    QAction* DrawingModeAction(int mode) const;
    MainToolBar* ToolBar() const { return toolBar_; }
    CPreview* PreviewWindow(int camera) const;
    // The control dialog, and the option board dialog (null without option.ini).
    CLxCtrlMainDlg* ControlDialog() const { return controlDlg_.get(); }
    RecordingProgressBar* RecordingBar() const { return recordingBar_; }
    // The "Video Capture" command, whose questions tests answer.
    CMovieCommand& MovieCommand() const { return *movieCommand_; }
    CLxCtrlOPMainDlg* OptionBoardDialog() const { return optionBoardDlg_.get(); }
    // The analysis windows, null until their command was first used.
    WaveformWindow* Waveform() const { return waveform_.get(); }
    CHistogramDlg* HistogramWindow() const { return histogram_.get(); }
    LxImgDisplay& MainDisplay() { return mainDisplay_; }
    // The strip above the first camera's image with news of that camera
    // (the preview windows have their own).
    NoticeBar* CameraNotice() const { return cameraNotice_; }
    const QString& HelpFilePath() const { return helpFilePath_; }

    // Recomputes the menu items' texts, enabled states and checks and the
    // window title.
    void UpdateMenus();
    bool IsPreviewing() const;
    void StartPreview();
    // Gives whether the preview was running.
    bool StopPreview();
    // Starts the acquisition threads into the displays they had and then
    // acquisition again, after StopPreview; for changes that the camera
    // accepts only while not streaming.
    void RestartPreview();
    // Zoom index 1 to 7 for all cameras, then every image window fitted to it.
    void SetZoom(int zoomIndex);
    void AdjustWindowSize();
    void SetDrawingMode(int mode);
    // The main window and the preview windows of the cameras in a grid over
    // the available area, each showing its whole image; Cascade puts them
    // back in a cascade from the area's corner at the Size menu's zoom.
    void Tile();
    void Cascade();
    // Tiles the windows now and whenever the live images start again, for
    // this run (the Window menu's setting does so in every run).
    void SetTileAtConnection(bool tile);
    // The zoom index that camera index's window shows (0 for fitted).
    int WindowZoom(int index) const;
    ScreenKeeper& Keeper() const { return *keeper_; }

    CThumbnailDlg* ThumbnailWindow() const { return thumbnailDlg_.get(); }

    // The features window of the camera at index, created and shown on first
    // use; null for no such camera.
    CFeaturesDlg* ShowFeatures(int index);
    // The stream statistics: the status bar under the image, one line per
    // camera, and a line in each preview window, renewed once a second.
    QString StatusBarText() const;
    StreamStatsMonitor& StatsMonitor() { return statsMonitor_; }

signals:
    // The window was closed (File > Close, the close box, or given up for
    // want of OpenGL); the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The control and option board dialogs' view of this window.
    class PreviewHost : public ControlHost {
    public:
        explicit PreviewHost(CLumivexDlg& window) : window_(window) {}
        CameraConnection* ControlCamera() override;
        bool StopPreview() override { return window_.StopPreview(); }
        void StartPreview() override { window_.RestartPreview(); }
        void SetDisplayInterpolation(int method) override;
        void CloseRecording() override;
        bool IsRecording() const override { return window_.context_.recordingInProgress != 0; }
        DisplaySettings* Display() override { return &window_.context_.displaySettings; }

    private:
        CLumivexDlg& window_;
    };

    // File > Close: closes the window without asking about unsaved snapshots.
    void Quit();
    void BuildMenus();
    void BuildToolBar();
    void RetranslateMenus();
    QString FindHelpFile(const QString& programPath) const;

    // live: the camera can send frames the display can show.
    void StartMainDisplay(CameraConnection& camera, bool moveToOrigin, bool live);
    bool CreateMainDisplayWindow(int controlId);
    void StartPreviewWindow(CameraConnection& camera, int index);
    void DestroyPreviewWindows();
    void RegisterDrawingPainter(CameraConnection& camera);
    void UnregisterDrawingPainter();
    void FitToImage();
    // Where the windows go: a cascade, the tiles, or as remembered.
    enum class Placement { Cascade, Tile, Remembered };
    QWidget* ImageWindow(int index) const;
    GlDisplayWindow* ImageDisplay(int index) const;
    QSize ImageSize(int index) const;
    void PlaceImageWindow(int index);
    void PlaceInCascade(int index);
    void PlaceInTile(int index);
    void PlaceImageless();
    void OnFramed(QWidget& window);
    // Each window's place and zoom, kept per camera in a file beside the settings.
    QString WindowSettingsPath() const;
    QString WindowKey(int index) const;
    void RememberWindows();
    bool RestoreWindow(int index);
    void LayoutChildren();
    int ContentTop() const;
    QPoint ImagePoint(const QPoint& windowPoint) const;
    bool WaveformActive() const;
    bool HistogramActive() const;
    void SetImageCursor(Qt::CursorShape cursor);
    void SyncToolBar();

    void ToggleLiveVideo();
    void ShowSettingsDialog(QDialog& dialog, bool& placed);
    void ShowCallbacks();
    void TakeSnapShot();
    void ShowThumbnails();
    void ShowWaveform();
    void ShowHistogram();
    void VideoCapture();
    void ManageConnection();
    void ToggleToolBar();
    void DeleteDrawing();
    void ShowDrawProperty();
    // A window this window opened was closed (queued): its menu command is
    // offered again.
    void WindowClosed(bool& shown);
    void OnRecordingStarted();
    void OnRecordingFinished();
    // A camera stopped answering: its acquisition ends and the user is told,
    // without being asked anything: nobody may be at the screen.
    void OnCameraLost(CameraConnection& camera);
    // It answers again: connected anew, its live image resumes. False when
    // it could not be connected.
    bool OnCameraBack(CameraConnection& camera, const SdkDiscoveryRecord& found);
    // The camera's place in the context (-1 when not connected) and the
    // notice strip of the window that shows it (null without one).
    int CameraIndex(const CameraConnection& camera) const;
    NoticeBar* NoticeOf(int index) const;
    QString PreviewTitle(CameraConnection& camera, bool lost) const;
    void FollowCameraNotice();
    void ShowAbout();
    void OpenHelp();
    void ShowStatistics();
    void AttachPreviewLine(int index);
    int StatusBarHeight() const;

    bool optionFilePresent_;
    bool optionBoardUsable_ = false;
    CameraContext& context_;
    CDeviceDlg& deviceDlg_;
    MessagePrompts& prompts_;
    std::string optionFilePath_;
    std::array<std::unique_ptr<CPreview>, CameraContext::kMaxCameras> previews_;
    LxImgDisplay mainDisplay_;
    PixelFrameConverter converter_;
    PreviewHost controlHost_{*this};
    // Modeless windows of the desktop, created with this window.
    std::unique_ptr<CLxCtrlMainDlg> controlDlg_;
    std::unique_ptr<CLxCtrlOPMainDlg> optionBoardDlg_;
    std::unique_ptr<CThumbnailDlg> thumbnailDlg_;
    bool controlDlgPlaced_ = false;
    bool optionBoardDlgPlaced_ = false;
    QPointer<CDrawingManagementDlg> drawPropertyDlg_;
    // The analysis windows live from their first opening to the end of this
    // window; the camera context's slots point at their records meanwhile.
    std::unique_ptr<WaveformWindow> waveform_;
    std::unique_ptr<CHistogramDlg> histogram_;
    std::unique_ptr<CRecordingControl> recording_;
    std::unique_ptr<CMovieCommand> movieCommand_;
    bool quitting_ = false;
    // The central widget: the notice strip, the image and, while a movie is
    // recorded, the recording strip at its bottom.
    QWidget* imageArea_;
    RecordingProgressBar* recordingBar_;
    std::unique_ptr<CameraLossWatch> lossWatch_;
    NoticeBar* cameraNotice_;
    // When each camera was last found lost.
    std::array<QDateTime, CameraContext::kMaxCameras> lostAt_;
    QString helpFilePath_;
    MainToolBar* toolBar_;
    QMenu* drawingPopup_;
    std::array<QMenu*, 6> menus_{};
    QMenu* sizeMenu_ = nullptr;
    std::array<QAction*, kCommandCount> actions_{};
    std::array<QAction*, kDrawingModeCount> modeButtons_{};
    std::array<QAction*, kDrawingModeCount> modeItems_{};
    std::array<Placement, CameraContext::kMaxCameras> placements_{};
    std::array<int, CameraContext::kMaxCameras> zooms_{};
    bool tileAtConnection_ = false;
    bool tileThisRun_ = false;
    bool settingsShown_ = false;
    bool waveformShown_ = false;
    bool histogramShown_ = false;
    // The drawing painter's entry in the first camera's overlay registry.
    OverlayRegistry* drawingRegistry_ = nullptr;
    uint32_t drawingPainterKey_ = 0;
    std::array<std::unique_ptr<CFeaturesDlg>, CameraContext::kMaxCameras> featureDlgs_;
    StreamStatsMonitor statsMonitor_{context_};
    QLabel* statsLabel_;
    ScreenKeeper* keeper_;
};
