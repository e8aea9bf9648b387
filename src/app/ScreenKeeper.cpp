#include "app/ScreenKeeper.h"

#include "imaging/WindowLayout.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <utility>
#include <vector>

namespace {

// A shown window is looked at this often until the window manager has
// framed it, for at most kFramingMs (there may be no window manager).
constexpr int kFramingPollMs = 50;
constexpr qint64 kFramingMs = 4000;
// After a window was framed, its moves are watched for this long; it is
// checked once the window manager has been quiet about it for kQuietMs.
constexpr qint64 kSettlingMs = 2000;
constexpr int kQuietMs = 150;

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

// Asked of the window system: the widget's own copy is renewed only when the
// window moves, and a window manager may frame a window without moving it.
QMargins MarginsOf(const QWidget& window)
{
    if (const QWindow* native = window.windowHandle(); native && window.isVisible())
        return native->frameMargins();
    return {};
}

} // namespace

ScreenKeeper::ScreenKeeper(QWidget& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &ScreenKeeper::KeepPending);
    framingPoll_.setInterval(kFramingPollMs);
    connect(&framingPoll_, &QTimer::timeout, this, &ScreenKeeper::PollFraming);
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

QRect ScreenKeeper::FrameGeometry(const QWidget& window) const
{
    if (!window.isVisible())
        return {window.pos(), window.size().grownBy(FrameMargins(window))};
    return window.geometry().marginsAdded(MarginsOf(window));
}

void ScreenKeeper::SetFrameGeometry(QWidget& window, const QRect& frame) const
{
    const QMargins margins = FrameMargins(window);
    const QRect client(frame.topLeft() + QPoint(margins.left(), margins.top()),
                       frame.size().shrunkBy(margins).expandedTo(window.minimumSize()));
    if (window.isVisible()) {
        // Asked of the window system even where the widget believes it is
        // there already: the window manager's answers to earlier requests
        // may still be on their way.
        if (QWindow* native = window.windowHandle(); native && window.geometry() == client)
            native->setGeometry(client);
        else
            window.setGeometry(client);
        return;
    }
    // Before it is shown, a window's position is that of its frame.
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
    auto watch = watched_.find(window);
    if (watch == watched_.end()) {
        watch = watched_.insert(window, Watch{});
        connect(window, &QObject::destroyed, this, [this, window] {
            watched_.remove(window);
            pending_.remove(window);
        });
    }
    if (type == QEvent::Show) {
        // Checked where it is asked to go, with its frame guessed, and again
        // once framed.
        watch->shown.start();
        pending_.insert(window);
        quiet_.start();
        framingPoll_.start();
    } else if (watch->settled.isValid() && !watch->settled.hasExpired(kSettlingMs)) {
        pending_.insert(window);
        quiet_.start();
    }
    return false;
}

void ScreenKeeper::PollFraming()
{
    bool waiting = false;
    for (auto watch = watched_.begin(); watch != watched_.end(); ++watch) {
        if (!watch->shown.isValid())
            continue;
        QWidget* window = watch.key();
        const QMargins margins = MarginsOf(*window);
        if (margins != watch->margins && !margins.isNull()) {
            // Framed: the window manager's answers to earlier requests may
            // follow for a while, so the window is watched until they settle.
            watch->margins = margins;
            watch->settled.start();
            watch->shown.invalidate();
            lastSeen_ = margins;
            pending_.insert(window);
            quiet_.start();
        } else if (watch->shown.hasExpired(kFramingMs) || !window->isVisible()) {
            watch->shown.invalidate();
        } else {
            waiting = true;
        }
    }
    if (!waiting)
        framingPoll_.stop();
}

void ScreenKeeper::KeepPending()
{
    const QSet<QWidget*> pending = std::exchange(pending_, {});
    for (QWidget* window : pending) {
        Keep(*window);
        if (onFramed && watched_.value(window).settled.isValid())
            onFramed(*window);
    }
}

void ScreenKeeper::Keep(QWidget& window)
{
    if (!window.isVisible())
        return;
    const QRect frame = FrameGeometry(window);
    const QRect kept = KeepInside(frame, WorkAreaFor(frame));
    if (kept != frame)
        SetFrameGeometry(window, kept);
}
