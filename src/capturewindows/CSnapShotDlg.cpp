#include "capturewindows/CSnapShotDlg.h"

#include "capturewindows/SnapShotImage.h"
#include "capturewindows/SnapShotList.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

CSnapShotDlg::CSnapShotDlg(SnapShotList& list, SnapShotImage& image, QWidget* parent)
    : SnapShotScrollWindow(parent),
      list_(list),
      image_(image)
{
    viewport()->setMouseTracking(true);
    RefreshTitle();
}

QSize CSnapShotDlg::ImageSize() const
{
    return image_.DisplayImage().size();
}

void CSnapShotDlg::ShowAndActivate()
{
    // The window frame's size is known once the window is shown.
    show();
    if (!sized_) {
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QSize decoration = frameGeometry().size() - size();
        QSize client = ImageSize();
        if (screen)
            client = client.boundedTo(screen->availableGeometry().size() - decoration);
        resize(client);
        sized_ = true;
    }
    Place();
    raise();
    activateWindow();
}

// In the work area's bottom-left corner; a window taller than the work area
// is cut to it.
void CSnapShotDlg::Place()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect workArea = screen->availableGeometry();
    const QSize decoration = frameGeometry().size() - size();
    if (height() + decoration.height() > workArea.height())
        resize(width(), workArea.height() - decoration.height());
    move(workArea.left(), workArea.bottom() + 1 - (height() + decoration.height()));
}

void CSnapShotDlg::RefreshTitle()
{
    setWindowTitle(SnapShotWindowTitle(image_.Number(), readout_, image_.SavedPath()));
}

QPoint CSnapShotDlg::ViewOffset() const
{
    const QSize image = ImageSize();
    const QSize client = viewport()->size();
    return QPoint(ImageViewOffset(horizontalScrollBar()->value(), image.width(), client.width()),
                  ImageViewOffset(verticalScrollBar()->value(), image.height(), client.height()));
}

void CSnapShotDlg::UpdateScrollBars()
{
    const QSize image = ImageSize();
    horizontalScrollBar()->setRange(0, std::max(image.width() - viewport()->width(), 0));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, std::max(image.height() - viewport()->height(), 0));
    verticalScrollBar()->setPageStep(viewport()->height());
}

void CSnapShotDlg::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CSnapShotDlg::resizeEvent(QResizeEvent*)
{
    UpdateScrollBars();
    viewport()->update();
}

void CSnapShotDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QRect picture(-ViewOffset(), ImageSize());
    if (!picture.contains(viewport()->rect()))
        painter.fillRect(viewport()->rect(), Qt::white);
    painter.drawImage(picture.topLeft(), image_.DisplayImage());
    painted_ = true;
}

void CSnapShotDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (!painted_)
        return;
    const QPoint at = event->position().toPoint() + ViewOffset();
    readout_ = image_.PixelReadout(at.x(), at.y());
    RefreshTitle();
}

int CSnapShotDlg::WheelContentWidth() const
{
    return ImageSize().width();
}

int CSnapShotDlg::VerticalWheelStep() const
{
    return ExcessWheelStep(ImageSize().height(), viewport()->height());
}

std::unique_ptr<QMenu> CSnapShotDlg::CreateContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    menu->addAction(tr("Save"), this, [this] { SnapShotList::ShowSaveError(this, list_.Save(image_.Number(), this)); });
    return menu;
}
