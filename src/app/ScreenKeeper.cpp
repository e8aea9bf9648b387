#include "app/ScreenKeeper.h"

#include "imaging/WindowLayout.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QWidget>

#include <vector>

namespace {

bool IsKeptWindow(const QObject* object)
{
    if (!object->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(object);
    if (!widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

QMargins MarginsOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace

ScreenKeeper::ScreenKeeper(QWidget& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    qApp->installEventFilter(this);
}

ScreenKeeper::~ScreenKeeper()
{
    qApp->removeEventFilter(this);
}

QRect ScreenKeeper::WorkAreaFor(const QRect& frame) const
{
    std::vector<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.push_back(screen->availableGeometry());
    return WorkAreaOf(frame, areas, mainWindow_.screen()->availableGeometry());
}

QMargins ScreenKeeper::FrameMargins(const QWidget& window) const
{
    const QMargins own = MarginsOf(window);
    return own.isNull() && !window.windowFlags().testFlag(Qt::FramelessWindowHint) ? lastSeen_ : own;
}

void ScreenKeeper::SetFrameGeometry(QWidget& window, const QRect& frame) const
{
    const QMargins margins = FrameMargins(window);
    const QRect client(frame.topLeft() + QPoint(margins.left(), margins.top()),
                       frame.size().shrunkBy(margins).expandedTo(window.minimumSize()));
    if (QWindow* native = window.windowHandle(); native && window.isVisible()) {
        // Asked of the window system even where the widget believes it is
        // there already: the window manager's answers to earlier requests
        // may still be on their way.
        native->setGeometry(client);
        return;
    }
    window.move(frame.topLeft());
    window.resize(client.size());
}

bool ScreenKeeper::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
        return false;
    if (!IsKeptWindow(watched))
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (type == QEvent::Show) {
        Keep(window);
        return false;
    }
    const QMargins margins = MarginsOf(*window);
    auto known = margins_.find(window);
    if (known != margins_.end() && *known == margins)
        return false;
    if (known == margins_.end()) {
        margins_.insert(window, margins);
        connect(window, &QObject::destroyed, this, [this, window] { margins_.remove(window); });
    } else {
        *known = margins;
    }
    if (margins.isNull())
        return false;
    lastSeen_ = margins;
    Keep(window);
    // After the event: the window's own geometry is not settled within it.
    QPointer<QWidget> framed(window);
    QTimer::singleShot(0, this, [this, framed] {
        if (framed && onFramed)
            onFramed(*framed);
    });
    return false;
}

void ScreenKeeper::Keep(QWidget* window)
{
    // Checked once the event that brought it here is done.
    QPointer<QWidget> pointer(window);
    QTimer::singleShot(0, this, [this, pointer] {
        if (!pointer || !pointer->isVisible())
            return;
        const QRect frame = pointer->frameGeometry();
        const QRect kept = KeepInside(frame, WorkAreaFor(frame));
        if (kept != frame)
            SetFrameGeometry(*pointer, kept);
    });
}
