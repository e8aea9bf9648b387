#include "capturewindows/SnapShotScrollWindow.h"

#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

SnapShotScrollWindow::SnapShotScrollWindow(QWidget* parent) : QAbstractScrollArea(parent)
{
    setWindowFlags(Qt::Window);
    // An open thumbnail or snapshot window does not keep the application running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
}

void SnapShotScrollWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        hide();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void SnapShotScrollWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        CreateContextMenu()->exec(event->globalPosition().toPoint());
}

void SnapShotScrollWindow::wheelEvent(QWheelEvent* event)
{
    const int notches = wheel_.Take(event->angleDelta().y());
    if (notches == 0)
        return;
    const QSize client = viewport()->size();
    const int contentWidth = WheelContentWidth();
    const bool horizontal = BelowDiagonal(event->position().toPoint(), client) && contentWidth > client.width();
    QScrollBar* bar = horizontal ? horizontalScrollBar() : verticalScrollBar();
    const int step = horizontal ? ExcessWheelStep(contentWidth, client.width()) : VerticalWheelStep();
    // Turning the wheel away from the user scrolls up or left.
    bar->setValue(bar->value() - notches * step);
}
