// The main window: zoom, layout, and mouse and key input over the image.


#include "analysis/CGraphDlg.h"
#include "analysis/CHistogramDlg.h"
#include "app/CLumivexDlg.h"
#include "app/CMyToolBar.h"
#include "app/ZoomGeometry.h"
#include "camera/CDeviceInfo.h"
#include "capture/RecordingProgressBar.h"
#include "drawing/CDrawingManagement.h"
#include "drawing/CDrawingManagementDlg.h"
#include "imaging/CPreview.h"
#include "imaging/GlDisplayWindow.h"
#include "imaging/NoticeBar.h"
#include "imaging/WindowFit.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>

#include <algorithm>

namespace {

// The main window is fitted twice: the first fit can change the frame.
constexpr int kFitPasses = 2;

unsigned KeyFlags(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testFlag(Qt::ShiftModifier) ? kShiftKeyFlag : 0;
}

} // namespace

void CLumivexDlg::SetZoom(int zoomIndex)
{
    context_.zoomIndex = std::clamp(zoomIndex, kZoomMinIndex, kZoomMaxIndex);
    AdjustWindowSize();
}

void CLumivexDlg::AdjustWindowSize()
{
    for (int i = 0; i < context_.CameraCount(); ++i) {
        if (i == 0) {
            if (GlDisplayWindow* window = mainDisplay_.DisplayWindow()) {
                window->SetZoom(context_.zoomIndex);
                if (QWidget* widget = window->Widget())
                    widget->show();
            }
            FitToImage();
        } else if (CPreview* preview = previews_[i].get()) {
            if (GlDisplayWindow* window = preview->Display().DisplayWindow())
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
    return top + cameraNotice_->TakenHeight();
}

void CLumivexDlg::LayoutChildren()
{
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    if (!toolBar_->isHidden())
        toolBar_->setGeometry(0, menuHeight, width(), toolBar_->sizeHint().height());
    const int top = ContentTop();
    const int noticeHeight = cameraNotice_->TakenHeight();
    cameraNotice_->setGeometry(0, top - noticeHeight, width(), noticeHeight);
    int bottom = std::max(top, height() - StatusBarHeight());
    statusBar_->setGeometry(0, bottom, width(), height() - bottom);
    if (!recordingBar_->isHidden()) {
        const int barHeight = recordingBar_->sizeHint().height();
        bottom = std::max(top, bottom - barHeight);
        recordingBar_->setGeometry(0, bottom, width(), barHeight);
    }
    if (GlDisplayWindow* window = mainDisplay_.DisplayWindow())
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
    if (GlDisplayWindow* window = mainDisplay_.DisplayWindow(); window && window->Widget())
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
