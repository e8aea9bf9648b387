#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QTimer>

#include <functional>

class QWidget;

// Keeps the frame of every window the program opens, title bar included,
// inside the available area of the screen it is on (the main window's screen
// for one on no screen). A window manager frames a window only after it is
// mapped, so each window is checked when shown and again once its frame
// margins are known; moves by the user later on are left alone.
class ScreenKeeper : public QObject {
    Q_OBJECT

public:
    // mainWindow decides the screen of windows that are on none.
    explicit ScreenKeeper(QWidget& mainWindow);
    ~ScreenKeeper() override;

    // The available area that the frame belongs to.
    QRect WorkAreaFor(const QRect& frame) const;
    // The window's frame margins once framed; before that, those last seen
    // on another window, the best guess under the same window manager.
    QMargins FrameMargins(const QWidget& window) const;
    // The window's frame as the window system has it (for a window not yet
    // shown, around its client area with the guessed margins).
    QRect FrameGeometry(const QWidget& window) const;
    // Puts the window's frame at frame (its client area gets frame less the
    // frame margins).
    void SetFrameGeometry(QWidget& window, const QRect& frame) const;

    // Called once a window has been framed by the window manager and its
    // geometry has settled.
    std::function<void(QWidget&)> onFramed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watch {
        QMargins margins;
        // Started when the window was shown, until it is framed.
        QElapsedTimer shown;
        // Started when the window was framed.
        QElapsedTimer settled;
    };

    void Keep(QWidget& window);
    void KeepPending();
    void PollFraming();

    QWidget& mainWindow_;
    QHash<QWidget*, Watch> watched_;
    QSet<QWidget*> pending_;
    QTimer quiet_;
    QTimer framingPoll_;
    QMargins lastSeen_;
};
