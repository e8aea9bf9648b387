// The main window: zoom, layout, and mouse and key input over the image.


#include "analysis/CHistogramDlg.h"
#include "analysis/WaveformWindow.h"
#include "app/CLumivexDlg.h"
#include "app/MainToolBar.h"
#include "app/ScreenKeeper.h"
#include "app/ZoomGeometry.h"
#include "camera/CameraConnection.h"
#include "capturewindows/RecordingProgressBar.h"
#include "display/CPreview.h"
#include "display/GlDisplayWindow.h"
#include "display/NoticeBar.h"
#include "drawing/CDrawingManagement.h"
#include "drawing/CDrawingManagementDlg.h"
#include "imaging/WindowFit.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace {

// The main window is fitted twice: the first fit can change the frame.
constexpr int kFitPasses = 2;
// The image area of a camera whose size is unknown; a window of no area is
// never mapped.
constexpr QSize kUnknownImageSize(640, 480);

unsigned KeyFlags(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testFlag(Qt::ShiftModifier) ? kShiftKeyFlag : 0;
}

} // namespace

void CLumivexDlg::SetZoom(int zoomIndex)
{
    context_.zoomIndex = std::clamp(zoomIndex, kZoomMinIndex, kZoomMaxIndex);
    zooms_.fill(context_.zoomIndex);
    AdjustWindowSize();
}

void CLumivexDlg::AdjustWindowSize()
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        if (i == 0) {
            if (GlDisplayWindow* window = mainDisplay_.DisplayWindow()) {
                window->SetZoom(zooms_[0]);
                if (QWidget* widget = window->Widget())
                    widget->show();
            }
            FitToImage();
        } else if (CPreview* preview = previews_[i].get()) {
            if (GlDisplayWindow* window = preview->Display().DisplayWindow())
                window->SetZoom(zooms_[i]);
            const QSize image = ImageSize(i);
            preview->FitWindowToImage(zooms_[i], image.width(), image.height(), keeper_->FrameMargins(*preview));
        }
    }
    UpdateMenus();
}

void CLumivexDlg::FitToImage()
{
    CameraConnection* first = context_.FirstCamera();
    if (!first)
        return;
    QSize image = ZoomedImageSize(zooms_[0], first->Identity().connectWidth, first->Identity().connectHeight);
    if (image.isEmpty())
        image = kUnknownImageSize;
    const QSize client(image.width(), image.height() + ContentTop() + StatusBarHeight());
    const QRect workArea = screen()->availableGeometry();
    for (int pass = 0; pass < kFitPasses; ++pass) {
        // Not yet framed by the window manager, the frame is a guess.
        const QRect frame = keeper_->FrameGeometry(*this);
        keeper_->SetFrameGeometry(*this, FitWindowRect(frame, frame - keeper_->FrameMargins(*this), client, workArea));
    }
    LayoutChildren();
}

int CLumivexDlg::ContentTop() const
{
    // As the window's layout will place the image area, also before it is shown.
    int top = menuBar()->sizeHint().height();
    if (!toolBar_->isHidden())
        top += toolBar_->sizeHint().height();
    return top + cameraNotice_->TakenHeight();
}

void CLumivexDlg::LayoutChildren()
{
    const int width = imageArea_->width();
    const int top = cameraNotice_->TakenHeight();
    cameraNotice_->setGeometry(0, 0, width, top);
    int bottom = std::max(top, imageArea_->height());
    if (!recordingBar_->isHidden()) {
        const int barHeight = recordingBar_->sizeHint().height();
        bottom = std::max(top, bottom - barHeight);
        recordingBar_->setGeometry(0, bottom, width, barHeight);
    }
    if (GlDisplayWindow* window = mainDisplay_.DisplayWindow())
        window->SetPlacement(0, top, width, bottom - top);
}

bool CLumivexDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The image area changes size with the window and with the bars above it.
    if (watched == imageArea_ && event->type() == QEvent::Resize)
        LayoutChildren();
    return QMainWindow::eventFilter(watched, event);
}

QPoint CLumivexDlg::ImagePoint(const QPoint& windowPoint) const
{
    const QPoint point = imageArea_->mapFrom(this, windowPoint) - QPoint(0, cameraNotice_->TakenHeight());
    if (zooms_[0] == kZoomFit) {
        const GlDisplayWindow* window = mainDisplay_.DisplayWindow();
        const QSize view = window && window->Widget() ? window->Widget()->size() : QSize();
        return FittedDisplayToImage(point, view, ImageSize(0));
    }
    int horizontal = 0;
    int vertical = 0;
    mainDisplay_.GetScrollPosition(horizontal, vertical);
    return DisplayToImage(point, zooms_[0], QPoint(horizontal, vertical));
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
    if (GlDisplayWindow* window = mainDisplay_.DisplayWindow(); window && window->Widget())
        window->Widget()->setCursor(cursor);
}

// Mouse input over the image goes to the waveform window while it is open,
// else to the histogram window while that is open, else to the drawing manager.
void CLumivexDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || context_.CameraCount() == 0)
        return QMainWindow::mousePressEvent(event);
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
        return QMainWindow::mouseMoveEvent(event);
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
        return QMainWindow::mouseReleaseEvent(event);
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

void CLumivexDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_S) {
        if (QAction* snapShot = actions_[kSnapShot]; snapShot->isEnabled())
            snapShot->trigger();
        return;
    }
    // Enter, unmodified or from the keypad, ends the recording while its
    // strip shows: the strip's button is the window's default button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->key() == Qt::Key_Enter && event->modifiers().testFlag(Qt::KeypadModifier));
    if (enter && plain && recordingBar_->isVisible()) {
        if (QPushButton* stop = recordingBar_->StopButton(); stop->isEnabled())
            stop->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
