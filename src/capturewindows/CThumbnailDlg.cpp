#include "capturewindows/CThumbnailDlg.h"

#include "capturewindows/SnapShotList.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

namespace {

// The Size submenu's entries, largest first, with their zoom exponents.
struct SizeEntry {
    const char* text;
    int zoom;
};

constexpr SizeEntry kSizeEntries[] = {
    {QT_TRANSLATE_NOOP("CThumbnailDlg", "x8"), -3},  {QT_TRANSLATE_NOOP("CThumbnailDlg", "x4"), -2},
    {QT_TRANSLATE_NOOP("CThumbnailDlg", "x2"), -1},  {QT_TRANSLATE_NOOP("CThumbnailDlg", "x1"), 0},
    {QT_TRANSLATE_NOOP("CThumbnailDlg", "x1/2"), 1}, {QT_TRANSLATE_NOOP("CThumbnailDlg", "x1/4"), 2},
    {QT_TRANSLATE_NOOP("CThumbnailDlg", "x1/8"), 3},
};

bool IsPageAction(int action)
{
    return action == QAbstractSlider::SliderPageStepAdd || action == QAbstractSlider::SliderPageStepSub;
}

} // namespace

CThumbnailDlg::CThumbnailDlg(SnapShotList& list, QWidget* parent) : SnapShotScrollWindow(parent), list_(list)
{
    setWindowTitle(tr("Thumbnail"));
    // An always present vertical bar keeps the column count from flipping as the bar comes and goes.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { PageStepTaken(Qt::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { PageStepTaken(Qt::Vertical, action); });
    list_.SetChangeListener([this] { Refresh(); });
    Refresh();
}

CThumbnailDlg::~CThumbnailDlg()
{
    list_.SetChangeListener({});
}

void CThumbnailDlg::SnapShotTaken(const QWidget* mainWindow)
{
    // The window frame's size is known once the window is shown.
    show();
    if (!placed_) {
        if (const SnapShotImage* newest = list_.Newest())
            list_.SetZoom(SnapShotList::DefaultZoomFor(newest->Width(), newest->Height()));
        Refresh();
        Place(mainWindow);
        placed_ = true;
    }
    Refresh();
    raise();
    activateWindow();
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
}

void CThumbnailDlg::Place(const QWidget* mainWindow)
{
    const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect workArea = screen->availableGeometry();
    const QSize decoration = frameGeometry().size() - size();
    const int chrome = width() - viewport()->width() + decoration.width();
    // Without a main window there is no room beside it: the window goes against the right edge.
    const QRect mainFrame = mainWindow ? mainWindow->frameGeometry() : workArea;
    const QRect frame = ThumbnailWindowFrame(workArea, mainFrame, list_.CellSize().width() + chrome);
    resize(frame.size() - decoration);
    move(frame.topLeft());
}

void CThumbnailDlg::Refresh()
{
    UpdateScrollBars();
    viewport()->update();
}

void CThumbnailDlg::UpdateScrollBars()
{
    const QPoint position = list_.ScrollPosition();
    list_.SetClientSize(viewport()->size());
    horizontalScrollBar()->setRange(0, list_.MaxScrollPosition().x());
    horizontalScrollBar()->setPageStep(viewport()->width());
    // Showing or hiding the horizontal bar changes the client height.
    list_.SetClientSize(viewport()->size());
    verticalScrollBar()->setRange(0, list_.MaxScrollPosition().y());
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

// A page of the thumbnail grid is one cell, not one window.
void CThumbnailDlg::PageStepTaken(Qt::Orientation orientation, int action)
{
    if (!IsPageAction(action))
        return;
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    const QSize cell = list_.CellSize();
    const int page = orientation == Qt::Horizontal ? cell.width() : cell.height();
    bar->setSliderPosition(
        PagedPosition(bar->value(), page, action == QAbstractSlider::SliderPageStepSub, bar->maximum()));
}

void CThumbnailDlg::scrollContentsBy(int, int)
{
    list_.SetScrollPosition(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
    viewport()->update();
}

void CThumbnailDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    list_.Paint(painter);
}

void CThumbnailDlg::resizeEvent(QResizeEvent*)
{
    Refresh();
}

void CThumbnailDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        list_.SelectAt(event->position().toPoint(), event->modifiers() & Qt::ControlModifier);
        viewport()->update();
        setFocus();
    } else {
        SnapShotScrollWindow::mouseReleaseEvent(event);
    }
}

void CThumbnailDlg::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        list_.ShowSelected();
}

void CThumbnailDlg::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_End:
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    case Qt::Key_Home:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_Up:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        horizontal->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_Right:
        horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Delete:
        list_.Delete(false);
        break;
    default:
        SnapShotScrollWindow::keyPressEvent(event);
    }
}

int CThumbnailDlg::WheelContentWidth() const
{
    return list_.CellSize().width();
}

int CThumbnailDlg::VerticalWheelStep() const
{
    return CellWheelStep(list_.CellSize().height(), viewport()->height());
}

std::unique_ptr<QMenu> CThumbnailDlg::CreateContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const bool empty = list_.Count() == 0;

    QAction* showAction = menu->addAction(tr("Show"), this, [this] { list_.ShowSelected(); });
    showAction->setEnabled(!empty);

    QAction* numbers = menu->addAction(tr("Snap Shot NO."), this, [this] {
        list_.SetShowNumbers(!list_.ShowNumbers());
        viewport()->update();
    });
    numbers->setCheckable(true);
    numbers->setChecked(list_.ShowNumbers());

    QMenu* sizes = menu->addMenu(tr("Size"));
    auto* sizeGroup = new QActionGroup(sizes);
    for (const SizeEntry& entry : kSizeEntries) {
        const int zoom = entry.zoom;
        QAction* size = sizes->addAction(tr(entry.text), this, [this, zoom] {
            list_.SetZoom(zoom);
            Refresh();
        });
        size->setCheckable(true);
        size->setChecked(list_.Zoom() == zoom);
        sizeGroup->addAction(size);
    }

    QAction* save =
        menu->addAction(tr("Save"), this, [this] { SnapShotList::ShowSaveError(this, list_.SaveSelected(this)); });
    save->setEnabled(!empty);
    QAction* deleteSelected = menu->addAction(tr("Delete"), this, [this] { list_.Delete(false); });
    deleteSelected->setEnabled(!empty);
    QAction* deleteAll = menu->addAction(tr("Delete All"), this, [this] { list_.Delete(true); });
    deleteAll->setEnabled(!empty);
    return menu;
}
